// GUI pictures: a standalone image file or a named rectangle of an atlas texture, and the cache of
// atlases (each atlas file is loaded once for the whole run, keyed by its path as written).
#pragma once

#include <memory>
#include <string>

#include "media/media.h"

class TImgTexture;

class TImg {
 public:
  TImgTexture* tex = nullptr;  // the atlas this picture belongs to; none for a standalone image
  TImage* image = nullptr;     // the standalone image; none for an atlas picture
  std::string name;            // upper-case name inside the atlas
  float x = 0, y = 0;          // top-left corner inside the atlas texture
  float w = 0, h = 0;
  float hx = 0, hy = 0;  // drawing handle

  TImg() = default;
  TImg(const TImg&) = delete;
  TImg& operator=(const TImg&) = delete;
  virtual ~TImg();
  virtual int draw(float x, float y);
};

class TImgTexture {
 public:
  TList<TImg> imgs;
  TImage* img = nullptr;
  std::string url;  // the texture path upper-cased: the cache key

  virtual ~TImgTexture() = default;
  virtual int loadTex(const std::string& path, int flags);
  virtual std::shared_ptr<TImg> getImg(const std::string& name);
};

// Every atlas loaded so far, in load order; failed loads stay in it so they are not retried.
extern TList<TImgTexture> TextureList;

std::shared_ptr<TImg> GetImg(const std::string& spec, int flags);
std::shared_ptr<TImg> LoadImg(const std::string& path, const std::string& name, int flags);
std::shared_ptr<TImgTexture> FindTexture(const std::string& path);
int DrawImg(TImg* img, float x, float y);
float ImgWidth(const TImg* img);
float ImgHeight(const TImg* img);
int MidHandleImg(TImg* img);

// Forgets every cached atlas; only for tests that restart the media layer.
void ResetTextureListForTests();
