// The particles a chip throws out: destruction bursts of each kind and the pulse and sparkles of
// the power-up chips.
#include "app/frame_timing.h"
#include "match3/board_math.h"
#include "match3/chip.h"
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

const TRGB kWhite = Rgb(255, 255, 255);

float RandRot() {
  return static_cast<float>(RandomInt(-360, 360));
}

// One spark from the chip centre to a point on a circle of the given radius, with the control
// point half way along the same line.
void RadialSpark(int x, int y, float radius, const TRGB& colour) {
  float a = static_cast<float>(RandomInt(0, 360));
  int ex = TruncInt(x + radius * CosDeg(a));
  int ey = TruncInt(y + radius * SinDeg(a));
  int cx = TruncInt(x + radius / 2 * CosDeg(a));
  int cy = TruncInt(y + radius / 2 * SinDeg(a));
  float rot = RandRot();
  int delay = RandomInt(0, 500);
  CreateParticle(9, x, y, ex, ey, cx, cy, colour, 1, 0, 2, 3, 0, rot, kBlendLight, delay, 500);
}

}  // namespace

int TChip::_GenerateStandardDestroy() {
  int x = TruncInt(drawX), y = TruncInt(drawY);
  for (int i = 0; i < 10; ++i) {
    float a = static_cast<float>(RandomInt(0, 360));
    int p1x = TruncInt(x + 24 * CosDeg(a)), p1y = TruncInt(y + 24 * SinDeg(a));
    int p2x = TruncInt(x + 24 * CosDeg(a - 45)), p2y = TruncInt(y + 24 * SinDeg(a - 45));
    int k = RandomInt(200, 250);
    TRGB colour = Rgb(k, k, 0);
    if (RandomInt(0, 1) == 1) colour = Rgb(k, 0, 0);
    bool twin = RandomInt(0, 2) == 0;
    bool outward = RandomInt(0, 1) == 0;
    int sx = outward ? x : p1x, sy = outward ? y : p1y;
    int ex = outward ? p1x : x, ey = outward ? p1y : y;
    int image = outward ? 1 : 2;
    float rot = RandRot();
    int delay = RandomInt(0, 100);
    CreateParticle(image, sx, sy, ex, ey, p2x, p2y, colour, 1, 0, 1, 1.5f, 0, rot, kBlendLight,
                   delay, 250);
    if (twin) {
      CreateParticle(1, sx, sy, ex, ey, p2x, p2y, kWhite, 1, 0, 1, 1.5f, 0, rot, kBlendLight, delay,
                     250);
    }
  }
  return 0;
}

int TChip::_GenerateBombDestroy() {
  TRGB colour = RandomInt(0, 1) == 1 ? Rgb(250, 0, 0) : Rgb(250, 120, 30);
  RadialSpark(TruncInt(drawX), TruncInt(drawY), 32, colour);
  return 0;
}

int TChip::_GenerateLightDestroy() {
  TRGB colour = RandomInt(0, 1) == 1 ? Rgb(250, 250, 250) : Rgb(0, 255, 255);
  RadialSpark(TruncInt(drawX), TruncInt(drawY), 16, colour);
  return 0;
}

int TChip::_GenerateLineDestroy() {
  int y = TruncInt(drawY);
  for (int i = 0; i < 10; ++i) {
    int xl = TruncInt(drawX + RandomInt(-24, 24));
    int ye = RandomInt(0, 1) == 1 ? y - 24 : y + 24;
    int k = RandomInt(200, 250);
    TRGB colour = Rgb(k, 0, k);
    bool twin = RandomInt(0, 3) == 0;
    int delay = RandomInt(0, 300);
    int my = y + (ye - y) / 2;
    CreateParticle(1, xl, y, xl, ye, xl, my, colour, 1, 0, 1, 1, 0, 360, kBlendLight, delay, 400);
    if (twin) {
      CreateParticle(1, xl, y, xl, ye, xl, my, kWhite, 1, 0, 1, 1, 0, 360, kBlendLight, delay, 400);
    }
  }
  return 0;
}

int TChip::GenerateDestroyParticles() {
  switch (destroyType) {
    case kDestroyMatch:
      return _GenerateStandardDestroy();
    case kDestroyBomb:
      return _GenerateBombDestroy();
    case kDestroyLine:
      return _GenerateLineDestroy();
    case kDestroyLightning:
    case kDestroySmallBlast:
      return _GenerateLightDestroy();
    default:
      return 0;
  }
}

namespace {

// Moves the pulse toward its target and turns it round on arrival.
void Pulse(float& pwrP, float& dPwrP) {
  pwrP = StepToward(pwrP, dPwrP, 0.05f * FrameDelta);
  if (pwrP == dPwrP) dPwrP = dPwrP == 0 ? 1.0f : 0.0f;
}

}  // namespace

int TChip::_updatePowerUp_BombAnim() {
  Pulse(pwrP, dPwrP);
  int now = MillisecondClock();
  if (now <= pTime) return 0;
  pTime = now + 50;
  for (int i = 0; i < 4; ++i) {
    int sx = TruncInt(drawX + RandomInt(-12, 12)), sy = TruncInt(drawY + RandomInt(-12, 12));
    int ex = TruncInt(drawX + RandomInt(-12, 12)), ey = TruncInt(drawY + RandomInt(-12, 12));
    int cx = TruncInt(drawX + RandomInt(-12, 12)), cy = TruncInt(drawY + RandomInt(-12, 12));
    TRGB colour = RandomInt(0, 1) == 1 ? Rgb(250, 0, 0) : Rgb(250, 120, 30);
    float rot = RandRot();
    int delay = RandomInt(0, 500);
    int life = RandomInt(240, 500);
    CreateParticle(4, sx, sy, ex, ey, cx, cy, colour, 1, 0, 2, 3, 0, rot, kBlendLight, delay, life);
  }
  return 0;
}

int TChip::_updatePowerUp_LightAnim() {
  Pulse(pwrP, dPwrP);
  int now = MillisecondClock();
  if (now <= pTime) return 0;
  pTime = now + 50;
  for (int i = 0; i < 2; ++i) {
    float ax, ay, bx, by, cx, cy;
    if (RandomInt(1, 2) == 1) {
      ax = drawX + 14, ay = drawY - 14, bx = drawX - 14, by = drawY + 14;
      cx = drawX + 14, cy = drawY + 14;
    } else {
      ax = drawX - 14, ay = drawY + 14, bx = drawX + 14, by = drawY - 14;
      cx = drawX - 14, cy = drawY - 14;
    }
    ax += RandomInt(-5, 5);
    ay += RandomInt(-5, 5);
    bx += RandomInt(-5, 5);
    by += RandomInt(-5, 5);
    cx += RandomInt(-5, 5);
    cy += RandomInt(-5, 5);
    TRGB colour = RandomInt(0, 1) == 1 ? Rgb(250, 250, 250) : Rgb(0, 250, 250);
    float rot = RandRot();
    int delay = RandomInt(0, 500);
    int life = RandomInt(240, 500);
    CreateParticle(4, ax, ay, bx, by, cx, cy, colour, 1, 0, 0.5f, 1, 0, rot, kBlendLight, delay,
                   life);
  }
  return 0;
}
