#include "match3/caption.h"

#include "app/frame_timing.h"
#include "match3/board_math.h"
#include "match3/effect_lists.h"
#include "media/media.h"

TImage* CaptionImages[kCaptionImageSlots] = {};

namespace {
// Advances the phase progress; true when it has just reached the end of the phase. Fifty steps
// of 0.02 add up to just under 1 in single precision; the snap keeps a phase at its 50 frames.
bool Advance(float& p, float speed) {
  p += speed * FrameDelta;
  if (p >= 0.99999f) {
    p = 1;
    return true;
  }
  return false;
}
}  // namespace

std::shared_ptr<TCaption> NewCaption(int n, int x, int y, int typ, int delay) {
  auto c = std::make_shared<TCaption>();
  c->n = n;
  c->x = static_cast<float>(x);
  c->y = static_cast<float>(y);
  c->typ = typ;
  c->startTime = MillisecondClock() + delay;
  if (typ >= kCaptionInfo) CaptionList.AddLast(c);
  return c;
}

int UpdateAndDrawCaptions() {
  CaptionList.ForEach([](const std::shared_ptr<TCaption>& c) {
    c->update();
    c->draw();
  });
  return 0;
}

int LoadCaptionImages(const std::string& assetRoot, const std::string& language) {
  static const char* const kFiles[kCaptionImageSlots] = {
      "/readysetgo.png", "/victory.png", "/noCash.png", "/noMoves.png", nullptr,
      "/combo1.png",     "/combo2.png",  "/combo3.png", "/combo4.png",  "/combo5.png"};
  for (int i = 0; i < kCaptionImageSlots; ++i) {
    CaptionImages[i] = nullptr;
    if (!kFiles[i]) continue;
    CaptionImages[i] = LoadImageFile(assetRoot + "gfx/captions/" + language + kFiles[i],
                                     kImageFiltered | kImageMipmapped);
    CentreImageAnchor(CaptionImages[i]);
  }
  return 0;
}

int TCaption::draw() {
  if (MillisecondClock() < startTime) return 0;
  SetDrawColour(255, 255, 255);
  SetBlendMode(kBlendAlpha);
  SetDrawRotation(rot);
  SetDrawScale(sx, sy);
  SetDrawAlpha(a);
  DrawImageAt((n >= 0 && n < kCaptionImageSlots) ? CaptionImages[n] : nullptr, x, y);
  SetDrawRotation(0);
  SetDrawScale(1, 1);
  SetDrawAlpha(1);
  return 0;
}

int TCaption::_update_START() {
  bool done = false;
  if (count == 0) {
    done = Advance(p, 0.02f);
    float s = SinDeg(90 * p);
    sx = sy = s;
    a = s;
    rot = 360 * s;
  } else if (count == 1) {
    done = Advance(p, 0.02f);
    sx = sy = 1;
    a = 1;
    rot = 0;
  } else {
    Advance(p, 0.02f);
    float s = SinDeg(90 * p);
    sx = sy = 1 - s;
    a = SinDeg(90 * (1 - p));
    rot = 360 * s;
  }
  y -= 0.25f * FrameDelta;
  if (done && count < 2) {
    ++count;
    p = 0;
  }
  return 0;
}

int TCaption::_update_END() {
  bool done = false;
  if (count == 0) {
    done = Advance(p, 0.02f);
    float s = SinDeg(90 * p);
    sx = sy = s;
    a = s;
    rot = 360 * s;
    y -= 0.25f * FrameDelta;
  } else if (count == 1) {
    done = Advance(p, 0.025f);
    sx = sy = 1;
    rot = -10 * SinDeg(360 * p);
    y -= 0.25f * FrameDelta;
  } else {
    Advance(p, 0.02f);
    float s = SinDeg(90 * p);
    sx = sy = 0.5f + 0.5f * SinDeg(90 * (1 - p));
    rot = 360 * s;
    y = 200 + (static_cast<float>(startY) - 200) * (1 - s);
  }
  if (done && count < 2) {
    ++count;
    p = 0;
    if (count == 1) startY = TruncInt(y);
  }
  return 0;
}

int TCaption::_update_INFO() {
  bool done = Advance(p, 0.02f);
  sx = sy = 1;
  a = 1 - SinDeg(90 * p);
  rot = 0;
  y -= 0.2f * FrameDelta;
  if (done) destroy();
  return 0;
}

int TCaption::_update_INFO2() {
  bool done = Advance(p, 0.005f);
  sx = sy = 1;
  a = 1 - SinDeg(90 * p);
  rot = 0;
  y -= 0.1f * FrameDelta;
  if (done) destroy();
  return 0;
}

int TCaption::_update_SPECIAL() {
  if (count == 0) {
    bool done = Advance(p, 0.05f);
    float s = SinDeg(90 * p);
    sx = 0.5f + std::fabs(0.5f * SinDeg(270 * p));
    sy = s;
    a = s;
    rot = -180 + 180 * s;
    if (done) {
      count = 1;
      p = 0;
    }
  } else {
    bool done = Advance(p, 0.02f);
    float s = SinDeg(90 * p);
    sx = sy = 1 + 0.2f * s;
    a = SinDeg(90 * (1 - p));
    if (done) destroy();
  }
  return 0;
}

int TCaption::update() {
  if (MillisecondClock() < startTime) return 0;
  switch (typ) {
    case kCaptionStart:
      return _update_START();
    case kCaptionEnd:
      return _update_END();
    case kCaptionInfo:
      return _update_INFO();
    case kCaptionInfo2:
      return _update_INFO2();
    case kCaptionSpecial:
      return _update_SPECIAL();
    default:
      return 0;
  }
}

int TCaption::isEnd() {
  return p == 1 ? 1 : 0;
}

int TCaption::destroy() {
  CaptionList.Remove(this);
  return 0;
}
