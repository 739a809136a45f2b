// Crash-safe keeping of the player's data files: the last good version of each file is kept as
// "<name>.bak", so a file damaged outside the game falls back to it instead of to nothing.
#pragma once

#include <memory>
#include <string>

class TRCMFile;

// Whether a loaded data file is unusable: it exists but is empty, unbalanced or too deep.
bool RcmFileIsDamaged(const std::string& path, TRCMFile& file);
// Loads path; when it exists but is damaged, loads the last good version instead (with a
// diagnostic line). Returns the empty file when neither is usable.
std::shared_ptr<TRCMFile> LoadRcmWithFallback(const std::string& path);
// Writes file to path crash-safe, first keeping the current file as the last good version when
// it is good (a damaged file never replaces a good backup). 1 when written.
int SaveRcmKeepingGood(TRCMFile& file, const std::string& path);
