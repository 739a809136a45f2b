// png2jpeg IN.png OUT.jpg [quality]: writes a baseline JPEG of an opaque picture. The game loads
// JPEGs "masked", so every pixel that decodes to exactly (0, 0, 0) would become a hole: the
// picture is lifted to a floor of dark grey and the written file is decoded again to prove that
// no pure black pixel is left (the floor rises until none is).
// jpeglib.h needs size_t and FILE declared before it.
#include <cstdio>

#include <jpeglib.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool ReadPng(const char* path, std::vector<unsigned char>& rgb, int& w, int& h) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path)) return false;
  image.format = PNG_FORMAT_RGB;  // any alpha is composed over black, as the JPEG has none
  w = static_cast<int>(image.width);
  h = static_cast<int>(image.height);
  rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return false;
  return true;
}

std::vector<unsigned char> Encode(const std::vector<unsigned char>& rgb, int w, int h,
                                  int quality) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(w);
  cinfo.image_height = static_cast<JDIMENSION>(h);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  cinfo.optimize_coding = TRUE;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(&rgb[cinfo.next_scanline * w * 3]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<unsigned char> out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

// Number of pixels that decode to exactly (0, 0, 0).
long CountBlack(const std::vector<unsigned char>& jpeg) {
  jpeg_decompress_struct dinfo{};
  jpeg_error_mgr jerr{};
  dinfo.err = jpeg_std_error(&jerr);
  jpeg_create_decompress(&dinfo);
  jpeg_mem_src(&dinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&dinfo, TRUE);
  dinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&dinfo);
  std::vector<unsigned char> row(dinfo.output_width * 3);
  long black = 0;
  while (dinfo.output_scanline < dinfo.output_height) {
    JSAMPROW p = row.data();
    jpeg_read_scanlines(&dinfo, &p, 1);
    for (size_t x = 0; x < dinfo.output_width; ++x) {
      if (row[x * 3] == 0 && row[x * 3 + 1] == 0 && row[x * 3 + 2] == 0) ++black;
    }
  }
  jpeg_finish_decompress(&dinfo);
  jpeg_destroy_decompress(&dinfo);
  return black;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::puts("usage: png2jpeg IN.png OUT.jpg [quality]");
    return 2;
  }
  const int quality = argc > 3 ? std::atoi(argv[3]) : 90;
  std::vector<unsigned char> rgb;
  int w = 0, h = 0;
  if (!ReadPng(argv[1], rgb, w, h)) {
    std::printf("png2jpeg: cannot read %s\n", argv[1]);
    return 1;
  }
  for (int floor = 1; floor <= 32; floor *= 2) {
    std::vector<unsigned char> lifted = rgb;
    for (unsigned char& c : lifted) {
      if (c < floor) c = static_cast<unsigned char>(floor);
    }
    const std::vector<unsigned char> jpeg = Encode(lifted, w, h, quality);
    if (CountBlack(jpeg) != 0) continue;
    std::FILE* f = std::fopen(argv[2], "wb");
    if (!f || std::fwrite(jpeg.data(), 1, jpeg.size(), f) != jpeg.size()) {
      std::printf("png2jpeg: cannot write %s\n", argv[2]);
      if (f) std::fclose(f);
      return 1;
    }
    std::fclose(f);
    return 0;
  }
  std::printf("png2jpeg: %s keeps decoding to pure black pixels\n", argv[1]);
  return 1;
}
