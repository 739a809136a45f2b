#include "match3/particle.h"

#include "match3/board_math.h"
#include "match3/effect_lists.h"
#include "media/media.h"

TImage* ParticleImages[kParticleImageSlots] = {};
int ParticlePauseTime = 0;

namespace {

TParticleOffsetFn mapOffset = nullptr;
TParticleOffsetFn givePanelOffset = nullptr;

const char* const kParticleFiles[27] = {"gfx/particles/part0.png",
                                        "gfx/particles/part1.png",
                                        "gfx/particles/part2.png",
                                        "gfx/particles/part3.png",
                                        "gfx/particles/part4.png",
                                        "gfx/particles/1.png",
                                        "gfx/particles/2.png",
                                        "gfx/particles/3.png",
                                        "gfx/particles/4.png",
                                        "gfx/particles/5.png",
                                        "gfx/particles/6.png",
                                        "gfx/particles/cloud-1.png",
                                        "gfx/particles/cloud-2.png",
                                        "gfx/particles/chain.png",
                                        "gfx/particles/rain.png",
                                        "gfx/particles/cloud-3.png",
                                        "gfx/particles/cloud-4.png",
                                        "gfx/particles/ring.png",
                                        "gfx/particles/chest-part-0.png",
                                        "gfx/particles/chest-part-1.png",
                                        "gfx/particles/chest-part-2.png",
                                        "gfx/particles/chest-part-3.png",
                                        "gfx/particles/menu-0.png",
                                        "gfx/particles/menu-1.png",
                                        "gfx/particles/menu-2.png",
                                        "gfx/particles/menu-3.png",
                                        "gfx/particles/menu-4.png"};

}  // namespace

void SetParticleMapOffset(TParticleOffsetFn fn) {
  mapOffset = fn;
}
void SetParticleGivePanelOffset(TParticleOffsetFn fn) {
  givePanelOffset = fn;
}

int TParticle::pauseAll() {
  ParticlePauseTime = MillisecondClock();
  return 0;
}

int TParticle::resumeAll() {
  int d = MillisecondClock() - ParticlePauseTime;
  ParticleList.ForEach([d](const TParticlePtr& p) {
    p->startTime += d;
    if (p->bornTime != 0) p->bornTime += d;
  });
  return 0;
}

int TParticle::setup(const std::string& assetRoot) {
  for (int i = 0; i < 27; ++i) {
    ParticleImages[i] = LoadImageFile(assetRoot + kParticleFiles[i]);
    CentreImageAnchor(ParticleImages[i]);
  }
  SetImageAnchor(ParticleImages[22], 101, 34);
  SetImageAnchor(ParticleImages[23], 59, 20);
  SetImageAnchor(ParticleImages[24], 30, 31);
  SetImageAnchor(ParticleImages[25], 33, 21);
  SetImageAnchor(ParticleImages[26], 34, 21);
  return 0;
}

int TParticle::_updateTime() {
  int now = MillisecondClock();
  if (now >= startTime && startTime != 0) {
    if (bornTime == 0) bornTime = now;
    int age = now - bornTime;
    int life = lifeTime < 1 ? 1 : lifeTime;
    lifePer = static_cast<float>(age) / static_cast<float>(life);
    if (lifePer > 1) lifePer = 1;
    if (age > life) destroy();
  } else {
    lifePer = 0;
  }
  return 0;
}

int TParticle::_updateAlpha() {
  if (deadAlpha == 0) {
    a = startA + (da - startA) * lifePer;
  } else if (lifePer <= 0.5f) {
    a = startA + (deadAlpha - startA) * lifePer / 0.5f;
  } else {
    a = startA + (deadAlpha - startA) * (1 - (lifePer - 0.5f) / 0.5f);
  }
  return 0;
}

int TParticle::_updateScale() {
  s = startS + (ds - startS) * lifePer;
  return 0;
}

int TParticle::_updatePosition() {
  r = startR + (dr - startR) * lifePer;
  return 0;
}

int TParticle::_updateMove() {
  per = lifePer;
  x = x1 + 2 * per * (mx - x1) + per * per * (x2 - 2 * mx + x1);
  y = y1 + 2 * per * (my - y1) + per * per * (y2 - 2 * my + y1);
  return 0;
}

int TParticle::update() {
  if (startTime != 0 && MillisecondClock() < startTime) return 0;
  _updateTime();
  _updateAlpha();
  _updateScale();
  _updateMove();
  _updatePosition();
  return 0;
}

int TParticle::Move(float dx, float dy) {
  x += dx;
  y += dy;
  x1 += dx;
  y1 += dy;
  x2 += dx;
  y2 += dy;
  mx += dx;
  my += dy;
  return 0;
}

int TParticle::draw() {
  if (MillisecondClock() < startTime) return 0;
  _updateMove();
  SetBlendMode(blend);
  SetDrawRotation(r);
  SetDrawColour(TruncInt(rgb.r), TruncInt(rgb.g), TruncInt(rgb.b));
  SetDrawAlpha(a);
  SetDrawScale(s * sx, s * sy);
  float dx = 0, dy = 0;
  if (toMap) {
    if (mapOffset) mapOffset(dx, dy);
  } else if (toGivePanel) {
    float ignored = 0;
    if (givePanelOffset) givePanelOffset(ignored, dy);
  }
  TImage* img = (n >= 0 && n < kParticleImageSlots) ? ParticleImages[n] : nullptr;
  DrawImageAt(img, x + dx, y + dy);
  return 0;
}

int TParticle::destroy() {
  if (list) list->Remove(this);
  return 0;
}

TParticlePtr CreateParticle(int n, float x1, float y1, float x2, float y2, float mx, float my,
                            const TRGB& rgb, float startAlpha, float endAlpha, float startScale,
                            float endScale, float startRot, float endRot, int blend, int delay,
                            int life, TList<TParticle>* list) {
  if (n < 0 || n >= kParticleImageSlots || ParticleImages[n] == nullptr) return nullptr;
  if (x1 == 0 && y1 == 0) return nullptr;
  if (list == nullptr) list = &ParticleList;
  auto p = std::make_shared<TParticle>();
  p->n = n;
  p->x1 = x1;
  p->y1 = y1;
  p->x2 = x2;
  p->y2 = y2;
  p->mx = mx;
  p->my = my;
  p->rgb = rgb;
  p->a = p->startA = startAlpha;
  p->da = endAlpha;
  p->s = p->startS = startScale;
  p->ds = endScale;
  p->r = p->startR = startRot;
  p->dr = endRot;
  p->blend = blend;
  p->startTime = MillisecondClock() + delay;
  p->lifeTime = life < 1 ? 1 : life;
  p->list = list;
  list->AddLast(p);
  return p;
}

int UpdateAndDrawParticles(TList<TParticle>* list) {
  if (list == nullptr) list = &ParticleList;
  list->ForEach([](const TParticlePtr& p) {
    p->update();
    p->draw();
  });
  SetDrawScale(1, 1);
  SetBlendMode(kBlendAlpha);
  SetDrawColour(255, 255, 255);
  SetDrawAlpha(1);
  SetDrawRotation(0);
  return 0;
}

int ClearParticles(TList<TParticle>* list) {
  if (list == nullptr) list = &ParticleList;
  list->Clear();
  return 0;
}

int LoadParticleImages(const std::string& assetRoot) {
  return TParticle::setup(assetRoot);
}
