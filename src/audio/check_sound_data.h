// Data check for kelvaroth --check-data: every sound the catalogue names decodes, effects are
// short and music is long enough to be worth looping. (That the files exist and every id is
// present is the data-file check's part.)
#pragma once

#include <string>
#include <vector>

class TDataCheckReport;

// Adds one "path: problem" line per problem to problems; returns how many it added.
int CheckSoundData(const std::string& gameDir, std::vector<std::string>& problems);
// The same check on AssetRoot, reported to the application's data check.
void CheckSoundData(TDataCheckReport& report);
