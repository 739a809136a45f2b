// Small operating-system services the application frame needs beyond the media operations: the
// environment, the home folder from the password database, waiting, and CPU time for statistics.
#pragma once

#include <cstdint>
#include <string>

// The value of an environment variable; isSet tells an empty value from an unset one.
std::string EnvironmentValue(const std::string& name, bool* isSet = nullptr);
// Sets an environment variable only when it is not set yet (driver choices before InitMedia).
void SetEnvironmentDefault(const std::string& name, const std::string& value);
// The current user's home folder from the password database; "" when there is none.
std::string PasswordDatabaseHome();
// Waits without using the processor (pacing loops that present no frames of their own).
void WaitMilliseconds(int ms);
// CPU time used by the calling thread, in nanoseconds.
int64_t ThreadCpuNanoseconds();
