// String helpers of the GUI loader.
#include "gui/gui_strings.h"

#include "media/media.h"

std::string StripQuotes(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (c != '"') out += c;
  return out;
}

std::string ReplaceAll(std::string s, const std::string& what, const std::string& with) {
  if (what.empty()) return s;
  size_t pos = 0;
  while ((pos = s.find(what, pos)) != std::string::npos) {
    s.replace(pos, what.size(), with);
    pos += with.size();
  }
  return s;
}

namespace {
std::vector<std::string>* gProblems = nullptr;
}

void GuiError(const std::string& message) {
  PrintLine("ERROR: " + message);
  GuiProblem(message);
}

GuiProblemCollector::GuiProblemCollector(std::vector<std::string>& out) : previous_(gProblems) {
  gProblems = &out;
}

GuiProblemCollector::~GuiProblemCollector() {
  gProblems = previous_;
}

bool GuiChecking() {
  return gProblems != nullptr;
}

void GuiProblem(const std::string& text) {
  if (gProblems) gProblems->push_back(text);
}

void GuiMessageBox(const std::string& text) {
  if (GuiChecking()) {
    GuiProblem(ReplaceAll(text, "\n", " "));
  } else {
    ShowMessageBox(text, 0);
  }
}
