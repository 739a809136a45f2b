// What kelvaroth --check-data collects: one "path: problem" entry per fault found in the game's
// data. Every subsystem's check appends to the same report.
#pragma once

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
  // Adds lines of the form "file: problem" whose file is relative to root (lines without a file
  // are reported under root itself).
  void ProblemLines(const std::string& root, const std::vector<std::string>& lines);
  std::vector<TDataProblem> problems;
};
