// Every picture family the generator makes; each returns finished SVG documents.
#pragma once

#include <vector>

#include "glyphs.h"
#include "svg.h"

namespace artgen {

std::vector<Picture> ChipPictures();
std::vector<Picture> BoardPictures();
std::vector<Picture> FramePictures();
std::vector<Picture> ParticlePictures();
std::vector<Picture> CaptionPictures(const GlyphSource& display);
std::vector<Picture> GameScreenPictures();
std::vector<Picture> GlobalPictures();
std::vector<Picture> ButtonPictures();
std::vector<Picture> BackgroundPictures();

}  // namespace artgen
