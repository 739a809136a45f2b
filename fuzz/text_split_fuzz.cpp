// libFuzzer target for the text splitters: language files cut into lines, text references,
// SplitString with quotes, and the number grammar.
#include <cstddef>
#include <cstdint>
#include <string>

#include "textdata/numbers.h"
#include "textdata/split_string.h"
#include "textdata/text_layout.h"
#include "textdata/txt_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines = SplitTextLines(text);
  size_t total = 0;
  for (const std::string& line : lines) total += line.size() + 1;
  if (total < text.size()) __builtin_trap();  // every character but the final LF is kept
  SplitString(text, ",", "\"", "\"");
  SplitString(text, "::");
  if (size > 2) SplitString(text.substr(2), text.substr(0, 1), text.substr(1, 1), "\"");
  SplitWords(text);
  TruncToInt(TextToFloat(text));
  TextToInt(text);
  // A reference to a file that does not exist resolves to the missing-line marker.
  if (text.find('|') == std::string::npos) ResolveTextRef("[" + text + "]");
  return 0;
}
