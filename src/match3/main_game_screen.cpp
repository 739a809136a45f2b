// The game screen's life: set-up, the preparation of a level with its opening, the frame loop
// with its three states (opening, play, victory), the win, the way out to the menu and the
// tutorial triggers.
#include <algorithm>
#include <limits>
#include <memory>

#include "app/frame_timing.h"
#include "app/globals.h"
#include "app/update_common.h"
#include "audio/global_snd.h"
#include "gui/gui.h"
#include "match3/board_math.h"
#include "match3/bomb.h"
#include "match3/caption.h"
#include "match3/chip.h"
#include "match3/effect_lists.h"
#include "match3/fantom.h"
#include "match3/flying_chip.h"
#include "match3/hint.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/power_up.h"
#include "match3/tile.h"
#include "media/media.h"
#include "screens/level_summary.h"
#include "screens/options.h"
#include "screens/profile.h"
#include "screens/tutorial.h"
#include "textdata/font_cache.h"

const TScreenDescriptor kMainGameScreen = {
    "TMainGame",
    "gfx/gui/mainGame/#LANG#/mainGame.gui",
    {"MENU"},
    {
        {"lock", "gfx/gui/mainGame/lock.png"},
        {"cover", "gfx/gui/mainGame/powerup-cover.png"},
        {"arrow", "gfx/gui/mainGame/arrow.png"},
        {"miniPopUp", "gfx/gui/mainGame/popupmini.png"},
        {"bomb", "gfx/gui/mainGame/explosive.png"},
        {"panel", "gfx/gui/mainGame/up.png", kImageDefault, 1024, 0},
    },
};

TMainGame* MainGame = nullptr;

namespace {

// The profile the screen falls back on when it is shown without one (a start profile).
TProfilePtr& FallbackProfile() {
  static TProfilePtr profile;
  return profile;
}

}  // namespace

int SaturatingAdd(int a, int b) {
  long long sum = static_cast<long long>(a) + b;
  sum =
      std::clamp<long long>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  return static_cast<int>(sum);
}

TProfile* EnsureProfile() {
  if (!Profile) {
    auto& fallback = FallbackProfile();
    if (!fallback) {
      fallback = std::make_shared<TProfile>();
      fallback->name = "PLAYER";
      fallback->questStageId = 1;
      fallback->questLevelId = 1;
      fallback->highestLevel = 1;
    }
    Profile = fallback.get();
  }
  return Profile;
}

TMainGame::TMainGame() : TGuiScreen(kMainGameScreen, kTopLevel) {
  // "MENU" counts only in play, not in the opening or the victory.
  OnClick("MENU", [this] { return state == 0 ? goMenu() : 0; });
}

int TMainGame::setup() {
  PowerUpLockImage = Picture("lock");
  CentreImageAnchor(PowerUpLockImage);
  powerUpCover = Picture("cover");
  arrow = Picture("arrow");
  CentreImageAnchor(arrow);
  miniPopUp = Picture("miniPopUp");
  TGuiScreen::setup();
  BombImage = Picture("bomb");
  CentreImageAnchor(BombImage);
  LoadChainAndChestImages(AssetRoot);
  panel = Picture("panel");
  SetImageAnchor(panel, static_cast<float>(ImageWidthOf(panel) / 2), 0);
  const std::string fontPath = AssetRoot + "gfx/fonts/font1.ttf";
  font1 = GetFont(fontPath, 20);
  font2 = GetFont(fontPath, 36);
  font3 = GetFont(fontPath, 18);
  font4 = GetFont(fontPath, 20);
  cashFont = GetFont(fontPath, 20);
  _setupPowerUps();
  _setupBackgroundsUrls();
  _setupFrames(AssetRoot);
  return 0;
}

int TMainGame::_setupBackgroundsUrls() {
  for (int i = 0; i < 10; ++i)
    backUrls[static_cast<size_t>(i)] =
        AssetRoot + "gfx/backgrounds/background-" + std::to_string(i + 1) + ".jpg";
  return 0;
}

int TMainGame::SetData(const TLevelPtr& newLevel) {
  level = newLevel;
  outsideQuest = false;
  outsideNumber = 0;
  levelName = level ? level->path : "";
  CountTiles();
  return 0;
}

int TMainGame::SetOutsideLevel(const TLevelPtr& newLevel, int number, const std::string& name) {
  SetData(newLevel);
  outsideQuest = true;
  outsideNumber = number;
  levelName = name;
  return 0;
}

int TMainGame::levelNumber() {
  return outsideQuest ? outsideNumber : EnsureProfile()->questLevelId;
}

int TMainGame::CountTiles() {
  tilesCount = 0;
  if (!level) return 0;
  for (auto& row : level->tile)
    for (auto& t : row)
      if (t && t->id > 1) ++tilesCount;
  return 0;
}

float TMainGame::CountVY(float a, float b) {
  return a * (1 - b);
}

int TMainGame::_prepareSelf() {
  dFade = 0;
  fade = 1;
  alpha = 1;
  dAlpha = 1;
  state = 0;
  gameMode = 0;
  frameA = 0;
  dFrameA = 0;
  FlyingChestList.Clear();
  pairsList.Clear();
  // Nothing of the previous level may act on the new board.
  picked = nullptr;
  over = nullptr;
  holded = 0;
  hint = nullptr;
  tempHint = nullptr;
  return 0;
}

int TMainGame::_prepareBegin() {
  state = 1;
  int now = MillisecondClock();
  timeCash = now + 200;
  timeTile = now + 400;
  timeTime = now + 600;
  timeCounter = now + 800;
  perCash = perTile = perTime = perCounter = 0;
  FantomList.Clear();
  if (level) {
    int d = 0;
    for (auto& row : level->tile) {
      for (auto& t : row) {
        NewFantomIn(t, d);
        d += 10;
      }
    }
  }
  actCaption = nullptr;
  if (isTutorialAwaiting() == 0) actCaption = NewCaption(0, 512, 400, 0, 500);
  return 0;
}

int BackgroundIndexForLevel(int levelId) {
  struct Range {
    int first, last;
  };
  static constexpr Range kRanges[] = {{0, 9},   {10, 23}, {24, 33}, {34, 49}, {50, 59},
                                      {60, 69}, {70, 79}, {80, 89}, {90, 95}, {96, 99}};
  for (int i = 0; i < 10; ++i)
    if (levelId >= kRanges[i].first && levelId <= kRanges[i].last) return i;
  return 0;
}

int TMainGame::_prepareBackGround() {
  int i = BackgroundIndexForLevel(levelNumber());
  // A level file of its own has no quest number; its own background entry ("background-K")
  // chooses, as the level designer meant.
  if (outsideQuest && outsideNumber == 0 && level) {
    const std::string prefix = "background-";
    const std::string& url = level->backgroundUrl;
    if (url.size() > prefix.size() && url.size() <= prefix.size() + 2 &&
        url.compare(0, prefix.size(), prefix) == 0 &&
        url.find_first_not_of("0123456789", prefix.size()) == std::string::npos) {
      int k = std::stoi(url.substr(prefix.size()));
      if (k >= 1 && k <= 10) i = k - 1;
    }
  }
  if (background) FreeImage(background);
  background = LoadImageFile(backUrls[static_cast<size_t>(i)]);
  return 0;
}

int TMainGame::prepare() {
  wynik = 0;
  TProfile* profile = EnsureProfile();
  // Shown without a level (a profile whose level was never loaded): play the profile's level.
  if (!level) {
    if (!profile->questLevel) profile->QUEST_LoadActLevel();
    SetData(profile->questLevel);
  }
  _prepareSelf();
  _prepareBegin();
  PrintLine("PREPARE >>>>>>>>>>>>>>>>>>>>>>>");
  _preparePowerUps();
  _prepareBackGround();
  if (GlobalSnd) GlobalSnd->playLevelMusic();
  _prepareDelta();
  // Only the quest's own level is something to resume into.
  if (!outsideQuest) profile->actScreen = 2;
  SaveAll();
  ResetHint();
  return 0;
}

int TMainGame::mainLoop() {
  return run(nullptr);
}

int TMainGame::_react() {
  if (Mouse && Mouse->leftPressed && hint) hint->da = 0;
  return TGuiScreen::_react();
}

int TMainGame::_reactKeys() {
  if (!CheatsEnabled) return 0;
  if (TakeKeyHits(kKeyW) > 0) Win();
  if (TakeKeyHits(kKeyC) > 0) {
    TProfile* profile = EnsureProfile();
    profile->cash = SaturatingAdd(profile->cash, 10000);
  }
  if (TakeKeyHits(kKeyS) > 0) Shuffle();
  return 0;
}

int TMainGame::_afterLoop() {
  if (outsideQuest) {
    // The single level is over: from here on the screen plays the profile's quest again.
    TProfile* profile = EnsureProfile();
    SetData(profile->questLevel);
  }
  // Cash earned and power-ups bought on this level are kept even if the game ends badly later.
  SaveAll();
  return 0;
}

int TMainGame::update() {
  UpdateCommon();
  _updateFade();
  _updateAlpha();
  _updateState();
  UpdateFantoms();
  UpdateFlyingChips();
  _updateGui();
  _updateCaptions();
  _updateFrameAlpha();
  return 0;
}

int TMainGame::_updateState() {
  switch (state) {
    case 0:
      return _update_STATE_Normal();
    case 1:
      return _update_STATE_Begin();
    case 2:
      return _update_STATE_Win();
    default:
      return 0;
  }
}

int TMainGame::_update_STATE_Begin() {
  int now = MillisecondClock();
  auto rise = [&](int start, float& per) {
    if (now > start) per = std::min(1.0f, per + 0.05f * FrameDelta);
  };
  rise(timeCash, perCash);
  rise(timeTile, perTile);
  rise(timeTime, perTime);
  rise(timeCounter, perCounter);
  if (perCash < 1 || perTile < 1 || perTime < 1 || perCounter < 1) return 0;
  if (FantomList.Count() != 0) return 0;
  state = 0;
  dFrameA = 1;
  if (!outsideQuest) {
    int id = levelNumber();
    if (id == 1) ShowTutorial(1);
    if (id == 2) ShowTutorial(2);
    if (id == 3) ShowTutorial(3);
    for (int i = 0; i < 4; ++i)
      if (id == PowerUpOn[static_cast<size_t>(i)]) ShowTutorial(4 + i);
    if (id == 11) ShowTutorial(9);
  }
  if (level) {
    level->blaskTime = MillisecondClock() + 500;
    level->secondTime = MillisecondClock() + 1000;
  }
  return 0;
}

int TMainGame::_update_STATE_Normal() {
  tilesFree = 0;
  gemsFree = 0;
  nothingHappens = 1;
  _updateHint();
  _updateTilesOver();
  _updateCollectors();
  _updateChipsFall();
  _updateChipsCreation();
  _updatePicked();
  _updatePairs();
  _updateBlask();
  _updateTime();
  _updatePowerUp();
  // Chips created or set moving by this frame's own steps count as well: a refill that starts
  // on an emptied board must not be taken for a board at rest, or the move check would find no
  // move among the newborn chips and shuffle them away again, frame after frame.
  if (nothingHappens == 1 && level) {
    for (auto& row : level->tile)
      for (auto& t : row)
        if (t->isHappening()) nothingHappens = 0;
  }
  if (nothingHappens == 1) {
    CHECK_MOVES();
  } else {
    tempHint = nullptr;
  }
  if (tilesFree == 1 && gemsFree == 1 && nothingHappens == 1) Win();
  return 0;
}

int TMainGame::_updateBlask() {
  if (level) level->UpdateBlaskWave();
  return 0;
}

int TMainGame::_updateCollectors() {
  gemsFree = 1;
  if (!level) return 0;
  for (auto& kind : level->availableChips)
    if (kind && kind->Collect > 0) gemsFree = 0;
  return 0;
}

int TMainGame::_updateTime() {
  if (!level) return 0;
  int now = MillisecondClock();
  if (now <= level->secondTime) return 0;
  level->secondTime = now + 1000;
  level->s += 1;
  if (level->s >= 60) {
    level->s = 0;
    level->m += 1;
  }
  if (level->m >= 60) {
    level->m = 0;
    level->g += 1;
  }
  return 0;
}

int TMainGame::_update_STATE_Win() {
  if (!AllFantomsDone()) return 0;
  if (LevelSummary) {
    LevelSummary->actCaption = actCaption;
    actCaption = nullptr;
    LevelSummary->mainloop();
  }
  fade = 1;
  dFade = 1;
  if (outsideQuest) {
    wynik = 1;  // a single level won leaves the quest where it stands
  } else {
    wynik = EnsureProfile()->questLevelId == 100 ? 6 : 102;
  }
  return 0;
}

int TMainGame::Win() {
  state = 2;
  if (level) {
    for (auto& row : level->tile)
      for (auto& t : row)
        if (t) NewFantomOut(t, (t->r + t->c) * 50);
  }
  if (GlobalSnd) GlobalSnd->playMyMusic("win");
  dFrameA = 0;
  summaryTime = MillisecondClock() + 2000;
  actCaption = NewCaption(1, 512, 400, 1, 500);
  ResetHint();
  hint = nullptr;
  return 0;
}

int TMainGame::_updateCaptions() {
  if (!actCaption) return 0;
  std::shared_ptr<TCaption> caption = actCaption;
  caption->update();
  if (caption->isEnd() && caption->typ == 1 && actCaption == caption) actCaption = nullptr;
  return 0;
}

int TMainGame::_updateFrameAlpha() {
  frameA = Approach(frameA, dFrameA, 0.05f);
  return 0;
}

int TMainGame::goMenu() {
  if (Options) {
    Options->fade = 0;
    Options->dFade = 0;
    int r = Options->mainloop(this);
    if (r == 1) {
      fade = dFade = 1;
      wynik = 1;
    } else if (r == 4) {
      fade = dFade = 1;
      wynik = 4;
    }
  } else {
    fade = dFade = 1;
    wynik = 1;
  }
  if (level) level->ResetBlask();
  return 0;
}

int TMainGame::isTutorialAwaiting() {
  if (NoTutorial || outsideQuest) return 0;
  int id = levelNumber();
  if (id == 1 || id == 2 || id == 3) return 1;
  for (int on : PowerUpOn)
    if (id == on) return 1;
  return 0;
}

int TMainGame::ShowTutorial(int n) {
  if (Tutorial) Tutorial->mainloop(this, n, 0);
  return 0;
}

int TMainGame::ShowInfo_NotEnoughCash(float x) {
  NewCaption(2, TruncInt(x), 660, 2, 0);
  return 0;
}
