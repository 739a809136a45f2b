// TCaption: a big picture word over the board (ready-go, victory, no cash, no moves, combo), with
// its own short animation. START and END captions are kept by the game screen; the others live
// in CaptionList until their animation is over.
#pragma once

#include <memory>
#include <string>

struct TImage;

enum TCaptionType {
  kCaptionStart = 0,
  kCaptionEnd = 1,
  kCaptionInfo = 2,
  kCaptionInfo2 = 3,
  kCaptionSpecial = 4,
};

constexpr int kCaptionImageSlots = 10;
extern TImage* CaptionImages[kCaptionImageSlots];

class TCaption : public std::enable_shared_from_this<TCaption> {
 public:
  int n = 0;
  float p = 0;
  float x = 0, y = 0;
  float sx = 0, sy = 0;
  float a = 0;
  float rot = 0;
  int typ = 0;
  int startTime = 0;
  int count = 0;
  int startY = 0;

  virtual ~TCaption() = default;
  virtual int draw();
  virtual int _update_START();
  virtual int _update_END();
  virtual int _update_INFO();
  virtual int _update_INFO2();
  virtual int _update_SPECIAL();
  virtual int update();
  virtual int isEnd();
  virtual int destroy();
};

std::shared_ptr<TCaption> NewCaption(int n, int x, int y, int typ, int delay);
int UpdateAndDrawCaptions();
// Loads the caption pictures of the language (filtered, mipmapped, centred).
int LoadCaptionImages(const std::string& assetRoot, const std::string& language);
