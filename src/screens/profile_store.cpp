#include "screens/profile_store.h"

#include "media/media.h"
#include "textdata/rcm_file.h"

bool RcmFileIsDamaged(const std::string& path, TRCMFile& file) {
  if (PathKind(path) != 1) return false;  // missing is not damaged: it reads as empty
  if (!file.problems().empty()) return true;
  return !file._grupa || file._grupa->_listaGrup.Count() == 0;
}

std::shared_ptr<TRCMFile> LoadRcmWithFallback(const std::string& path) {
  auto file = LoadRCM(path);
  if (!RcmFileIsDamaged(path, *file)) return file;
  const std::string backup = path + ".bak";
  if (PathKind(backup) == 1) {
    auto previous = LoadRCM(backup);
    if (!RcmFileIsDamaged(backup, *previous)) {
      PrintLine(path + ": damaged, using the last good version");
      return previous;
    }
  }
  PrintLine(path + ": damaged and no good earlier version, using defaults");
  return CreateRCM();
}

int SaveRcmKeepingGood(TRCMFile& file, const std::string& path) {
  if (PathKind(path) == 1) {
    auto current = LoadRCM(path);
    if (!RcmFileIsDamaged(path, *current)) {
      std::string bytes;
      if (ReadFileBytes(path, bytes)) WriteFileBytesAtomic(path + ".bak", bytes);
    }
  }
  return file.save(path);
}
