// The harness's state dump: an RCM data file describing the running game (frame, controller
// step, screens on show), to which each subsystem adds its own fields.
#pragma once

#include <functional>
#include <string>

class TRCMFile;

// Adds a writer called for every dump, after the application frame's own fields.
void RegisterStateWriter(std::function<void(TRCMFile&)> writer);
// The writer of a named part of the dump; registering the same name again replaces it, so the
// program's start-up may register its parts any number of times.
void RegisterStateWriter(const std::string& part, std::function<void(TRCMFile&)> writer);
// Fills a data file with the state (the group "state" and whatever the writers add).
void FillStateDump(TRCMFile& file);
// Writes the dump to path; false when it cannot be written.
bool WriteStateDump(const std::string& path);
