// SplitString: cuts a text at a separator, optionally ignoring separators inside quotes; the
// quote characters themselves are dropped. Used by the data, text and GUI readers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Two separators in a row give an empty piece, a leading separator an empty first piece, a
// trailing separator no empty last piece, and an empty text no pieces. With an empty opening
// quote every character other than the separator is kept.
std::vector<std::string> SplitString(std::string_view text, std::string_view separator,
                                     std::string_view openQuote = {},
                                     std::string_view closeQuote = {});
