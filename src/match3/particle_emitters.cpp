// The small emitters for recurring effects: chain fragments, map sparkles, river drops and menu
// glints, all on top of CreateParticle.
#include "match3/board_math.h"
#include "match3/particle.h"
#include "media/media.h"

namespace {
TRGB Rgb(float r, float g, float b) {
  TRGB c;
  c.r = r;
  c.g = g;
  c.b = b;
  return c;
}
}  // namespace

TParticlePtr EmitChainPiece(int slot, float x, float y, int direction, int flip) {
  int x0 = TruncInt(x), y0 = TruncInt(y);
  int xe = x0;
  if (direction < 0) {
    xe = x0 - RandomInt(15, 30);
  } else if (direction == 0) {
    xe = x0 + RandomInt(-10, 10);
  } else {
    xe = x0 + RandomInt(15, 30);
  }
  int ye = y0 + RandomInt(50, 80);
  float rot = flip ? -45.0f : 45.0f;
  float endRot = static_cast<float>(RandomInt(-100, 100));
  int delay = RandomInt(0, 250);
  return CreateParticle(slot, x0, y0, xe, ye, xe, y0, Rgb(255, 255, 255), 1, 0, 1, 1, rot, endRot,
                        kBlendAlpha, delay, 1000);
}

TParticlePtr EmitMapSparkle(float x, float y) {
  float endRot = static_cast<float>(RandomInt(90, 180));
  int delay = RandomInt(1, 600);
  auto p = CreateParticle(5, x, y, x, y, x, y, Rgb(255, 255, 255), 1, 0, 0.5f, 0, 0, endRot,
                          kBlendLight, delay, 1000);
  if (p) p->toMap = 1;
  return p;
}

TParticlePtr EmitRiverDrop(const TDim& from, const TDim& to) {
  int px = TruncInt(from.x + RandomInt(-5, 5));
  int py = TruncInt(from.y + RandomInt(-5, 5));
  int qx = TruncInt(to.x + RandomInt(-5, 5));
  int qy = TruncInt(to.y + RandomInt(-5, 5));
  int mx = px + (qx - px) / 2;
  int my = py + (qy - py) / 2;
  int k = RandomInt(200, 250);
  TRGB c;
  switch (RandomInt(1, 3)) {
    case 1:
      c = Rgb(k, k, k);
      break;
    case 2:
      c = Rgb(0, k, k);
      break;
    default:
      c = Rgb(0, k / 2, k);
      break;
  }
  int delay = RandomInt(0, 50);
  auto p = CreateParticle(0, px, py, qx, qy, mx, my, c, 0.15f, 0.15f, 0.25f, 0.25f, 0, 0,
                          kBlendLight, delay, 1000);
  if (p) p->toMap = 1;
  return p;
}

TParticlePtr EmitMenuGlint(int k, float x, float y) {
  auto p = CreateParticle(22 + k, x, y, x, y, x, y, Rgb(255, 255, 255), 0, 0, 0, 1, 0, 0,
                          kBlendLight, 0, 1000);
  if (p) p->deadAlpha = 1;
  return nullptr;
}
