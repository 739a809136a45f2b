// Picture loading: the four formats, the mask rule, handles and sizes, pixmaps, and damaged or
// hostile files (which give null, never a crash or a huge allocation).
#include "graphics_fixture.h"
#include "media/picture_codecs.h"

#include <zlib.h>

namespace {

using testing_support::ScratchDir;
using testing_support::WriteFile;

// 3 x 2: black, red, green / blue, white, black.
const std::vector<uint32_t> kPixels = {0xFF000000u, 0xFFFF0000u, 0xFF00FF00u,
                                       0xFF0000FFu, 0xFFFFFFFFu, 0xFF000000u};

struct Format {
  const char* name;
  std::string bytes;
  bool hasAlpha;
};

std::vector<Format> Formats() {
  using namespace graphics_testing;
  std::vector<uint32_t> translucent = kPixels;
  translucent[1] = 0x80FF0000u;
  return {
      {"png-rgb", PngBytes(3, 2, kPixels, false), false},
      {"png-rgba", PngBytes(3, 2, translucent, true), true},
      {"bmp-24", Bmp24Bytes(3, 2, kPixels), false},
      {"tga-24", Tga24Bytes(3, 2, kPixels), false},
      {"tga-32", Tga32Bytes(3, 2, translucent), true},
  };
}

TEST(GraphicsPictures, EveryFormatDecodesPixelsInPlace) {
  ScratchDir dir;
  for (const auto& format : Formats()) {
    WriteFile(dir / format.name, format.bytes);
    TPixmap* pixmap = LoadPixmapFile(dir / format.name);
    ASSERT_NE(pixmap, nullptr) << format.name;
    EXPECT_EQ(PixmapWidth(pixmap), 3);
    EXPECT_EQ(PixmapHeight(pixmap), 2);
    for (int i = 0; i < 6; ++i) {
      uint32_t expected = kPixels[size_t(i)];
      if (format.hasAlpha && i == 1) expected = 0x80FF0000u;
      EXPECT_EQ(PixmapPixel(pixmap, i % 3, i / 3), expected) << format.name << " pixel " << i;
    }
    EXPECT_EQ(PixmapPixel(pixmap, 3, 0), 0u);
    EXPECT_EQ(PixmapPixel(pixmap, -1, 0), 0u);
    FreePixmap(pixmap);
  }
}

TEST(GraphicsPictures, JpegDecodesWithinCompressionError) {
  ScratchDir dir;
  std::vector<uint32_t> pixels(64 * 32, 0xFF3080C0u);
  WriteFile(dir / "p.jpg", graphics_testing::JpegBytes(64, 32, pixels, 95));
  TPixmap* pixmap = LoadPixmapFile(dir / "p.jpg");
  ASSERT_NE(pixmap, nullptr);
  EXPECT_EQ(PixmapWidth(pixmap), 64);
  EXPECT_EQ(PixmapHeight(pixmap), 32);
  EXPECT_TRUE(graphics_testing::Near(graphics_testing::ToRgb(PixmapPixel(pixmap, 10, 10)),
                                     {0x30, 0x80, 0xC0}, 4));
  FreePixmap(pixmap);
}

// Masked loading: black becomes transparent only in pictures without alpha; drawn over a blue
// background, transparent pixels show blue.
using GraphicsMasking = graphics_testing::RealScreen;

TEST_F(GraphicsMasking, BlackIsTransparentOnlyWithoutAlpha) {
  ScratchDir dir;
  struct Case {
    std::string name;
    int flags;
    bool blackShowsThrough;
  };
  std::vector<Case> cases;
  for (const auto& format : Formats()) {
    WriteFile(dir / format.name, format.bytes);
    cases.push_back({format.name, kImageDefault, !format.hasAlpha});
    cases.push_back({format.name, kImageFiltered, false});  // not masked
  }
  SetClearColour(0, 0, 255);
  ClearBackBuffer();
  SetBlendMode(kBlendAlpha);
  int y = 0;
  for (const auto& c : cases) {
    TImage* image = LoadImageFile(dir / c.name, c.flags);
    ASSERT_NE(image, nullptr) << c.name;
    EXPECT_EQ(ImageWidthOf(image), 3);
    EXPECT_EQ(ImageHeightOf(image), 2);
    DrawImageAt(image, 10, float(y));
    FreeImage(image);
    y += 4;
  }
  Show();
  y = 0;
  for (const auto& c : cases) {
    const graphics_testing::Rgb black =
        c.blackShowsThrough ? graphics_testing::Rgb{0, 0, 255} : graphics_testing::Rgb{0, 0, 0};
    EXPECT_TRUE(graphics_testing::Near(At(10, y), black)) << c.name << " flags " << c.flags;
    EXPECT_TRUE(graphics_testing::Near(At(12, y), {0, 255, 0})) << c.name;
    y += 4;
  }
}

TEST(GraphicsPictures, NullPicturesAreHarmlessEverywhere) {
  testing_support::MediaScope media;
  EXPECT_EQ(LoadImageFile("no/such/picture.png"), nullptr);
  EXPECT_EQ(ImageWidthOf(nullptr), 0);
  EXPECT_EQ(ImageHeightOf(nullptr), 0);
  SetImageAnchor(nullptr, 3, 4);
  CentreImageAnchor(nullptr);
  EXPECT_EQ(ImageAnchorX(nullptr), 0);
  EXPECT_EQ(ImageAnchorY(nullptr), 0);
  DrawImageAt(nullptr, 1, 2);
  DrawImageRect(nullptr, 1, 2, 3, 4, 0, 0, 1, 1, 0, 0);
  EXPECT_TRUE(RecordedDraws().empty());
  EXPECT_TRUE(CollideImageAt(nullptr, 0, 0, 0, 1, 1, 5).empty());
  FreeImage(nullptr);
  EXPECT_EQ(PixmapPixel(nullptr, 0, 0), 0u);
  EXPECT_EQ(PixmapWidth(nullptr), 0);
  FreePixmap(nullptr);
}

TEST(GraphicsPictures, CentredAnchorTruncatesHalfTheSize) {
  TImage* image = CreateImageFromPixels(5, 3, std::vector<uint32_t>(15, 0xFFFFFFFFu));
  ASSERT_NE(image, nullptr);
  CentreImageAnchor(image);
  EXPECT_EQ(ImageAnchorX(image), 2);
  EXPECT_EQ(ImageAnchorY(image), 1);
  SetImageAnchor(image, 0.5f, 7);
  EXPECT_EQ(ImageAnchorX(image), 0.5f);
  FreeImage(image);
}

std::string PngWithSize(uint32_t width, uint32_t height) {
  // A real PNG whose header is rewritten (with a fresh CRC) to claim another size.
  std::string png = graphics_testing::PngBytes(3, 2, kPixels, false);
  auto put = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) png[at + size_t(i)] = char((v >> (24 - 8 * i)) & 0xFF);
  };
  put(16, width);
  put(20, height);
  uLong crc = crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17);
  put(29, uint32_t(crc));
  return png;
}

TEST(GraphicsPictures, DamagedAndHostileFilesGiveNull) {
  using namespace graphics_testing;
  std::vector<uint32_t> big(40 * 30);
  for (size_t i = 0; i < big.size(); ++i) big[i] = 0xFF000000u | uint32_t(i * 2654435761u);
  std::vector<std::pair<std::string, std::string>> bad = {
      {"empty", ""},
      {"garbage", std::string(500, '\x5A')},
      {"png-huge", PngWithSize(20000, 20000)},
      {"png-claims-more-than-it-holds", PngWithSize(8000, 8000)},
      {"png-zero", PngWithSize(0, 5)},
  };
  const std::pair<std::string, std::string> whole[] = {
      {"png", PngBytes(40, 30, big, true)},
      {"jpeg", JpegBytes(40, 30, big, 90)},
      {"bmp", Bmp24Bytes(40, 30, big)},
      {"tga", Tga24Bytes(40, 30, big)},
  };
  for (const auto& [name, bytes] : whole)
    for (size_t cut : {bytes.size() / 3, bytes.size() / 2, bytes.size() - 5})
      bad.push_back({name + "-cut-" + std::to_string(cut), bytes.substr(0, cut)});
  std::string bmpHuge = Bmp24Bytes(3, 2, kPixels);
  bmpHuge[18] = '\x01';  // width 16385 and more
  bmpHuge[19] = '\x40';
  bad.push_back({"bmp-huge", bmpHuge});
  std::string tgaHuge = Tga24Bytes(3, 2, kPixels);
  tgaHuge[12] = tgaHuge[13] = tgaHuge[14] = tgaHuge[15] = '\xFF';
  bad.push_back({"tga-huge", tgaHuge});
  std::string jpegHuge = JpegBytes(8, 8, std::vector<uint32_t>(64, 0xFF808080u), 50);
  for (size_t i = 0; i + 8 < jpegHuge.size(); ++i)
    if (uint8_t(jpegHuge[i]) == 0xFF && uint8_t(jpegHuge[i + 1]) == 0xC0) {
      jpegHuge[i + 5] = jpegHuge[i + 6] = jpegHuge[i + 7] = jpegHuge[i + 8] = '\x7F';
      break;
    }
  bad.push_back({"jpeg-huge", jpegHuge});

  ScratchDir dir;
  for (const auto& [name, bytes] : bad) {
    WriteFile(dir / name, bytes);
    EXPECT_EQ(LoadImageFile(dir / name), nullptr) << name;
    EXPECT_EQ(LoadPixmapFile(dir / name), nullptr) << name;
  }
  // The originals themselves load.
  for (const auto& [name, bytes] : whole) {
    WriteFile(dir / name, bytes);
    TImage* image = LoadImageFile(dir / name);
    EXPECT_NE(image, nullptr) << name;
    EXPECT_EQ(ImageWidthOf(image), 40);
    FreeImage(image);
  }
}

TEST(GraphicsPictures, PictureSizeLimit) {
  std::string error;
  EXPECT_TRUE(media_internal::PictureSizeAllowed(16384, 4096, error));
  EXPECT_FALSE(media_internal::PictureSizeAllowed(16385, 1, error));
  EXPECT_FALSE(media_internal::PictureSizeAllowed(1, 16385, error));
  EXPECT_FALSE(media_internal::PictureSizeAllowed(16384, 16384, error));  // too many pixels
  EXPECT_FALSE(media_internal::PictureSizeAllowed(0, 10, error));
  EXPECT_EQ(CreateImageFromPixels(20000, 1, std::vector<uint32_t>(20000)), nullptr);
  EXPECT_EQ(CreateImageFromPixels(4, 4, std::vector<uint32_t>(3)), nullptr);
}

}  // namespace
