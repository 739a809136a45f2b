// TFTPTX: a block of text laid out word by word (left, centre, right or justified) that can be
// drawn scaled and rotated around its origin; TTPTXT is one placed word.
#pragma once

#include <string>
#include <vector>

class TTPTXT {
 public:
  std::string t;
  float x = 0, y = 0;  // top-left of the word relative to the block origin
  float odl = 0;       // distance of (x, y) from the origin
  float r = 0;         // direction of (x, y) in degrees

  virtual ~TTPTXT() = default;
  virtual int draw(float x, float y, float sx, float sy, float rotation);
  virtual int CountAngle();
};

class TFTPTX {
 public:
  using Line = std::vector<TTPTXT*>;
  enum Align { kLeft = 0, kCentre = 1, kRight = 2, kJustify = 3 };

  int align = kLeft;
  float width = 0;
  std::string txt;
  std::vector<TTPTXT> texts;
  float vy = 0;  // extra space between lines

  TFTPTX() = default;
  TFTPTX(int align, float width, const std::string& txt, float vy)
      : align(align), width(width), txt(txt), vy(vy) {}
  virtual ~TFTPTX() = default;
  TFTPTX(const TFTPTX&) = delete;  // lines point into texts
  TFTPTX& operator=(const TFTPTX&) = delete;

  // Draws every word with the current scale and rotation, turning the block around (x, y).
  virtual int draw(float x, float y);
  virtual std::vector<Line> CountText_Lines();
  virtual int CountText_Positions_Left(std::vector<Line>& lines);
  virtual int CountText_Positions_Center(std::vector<Line>& lines);
  virtual int CountText_Positions_Right(std::vector<Line>& lines);
  virtual int CountText_Positions_Justify(std::vector<Line>& lines);
  virtual int CountText_Angles();
  virtual int CountText_Positions();
  // Splits txt into words and places them with the current font; call after setting the fields.
  virtual int CountText();
  virtual std::string CountStringLineFromList(const Line& line);
  virtual std::string CountStringLineFromList_NoSpaces(const Line& line);
};

// Words of a text: every blank ends a word (so runs of blanks give empty words); a trailing
// blank gives no empty last word.
std::vector<std::string> SplitWords(const std::string& text);
