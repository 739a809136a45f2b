#include "match3/tile.h"

#include "app/frame_timing.h"
#include "match3/board_math.h"
#include "match3/board_sound.h"
#include "match3/chip.h"
#include "match3/flying_chest.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/particle.h"
#include "media/media.h"

TImage* TileImages[2] = {};
TImage* TileFrameImage = nullptr;
TImage* ChainImages[2] = {};
TImage* ChestImage = nullptr;

namespace {

TImage* KindImage(int id) {
  return (id == 1 || id == 2) ? TileImages[id - 1] : nullptr;
}

void PlainState() {
  SetDrawAlpha(1);
  SetDrawScale(1, 1);
  SetDrawRotation(0);
  SetBlendMode(kBlendAlpha);
  SetDrawColour(255, 255, 255);
}

TRGB Rgb(float r, float g, float b) {
  TRGB c;
  c.r = r;
  c.g = g;
  c.b = b;
  return c;
}

bool IsOver(const TTile* t) {
  return MainGame && MainGame->over.get() == t;
}

}  // namespace

TTilePtr NewTile(int kind) {
  auto t = std::make_shared<TTile>();
  t->id = kind;
  return t;
}

int LoadTileImages(const std::string& assetRoot) {
  const int flags = kImageFiltered | kImageMipmapped;
  TileImages[0] = LoadImageFile(assetRoot + "gfx/tiles/tile0.png", flags);
  TileImages[1] = LoadImageFile(assetRoot + "gfx/tiles/tile1.png", flags);
  TileFrameImage = LoadImageFile(assetRoot + "gfx/tiles/frame.png", flags);
  CentreImageAnchor(TileImages[0]);
  CentreImageAnchor(TileImages[1]);
  CentreImageAnchor(TileFrameImage);
  return 0;
}

int LoadChainAndChestImages(const std::string& assetRoot) {
  ChainImages[0] = LoadImageFile(assetRoot + "gfx/tiles/chain1.png");
  ChainImages[1] = LoadImageFile(assetRoot + "gfx/tiles/chain2.png");
  ChestImage = LoadImageFile(assetRoot + "gfx/tiles/chest.png");
  CentreImageAnchor(ChainImages[0]);
  CentreImageAnchor(ChainImages[1]);
  CentreImageAnchor(ChestImage);
  return 0;
}

TTilePtr TTile::Neighbour(int row, int col) const {
  TLevelPtr lv = Level();
  return lv ? lv->TileAt(row, col) : nullptr;
}

int TTile::PutChip(const TChipPtr& newChip) {
  chip = newChip;
  if (chip) chip->tile = weak_from_this();
  return 0;
}

int TTile::_drawChip() {
  if (!_fantom && chip) chip->draw();
  return 0;
}

int TTile::_drawBorder() {
  if (id == kTileHole || _fantom) return 0;
  PlainState();
  DrawImageAt(TileFrameImage, drawX, drawY);
  return 0;
}

int TTile::_drawBasic() {
  PlainState();
  DrawImageAt(KindImage(id), drawX, drawY);
  return 0;
}

int TTile::_drawDestroying() {
  if (TileDestroying != 1) return 0;
  destrP += 0.05f * FrameDelta;
  if (destrP > 1) {
    destrP = 1;
    TileDestroying = 0;
  }
  float k = SinDeg((1 - destrP) * 90);
  SetDrawScale(1 + 0.3f * k, 1 + 0.3f * k);
  SetBlendMode(kBlendAlpha);
  SetDrawAlpha(k);
  DrawImageAt(TileImages[1], drawX, drawY);
  SetBlendMode(kBlendLight);
  SetDrawAlpha(SinDeg(destrP * 180));
  DrawImageAt(TileImages[1], drawX, drawY);
  return 0;
}

int TTile::_drawBlask() {
  if (blaskP == 0) return 0;
  SetBlendMode(kBlendLight);
  SetDrawAlpha(0.4f * SinDeg(blaskP * 90));
  DrawImageAt(KindImage(id), drawX, drawY);
  SetBlendMode(kBlendAlpha);
  SetDrawAlpha(1);
  return 0;
}

int TTile::_drawOver() {
  if (!IsOver(this)) return 0;
  SetDrawAlpha(0.25f);
  SetBlendMode(kBlendLight);
  DrawImageAt(KindImage(id), drawX, drawY);
  SetBlendMode(kBlendAlpha);
  SetDrawAlpha(1);
  return 0;
}

int TTile::_drawChests() {
  if (_fantom || chest == 0) return 0;
  PlainState();
  DrawImageAt(ChestImage, drawX, drawY);
  return 0;
}

int TTile::_drawChains() {
  if (_fantom || chain == 0) return 0;
  PlainState();
  DrawImageAt((chain == 1 || chain == 2) ? ChainImages[chain - 1] : nullptr, drawX, drawY);
  return 0;
}

int TTile::draw() {
  if (_fantom || id == kTileHole) return 0;
  _drawBasic();
  _drawDestroying();
  _drawBlask();
  _drawOver();
  return 0;
}

int TTile::_updateOver() {
  if (!Mouse) return 0;
  return Mouse->inRect(drawX - 24, drawY - 24, 48, 48) ? 1 : 0;
}

int TTile::_updateBlask() {
  float step = 0.1f * FrameDelta;
  if (blaskP < dBlaskP) {
    blaskP = blaskP + step > dBlaskP ? dBlaskP : blaskP + step;
  } else if (blaskP > dBlaskP) {
    blaskP = blaskP - step < dBlaskP ? dBlaskP : blaskP - step;
  }
  if (blaskP == 1 && dBlaskP == 1) dBlaskP = 0;
  if (blaskTime != 0 && MillisecondClock() > blaskTime) {
    dBlaskP = 1;
    blaskTime = 0;
  }
  return 0;
}

int TTile::_updateBomb() {
  if (bombTime != 0 && MillisecondClock() > bombTime) {
    if (chip) chip->Destroy(0, kDestroyBomb);
    bombTime = 0;
  }
  return 0;
}

int TTile::_updateLightning() {
  if (lightTime != 0 && MillisecondClock() > lightTime) {
    if (chip) chip->Destroy(0, kDestroyLightning);
    lightTime = 0;
  }
  return 0;
}

int TTile::_updateLine() {
  if (lineTime != 0 && MillisecondClock() > lineTime) {
    if (chip) chip->Destroy(0, kDestroyLine);
    lineTime = 0;
  }
  return 0;
}

int TTile::update() {
  if (id == kTileHole) return 0;
  _updateBlask();
  _updateBomb();
  _updateLightning();
  _updateLine();
  return _updateOver();
}

int TTile::CheckMatch() {
  if (!MainGame) return 0;
  auto group = MainGame->CheckMatch(shared_from_this());
  if (group.size() > 2) {
    MainGame->MatchChips(group);
    return 1;
  }
  return 0;
}

int TTile::CheckFall() {
  if (!chip) return 0;
  TLevelPtr lv = Level();
  if (!lv || r >= lv->rows - 1) return 0;
  if (!chip->CanMove()) return 0;
  TTilePtr below = lv->TileAt(r + 1, c);
  return (below && below->isFree()) ? 1 : 0;
}

int TTile::DestroyChest_Neighbor(int dr, int dc) {
  TTilePtr t = Neighbour(r + dr, c + dc);
  if (t && t->id != kTileHole) t->DestroyMyChest();
  return 0;
}

int TTile::DestroyChest() {
  DestroyChest_Neighbor(-1, 0);
  DestroyChest_Neighbor(1, 0);
  DestroyChest_Neighbor(0, 1);
  DestroyChest_Neighbor(0, -1);
  DestroyMyChest();
  return 0;
}

int TTile::DestroyMyChest() {
  if (chest == 0) return 0;
  if (MainGame) MainGame->CheckMatchSpec(shared_from_this());
  chest = 0;
  NewFlyingChest(drawX, drawY);
  PlayBoardSound("skull");
  return 0;
}

int TTile::DestroyChain() {
  const float x = static_cast<float>(drawX), y = static_cast<float>(drawY);
  if (chain >= 1) {
    EmitChainPiece(13, x + 20, y + 20, 1, 0);
    EmitChainPiece(13, x + 10, y + 10, 1, 0);
    EmitChainPiece(13, x, y, 0, 0);
    EmitChainPiece(13, x - 10, y - 10, -1, 0);
    EmitChainPiece(13, x - 20, y - 20, -1, 0);
  }
  if (chain >= 2) {
    EmitChainPiece(13, x - 20, y + 20, 1, 1);
    EmitChainPiece(13, x - 10, y + 10, 1, 1);
    EmitChainPiece(13, x, y, 0, 1);
    EmitChainPiece(13, x + 10, y - 10, -1, 1);
    EmitChainPiece(13, x + 20, y - 20, -1, 1);
  }
  if (chain >= 1) PlayBoardSound("chain");
  chain -= 1;
  if (chain < 0) chain = 0;
  return 1;
}

int TTile::MatchTile() {
  DestroyChest();
  if (chain != 0) {
    DestroyChain();
    return 1;
  }
  if (bombingSpec != 0) {
    bombingSpec = 0;
    return 0;
  }
  if (id == kTileToClear) {
    id = kTilePlain;
    PlayBoardSound("match");
    TileDestroying = 1;
  }
  return 0;
}

int TTile::BombMe(int delay, int spec) {
  bombTime = MillisecondClock() + delay;
  bombingSpec = spec;
  return 0;
}

int TTile::LightMe(int delay, int spec) {
  lightTime = MillisecondClock() + delay;
  lightningSpec = spec;
  return 0;
}

int TTile::BombMeSmall_Neighbor(int row, int col) {
  TTilePtr t = Neighbour(row, col);
  if (t && t->id != kTileHole && t->chip) t->chip->Destroy(0, kDestroySmallBlast);
  return 0;
}

int TTile::BombMeSmall() {
  BombMeSmall_Neighbor(r - 1, c);
  BombMeSmall_Neighbor(r, c - 1);
  BombMeSmall_Neighbor(r, c);
  BombMeSmall_Neighbor(r, c + 1);
  BombMeSmall_Neighbor(r + 1, c);
  return 0;
}

int TTile::LineMe(int delay) {
  lineTime = MillisecondClock() + delay;
  return 0;
}

int TTile::isFree() {
  return (!chip && id != kTileHole) ? 1 : 0;
}

int TTile::isHappening() {
  return chip ? chip->isHappening() : 0;
}

int TTile::GeneratePowerUp_Line() {
  if (id == kTileHole) return 0;
  int now = MillisecondClock();
  if (now <= myPartTime) return 0;
  myPartTime = now + 25;
  int x = drawX + RandomInt(-24, 24);
  int y2 = drawY + RandomInt(28, 32);
  if (RandomInt(0, 1) == 1) y2 = drawY - RandomInt(28, 32);
  int k = RandomInt(200, 255);
  int delay = RandomInt(0, 500);
  auto p = CreateParticle(1, x, drawY, x, y2, x, drawY + (y2 - drawY) / 2, Rgb(k, 0, k), 0, 0, 0.5f,
                          0.5f, 0, 360, kBlendLight, delay, 1000);
  if (p) p->deadAlpha = 1;
  return 0;
}

int TTile::GeneratePowerUp_DeleteChipType() {
  if (id == kTileHole) return 0;
  int now = MillisecondClock();
  if (now <= myPartTime) return 0;
  myPartTime = now + 50;
  for (int i = 0; i < 4; ++i) {
    float a = static_cast<float>(RandomInt(0, 360));
    int ex = TruncInt(drawX + 24 * CosDeg(a));
    int ey = TruncInt(drawY + 24 * SinDeg(a));
    int cx = TruncInt(drawX + 24 * CosDeg(a + 90));
    int cy = TruncInt(drawY + 24 * SinDeg(a + 90));
    TRGB colour = RandomInt(0, 5) == 0 ? Rgb(255, 255, 255) : Rgb(255, 0, 0);
    CreateParticle(1, drawX, drawY, ex, ey, cx, cy, colour, 1, 0, 0.5f, 0.5f, 0, 360, kBlendLight,
                   0, 1000);
  }
  return 0;
}
