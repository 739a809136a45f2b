#include "gui/screen_descriptor.h"

#include "media/media.h"
#include "textdata/asset_root.h"
#include "textdata/txt_file.h"

std::string ScreenAssetPath(const char* relative) {
  return WithLanguage(AssetRoot + relative);
}

std::string TScreenDescriptor::GuiPath() const {
  return gui ? ScreenAssetPath(gui) : std::string();
}

const TScreenPicture* TScreenDescriptor::FindPicture(const std::string& key) const {
  for (const TScreenPicture& p : pictures)
    if (key == p.key) return &p;
  return nullptr;
}

TImage* LoadScreenPicture(const TScreenDescriptor& screen, const std::string& key) {
  const TScreenPicture* picture = screen.FindPicture(key);
  if (!picture) {
    PrintLine(std::string("The screen ") + screen.name + " has no picture named " + key);
    return nullptr;
  }
  return LoadImageFile(ScreenAssetPath(picture->path), picture->flags);
}
