#include "screens/profile.h"

#include <algorithm>
#include <set>

#include "app/globals.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "media/media.h"
#include "screens/profile_store.h"
#include "screens/story_screen.h"
#include "textdata/numbers.h"
#include "textdata/rcm_file.h"

namespace {

// Levels are numbered 1..100; anything outside is a damaged file.
constexpr int kLastLevel = 100;

int ReadInt(TRCMFile& file, const std::string& key) {
  return TruncToInt(file.getFloat(key, 0));
}

bool IsResumeScreen(int id) {
  return id == 0 || id == 2 || id == 4 || id == 6;
}

}  // namespace

std::string MakeProfileIdFromName(const std::string& name) {
  std::string id;
  for (char16_t unit : Utf8ToUtf16(ToUpperCase(name))) {
    id += std::to_string(static_cast<unsigned>(unit));
    id += '-';
  }
  return id;
}

std::string MakeProfileId(const TProfile& profile) {
  return MakeProfileIdFromName(profile.name);
}

bool NameFromProfileId(const std::string& id, std::string& name) {
  std::u16string units;
  size_t i = 0;
  while (i < id.size()) {
    size_t start = i;
    unsigned value = 0;
    while (i < id.size() && id[i] >= '0' && id[i] <= '9') {
      value = value * 10 + static_cast<unsigned>(id[i] - '0');
      if (value > 0xFFFF) return false;
      ++i;
    }
    if (i == start || i >= id.size() || id[i] != '-') return false;
    ++i;
    units.push_back(static_cast<char16_t>(value));
  }
  if (units.empty()) return false;
  name = Utf16ToUtf8(units);
  return true;
}

bool IsProfileId(const std::string& id) {
  std::string name;
  return NameFromProfileId(id, name);
}

std::string QuestLevelPath(int levelId) {
  return AssetRoot + "data/levels/level-" + std::to_string(levelId) + ".txt";
}

std::string TProfile::GetMyId() {
  return MakeProfileId(*this);
}

std::string TProfile::folder() {
  return UserDir + "/profiles/" + GetMyId();
}

int TProfile::CountMaxLevelNumber() {
  if (highestLevel < questLevelId) highestLevel = questLevelId;
  return highestLevel;
}

int TProfile::CanContinue() {
  return actScreen;
}

int TProfile::HaveArtefact(int id) {
  for (auto& a : artifacts)
    if (a && a->id == id) return 1;
  return 0;
}

int TProfile::QUEST_Continue() {
  // A profile whose level file disappeared would hand the game screen no level: start the
  // current quest level afresh instead.
  if (!questLevel) QUEST_LoadActLevel();
  if (MainGame) MainGame->SetData(questLevel);
  return actScreen;
}

int TProfile::QUEST_StartNew() {
  questStageId = 1;
  questLevelId = 1;
  highestLevel = 1;
  actScreen = 0;
  cash = 0;
  musicN = 0;
  QUEST_LoadActLevel();
  unlockedPowerUp = {0, 0, 0, 0};
  artifacts.clear();
  if (MainGame) MainGame->SetData(questLevel);
  if (StoryScreen) StoryScreen->LoadStory(0);
  return 3;
}

int TProfile::QUEST_LoadActLevel() {
  questLevel = LoadLevel(QuestLevelPath(questLevelId));
  return 0;
}

int TProfile::QUEST_NextLevel() {
  questLevelId = questLevelId + 1;
  QUEST_LoadActLevel();
  if (questLevelId > highestLevel) highestLevel = questLevelId;
  if (MainGame) MainGame->SetData(questLevel);
  return 4;
}

int TProfile::_saveData(TRCMFile& file) {
  file.setString("profile::data::name", name, 0);
  file.setFloat("profile::data::level", static_cast<float>(questLevelId), 0);
  file.setFloat("profile::data::stage", static_cast<float>(questStageId), 0);
  file.setFloat("profile::data::cash", static_cast<float>(cash), 0);
  file.setFloat("profile::data::actScreen", static_cast<float>(actScreen), 0);
  file.setFloat("profile::data::highestLevel", static_cast<float>(highestLevel), 0);
  file.setFloat("profile::data::musicN", static_cast<float>(musicN), 0);
  for (int i = 0; i < 4; ++i)
    file.setFloat("profile::data::powerUp" + std::to_string(i),
                  static_cast<float>(unlockedPowerUp[static_cast<size_t>(i)]), 0);
  return 0;
}

int TProfile::_saveArtifact(TRCMFile& file) {
  file.setFloat("profile::artifacts::i", static_cast<float>(artifacts.size()), 0);
  int k = 1;
  for (auto& a : artifacts) {
    file.setFloat("profile::artifacts::art" + std::to_string(k), a ? static_cast<float>(a->id) : 0,
                  0);
    ++k;
  }
  return 0;
}

int TProfile::_saveLevelDatas(TRCMFile&) {
  return 0;
}

int TProfile::_saveLevel() {
  if (!questLevel) return 1;
  return questLevel->Save(folder() + "/level.txt") == 0 ? 1 : 0;
}

int TProfile::save() {
  auto file = CreateRCM();
  const std::string dir = folder();
  if (PathKind(dir) == 0 && !MakeFolderTree(dir)) PrintLine("Cannot create the folder " + dir);
  _saveData(*file);
  _saveLevelDatas(*file);
  _saveArtifact(*file);
  int levelOk = _saveLevel();
  int dataOk = SaveRcmKeepingGood(*file, dir + "/profile.dat");
  return (levelOk && dataOk) ? 1 : 0;
}

int TProfile::_loadData(TRCMFile& file) {
  name = file.getString("profile::data::name", 0);
  questLevelId = ReadInt(file, "profile::data::level");
  questStageId = ReadInt(file, "profile::data::stage");
  cash = ReadInt(file, "profile::data::cash");
  actScreen = ReadInt(file, "profile::data::actScreen");
  highestLevel = ReadInt(file, "profile::data::highestLevel");
  musicN = ReadInt(file, "profile::data::musicN");
  // Saved values are user data: keep them inside what the game can play.
  questLevelId = std::clamp(questLevelId, 0, kLastLevel);
  highestLevel = std::clamp(highestLevel, 0, kLastLevel);
  if (!IsResumeScreen(actScreen)) actScreen = questLevelId >= 1 ? 4 : 0;
  if (musicN < 0 || musicN > 3) musicN = 0;
  if (highestLevel < questLevelId) highestLevel = questLevelId;
  for (int i = 0; i < 4; ++i)
    unlockedPowerUp[static_cast<size_t>(i)] =
        ReadInt(file, "profile::data::powerUp" + std::to_string(i)) != 0 ? 1 : 0;
  return 0;
}

int TProfile::_loadLevelDatas(TRCMFile&) {
  return 0;
}

int TProfile::_loadLevel() {
  const std::string path = folder() + "/level.txt";
  if (PathKind(path) == 1) questLevel = LoadLevel(path);
  return 0;
}

int TProfile::_loadArtifact(TRCMFile& file) {
  artifacts.clear();
  int n = ReadInt(file, "profile::artifacts::i");
  // Never loop further than the file holds entries, whatever count it claims.
  TRCMGroup* group = file.getGroup({"profile", "artifacts", "i"});
  int held = group ? group->_listaWpisow.Count() : 0;
  n = std::min(n, held);
  std::set<int> seen;
  for (int k = 1; k <= n; ++k) {
    int id = ReadInt(file, "profile::artifacts::art" + std::to_string(k));
    if (!seen.insert(id).second) continue;
    if (auto a = ArtifactById(id)) {
      a->per = 1;
      artifacts.push_back(a);
    }
  }
  return 0;
}

int TProfile::_load(const std::string& id) {
  const std::string path = UserDir + "/profiles/" + id + "/profile.dat";
  auto file = LoadRcmWithFallback(path);
  _loadData(*file);
  // Without its data file the profile would be renamed to "" and saved into the profiles folder
  // itself; its id still spells its name, so it keeps its own folder.
  if (name.empty()) {
    std::string fromId;
    if (NameFromProfileId(id, fromId)) name = fromId;
  }
  _loadArtifact(*file);
  _loadLevelDatas(*file);
  _loadLevel();
  return 0;
}

TProfilePtr LoadProfile(const std::string& id) {
  auto p = std::make_shared<TProfile>();
  p->_load(id);
  return p;
}
