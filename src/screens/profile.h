// TProfile: one named player and the quest under way - level, cash, power-ups, artifacts, the
// screen to resume and the level in progress - saved in a folder of its own under the user-data
// folder.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "match3/board_types.h"
#include "screens/artifact.h"

class TRCMFile;

class TProfile {
 public:
  std::string name;
  int questStageId = 0;
  int questLevelId = 0;
  TLevelPtr questLevel;
  int cash = 0;
  int highestLevel = 0;
  int actScreen = 0;
  float mx = 0;
  float my = 0;
  int musicN = 0;
  std::array<int, 4> unlockedPowerUp{};
  std::vector<TArtifactPtr> artifacts;

  virtual ~TProfile() = default;
  virtual int CountMaxLevelNumber();
  virtual int CanContinue();
  virtual int HaveArtefact(int id);
  virtual int QUEST_Continue();
  virtual int QUEST_StartNew();
  virtual int QUEST_LoadActLevel();
  virtual int QUEST_NextLevel();
  virtual int _saveData(TRCMFile& file);
  virtual int _saveArtifact(TRCMFile& file);
  virtual int _saveLevelDatas(TRCMFile& file);
  virtual int _saveLevel();
  // Writes "profile.dat" (and "level.txt" when there is a level); 1 when everything was written.
  virtual int save();
  virtual int _loadData(TRCMFile& file);
  virtual int _loadLevelDatas(TRCMFile& file);
  virtual int _loadLevel();
  virtual int _loadArtifact(TRCMFile& file);
  virtual int _load(const std::string& id);
  virtual std::string GetMyId();

  // The folder of this profile's files (from its current name).
  std::string folder();
};

using TProfilePtr = std::shared_ptr<TProfile>;

// The id of a profile: the upper-cased name's UTF-16 code units in decimal, each followed by "-".
std::string MakeProfileId(const TProfile& profile);
std::string MakeProfileIdFromName(const std::string& name);
// Whether text is an id MakeProfileId can produce (non-empty, digits and "-", well formed).
bool IsProfileId(const std::string& id);
// The name an id was made from (upper-cased); false when the id does not decode.
bool NameFromProfileId(const std::string& id, std::string& name);
// A new profile loaded from the files of the given id; never null.
TProfilePtr LoadProfile(const std::string& id);
// The path of a quest level's file.
std::string QuestLevelPath(int levelId);
