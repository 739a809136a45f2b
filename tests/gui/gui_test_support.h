// Fixtures of the GUI tests: the null media back end, a scratch folder to write .gui files,
// pictures and scripts into, the mouse under test control, and the GUI reports collected.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <zlib.h>

#include "app/frame_timing.h"
#include "gui/gui.h"
#include "gui/gui_strings.h"
#include "gui/image_atlas.h"
#include "test_support.h"

namespace gui_testing {

// Writes a PNG file of w x h pixels, all of one 0xAARRGGBB colour.
inline void WritePng(const std::string& path, int w, int h, uint32_t argb = 0xFFFFFFFFu);

class GuiTest : public ::testing::Test {
 protected:
  GuiTest();
  ~GuiTest() override;

  // Writes text as name inside the scratch folder and loads it.
  std::unique_ptr<TGui> LoadText(const std::string& text, const std::string& name = "t.gui");
  std::string Path(const std::string& name) const { return dir_ / name; }
  void Write(const std::string& name, const std::string& bytes);
  // One frame of the pointer: position and the left button's state, then gui.update().
  void Frame(TGui& gui, float x, float y, int held = 0, int pressed = 0);

  testing_support::MediaScope media_;
  testing_support::ScratchDir dir_;
  std::vector<std::string> problems_;
  std::unique_ptr<GuiProblemCollector> collect_;
  TMouse* savedMouse_ = nullptr;
  TMouse mouse_;
};

namespace detail {

inline void PutBE32(std::string& out, uint32_t v) {
  out += static_cast<char>(v >> 24);
  out += static_cast<char>(v >> 16);
  out += static_cast<char>(v >> 8);
  out += static_cast<char>(v);
}

inline void Chunk(std::string& out, const char* type, const std::string& data) {
  PutBE32(out, static_cast<uint32_t>(data.size()));
  std::string body = std::string(type, 4) + data;
  out += body;
  PutBE32(out, static_cast<uint32_t>(
                   crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size())));
}

}  // namespace detail

inline void WritePng(const std::string& path, int w, int h, uint32_t argb) {
  std::string raw;
  for (int y = 0; y < h; ++y) {
    raw += '\0';
    for (int x = 0; x < w; ++x) {
      raw += static_cast<char>(argb >> 16);
      raw += static_cast<char>(argb >> 8);
      raw += static_cast<char>(argb);
      raw += static_cast<char>(argb >> 24);
    }
  }
  uLongf size = compressBound(raw.size());
  std::string packed(size, '\0');
  compress(reinterpret_cast<Bytef*>(packed.data()), &size,
           reinterpret_cast<const Bytef*>(raw.data()), raw.size());
  packed.resize(size);
  std::string ihdr;
  detail::PutBE32(ihdr, static_cast<uint32_t>(w));
  detail::PutBE32(ihdr, static_cast<uint32_t>(h));
  ihdr += std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA
  std::string png = "\x89PNG\r\n\x1a\n";
  detail::Chunk(png, "IHDR", ihdr);
  detail::Chunk(png, "IDAT", packed);
  detail::Chunk(png, "IEND", "");
  testing_support::WriteFile(path, png);
}

inline GuiTest::GuiTest() {
  ResetTextureListForTests();
  savedMouse_ = Mouse;
  Mouse = &mouse_;
  FrameDelta = 1;
  collect_ = std::make_unique<GuiProblemCollector>(problems_);
}

inline GuiTest::~GuiTest() {
  collect_.reset();
  Mouse = savedMouse_;
  ResetTextureListForTests();
}

inline std::unique_ptr<TGui> GuiTest::LoadText(const std::string& text, const std::string& name) {
  Write(name, text);
  return std::unique_ptr<TGui>(LoadGui(Path(name)));
}

inline void GuiTest::Write(const std::string& name, const std::string& bytes) {
  testing_support::WriteFile(Path(name), bytes);
}

inline void GuiTest::Frame(TGui& gui, float x, float y, int held, int pressed) {
  mouse_.x = x;
  mouse_.y = y;
  mouse_.leftHolded = held;
  mouse_.leftPressed = pressed;
  gui.update();
}

}  // namespace gui_testing
