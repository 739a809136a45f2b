#include "textdata/text_layout.h"

#include <cmath>

#include "media/media.h"
#include "textdata/numbers.h"

namespace {

constexpr float kDegrees = 57.29577951308232f;

// Places the words of a line from startX, each after the previous word and one blank.
void PlaceFrom(TFTPTX::Line& line, float startX, float y) {
  float x = startX;
  const TTPTXT* previous = nullptr;
  for (TTPTXT* word : line) {
    if (previous) x = x + static_cast<float>(TextWidthOf(previous->t + " "));
    word->x = x;
    word->y = y;
    previous = word;
  }
}

float NextLineY(float y, float vy) {
  return static_cast<float>(TruncToInt(static_cast<float>(FontLineHeight()) + vy + y));
}

}  // namespace

std::vector<std::string> SplitWords(const std::string& text) {
  std::vector<std::string> words;
  std::string current;
  for (char c : text) {
    if (c == ' ') {
      words.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) words.push_back(std::move(current));
  return words;
}

int TTPTXT::draw(float bx, float by, float sx, float sy, float rotation) {
  if (rotation == 0) {
    DrawTextAt(t, bx + x * sx, by + y * sy);
  } else {
    const float angle = (rotation + r) / kDegrees;
    DrawTextAt(t, bx + std::cos(angle) * odl * sx, by + std::sin(angle) * odl * sy);
  }
  return 0;
}

int TTPTXT::CountAngle() {
  odl = std::sqrt(x * x + y * y);
  r = std::atan2(y, x) * kDegrees;
  return 0;
}

std::string TFTPTX::CountStringLineFromList(const Line& line) {
  std::string out;
  for (size_t i = 0; i < line.size(); ++i) {
    if (i > 0) out += ' ';
    out += line[i]->t;
  }
  return out;
}

std::string TFTPTX::CountStringLineFromList_NoSpaces(const Line& line) {
  std::string out;
  for (const TTPTXT* word : line) out += word->t;
  return out;
}

std::vector<TFTPTX::Line> TFTPTX::CountText_Lines() {
  std::vector<Line> lines;
  for (TTPTXT& word : texts) {
    if (lines.empty()) {
      lines.push_back({&word});
      continue;
    }
    Line& current = lines.back();
    if (static_cast<float>(TextWidthOf(CountStringLineFromList(current) + " " + word.t)) > width) {
      lines.push_back({&word});
    } else {
      current.push_back(&word);
    }
  }
  return lines;
}

int TFTPTX::CountText_Positions_Left(std::vector<Line>& lines) {
  float y = 0;
  for (Line& line : lines) {
    PlaceFrom(line, 0, y);
    y = NextLineY(y, vy);
  }
  return 0;
}

int TFTPTX::CountText_Positions_Center(std::vector<Line>& lines) {
  float y = 0;
  for (Line& line : lines) {
    const int lineWidth = TextWidthOf(CountStringLineFromList(line));
    PlaceFrom(line, static_cast<float>(TruncToInt(width / 2 - static_cast<float>(lineWidth / 2))),
              y);
    y = NextLineY(y, vy);
  }
  return 0;
}

int TFTPTX::CountText_Positions_Right(std::vector<Line>& lines) {
  float y = 0;
  for (Line& line : lines) {
    const int lineWidth = TextWidthOf(CountStringLineFromList(line));
    PlaceFrom(line, static_cast<float>(TruncToInt(width - static_cast<float>(lineWidth))), y);
    y = NextLineY(y, vy);
  }
  return 0;
}

int TFTPTX::CountText_Positions_Justify(std::vector<Line>& lines) {
  float y = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    Line& line = lines[i];
    const float wordsWidth =
        static_cast<float>(TextWidthOf(CountStringLineFromList_NoSpaces(line)));
    float gap = (width - wordsWidth) / static_cast<float>(line.size());
    // A last line that is not nearly full keeps ordinary blanks instead of being spread.
    if (i + 1 == lines.size() && wordsWidth < width * 0.75f) {
      gap = static_cast<float>(TextWidthOf(" "));
    }
    float x = 0;
    const TTPTXT* previous = nullptr;
    for (TTPTXT* word : line) {
      if (previous) {
        x = static_cast<float>(TruncToInt(x + static_cast<float>(TextWidthOf(previous->t)) + gap));
      }
      word->x = x;
      word->y = y;
      previous = word;
    }
    y = NextLineY(y, vy);
  }
  return 0;
}

int TFTPTX::CountText_Angles() {
  for (TTPTXT& word : texts) word.CountAngle();
  return 0;
}

int TFTPTX::CountText_Positions() {
  if (width <= 0) return 0;
  std::vector<Line> lines = CountText_Lines();
  switch (align) {
    case kCentre:
      CountText_Positions_Center(lines);
      break;
    case kRight:
      CountText_Positions_Right(lines);
      break;
    case kJustify:
      CountText_Positions_Justify(lines);
      break;
    default:
      CountText_Positions_Left(lines);
      break;
  }
  CountText_Angles();
  return 0;
}

int TFTPTX::CountText() {
  texts.clear();
  if (txt.empty()) return 0;
  for (std::string& word : SplitWords(txt)) {
    TTPTXT placed;
    placed.t = std::move(word);
    texts.push_back(std::move(placed));
  }
  return CountText_Positions();
}

int TFTPTX::draw(float x, float y) {
  float sx = 1, sy = 1;
  GetDrawScale(sx, sy);
  const float rotation = GetDrawRotation();
  for (TTPTXT& word : texts) word.draw(x, y, sx, sy, rotation);
  return 0;
}
