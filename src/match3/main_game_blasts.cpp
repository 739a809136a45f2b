// The blasts of the power-up chips and power-ups: delayed hits on cells, the bomb and lightning
// chips with their particles, the line and the big bomb.
#include <cmath>

#include "match3/board_math.h"
#include "match3/board_sound.h"
#include "match3/chip.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/particle.h"
#include "match3/tile.h"
#include "media/media.h"

namespace {

TRGB Rgb(float r, float g, float b) {
  TRGB c;
  c.r = r;
  c.g = g;
  c.b = b;
  return c;
}

// The two flashes and 64 sparks of a firing bomb or lightning chip.
void BlastParticles(const TTile& t, bool lightning) {
  float x = static_cast<float>(t.drawX), y = static_cast<float>(t.drawY);
  CreateParticle(3, x, y, x, y, x, y, Rgb(250, 100, 50), 1, 0, 0.2f, 1.0f, 0, 0, kBlendLight, 0,
                 1000);
  CreateParticle(3, x, y, x, y, x, y, Rgb(250, 100, 50), 1, 0, 0.1f, 2.0f, 0, 0, kBlendLight, 0,
                 2000);
  for (int i = 0; i < 64; ++i) {
    int v = RandomInt(200, 250);
    bool first = RandomInt(0, 1) == 0;
    TRGB colour;
    if (lightning) {
      colour = first ? Rgb(0, v, v) : Rgb(v, v, v);
    } else {
      colour = first ? Rgb(v, v, 0) : Rgb(v, v / 2, v / 3);
    }
    float dist = static_cast<float>(RandomInt(120, 170));
    float angle = lightning ? static_cast<float>(RandomInt(0, 3) * 90 + RandomInt(-15, 15))
                            : static_cast<float>(RandomInt(0, 360));
    float rot = static_cast<float>(RandomInt(-360, 360));
    int delay = lightning ? RandomInt(0, 1000) : RandomInt(0, 100);
    auto p = CreateParticle(9, x, y, x + dist * CosDeg(angle), y + dist * SinDeg(angle), x, y,
                            colour, 1, 0, 0.2f, 2.0f, 0, rot, kBlendLight, delay, 1200);
    if (p) p->deadAlpha = 1;
  }
}

bool RealCell(const TLevelPtr& level, int r, int c) {
  TTilePtr t = level ? level->TileAt(r, c) : nullptr;
  return t && t->id != kTileHole;
}

}  // namespace

int TMainGame::BombTile(int r, int c, int delay, int spec) {
  if (RealCell(level, r, c)) level->TileAt(r, c)->BombMe(delay, spec);
  return 0;
}

int TMainGame::LightTile(int r, int c, int delay, int spec) {
  if (RealCell(level, r, c)) level->TileAt(r, c)->LightMe(delay, spec);
  return 0;
}

int TMainGame::BombTileLine(int r, int c, int delay) {
  if (RealCell(level, r, c)) level->TileAt(r, c)->LineMe(delay);
  return 0;
}

int TMainGame::Lightning(const TTilePtr& tile) {
  if (!tile) return 0;
  int r = tile->r, c = tile->c;
  for (int k = 1; k <= 3; ++k) {
    LightTile(r + k, c, 150 * k, 0);
    LightTile(r, c + k, 150 * k, 0);
    LightTile(r - k, c, 150 * k, 0);
    LightTile(r, c - k, 150 * k, 0);
  }
  if (tile->chip) tile->chip->Destroy(0, kDestroyBomb);
  PlayBoardSound("bomb");
  PlayBoardSound("bomb2");
  BlastParticles(*tile, true);
  return 0;
}

int TMainGame::Bomb(const TTilePtr& tile) {
  if (!tile) return 0;
  int r0 = tile->r, c0 = tile->c;
  for (int r = r0 - 2; r <= r0 + 2; ++r) {
    for (int c = c0 - 2; c <= c0 + 2; ++c) {
      if (std::abs(r - r0) == 2 && std::abs(c - c0) == 2) continue;
      float d = std::sqrt(static_cast<float>((c0 - c) * (c0 - c) + (r0 - r) * (r0 - r)));
      int delay = TruncInt(static_cast<float>(TruncInt(d) * 50) + d * 110.0f);
      BombTile(r, c, delay, 0);
    }
  }
  if (tile->chip) tile->chip->Destroy(0, kDestroyBomb);
  PlayBoardSound("bomb");
  PlayBoardSound("bomb2");
  BlastParticles(*tile, false);
  return 0;
}

int TMainGame::BombLine(const TTilePtr& tile) {
  if (!tile) return 0;
  BombTileLine(tile->r, tile->c, 0);
  for (int k = 1; k <= 50; ++k) {
    BombTileLine(tile->r, tile->c + k, 50 * k);
    BombTileLine(tile->r, tile->c - k, 50 * k);
  }
  return 0;
}

int TMainGame::BombBig(int r, int c) {
  if (!level) return 0;
  for (int i = 0; i <= 50; ++i) {
    for (int j = 0; j <= 50; ++j) {
      BombTile(r + i, c + j, 50 * i * j, 1);
      BombTile(r - i, c + j, 50 * i * j, 1);
      BombTile(r + i, c - j, 50 * i * j, 1);
      BombTile(r - i, c - j, 50 * i * j, 1);
    }
  }
  TTilePtr centre = level->TileAt(r, c);
  if (!centre) return 0;
  float x = static_cast<float>(centre->drawX), y = static_cast<float>(centre->drawY);
  CreateParticle(3, x, y, x, y, x, y, Rgb(255, 255, 255), 1, 0, 0.2f, 2.0f, 0, 0, kBlendLight, 0,
                 500);
  CreateParticle(3, x, y, x, y, x, y, Rgb(250, 255, 255), 1, 0, 0.2f, 3.0f, 0, 0, kBlendLight, 0,
                 500);
  CreateParticle(3, x, y, x, y, x, y, Rgb(250, 255, 255), 1, 0, 0.5f, 4.0f, 0, 0, kBlendLight, 0,
                 1000);
  CreateParticle(3, x, y, x, y, x, y, Rgb(250, 255, 255), 1, 0, 0.25f, 5.0f, 0, 0, kBlendLight, 0,
                 1000);
  return 0;
}

int TMainGame::FirePowerUp(int id, const TTilePtr& tile) {
  PrintLine("pwrId = " + std::to_string(id));
  if (id == kBombChipId) Bomb(tile);
  if (id == kLightningChipId) Lightning(tile);
  return 0;
}
