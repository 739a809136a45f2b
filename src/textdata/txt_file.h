// Language text files: one sentence or label per line, addressed by line number from 1, read
// from "txt/<language>/" (paths name the language as "#LANG#").
#pragma once

#include <memory>
#include <string>
#include <vector>

class TTxtFile {
 public:
  std::vector<std::string> txt;

  virtual ~TTxtFile() = default;
  virtual int lines() { return static_cast<int>(txt.size()); }
};

// Shown in place of a line the file does not have.
inline constexpr const char* kBeyondTextArray = "(BEYOND TEXT ARRAY LENGTH!)";

// Reads the file anew (nothing is cached) after replacing every "#LANG#" by Language. A missing
// or unreadable file gives an empty file and one diagnostic line.
std::shared_ptr<TTxtFile> LoadTxtFile(const std::string& path);
// Cuts text into lines at LF; CRs and blanks stay; a final empty line is not kept.
std::vector<std::string> SplitTextLines(const std::string& text);
// Line n counted from 1; any other n (or no file) gives "(BEYOND TEXT ARRAY LENGTH!)".
std::string TxtLine(const TTxtFile* file, int n);
inline std::string TxtLine(const std::shared_ptr<TTxtFile>& file, int n) {
  return TxtLine(file.get(), n);
}
// "[path|n]" gives line n of that file; any other text (a bracketed one without "|" included)
// is returned as it stands.
std::string ResolveTextRef(const std::string& ref);
// Every "#LANG#" in path replaced by Language.
std::string WithLanguage(const std::string& path);
