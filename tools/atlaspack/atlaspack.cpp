// atlaspack OUT.png IN1.png IN2.png ...: packs the pictures into one texture (rows of pictures,
// tallest first, 2 px of clear space around each so filtering never bleeds a neighbour in) and
// writes the description beside it (OUT.txt): the count, then per picture five lines: name
// (the file name without extension, upper case), x, y, width, height.
#include <png.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Piece {
  std::string name;
  int w = 0, h = 0, x = 0, y = 0;
  std::vector<unsigned char> rgba;
};

bool Read(const std::string& path, Piece& piece) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_RGBA;
  piece.w = static_cast<int>(image.width);
  piece.h = static_cast<int>(image.height);
  piece.rgba.resize(PNG_IMAGE_SIZE(image));
  return png_image_finish_read(&image, nullptr, piece.rgba.data(), 0, nullptr) != 0;
}

// Shelf packing into a texture of the given width; returns the height used.
int Pack(std::vector<Piece*>& order, int width, int pad) {
  int x = pad, y = pad, shelf = 0;
  for (Piece* p : order) {
    if (x + p->w + pad > width) {
      x = pad;
      y += shelf + pad;
      shelf = 0;
    }
    p->x = x;
    p->y = y;
    x += p->w + pad;
    shelf = std::max(shelf, p->h);
  }
  return y + shelf + pad;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::puts("usage: atlaspack OUT.png IN.png...");
    return 2;
  }
  std::vector<Piece> pieces;
  for (int i = 2; i < argc; ++i) {
    Piece p;
    p.name = std::filesystem::path(argv[i]).stem().string();
    for (char& c : p.name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (!Read(argv[i], p)) {
      std::printf("atlaspack: cannot read %s\n", argv[i]);
      return 1;
    }
    pieces.push_back(std::move(p));
  }
  std::vector<Piece*> order;
  int widest = 0;
  for (Piece& p : pieces) {
    order.push_back(&p);
    widest = std::max(widest, p.w);
  }
  std::stable_sort(order.begin(), order.end(), [](const Piece* a, const Piece* b) {
    return a->h != b->h ? a->h > b->h : a->name < b->name;
  });
  const int pad = 2;
  int width = 64;
  while (width < widest + 2 * pad) width *= 2;
  int height = Pack(order, width, pad);
  // Prefer a squarer texture while the height runs far past the width.
  while (height > width * 2) {
    width *= 2;
    height = Pack(order, width, pad);
  }
  int texHeight = 1;
  while (texHeight < height) texHeight *= 2;

  std::vector<unsigned char> tex(static_cast<size_t>(width) * texHeight * 4, 0);
  for (const Piece& p : pieces) {
    for (int row = 0; row < p.h; ++row) {
      std::copy_n(&p.rgba[static_cast<size_t>(row) * p.w * 4], p.w * 4,
                  &tex[(static_cast<size_t>(p.y + row) * width + p.x) * 4]);
    }
  }
  png_image out{};
  out.version = PNG_IMAGE_VERSION;
  out.width = static_cast<png_uint_32>(width);
  out.height = static_cast<png_uint_32>(texHeight);
  out.format = PNG_FORMAT_RGBA;
  if (!png_image_write_to_file(&out, argv[1], 0, tex.data(), 0, nullptr)) {
    std::printf("atlaspack: cannot write %s\n", argv[1]);
    return 1;
  }
  std::filesystem::path desc = std::filesystem::path(argv[1]).replace_extension(".txt");
  std::ofstream txt(desc, std::ios::binary | std::ios::trunc);
  txt << pieces.size() << "\n";
  for (const Piece& p : pieces) {
    txt << p.name << "\n" << p.x << "\n" << p.y << "\n" << p.w << "\n" << p.h << "\n";
  }
  if (!txt) {
    std::printf("atlaspack: cannot write %s\n", desc.string().c_str());
    return 1;
  }
  return 0;
}
