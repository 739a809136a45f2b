// Pictures: loading with the mask, filter and mipmap flags, handles and sizes. Every operation
// takes a null picture quietly.
#include <cmath>

#include "media/files.h"
#include "media/graphics.h"
#include "media/picture_codecs.h"
#include "media/picture_types.h"
#include "media/system.h"

namespace media_internal {

GpuTexture::~GpuTexture() {
  if (glName) Video().ReleaseTexture(*this);
}

namespace {

int EffectiveFlags(int flags) {
  return flags < 0 ? (kImageFiltered | kImageMasked) : flags;
}

std::shared_ptr<GpuTexture> MakeTexture(DecodedPicture& picture, int flags) {
  flags = EffectiveFlags(flags);
  if ((flags & kImageMasked) && !picture.hasAlpha) {
    // The mask colour is black: exactly (0, 0, 0) becomes transparent, all else opaque.
    auto& p = picture.rgba;
    for (size_t i = 0; i + 3 < p.size(); i += 4)
      p[i + 3] = (p[i] | p[i + 1] | p[i + 2]) ? 0xFF : 0x00;
  }
  auto texture = std::make_shared<GpuTexture>();
  texture->width = picture.width;
  texture->height = picture.height;
  texture->rgba = std::move(picture.rgba);
  texture->filtered = (flags & kImageFiltered) != 0;
  texture->mipmapped = (flags & kImageMipmapped) != 0;
  return texture;
}

TImage* WrapTexture(std::shared_ptr<GpuTexture> texture, int flags) {
  auto* image = new TImage;
  image->texture = std::move(texture);
  image->flags = EffectiveFlags(flags);
  return image;
}

}  // namespace

std::shared_ptr<GpuTexture> LoadTextureFile(const std::string& path, int flags,
                                            std::string& error) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) {
    error = "file not found";
    return nullptr;
  }
  DecodedPicture picture;
  if (!DecodePicture(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), picture, error))
    return nullptr;
  return MakeTexture(picture, flags);
}

GpuTexture* WhiteTexture() {
  static GpuTexture* white = [] {
    auto* t = new GpuTexture;  // lives for the whole process, like the GL objects behind it
    t->width = t->height = 1;
    t->rgba = {0xFF, 0xFF, 0xFF, 0xFF};
    t->filtered = false;
    return t;
  }();
  return white;
}

}  // namespace media_internal

TImage* LoadImageFile(const std::string& path, int flags) {
  std::string error;
  auto texture = media_internal::LoadTextureFile(path, flags, error);
  if (!texture) {
    PrintLine("Cannot load picture " + path + ": " + error);
    return nullptr;
  }
  return media_internal::WrapTexture(std::move(texture), flags);
}

TImage* CreateImageFromPixels(int width, int height, const std::vector<uint32_t>& argb, int flags) {
  std::string error;
  if (!media_internal::PictureSizeAllowed(width, height, error) ||
      argb.size() < size_t(width) * size_t(height)) {
    PrintLine("Cannot create picture: " + (error.empty() ? "too few pixels" : error));
    return nullptr;
  }
  media_internal::DecodedPicture picture;
  picture.width = width;
  picture.height = height;
  picture.hasAlpha = true;  // 32-bit pixels carry their alpha
  picture.rgba.resize(size_t(width) * size_t(height) * 4);
  for (size_t i = 0; i < size_t(width) * size_t(height); ++i) {
    const uint32_t p = argb[i];
    picture.rgba[i * 4] = static_cast<uint8_t>(p >> 16);
    picture.rgba[i * 4 + 1] = static_cast<uint8_t>(p >> 8);
    picture.rgba[i * 4 + 2] = static_cast<uint8_t>(p);
    picture.rgba[i * 4 + 3] = static_cast<uint8_t>(p >> 24);
  }
  return media_internal::WrapTexture(media_internal::MakeTexture(picture, flags), flags);
}

void FreeImage(TImage* image) {
  delete image;
}

void SetImageAnchor(TImage* image, float hx, float hy) {
  if (!image) return;
  image->handleX = hx;
  image->handleY = hy;
}

void CentreImageAnchor(TImage* image) {
  if (!image) return;
  image->handleX = std::trunc(static_cast<float>(image->width()) * 0.5f);
  image->handleY = std::trunc(static_cast<float>(image->height()) * 0.5f);
}

float ImageAnchorX(TImage* image) {
  return image ? image->handleX : 0;
}

float ImageAnchorY(TImage* image) {
  return image ? image->handleY : 0;
}

int ImageWidthOf(TImage* image) {
  return image ? image->width() : 0;
}

int ImageHeightOf(TImage* image) {
  return image ? image->height() : 0;
}

TPixmap* LoadPixmapFile(const std::string& path) {
  std::string bytes, error;
  media_internal::DecodedPicture picture;
  if (!ReadFileBytes(path, bytes)) {
    error = "file not found";
  } else if (media_internal::DecodePicture(reinterpret_cast<const uint8_t*>(bytes.data()),
                                           bytes.size(), picture, error)) {
    auto* pixmap = new TPixmap;
    pixmap->width = picture.width;
    pixmap->height = picture.height;
    pixmap->argb.resize(size_t(picture.width) * size_t(picture.height));
    for (size_t i = 0; i < pixmap->argb.size(); ++i) {
      const uint8_t* p = &picture.rgba[i * 4];
      pixmap->argb[i] = uint32_t{p[3]} << 24 | uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
    }
    return pixmap;
  }
  PrintLine("Cannot load picture " + path + ": " + error);
  return nullptr;
}

void FreePixmap(TPixmap* pixmap) {
  delete pixmap;
}

int PixmapWidth(TPixmap* pixmap) {
  return pixmap ? pixmap->width : 0;
}

int PixmapHeight(TPixmap* pixmap) {
  return pixmap ? pixmap->height : 0;
}

uint32_t PixmapPixel(TPixmap* pixmap, int x, int y) {
  if (!pixmap || x < 0 || y < 0 || x >= pixmap->width || y >= pixmap->height) return 0;
  return pixmap->argb[size_t(y) * size_t(pixmap->width) + size_t(x)];
}
