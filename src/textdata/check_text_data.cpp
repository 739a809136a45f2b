#include "textdata/check_text_data.h"

#include <algorithm>

#include "media/folder_list.h"
#include "media/media.h"
#include "textdata/asset_root.h"
#include "textdata/data_check_report.h"
#include "textdata/numbers.h"
#include "textdata/rcm_file.h"
#include "textdata/txt_file.h"

namespace {

// The ids the game plays; a catalogue without one of them leaves that sound silent.
const char* const kMusicIds[] = {"title", "mapa", "level-1", "level-2", "level-3", "win"};
const char* const kEffectIds[] = {
    "moveUp",  "moveDown",   "button", "move-0", "move-1",     "move-2",       "mark1",
    "mark2",   "match",      "chain",  "skull",  "cash",       "no",           "hint",
    "shuffle", "createBomb", "bomb",   "bomb2",  "powerUpUse", "unlockPowerUp"};

bool EndsWithTxt(const std::string& path) {
  if (path.size() < 4) return false;
  return ToUpperCase(path.substr(path.size() - 4)) == ".TXT";
}

std::string JoinPath(const std::string& folder, const std::string& rel) {
  if (folder.empty() || folder.back() == '/') return folder + rel;
  return folder + "/" + rel;
}

// Reads an RCM file quietly (its diagnostics become problems instead of lines on the screen).
void CheckRcmFile(const std::string& path, std::vector<std::string>& problems) {
  ReadStatus status = ReadStatus::Ok;
  const std::string text = ReadWholeText(path, &status);
  if (status != ReadStatus::Ok) {
    problems.push_back(path + ": cannot be read");
    return;
  }
  // The same counts as the reader's, reported in words for the data author.
  bool balanced = true;
  {
    long long opening = 0, closing = 0;
    bool inside = false;
    for (char c : text) {
      if (c == '"') {
        inside = !inside;
      } else if (!inside) {
        opening += c == '{';
        closing += c == '}';
      }
    }
    if (opening != closing) {
      balanced = false;
      problems.push_back(path + ": unbalanced braces, " + std::to_string(opening) + " \"{\" and " +
                         std::to_string(closing) +
                         " \"}\" outside quotes (the game reads it as empty)");
    }
  }
  if (balanced) {
    int depth = 0, deepest = 0;
    for (char c : text) {
      if (c == '{') deepest = std::max(deepest, ++depth);
      if (c == '}' && depth > 0) --depth;
    }
    if (deepest > TRCMFile::kMaxDepth) {
      problems.push_back(path + ": groups nested " + std::to_string(deepest) +
                         " deep (the game reads it as empty)");
    }
  }
  for (const std::string& lint : LintRCMText(text)) problems.push_back(path + ": " + lint);
}

void CheckTextFile(const std::string& path, std::vector<std::string>& problems) {
  ReadStatus status = ReadStatus::Ok;
  const std::string text = ReadWholeText(path, &status);
  if (status != ReadStatus::Ok) {
    problems.push_back(path + ": cannot be read");
    return;
  }
  if (text.empty()) problems.push_back(path + ": empty (every line reads as missing)");
}

void CheckSoundCatalogue(const std::string& gameDir, std::vector<std::string>& problems) {
  const std::string path = JoinPath(gameDir, "data/globalSnd.txt");
  if (PathKind(path) != 1) {
    problems.push_back(path + ": missing (the game is silent)");
    return;
  }
  TRCMFile file;
  file.Load(path);
  struct Kind {
    const char* countKey;
    const char* prefix;
    const char* const* ids;
    size_t idCount;
  };
  const Kind kinds[] = {
      {"globalSnd::musics", "globalSnd::music", kMusicIds, std::size(kMusicIds)},
      {"globalSnd::sounds", "globalSnd::snd", kEffectIds, std::size(kEffectIds)},
  };
  for (const Kind& kind : kinds) {
    const int count = TruncToInt(file.getFloat(kind.countKey, 0, 0));
    std::vector<std::string> ids;
    for (int n = 1; n <= count && n <= 10000; ++n) {
      const std::string prefix = kind.prefix + std::to_string(n) + "::";
      if (!file.findEntry(prefix + "id")) {
        problems.push_back(path + ": " + prefix + "id missing (" + kind.countKey + " is " +
                           std::to_string(count) + ")");
        continue;
      }
      ids.push_back(ToUpperCase(file.getString(prefix + "id", 0)));
      const std::string url = file.getString(prefix + "url", 0);
      const std::string soundPath = JoinPath(gameDir, url);
      if (url.empty() || PathKind(soundPath) != 1) {
        problems.push_back(path + ": " + prefix + "url names no file (" + soundPath + ")");
      }
    }
    for (size_t i = 0; i < kind.idCount; ++i) {
      if (std::find(ids.begin(), ids.end(), ToUpperCase(kind.ids[i])) == ids.end()) {
        problems.push_back(path + ": no entry for the id \"" + kind.ids[i] + "\" (" + kind.prefix +
                           "N::id)");
      }
    }
  }
}

}  // namespace

std::vector<std::string> LintRCMText(const std::string& text) {
  std::vector<std::string> found;
  int line = 1;
  std::string current;
  auto report = [&](const std::string& what) {
    found.push_back("line " + std::to_string(line) + ": " + what);
  };
  auto lineHasEntry = [&]() { return current.find('=') != std::string::npos; };
  for (char c : text) {
    if (c == '{' || c == '}') {
      if (lineHasEntry()) {
        report("the entry \"" + TrimLowCodes(current) +
               "\" is not read: a line break must follow it before \"" + c + "\"");
      }
      current.clear();
      continue;
    }
    if (c == '\n') {
      if (lineHasEntry()) {
        const std::string entry = TrimLowCodes(current);
        const size_t eq = entry.find('=');
        const std::string value = entry.substr(eq + 1);
        const std::string trimmed = TrimLowCodes(value);
        const bool number =
            !trimmed.empty() && ((trimmed[0] >= '0' && trimmed[0] <= '9') || trimmed[0] == '-');
        if (!number && !trimmed.empty()) {
          bool inside = false;
          std::string piece;
          std::vector<std::string> pieces;
          for (char v : value) {
            if (v == '"') inside = !inside;
            if (v == ',' && !inside) {
              pieces.push_back(piece);
              piece.clear();
            } else {
              piece += v;
            }
          }
          if (!piece.empty()) pieces.push_back(piece);
          for (const std::string& p : pieces) {
            if (p.size() < 3 || p[0] != ' ' || p[1] != '"' || p.back() != '"') {
              report("the string value '" + p + "' is not written as blank, \"text\" (it loses " +
                     "its first two and last characters)");
            }
          }
        }
      }
      current.clear();
      ++line;
      continue;
    }
    current += c;
  }
  if (lineHasEntry()) {
    report("the entry \"" + TrimLowCodes(current) +
           "\" is not read: the file ends without a line break");
  }
  return found;
}

int CheckTextData(const std::string& gameDir, std::vector<std::string>& problems) {
  const size_t before = problems.size();
  std::vector<std::string> files = ListFilesBelow(gameDir);
  std::sort(files.begin(), files.end());
  for (const std::string& rel : files) {
    if (!EndsWithTxt(rel)) continue;
    const std::string path = JoinPath(gameDir, rel);
    const std::string upper = ToUpperCase(rel);
    if (upper.rfind("DATA/", 0) == 0) {
      CheckRcmFile(path, problems);
    } else if (upper.rfind("TXT/", 0) == 0) {
      CheckTextFile(path, problems);
    }
  }
  CheckSoundCatalogue(gameDir, problems);
  return static_cast<int>(problems.size() - before);
}

void CheckTextData(TDataCheckReport& report) {
  std::vector<std::string> problems;
  CheckTextData(std::string(AssetRoot), problems);
  report.ProblemLines("", problems);
}
