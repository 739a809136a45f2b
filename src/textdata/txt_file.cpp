#include "textdata/txt_file.h"

#include "media/media.h"
#include "textdata/asset_root.h"
#include "textdata/numbers.h"
#include "textdata/split_string.h"

std::string WithLanguage(const std::string& path) {
  static const std::string kMarker = "#LANG#";
  std::string out;
  size_t start = 0;
  for (size_t found; (found = path.find(kMarker, start)) != std::string::npos;) {
    out.append(path, start, found - start);
    out += std::string(Language);
    start = found + kMarker.size();
  }
  out.append(path, start, std::string::npos);
  return out;
}

std::vector<std::string> SplitTextLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.emplace_back(text, start, end - start);
  }
  if (start < text.size()) lines.emplace_back(text, start, std::string::npos);
  return lines;
}

std::shared_ptr<TTxtFile> LoadTxtFile(const std::string& path) {
  auto file = std::make_shared<TTxtFile>();
  const std::string real = WithLanguage(path);
  ReadStatus status = ReadStatus::Ok;
  std::string text = ReadWholeText(real, &status);
  if (status != ReadStatus::Ok) {
    PrintLine("Napotkano problem : Nie znaleziono pliku tekstowego : " + real);
    return file;
  }
  file->txt = SplitTextLines(text);
  return file;
}

std::string TxtLine(const TTxtFile* file, int n) {
  if (!file || n < 1 || static_cast<size_t>(n) > file->txt.size()) return kBeyondTextArray;
  return file->txt[static_cast<size_t>(n) - 1];
}

std::string ResolveTextRef(const std::string& ref) {
  if (ref.size() < 2 || ref.front() != '[' || ref.back() != ']') return ref;
  const std::string inner = ref.substr(1, ref.size() - 2);
  if (inner.find('|') == std::string::npos) return ref;
  std::vector<std::string> parts = SplitString(inner, "|");
  const int n = parts.size() >= 2 ? TextToInt(parts[1]) : 0;
  return TxtLine(LoadTxtFile(parts.empty() ? std::string() : parts[0]), n);
}
