// String helpers of the GUI loader: the separator splitting of the .gui format and the names the
// loader prints with.
#pragma once

#include <string>
#include <vector>

// s without any double-quote character.
std::string StripQuotes(const std::string& s);
// Every occurrence of what replaced by with.
std::string ReplaceAll(std::string s, const std::string& what, const std::string& with);
// "ERROR: " + message as one line on standard output.
void GuiError(const std::string& message);

// While a data check runs, every GUI report (errors, script errors, missing pictures, fonts and
// text lines) is also collected, and message boxes are collected instead of shown.
class GuiProblemCollector {
 public:
  explicit GuiProblemCollector(std::vector<std::string>& out);
  ~GuiProblemCollector();
  GuiProblemCollector(const GuiProblemCollector&) = delete;
  GuiProblemCollector& operator=(const GuiProblemCollector&) = delete;

 private:
  std::vector<std::string>* previous_;
};
bool GuiChecking();
// Adds a problem to the running check (nothing outside a check).
void GuiProblem(const std::string& text);
// A message box in play; a collected problem during a check.
void GuiMessageBox(const std::string& text);
