// The font cache: each font file is rasterised once per pixel size and kept for the whole run.
#pragma once

#include <string>

#include "media/media.h"
#include "media/tlist.h"
#include "textdata/asset_root.h"

class TMyFont {
 public:
  std::string url;
  int size = 0;
  TImageFont* font = nullptr;  // null when loading failed (text then uses the default font)

  virtual ~TMyFont() = default;
  // The upper-cased url the cache compares.
  std::string key;
};

// Every font loaded so far, in loading order.
extern TList<TMyFont> FontList;

// The cached font for this file (letter case ignored) and size; loaded on first use. A failed
// load is cached as null too, so a missing file is tried once.
TImageFont* GetFont(const std::string& url, int size);
