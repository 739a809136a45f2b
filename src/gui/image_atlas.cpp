// Loading, caching and drawing of GUI pictures.
#include "gui/image_atlas.h"

#include "gui/atlas_description.h"
#include "gui/gui_strings.h"
#include "textdata/asset_root.h"
#include "textdata/split_string.h"

TList<TImgTexture> TextureList;

TImg::~TImg() {
  // Standalone pictures are each GUI's own copy; atlas pictures share the atlas texture.
  if (image) FreeImage(image);
}

int TImg::draw(float px, float py) {
  if (!tex) {
    DrawImageAt(image, px, py, 0);
    return 0;
  }
  DrawImageRect(tex->img, px, py, w, h, x, y, w, h, hx, hy, 0);
  return 0;
}

int TImgTexture::loadTex(const std::string& path, int flags) {
  // The key is set first so that a missing atlas is reported once and never tried again.
  url = ToUpperCase(path);
  if (PathKind(path) != 1) {
    GuiMessageBox("TEXTURE NOT FOUND: " + path);
    return 0;
  }
  img = LoadImageFile(path, flags);
  if (!img) GuiProblem("the atlas texture '" + path + "' cannot be decoded");
  std::string descPath = PathWithoutExtension(path) + ".txt";
  ReadStatus status = ReadStatus::Ok;
  std::string text = ReadBytesAsText(descPath, &status);
  if (status != ReadStatus::Ok) {
    GuiError("Couldn't read the atlas description '" + descPath + "'!");
    return 0;
  }
  for (const TAtlasEntry& e : ParseAtlasDescription(text)) {
    auto pic = std::make_shared<TImg>();
    pic->tex = this;
    pic->name = e.name;
    pic->x = static_cast<float>(e.x);
    pic->y = static_cast<float>(e.y);
    pic->w = static_cast<float>(e.w);
    pic->h = static_cast<float>(e.h);
    imgs.AddLast(pic);
  }
  return 0;
}

std::shared_ptr<TImg> TImgTexture::getImg(const std::string& name) {
  std::string key = ToUpperCase(TrimLowCodes(name));
  std::shared_ptr<TImg> found;
  imgs.ForEach([&](const std::shared_ptr<TImg>& p) {
    if (!found && p->name == key) found = p;
  });
  return found;
}

std::shared_ptr<TImgTexture> FindTexture(const std::string& path) {
  std::string key = ToUpperCase(path);
  std::shared_ptr<TImgTexture> found;
  TextureList.ForEach([&](const std::shared_ptr<TImgTexture>& t) {
    if (!found && t->url == key) found = t;
  });
  return found;
}

std::shared_ptr<TImg> LoadImg(const std::string& path, const std::string& name, int flags) {
  if (name.empty()) {
    auto pic = std::make_shared<TImg>();
    if (PathKind(path) != 1) {
      GuiMessageBox("NO SUCH FILE: " + path + "\n\n   (REAL PATH: " + AbsolutePath(path) + ")");
      return pic;  // no image, 0 by 0
    }
    pic->image = LoadImageFile(path, flags);
    if (!pic->image) GuiProblem("the picture '" + path + "' cannot be decoded");
    pic->w = static_cast<float>(ImageWidthOf(pic->image));
    pic->h = static_cast<float>(ImageHeightOf(pic->image));
    return pic;
  }
  std::shared_ptr<TImgTexture> atlas = FindTexture(path);
  if (!atlas) {
    atlas = std::make_shared<TImgTexture>();
    atlas->loadTex(path, flags);
    TextureList.AddLast(atlas);
  }
  std::shared_ptr<TImg> pic = atlas->getImg(name);
  if (!pic && atlas->img) GuiProblem("no picture '" + name + "' in the atlas '" + path + "'");
  return pic;
}

std::shared_ptr<TImg> GetImg(const std::string& spec, int flags) {
  std::vector<std::string> parts = SplitString(spec, "|");
  if (parts.size() >= 2) return LoadImg(parts[0], parts[1], flags);
  return LoadImg(spec, "", flags);
}

int DrawImg(TImg* img, float x, float y) {
  if (img) img->draw(x, y);
  return 0;
}

float ImgWidth(const TImg* img) {
  return img ? img->w : 0.0f;
}

float ImgHeight(const TImg* img) {
  return img ? img->h : 0.0f;
}

int MidHandleImg(TImg* img) {
  if (!img) return 0;
  img->hx = img->w / 2;
  img->hy = img->h / 2;
  if (!img->tex) CentreImageAnchor(img->image);
  return 0;
}

void ResetTextureListForTests() {
  TextureList.Clear();
}
