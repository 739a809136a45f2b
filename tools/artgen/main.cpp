// artgen: writes the SVG sources of the game's generated pictures and a manifest that tells the
// build where each rendered picture goes. Usage:
//   artgen --font game/gfx/fonts/font1.ttf --out <svg folder> --manifest <file> [--only prefix]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "generators.h"

namespace {

bool WriteIfChanged(const std::filesystem::path& path, const std::string& text) {
  // Unchanged sources keep their time stamps, so only changed pictures are rendered again.
  std::ifstream in(path, std::ios::binary);
  if (in) {
    std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (old == text) return true;
  }
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  std::string font, outDir, manifest, only;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i];
    if (key == "--font") font = argv[i + 1];
    else if (key == "--out") outDir = argv[i + 1];
    else if (key == "--manifest") manifest = argv[i + 1];
    else if (key == "--only") only = argv[i + 1];
  }
  if (font.empty() || outDir.empty() || manifest.empty()) {
    std::puts("usage: artgen --font FILE --out DIR --manifest FILE [--only PREFIX]");
    return 2;
  }
  std::string error;
  auto display = artgen::GlyphSource::Open(font, error);
  if (!display) {
    std::printf("artgen: %s\n", error.c_str());
    return 1;
  }
  std::vector<artgen::Picture> all;
  auto add = [&](std::vector<artgen::Picture> more) {
    for (auto& p : more) all.push_back(std::move(p));
  };
  add(artgen::ChipPictures());
  add(artgen::BoardPictures());
  add(artgen::FramePictures());
  add(artgen::ParticlePictures());
  add(artgen::CaptionPictures(*display));
  add(artgen::GameScreenPictures());
  add(artgen::GlobalPictures());
  add(artgen::ButtonPictures());
  add(artgen::BackgroundPictures());

  std::string list;
  for (const auto& p : all) {
    if (!only.empty() && p.path.rfind(only, 0) != 0) continue;
    if (p.svg.find("<text") != std::string::npos) {
      std::printf("artgen: %s uses SVG text; letters must be drawn as outlines\n", p.path.c_str());
      return 1;
    }
    const std::string svgName = p.path.substr(0, p.path.rfind('.')) + ".svg";
    if (!WriteIfChanged(std::filesystem::path(outDir) / svgName, p.svg)) {
      std::printf("artgen: cannot write %s\n", svgName.c_str());
      return 1;
    }
    list += (std::filesystem::path(outDir) / svgName).string() + "\t" + p.path + "\t" +
            std::to_string(p.width) + "\t" + std::to_string(p.height) + "\n";
  }
  if (!WriteIfChanged(manifest, list)) {
    std::printf("artgen: cannot write %s\n", manifest.c_str());
    return 1;
  }
  return 0;
}
