// The board frame around exactly the filled cells of any outline, built from straight pieces,
// outer corners and inner corners, and the layered drawing of the board.
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/tile.h"
#include "media/media.h"

namespace {

void PlainState(float alpha) {
  SetDrawColour(255, 255, 255);
  SetDrawAlpha(alpha);
  SetDrawRotation(0);
  SetBlendMode(kBlendAlpha);
  SetDrawScale(1, 1);
}

// A 24-pixel strip of a piece with the piece's own handle. Rows for the left and right pieces,
// columns for the up and down pieces; `second` picks the strip from 24 on.
void DrawHalf(TImage* img, float x, float y, bool rows, bool second) {
  if (!img) return;
  float w = static_cast<float>(ImageWidthOf(img)), h = static_cast<float>(ImageHeightOf(img));
  float sx = 0, sy = 0, sw = w, sh = h;
  if (rows) {
    sy = second ? 24 : 0;
    sh = 24;
  } else {
    sx = second ? 24 : 0;
    sw = 24;
  }
  DrawImageRect(img, x, y, sw, sh, sx, sy, sw, sh, ImageAnchorX(img), ImageAnchorY(img));
}

struct PieceSpec {
  const char* file;
  float hx, hy;
};

}  // namespace

int TMainGame::_setupFrames(const std::string& assetRoot) {
  static const PieceSpec kStraight[4] = {{"gfx/frame/frame_left_from_tile.png", -7, 24},
                                         {"gfx/frame/frame_up_from_tile.png", 24, -7},
                                         {"gfx/frame/frame_right_from_tile.png", 26, 24},
                                         {"gfx/frame/frame_down_from_tile.png", 24, 26}};
  static const PieceSpec kOuter[4] = {{"gfx/frame/outer_frame_left_up.png", -7, -7},
                                      {"gfx/frame/outer_frame_right_up.png", 24, -7},
                                      {"gfx/frame/outer_frame_right_down.png", 24, 24},
                                      {"gfx/frame/outer_frame_left_down.png", -7, 24}};
  static const PieceSpec kInner[4] = {{"gfx/frame/inner_frame_left_up.png", 26, 26},
                                      {"gfx/frame/inner_frame_right_up.png", 0, 26},
                                      {"gfx/frame/inner_frame_right_down.png", 0, 0},
                                      {"gfx/frame/inner_frame_left_down.png", 26, 0}};
  for (int i = 0; i < 4; ++i) {
    frameImg[i] = LoadImageFile(assetRoot + kStraight[i].file);
    SetImageAnchor(frameImg[i], kStraight[i].hx, kStraight[i].hy);
    frameOuter[i] = LoadImageFile(assetRoot + kOuter[i].file);
    SetImageAnchor(frameOuter[i], kOuter[i].hx, kOuter[i].hy);
    frameInner[i] = LoadImageFile(assetRoot + kInner[i].file);
    SetImageAnchor(frameInner[i], kInner[i].hx, kInner[i].hy);
  }
  return 0;
}

int TMainGame::isTileInnerFrame_LeftUp(int r, int c) {
  return isNotTileEmpty(r, c - 1) && isNotTileEmpty(r - 1, c);
}
int TMainGame::isTileInnerFrame_RightUp(int r, int c) {
  return isNotTileEmpty(r, c + 1) && isNotTileEmpty(r - 1, c);
}
int TMainGame::isTileInnerFrame_LeftDown(int r, int c) {
  return isNotTileEmpty(r, c - 1) && isNotTileEmpty(r + 1, c);
}
int TMainGame::isTileInnerFrame_RightDown(int r, int c) {
  return isNotTileEmpty(r, c + 1) && isNotTileEmpty(r + 1, c);
}

// Each straight edge asks whether the empty neighbour E across it is the inside of a concave
// corner at either end of the side; those ends are covered by the inner corner pieces.
int TMainGame::_drawFrameLeft(const TTilePtr& t, int r, int c) {
  if (isTileEmpty(r, c) || isNotTileEmpty(r, c - 1)) return 0;
  bool first = isTileInnerFrame_RightUp(r, c - 1);
  bool second = isTileInnerFrame_RightDown(r, c - 1);
  float x = static_cast<float>(t->drawX - 48), y = static_cast<float>(t->drawY);
  if (!first && !second) DrawImageAt(frameImg[0], x, y);
  if (first && !second) DrawHalf(frameImg[0], x, y + 24, true, true);
  if (!first && second) DrawHalf(frameImg[0], x, y, true, false);
  return 0;
}

int TMainGame::_drawFrameRight(const TTilePtr& t, int r, int c) {
  if (isTileEmpty(r, c) || isNotTileEmpty(r, c + 1)) return 0;
  bool first = isTileInnerFrame_LeftUp(r, c + 1);
  bool second = isTileInnerFrame_LeftDown(r, c + 1);
  float x = static_cast<float>(t->drawX + 48), y = static_cast<float>(t->drawY);
  if (!first && !second) DrawImageAt(frameImg[2], x, y);
  if (first && !second) DrawHalf(frameImg[2], x, y + 24, true, true);
  if (!first && second) DrawHalf(frameImg[2], x, y, true, false);
  return 0;
}

int TMainGame::_drawFrameUp(const TTilePtr& t, int r, int c) {
  if (isTileEmpty(r, c) || isNotTileEmpty(r - 1, c)) return 0;
  bool first = isTileInnerFrame_LeftDown(r - 1, c);
  bool second = isTileInnerFrame_RightDown(r - 1, c);
  float x = static_cast<float>(t->drawX), y = static_cast<float>(t->drawY - 48);
  if (!first && !second) DrawImageAt(frameImg[1], x, y);
  if (first && !second) DrawHalf(frameImg[1], x + 24, y, false, true);
  if (!first && second) DrawHalf(frameImg[1], x, y, false, false);
  return 0;
}

int TMainGame::_drawFrameDown(const TTilePtr& t, int r, int c) {
  if (isTileEmpty(r, c) || isNotTileEmpty(r + 1, c)) return 0;
  bool first = isTileInnerFrame_LeftUp(r + 1, c);
  bool second = isTileInnerFrame_RightUp(r + 1, c);
  float x = static_cast<float>(t->drawX), y = static_cast<float>(t->drawY + 48);
  if (!first && !second) DrawImageAt(frameImg[3], x, y);
  if (first && !second) DrawHalf(frameImg[3], x + 24, y, false, true);
  if (!first && second) DrawHalf(frameImg[3], x, y, false, false);
  return 0;
}

int TMainGame::_drawFrameOuter_LeftUp(const TTilePtr& t, int r, int c) {
  if (isTileEmpty(r, c)) return 0;
  if (isTileEmpty(r - 1, c - 1) && isTileEmpty(r - 1, c) && isTileEmpty(r, c - 1))
    DrawImageAt(frameOuter[0], static_cast<float>(t->drawX - 48),
                static_cast<float>(t->drawY - 48));
  return 0;
}

int TMainGame::_drawFrameOuter_RightUp(const TTilePtr& t, int r, int c) {
  if (isTileEmpty(r, c)) return 0;
  if (isTileEmpty(r - 1, c) && isTileEmpty(r - 1, c + 1) && isTileEmpty(r, c + 1))
    DrawImageAt(frameOuter[1], static_cast<float>(t->drawX + 48),
                static_cast<float>(t->drawY - 48));
  return 0;
}

int TMainGame::_drawFrameOuter_LeftDown(const TTilePtr& t, int r, int c) {
  if (isTileEmpty(r, c)) return 0;
  if (isTileEmpty(r, c - 1) && isTileEmpty(r + 1, c - 1) && isTileEmpty(r + 1, c))
    DrawImageAt(frameOuter[3], static_cast<float>(t->drawX - 48),
                static_cast<float>(t->drawY + 48));
  return 0;
}

int TMainGame::_drawFrameOuter_RightDown(const TTilePtr& t, int r, int c) {
  if (isTileEmpty(r, c)) return 0;
  if (isTileEmpty(r, c + 1) && isTileEmpty(r + 1, c) && isTileEmpty(r + 1, c + 1))
    DrawImageAt(frameOuter[2], static_cast<float>(t->drawX + 48),
                static_cast<float>(t->drawY + 48));
  return 0;
}

int TMainGame::_drawFrameInner_LeftUp(const TTilePtr& t, int r, int c) {
  if (t->id == kTileHole && isTileInnerFrame_LeftUp(r, c))
    DrawImageAt(frameInner[0], static_cast<float>(t->drawX), static_cast<float>(t->drawY));
  return 0;
}

int TMainGame::_drawFrameInner_RightUp(const TTilePtr& t, int r, int c) {
  if (t->id == kTileHole && isTileInnerFrame_RightUp(r, c))
    DrawImageAt(frameInner[1], static_cast<float>(t->drawX), static_cast<float>(t->drawY));
  return 0;
}

int TMainGame::_drawFrameInner_RightDown(const TTilePtr& t, int r, int c) {
  if (t->id == kTileHole && isTileInnerFrame_RightDown(r, c))
    DrawImageAt(frameInner[2], static_cast<float>(t->drawX), static_cast<float>(t->drawY));
  return 0;
}

int TMainGame::_drawFrameInner_LeftDown(const TTilePtr& t, int r, int c) {
  if (t->id == kTileHole && isTileInnerFrame_LeftDown(r, c))
    DrawImageAt(frameInner[3], static_cast<float>(t->drawX), static_cast<float>(t->drawY));
  return 0;
}

int TMainGame::_drawFrameParts(const TTilePtr& t, int r, int c) {
  _drawFrameLeft(t, r, c);
  _drawFrameUp(t, r, c);
  _drawFrameRight(t, r, c);
  _drawFrameDown(t, r, c);
  _drawFrameOuter_LeftUp(t, r, c);
  _drawFrameOuter_RightUp(t, r, c);
  _drawFrameOuter_LeftDown(t, r, c);
  _drawFrameOuter_RightDown(t, r, c);
  return 0;
}

int TMainGame::_drawFrame() {
  if (!level) return 0;
  PlainState(frameA);
  for (auto& row : level->tile)
    for (auto& t : row) _drawFrameParts(t, t->r, t->c);
  for (auto& row : level->tile) {
    for (auto& t : row) {
      _drawFrameInner_LeftUp(t, t->r, t->c);
      _drawFrameInner_RightUp(t, t->r, t->c);
      _drawFrameInner_RightDown(t, t->r, t->c);
      _drawFrameInner_LeftDown(t, t->r, t->c);
    }
  }
  PlainState(1);
  return 0;
}

int TMainGame::_drawTiles() {
  if (!level) return 0;
  for (auto& row : level->tile)
    for (auto& t : row) t->draw();
  return 0;
}

int TMainGame::_drawChips() {
  if (!level) return 0;
  for (auto& row : level->tile)
    for (auto& t : row) t->_drawChip();
  return 0;
}

int TMainGame::_drawChain() {
  if (!level) return 0;
  for (auto& row : level->tile) {
    for (auto& t : row) {
      t->_drawChains();
      t->_drawChests();
    }
  }
  return 0;
}

int TMainGame::DrawBoard() {
  PlainState(1);
  _drawFrame();
  _drawTiles();
  _drawChips();
  _drawChain();
  return 0;
}
