#include "screens/single_level.h"

#include "app/globals.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "media/media.h"
#include "screens/profile.h"
#include "screens/profile_manager.h"

namespace {

bool AllDigits(const std::string& s) {
  if (s.empty() || s.size() > 6) return false;
  return s.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

TSingleLevel SingleLevelFromArgument(const std::string& value, const std::string& launchFolder) {
  TSingleLevel request;
  request.name = value;
  if (AllDigits(value)) {
    request.number = std::stoi(value);
    request.path = QuestLevelPath(request.number);
    request.name = request.path.substr(AssetRoot.size());
    return request;
  }
  request.path = (value[0] == '/' || launchFolder.empty()) ? value : launchFolder + "/" + value;
  return request;
}

std::vector<std::string> CheckSingleLevel(const TSingleLevel& request, const std::string& gameDir) {
  std::vector<std::string> problems;
  int kind = PathKind(request.path);
  if (kind != 1) {
    problems.push_back((kind == 2 ? "a folder, not a level file: " : "no such file: ") +
                       request.path);
    return problems;
  }
  CheckLevelFile(gameDir, request.path, problems);
  return problems;
}

int StartSingleLevel(const TSingleLevel& request) {
  CurrentOrStartProfile();
  TProfile* profile = EnsureProfile();
  TLevelPtr level = LoadLevel(request.path);
  if (request.number > 0 && request.number == profile->questLevelId) {
    // The profile's own quest level, played afresh: it is the quest from here on.
    profile->questLevel = level;
    MainGame->SetData(level);
  } else {
    MainGame->SetOutsideLevel(level, request.number, request.name);
  }
  PrintLine("Playing the level " + request.name);
  return 2;
}
