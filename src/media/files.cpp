// Whole-file reading with byte-order-mark decoding, and the crash-safe writer every save uses:
// a temporary file in the target's folder is written, flushed and synced, then renamed over the
// target and the folder synced, so a crash leaves either the old file or the new one.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "media/file_fault_injection.h"
#include "media/files.h"
#include "media/system.h"
#include "media/text_decoding.h"
#include "media/text_encoding.h"

namespace {

long long g_failAfterBytes = -1;

std::string ErrorText(int err) {
  return std::strerror(err);
}

// Reads the whole file at an already resolved path. ENOENT and ENOTDIR count as "not found".
ReadStatus ReadResolved(const std::string& path, std::string& bytes) {
  bytes.clear();
  // Non-blocking open so a FIFO named by mistake cannot stall us; only regular files are read.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0)
    return (errno == ENOENT || errno == ENOTDIR) ? ReadStatus::NotFound : ReadStatus::Error;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return ReadStatus::Error;
  }
  if (st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      close(fd);
      bytes.clear();
      return ReadStatus::Error;
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  return ReadStatus::Ok;
}

ReadStatus ReadWithDiagnostic(const std::string& path, std::string& bytes) {
  const ReadStatus status = ReadResolved(ResolvePath(path), bytes);
  if (status == ReadStatus::Error) PrintLine("Cannot read file: " + path);
  return status;
}

std::string DecodeUtf16(const std::string& bytes, size_t start, bool bigEndian) {
  std::u16string units;
  units.reserve((bytes.size() - start) / 2);
  // An odd trailing byte cannot form a unit and is dropped.
  for (size_t i = start; i + 1 < bytes.size(); i += 2) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
    units += static_cast<char16_t>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0);
  }
  return Utf16ToUtf8(units);
}

std::string DecodeUtf8File(const std::string& bytes, size_t start) {
  std::string out;
  out.reserve(bytes.size() - start);
  size_t i = start;
  while (i < bytes.size())
    media_internal::AppendUtf8(out, media_internal::DecodeUtf8At(bytes, i, false));
  return out;
}

std::string DecodeText(const std::string& bytes) {
  const auto at = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) {
    return DecodeUtf8File(bytes, 3);
  }
  if (bytes.size() >= 2 && at(0) == 0xFF && at(1) == 0xFE) return DecodeUtf16(bytes, 2, false);
  if (bytes.size() >= 2 && at(0) == 0xFE && at(1) == 0xFF) return DecodeUtf16(bytes, 2, true);
  return Latin1ToUtf8(bytes);
}

std::string EncodeText(const std::string& text) {
  const std::u16string units = Utf8ToUtf16(text);
  bool narrow = true;
  for (char16_t u : units) {
    if (u > 0xFF) {
      narrow = false;
      break;
    }
  }
  std::string bytes;
  if (narrow) {
    bytes.reserve(units.size());
    for (char16_t u : units) bytes += static_cast<char>(u);
    return bytes;
  }
  bytes.reserve(2 + units.size() * 2);
  bytes += static_cast<char>(0xFF);
  bytes += static_cast<char>(0xFE);
  for (char16_t u : units) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes;
}

bool WriteAll(int fd, const std::string& bytes, int& err) {
  size_t done = 0;
  while (done < bytes.size()) {
    size_t chunk = bytes.size() - done;
    if (g_failAfterBytes >= 0) {
      const auto allowed = static_cast<size_t>(g_failAfterBytes);
      if (done >= allowed) {
        err = ENOSPC;
        return false;
      }
      chunk = std::min(chunk, allowed - done);
    }
    const ssize_t wrote = write(fd, bytes.data() + done, chunk);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      err = errno;
      return false;
    }
    done += static_cast<size_t>(wrote);
  }
  return true;
}

mode_t NewFileMode(const std::string& target) {
  struct stat st {};
  if (stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);  // some file systems refuse to sync folders; the rename itself has happened
  close(fd);
}

}  // namespace

namespace media_internal {

void FailWritesAfterBytes(long long bytes) {
  g_failAfterBytes = bytes;
}

}  // namespace media_internal

std::string ReadWholeText(const std::string& path, ReadStatus* status) {
  std::string bytes;
  const ReadStatus result = ReadWithDiagnostic(path, bytes);
  if (status) *status = result;
  return result == ReadStatus::Ok ? DecodeText(bytes) : std::string();
}

std::string ReadBytesAsText(const std::string& path, ReadStatus* status) {
  std::string bytes;
  const ReadStatus result = ReadWithDiagnostic(path, bytes);
  if (status) *status = result;
  return result == ReadStatus::Ok ? Latin1ToUtf8(bytes) : std::string();
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  return ReadResolved(ResolvePath(path), bytes) == ReadStatus::Ok;
}

bool WriteWholeText(const std::string& text, const std::string& path) {
  return WriteFileBytesAtomic(path, EncodeText(text));
}

bool WriteFileBytesAtomic(const std::string& path, const std::string& bytes) {
  const std::string target = ResolvePath(path);
  const size_t slash = target.find_last_of('/');
  const std::string folder =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  if (name.empty()) {
    PrintLine("Cannot write file: " + path + " (not a file name)");
    return false;
  }
  std::string temp = folder + "/." + name + ".tmp-XXXXXX";
  const int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) {
    PrintLine("Cannot write file: " + path + " (" + ErrorText(errno) + ")");
    return false;
  }
  int err = 0;
  bool ok = WriteAll(fd, bytes, err);
  if (ok && fchmod(fd, NewFileMode(target)) != 0) {
    err = errno;
    ok = false;
  }
  if (ok && fsync(fd) != 0) {
    err = errno;
    ok = false;
  }
  if (close(fd) != 0 && ok) {
    err = errno;
    ok = false;
  }
  if (ok && rename(temp.c_str(), target.c_str()) != 0) {
    err = errno;
    ok = false;
  }
  if (!ok) {
    unlink(temp.c_str());
    InvalidatePathCache();
    PrintLine("Cannot write file: " + path + " (" + ErrorText(err) + ")");
    return false;
  }
  SyncFolder(folder);
  InvalidatePathCache();
  return true;
}
