// kelvaroth --check-data: loads every file under game/ that the game reads and reports each
// problem as "path: problem". Each subsystem adds the checks of its own data kinds.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct TDataProblem {
  std::string path;
  std::string problem;
};

class TDataCheckReport {
 public:
  void Problem(const std::string& path, const std::string& problem) {
    problems.push_back({path, problem});
  }
  std::vector<TDataProblem> problems;
};

using TDataCheck = std::function<void(TDataCheckReport&)>;
void RegisterDataCheck(TDataCheck check);
// The checks of the application frame: the title file, the window icon, the point and cursor
// pictures.
void CheckAppData(TDataCheckReport& report);
// Runs every check (the built-in ones first), prints "path: problem" lines; returns the number
// of problems.
int RunDataChecks();
