// String helpers of the GUI loader: the separator splitting of the .gui format and the names the
// loader prints with.
#pragma once

#include <string>
#include <vector>

// Pieces between LF characters; an empty last piece is dropped.
std::vector<std::string> SplitLines(const std::string& s);
// The same with the space character.
std::vector<std::string> SplitWords(const std::string& s);
// s without any double-quote character.
std::string StripQuotes(const std::string& s);
// Every occurrence of what replaced by with.
std::string ReplaceAll(std::string s, const std::string& what, const std::string& with);
// "ERROR: " + message as one line on standard output.
void GuiError(const std::string& message);
