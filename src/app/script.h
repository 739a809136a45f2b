// The scripted harness: a file of input commands played against the running game one frame at
// a time (from the media layer's frame hook), with screenshots and state dumps on the way.
#pragma once

#include <memory>
#include <string>
#include <vector>

struct TScriptCommand {
  enum Kind {
    Wait,
    Move,
    Down,
    Up,
    Click,
    Drag,
    Key,
    KeyDown,
    KeyUp,
    Type,
    Wheel,
    Shot,
    State,
    Close,
    Quit
  } kind = Wait;
  int line = 0;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int number = 0;  // frames for wait and drag, notches for wheel
  int button = 1;  // 1 left, 2 right, 3 middle
  int key = 0;
  std::string text;  // typed text or file name
};

// Parses a whole script. On an error returns false with "line N: problem" in error.
bool ParseScript(const std::string& text, std::vector<TScriptCommand>& commands,
                 std::string& error);
// The key code of a script key name (Enter, Escape, F1, F4, A to Z, LCtrl, LAlt, RAlt, Space,
// Backspace; letter case ignored); 0 for an unknown name.
int ScriptKeyCode(const std::string& name);

// Plays the commands, one step per presented frame. Files named by shot and state are resolved
// against baseFolder when relative.
class TScriptRunner {
 public:
  TScriptRunner(std::vector<TScriptCommand> commands, std::string baseFolder);
  // Called once per presented frame: releases what was pressed the frame before, then runs
  // commands until one needs frames to pass.
  void OnFrame();
  bool finished() const { return finished_; }
  // Set when a command failed at run time ("line N: problem").
  const std::string& error() const { return error_; }

 private:
  void runCommands();
  bool execute(const TScriptCommand& command);  // false when frames must pass first
  std::string resolve(const std::string& file) const;

  std::vector<TScriptCommand> commands_;
  std::string baseFolder_;
  size_t next_ = 0;
  int waitFrames_ = 0;
  int releaseButton_ = 0;
  int releaseKey_ = 0;
  const TScriptCommand* drag_ = nullptr;
  int dragStep_ = 0;
  bool finished_ = false;
  std::string error_;
};

// Runs the script from the frame hook: errors end the game with status 2, the end of the script
// with status 0.
void StartScript(std::vector<TScriptCommand> commands, const std::string& baseFolder);
