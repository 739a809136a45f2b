// String helpers of the GUI loader.
#include "gui/gui_strings.h"

#include "media/media.h"
#include "textdata/split_string.h"

std::vector<std::string> SplitLines(const std::string& s) {
  return SplitString(s, "\n");
}

std::vector<std::string> SplitWords(const std::string& s) {
  return SplitString(s, " ");
}

std::string StripQuotes(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (c != '"') out += c;
  return out;
}

std::string ReplaceAll(std::string s, const std::string& what, const std::string& with) {
  if (what.empty()) return s;
  size_t pos = 0;
  while ((pos = s.find(what, pos)) != std::string::npos) {
    s.replace(pos, what.size(), with);
    pos += with.size();
  }
  return s;
}

void GuiError(const std::string& message) {
  PrintLine("ERROR: " + message);
}
