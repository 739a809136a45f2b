// TMainGame: the game screen (top-level screen 2): the board it plays (hovered and picked cells,
// swaps, lines, falls, blasts, the board frame) and the screen around it (opening, play and
// victory, clock, goals, panel, power-ups, hints and the shuffle).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "gui/gui_screen.h"
#include "match3/board_types.h"
#include "media/tlist.h"

struct TImage;
struct TImageFont;
class TPowerUp;
class THint;

extern const TScreenDescriptor kMainGameScreen;

class TMainGame : public TGuiScreen {
 public:
  TMainGame();

  TLevelPtr level;
  TTilePtr over;
  TTilePtr picked;
  TList<TM3Pair> pairsList;
  int hx = 0, hy = 0;
  int holded = 0;
  float pickPer = 0, dPickPer = 0;
  int gameMode = 0;
  int tilesCount = 0;
  int tilesFree = 0;
  int nothingHappens = 0;
  int hintTime = 0;
  // The board frame: straight pieces (left, up, right, down), outer and inner corners
  // (left-up, right-up, right-down, left-down), and the frame's alpha.
  TImage* frameImg[4] = {};
  TImage* frameOuter[4] = {};
  TImage* frameInner[4] = {};
  float frameA = 0;

  // Adds points to the level's score and the profile's cash (saturating at the int range).
  virtual int AddScore(int points);
  virtual TTilePtr GetTileByVector(const TTilePtr& tile, int dr, int dc);
  virtual int isMatched(const TTilePtr& a, const TTilePtr& b);
  virtual int _CheckMatchDown(const TTilePtr& tile, std::vector<TChipPtr>& list);
  virtual int _CheckMatchUp(const TTilePtr& tile, std::vector<TChipPtr>& list);
  virtual int _CheckMatchLeft(const TTilePtr& tile, std::vector<TChipPtr>& list);
  virtual int _CheckMatchRight(const TTilePtr& tile, std::vector<TChipPtr>& list);
  // The chips of the lines of three or more through the cell (empty when none).
  virtual std::vector<TChipPtr> CheckMatch(const TTilePtr& tile);
  virtual int CheckMatchSpec(const TTilePtr& tile);
  virtual int MatchChips(const std::vector<TChipPtr>& chips);
  virtual int BombTile(int r, int c, int delay, int spec);
  virtual int LightTile(int r, int c, int delay, int spec);
  virtual int BombTileLine(int r, int c, int delay);
  virtual int Lightning(const TTilePtr& tile);
  virtual int Bomb(const TTilePtr& tile);
  virtual int BombLine(const TTilePtr& tile);
  virtual int BombBig(int r, int c);
  virtual int FirePowerUp(int id, const TTilePtr& tile);

  // --- the screen: states, clock, goals, panel, power-ups and hints --------------------------
  TImage* panel = nullptr;
  TImage* powerUpCover = nullptr;
  TImage* miniPopUp = nullptr;
  TImage* arrow = nullptr;
  TList<TParticle> backParticles;
  TImage* panelDown = nullptr;
  std::array<std::shared_ptr<TPowerUp>, 4> powerUp{};
  TImageFont* font1 = nullptr;
  TImageFont* font2 = nullptr;
  TImageFont* font3 = nullptr;
  TImageFont* font4 = nullptr;
  TImageFont* cashFont = nullptr;
  // 0 play, 1 opening, 2 victory.
  int state = 0;
  int summaryTime = 0;
  int timeCash = 0, timeTile = 0, timeTime = 0, timeCounter = 0;
  float perCash = 0, perTile = 0, perTime = 0, perCounter = 0;
  std::shared_ptr<TCaption> actCaption;
  int popupTime = 0;
  std::shared_ptr<THint> hint;
  std::array<int, 4> PowerUpOn{};
  std::array<std::string, 10> backUrls{};
  TImage* background = nullptr;
  float stA = 0, dStA = 0;
  int gemsFree = 0;
  std::shared_ptr<THint> tempHint;
  float dFrameA = 0;
  // Set while a level from outside the quest is on show (see SetOutsideLevel).
  bool outsideQuest = false;
  int outsideNumber = 0;
  // What the state dump names the level by: its file as the player gave it.
  std::string levelName;

  // Picking and swapping.
  virtual int _updateTilesOver();
  virtual int _updateTilesSwap();
  virtual int _updateTiles_PowerUpLine();
  virtual int _updateTiles_PowerUpDeleteChipType();
  virtual int _updateTiles_PowerUpDeleteRandom();
  virtual int _updatePicked();
  virtual int _updatePairs();
  virtual int PickTile(const TTilePtr& tile);
  virtual int TilesAreNeighbors(const TTilePtr& a, const TTilePtr& b);
  virtual int SwapTiles(const TTilePtr& a, const TTilePtr& b);
  // Drag direction from (x1, y1) to (x2, y2): 0 left, 1 up, 2 right, 3 down, 4 none.
  virtual int CheckDistance(int x1, int y1, int x2, int y2);
  virtual int PutPowerUp(const TTilePtr& tile);
  virtual int DeleteAllChipsByType(const TChipPtr& chip);
  virtual int ResetHint();

  // Falling and refilling.
  virtual int _updateChipsFall();
  virtual int _updateChipsCreation();
  virtual int FallChip(const TTilePtr& tile);
  virtual int isTileEmpty(int r, int c);
  virtual int isNotTileEmpty(int r, int c);

  // The board frame and the board's layers.
  virtual int _setupFrames(const std::string& assetRoot);
  virtual int isTileInnerFrame_LeftUp(int r, int c);
  virtual int isTileInnerFrame_RightUp(int r, int c);
  virtual int isTileInnerFrame_LeftDown(int r, int c);
  virtual int isTileInnerFrame_RightDown(int r, int c);
  virtual int _drawFrameLeft(const TTilePtr& t, int r, int c);
  virtual int _drawFrameRight(const TTilePtr& t, int r, int c);
  virtual int _drawFrameUp(const TTilePtr& t, int r, int c);
  virtual int _drawFrameDown(const TTilePtr& t, int r, int c);
  virtual int _drawFrameOuter_LeftUp(const TTilePtr& t, int r, int c);
  virtual int _drawFrameOuter_RightUp(const TTilePtr& t, int r, int c);
  virtual int _drawFrameOuter_LeftDown(const TTilePtr& t, int r, int c);
  virtual int _drawFrameOuter_RightDown(const TTilePtr& t, int r, int c);
  virtual int _drawFrameInner_LeftUp(const TTilePtr& t, int r, int c);
  virtual int _drawFrameInner_RightUp(const TTilePtr& t, int r, int c);
  virtual int _drawFrameInner_RightDown(const TTilePtr& t, int r, int c);
  virtual int _drawFrameInner_LeftDown(const TTilePtr& t, int r, int c);
  virtual int _drawFrameParts(const TTilePtr& t, int r, int c);
  virtual int _drawFrame();
  virtual int _drawTiles();
  virtual int _drawChips();
  virtual int _drawChain();
  // The board's layers in order: frame, cells, chips, chains and chests.
  virtual int DrawBoard();
  int setup() override;
  int draw() override;
  int update() override;
  virtual int _setupPowerUps();
  virtual int _setupBackgroundsUrls();
  virtual int _drawBack();
  virtual int _drawHint();
  virtual int _drawLevel();
  virtual int _drawMyText(const std::string& text, float x, float y, int r, int g, int b);
  virtual int _drawCounters();
  virtual int _drawPanel();
  virtual std::string CountProfileCashString();
  virtual int _drawPowerUps();
  virtual int _drawCaptions();
  virtual int _updateTime();
  virtual int _updateBlask();
  virtual int _updateCollectors();
  virtual int _updatePowerUp();
  virtual int _updateHint();
  virtual int _update_STATE_Normal();
  virtual int _update_STATE_Begin();
  virtual int _update_STATE_Win();
  virtual int _updateState();
  virtual int _updateCaptions();
  virtual int _updateFrameAlpha();
  virtual int usePowerUp_Line();
  virtual int usePowerUp_DeleteChipType();
  virtual int usePowerUp_DeleteRandom();
  virtual int usePowerUp_DeleteAll();
  virtual int usePowerUp(int n);
  // The first swap (reading order) that makes a line, or null.
  virtual std::shared_ptr<THint> FindHint();
  virtual std::shared_ptr<THint> FindHint_Move(int r1, int c1, int r2, int c2);
  virtual int isTutorialAwaiting();
  virtual int SetData(const TLevelPtr& newLevel);
  // Plays a level outside the quest (a single level from the command line): its quest number
  // (0 for a file of its own) picks the background, no tutorial interrupts it, the profile's
  // quest does not move when it is won, and the screen returns to the main menu afterwards.
  virtual int SetOutsideLevel(const TLevelPtr& newLevel, int number, const std::string& name);
  // The number of the level on show: the quest level, or the one played outside the quest.
  int levelNumber();
  virtual int _prepareSelf();
  virtual int _prepareBegin();
  virtual int _preparePowerUps();
  virtual int _prepareBackGround();
  int prepare() override;
  // Runs the screen until it exits: 1 main menu, 4 map, 6 the puzzle (after level 100), 102 the
  // next level.
  virtual int mainLoop();
  virtual float CountVY(float a, float b);
  virtual int CountTiles();
  virtual std::string CountTimeString();
  virtual int Shuffle();
  virtual int CHECK_MOVES();
  virtual int ShowInfo_NotEnoughCash(float x);
  virtual int ShowTutorial(int n);
  virtual int goMenu();
  virtual int Win();

 protected:
  // After each frame: a click hides the hint, "MENU" opens the options in play, the cheat keys.
  int _react() override;
  int _reactKeys() override;
  // A single level played outside the quest hands the screen back to the quest; everything is
  // saved.
  int _afterLoop() override;
};

// a + b, held at the int range instead of overflowing.
int SaturatingAdd(int a, int b);
// The current profile; a start profile is made when there is none.
class TProfile;
TProfile* EnsureProfile();
// Writes the group "game" of the harness's state dump: the game screen's fields.
class TRCMFile;
void WriteGameScreenState(TRCMFile& file);

// The background index of a level number (0 to 9).
int BackgroundIndexForLevel(int levelId);
// The clock text: "m:ss" under an hour, else "hh:mm:ss".
std::string TimeString(int g, int m, int s);
// The cash as at least 11 digits with leading zeros.
std::string CashString(int cash);

// The game screen singleton; null until the program creates it.
extern TMainGame* MainGame;
