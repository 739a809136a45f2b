#include "textdata/split_string.h"

std::vector<std::string> SplitString(std::string_view text, std::string_view separator,
                                     std::string_view openQuote, std::string_view closeQuote) {
  std::vector<std::string> pieces;
  std::string current;
  bool inside = false;
  const bool quotesIgnored = openQuote.empty() || closeQuote.empty();
  size_t i = 0;
  while (i < text.size()) {
    if (!separator.empty() && (!inside || quotesIgnored) &&
        text.compare(i, separator.size(), separator) == 0) {
      pieces.push_back(std::move(current));
      current.clear();
      i += separator.size();
      continue;
    }
    if (!openQuote.empty()) {
      if (!inside && text.compare(i, openQuote.size(), openQuote) == 0) {
        inside = true;
        i += openQuote.size();
        continue;
      }
      if (inside && !closeQuote.empty() && text.compare(i, closeQuote.size(), closeQuote) == 0) {
        inside = false;
        i += closeQuote.size();
        continue;
      }
    }
    current += text[i++];
  }
  if (!current.empty()) pieces.push_back(std::move(current));
  return pieces;
}
