// Data checks for kelvaroth --check-data: every RCM data file and language text file under the
// game folder reads cleanly, and every file the sound catalogue names exists.
#pragma once

#include <string>
#include <vector>

class TDataCheckReport;

// Adds one "path: problem" line per problem to problems; returns how many it added.
int CheckTextData(const std::string& gameDir, std::vector<std::string>& problems);
// The same checks on AssetRoot, reported to the application's data check.
void CheckTextData(TDataCheckReport& report);

// Problems of one RCM text that the reader accepts silently: entries lost because no line break
// follows them before "}" or the end, and string values not written as blank, quote, text, quote.
std::vector<std::string> LintRCMText(const std::string& text);
