#include "textdata/data_check_report.h"

void TDataCheckReport::ProblemLines(const std::string& root,
                                    const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const size_t colon = line.find(": ");
    if (colon != std::string::npos) {
      Problem(root + line.substr(0, colon), line.substr(colon + 2));
    } else if (root.empty()) {
      Problem(line, "");  // a whole line that names its file itself
    } else {
      Problem(root, line);
    }
  }
}
