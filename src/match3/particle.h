// TParticle: one image travelling along a quadratic curve while its alpha, scale and rotation
// change with its age on the millisecond clock; it removes itself from its list when its life
// is over. CreateParticle is the one generic emitter; the small emitters build on it.
#pragma once

#include <memory>
#include <string>

#include "app/records.h"
#include "match3/board_types.h"
#include "media/tlist.h"

struct TImage;

constexpr int kParticleImageSlots = 30;
extern TImage* ParticleImages[kParticleImageSlots];
extern int ParticlePauseTime;

// Offsets applied to particles drawn in map coordinates (toMap) and on the artifact pop-up panel
// (toGivePanel). The map and pop-up screens install these; without them the offset is 0.
using TParticleOffsetFn = void (*)(float& dx, float& dy);
void SetParticleMapOffset(TParticleOffsetFn fn);
void SetParticleGivePanelOffset(TParticleOffsetFn fn);

class TParticle : public std::enable_shared_from_this<TParticle> {
 public:
  float startA = 0, startS = 0, startR = 0;
  float a = 0, da = 0;
  float s = 0, ds = 0;
  float r = 0, dr = 0;
  int n = 0;
  TRGB rgb;
  float x = 0, y = 0;
  int blend = 4;
  float sx = 1, sy = 1;
  int startTime = 0;
  int bornTime = 0;
  int lifeTime = 1;
  float lifePer = 0;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  float per = 0;
  float mx = 0, my = 0;
  int toMap = 0;
  int toGivePanel = 0;
  TList<TParticle>* list = nullptr;
  float deadAlpha = 0;

  virtual ~TParticle() = default;
  static int pauseAll();
  static int resumeAll();
  static int setup(const std::string& assetRoot);
  virtual int _updateTime();
  virtual int _updateAlpha();
  virtual int _updateScale();
  virtual int _updatePosition();
  virtual int _updateMove();
  virtual int update();
  virtual int Move(float dx, float dy);
  virtual int draw();
  virtual int destroy();
};

// A new particle appended to list (ParticleList when null); null when the image slot is empty or
// out of range, or the start point is (0, 0).
TParticlePtr CreateParticle(int n, float x1, float y1, float x2, float y2, float mx, float my,
                            const TRGB& rgb, float startAlpha, float endAlpha, float startScale,
                            float endScale, float startRot, float endRot, int blend, int delay,
                            int life, TList<TParticle>* list = nullptr);
int UpdateAndDrawParticles(TList<TParticle>* list = nullptr);
int ClearParticles(TList<TParticle>* list = nullptr);
int LoadParticleImages(const std::string& assetRoot);

// The small emitters (all into ParticleList).
TParticlePtr EmitChainPiece(int slot, float x, float y, int direction, int flip);
TParticlePtr EmitMapSparkle(float x, float y);
TParticlePtr EmitRiverDrop(const TDim& from, const TDim& to);
TParticlePtr EmitMenuGlint(int k, float x, float y);
