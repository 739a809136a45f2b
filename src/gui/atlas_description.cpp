// Reader of atlas description files.
#include "gui/atlas_description.h"

#include <algorithm>

#include "media/media.h"
#include "textdata/numbers.h"

std::vector<TAtlasEntry> ParseAtlasDescription(const std::string& text) {
  std::vector<TAtlasEntry> out;
  TAtlasEntry pending;
  int lineNo = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = TrimLowCodes(text.substr(start, end - start));
    start = end + 1;
    ++lineNo;
    if (lineNo == 1) continue;  // the picture count: the groups themselves are what counts
    switch ((lineNo - 2) % 5) {
      case 0:
        pending = TAtlasEntry{};
        pending.name = ToUpperCase(line);
        break;
      case 1:
        pending.x = TextToInt(line);
        break;
      case 2:
        pending.y = TextToInt(line);
        break;
      case 3:
        pending.w = std::max(0, TextToInt(line));
        break;
      case 4:
        pending.h = std::max(0, TextToInt(line));
        out.push_back(pending);
        break;
    }
  }
  return out;
}
