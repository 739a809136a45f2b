// TProperties: how a GUI object looks in one state (normal, pointer over it, pressed, inactive),
// read from the keyword entries of a .gui block, plus the functions that copy and clone records.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/records.h"
#include "gui/image_atlas.h"
#include "media/media.h"

// Actions (states) a record is for.
enum GuiAction { kActionStandard = 0, kActionOver = 1, kActionClick = 2, kActionUnactive = 3 };

class TProperties {
 public:
  std::string id;  // class name, for records kept as property classes
  int action = kActionStandard;
  int visible = 0;
  int active = 0;
  std::optional<TDim> dim = TDim{};  // every record has a position
  int dimAlign = 0;                  // 0 none, 1 left, 2 up, 3 down, 4 right
  std::optional<TDim> addDim;
  std::optional<TAlpha> alpha;
  std::optional<TShadow> shadow;
  std::optional<TScale> scale;
  std::shared_ptr<TImg> img;  // shared: pictures are cached resources
  std::optional<TRGB> rgb;
  std::string txt;
  std::optional<TAlpha> tAlpha;
  std::optional<TShadow> tShadow;
  std::optional<TScale> tScale;
  std::optional<TRGB> tRgb;
  TImageFont* font = nullptr;  // shared: owned by the font cache
  std::optional<TRGB> outRgb;
  std::optional<TDim> textAddDim;
  std::string onClick;
  std::string onOver;
  std::string pinToString;
  std::string url;
  std::string fontUrl;
  float stepP = 1.0f;

  virtual ~TProperties() = default;
  // Fills this record from src: some fields always, most only where this record has none.
  virtual int copyFromProperties(const TProperties& src);
};

std::shared_ptr<TProperties> CloneProperties(const TProperties* p);
// "OVER" 1, "CLICK" 2, "UNACTIVE" 3, anything else 0 (the name is upper-case already).
int ActionByName(const std::string& name);
