#include "app/script.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "app/frame_timing.h"
#include "app/state_dump.h"
#include "app/update_common.h"
#include "media/media.h"
#include "media/os_services.h"

namespace {

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool ToFloat(const std::string& word, float& out) {
  char* end = nullptr;
  errno = 0;
  double v = std::strtod(word.c_str(), &end);
  if (word.empty() || errno != 0 || *end != '\0' || !(v > -1e7 && v < 1e7)) return false;
  out = static_cast<float>(v);
  return true;
}

bool ToInt(const std::string& word, int& out) {
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(word.c_str(), &end, 10);
  if (word.empty() || errno != 0 || *end != '\0' || v < -1000000000L || v > 1000000000L)
    return false;
  out = static_cast<int>(v);
  return true;
}

int ButtonCode(const std::string& name) {
  std::string n = Lower(name);
  if (n == "left") return 1;
  if (n == "right") return 2;
  if (n == "middle") return 3;
  return 0;
}

}  // namespace

int ScriptKeyCode(const std::string& name) {
  std::string n = Lower(name);
  if (n == "enter") return kKeyEnter;
  if (n == "escape") return kKeyEscape;
  if (n == "f1") return kKeyF1;
  if (n == "f4") return kKeyF4;
  if (n == "lctrl") return kKeyLCtrl;
  if (n == "lalt") return kKeyLAlt;
  if (n == "ralt") return kKeyRAlt;
  if (n == "space") return kKeySpace;
  if (n == "backspace") return kKeyBackspace;
  if (n.size() == 1 && n[0] >= 'a' && n[0] <= 'z') return 'A' + (n[0] - 'a');
  return 0;
}

bool ParseScript(const std::string& text, std::vector<TScriptCommand>& commands,
                 std::string& error) {
  commands.clear();
  std::istringstream in(text);
  std::string raw;
  int lineNo = 0;
  while (std::getline(in, raw)) {
    ++lineNo;
    size_t hash = raw.find('#');
    std::string line = Trim(hash == std::string::npos ? raw : raw.substr(0, hash));
    if (line.empty()) continue;
    std::istringstream words(line);
    std::string verb;
    words >> verb;
    std::vector<std::string> args;
    for (std::string w; words >> w;) args.push_back(w);
    std::string rest = Trim(line.substr(verb.size()));
    verb = Lower(verb);
    auto fail = [&](const std::string& problem) {
      error = "line " + std::to_string(lineNo) + ": " + problem;
      return false;
    };
    TScriptCommand c;
    c.line = lineNo;
    auto wantArgs = [&](size_t least, size_t most) {
      return args.size() >= least && args.size() <= most;
    };
    if (verb == "wait") {
      c.kind = TScriptCommand::Wait;
      if (!wantArgs(1, 1) || !ToInt(args[0], c.number) || c.number < 0)
        return fail("wait needs a number of frames (0 or more)");
    } else if (verb == "move") {
      c.kind = TScriptCommand::Move;
      if (!wantArgs(2, 2) || !ToFloat(args[0], c.x1) || !ToFloat(args[1], c.y1))
        return fail("move needs X Y");
    } else if (verb == "down" || verb == "up") {
      c.kind = verb == "down" ? TScriptCommand::Down : TScriptCommand::Up;
      if (!wantArgs(0, 1)) return fail(verb + " takes at most a button");
      if (!args.empty() && (c.button = ButtonCode(args[0])) == 0)
        return fail("unknown button \"" + args[0] + "\" (left, right or middle)");
    } else if (verb == "click") {
      c.kind = TScriptCommand::Click;
      if (!wantArgs(2, 3) || !ToFloat(args[0], c.x1) || !ToFloat(args[1], c.y1))
        return fail("click needs X Y [button]");
      if (args.size() == 3 && (c.button = ButtonCode(args[2])) == 0)
        return fail("unknown button \"" + args[2] + "\" (left, right or middle)");
    } else if (verb == "drag") {
      c.kind = TScriptCommand::Drag;
      c.number = 10;
      if (!wantArgs(4, 5) || !ToFloat(args[0], c.x1) || !ToFloat(args[1], c.y1) ||
          !ToFloat(args[2], c.x2) || !ToFloat(args[3], c.y2))
        return fail("drag needs X1 Y1 X2 Y2 [frames]");
      if (args.size() == 5 && (!ToInt(args[4], c.number) || c.number < 1 || c.number > 100000))
        return fail("drag frames must be a number from 1");
    } else if (verb == "key" || verb == "keydown" || verb == "keyup") {
      c.kind = verb == "key"       ? TScriptCommand::Key
               : verb == "keydown" ? TScriptCommand::KeyDown
                                   : TScriptCommand::KeyUp;
      if (!wantArgs(1, 1)) return fail(verb + " needs a key name");
      if ((c.key = ScriptKeyCode(args[0])) == 0) return fail("unknown key \"" + args[0] + "\"");
    } else if (verb == "type") {
      c.kind = TScriptCommand::Type;
      if (rest.empty()) return fail("type needs a text");
      c.text = rest;
    } else if (verb == "wheel") {
      c.kind = TScriptCommand::Wheel;
      if (!wantArgs(1, 1) || !ToInt(args[0], c.number) || c.number < -10000 || c.number > 10000)
        return fail("wheel needs a number of notches");
    } else if (verb == "shot" || verb == "state") {
      c.kind = verb == "shot" ? TScriptCommand::Shot : TScriptCommand::State;
      if (rest.empty()) return fail(verb + " needs a file name");
      c.text = rest;
    } else if (verb == "close" || verb == "quit") {
      c.kind = verb == "close" ? TScriptCommand::Close : TScriptCommand::Quit;
      if (!args.empty()) return fail(verb + " takes nothing after it");
    } else {
      return fail("unknown command \"" + verb + "\"");
    }
    commands.push_back(c);
  }
  return true;
}

TScriptRunner::TScriptRunner(std::vector<TScriptCommand> commands, std::string baseFolder)
    : commands_(std::move(commands)), baseFolder_(std::move(baseFolder)) {}

std::string TScriptRunner::resolve(const std::string& file) const {
  if (file.empty() || file[0] == '/' || baseFolder_.empty()) return file;
  return baseFolder_ + "/" + file;
}

void TScriptRunner::OnFrame() {
  if (finished_) return;
  if (releaseButton_ != 0) {
    InjectMouseButton(releaseButton_, false);
    releaseButton_ = 0;
  }
  if (releaseKey_ != 0) {
    InjectKey(releaseKey_, false);
    releaseKey_ = 0;
  }
  if (drag_) {
    ++dragStep_;
    float t = static_cast<float>(dragStep_) / static_cast<float>(drag_->number);
    InjectMouseMove(drag_->x1 + (drag_->x2 - drag_->x1) * t,
                    drag_->y1 + (drag_->y2 - drag_->y1) * t);
    if (dragStep_ < drag_->number) return;
    // The button is let go one frame after the pointer arrived.
    releaseButton_ = drag_->button;
    drag_ = nullptr;
    return;
  }
  if (waitFrames_ > 0 && --waitFrames_ > 0) return;
  runCommands();
}

void TScriptRunner::runCommands() {
  while (next_ < commands_.size()) {
    const TScriptCommand& command = commands_[next_++];
    if (!execute(command)) return;
    if (!error_.empty()) return;
  }
  finished_ = true;
}

bool TScriptRunner::execute(const TScriptCommand& c) {
  switch (c.kind) {
    case TScriptCommand::Wait:
      waitFrames_ = c.number;
      return c.number == 0;
    case TScriptCommand::Move:
      InjectMouseMove(c.x1, c.y1);
      return true;
    case TScriptCommand::Down:
      InjectMouseButton(c.button, true);
      return true;
    case TScriptCommand::Up:
      InjectMouseButton(c.button, false);
      return true;
    case TScriptCommand::Click:
      InjectMouseMove(c.x1, c.y1);
      InjectMouseButton(c.button, true);
      releaseButton_ = c.button;
      return false;
    case TScriptCommand::Drag:
      InjectMouseMove(c.x1, c.y1);
      InjectMouseButton(c.button, true);
      drag_ = &c;
      dragStep_ = 0;
      return false;
    case TScriptCommand::Key:
      InjectKey(c.key, true);
      releaseKey_ = c.key;
      return false;
    case TScriptCommand::KeyDown:
      InjectKey(c.key, true);
      return true;
    case TScriptCommand::KeyUp:
      InjectKey(c.key, false);
      return true;
    case TScriptCommand::Type:
      InjectText(c.text);
      return true;
    case TScriptCommand::Wheel:
      InjectWheel(c.number);
      return true;
    case TScriptCommand::Shot:
      if (!SaveScreenshot(resolve(c.text)))
        error_ = "line " + std::to_string(c.line) + ": cannot write the screenshot " + c.text;
      return true;
    case TScriptCommand::State:
      if (!WriteStateDump(resolve(c.text)))
        error_ = "line " + std::to_string(c.line) + ": cannot write the state dump " + c.text;
      return true;
    case TScriptCommand::Close:
      InjectCloseRequest();
      return false;  // the game sees the request on its next frame
    case TScriptCommand::Quit:
      next_ = commands_.size();
      return true;
  }
  return true;
}

namespace {
std::unique_ptr<TScriptRunner> activeScript;
}

void StartScript(std::vector<TScriptCommand> commands, const std::string& baseFolder) {
  activeScript = std::make_unique<TScriptRunner>(std::move(commands), baseFolder);
  SetFrameHook([] {
    if (!activeScript) return;
    long long started = ThreadCpuNanoseconds();
    activeScript->OnFrame();
    AddHarnessNanoseconds(ThreadCpuNanoseconds() - started);
    if (!activeScript->error().empty()) {
      PrintLine("script " + activeScript->error());
      EndGame(2);
    }
    if (activeScript->finished()) EndGame(0);
  });
}
