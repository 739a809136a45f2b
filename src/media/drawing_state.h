// The global drawing state shared by the draw calls, text drawing and collision tests, with the
// transform and packed colour derived from it whenever it changes.
#pragma once

#include <cstdint>

#include "media/system.h"
#include "media/video_backend.h"

struct TImageFont;

namespace media_internal {

struct DrawingState {
  int r = 255, g = 255, b = 255;
  float alpha = 1;
  int blend = 3;
  float rotation = 0;
  float scaleX = 1, scaleY = 1;
  float originX = 0, originY = 0;
  ClipBox clip{0, 0, 1024, 768};
  int clearR = 0, clearG = 0, clearB = 0;
  float logicalWidth = 1024, logicalHeight = 768;
  TImageFont* font = nullptr;

  // Derived: the rotation-and-scale matrix and the vertex colour.
  float m00 = 1, m01 = 0, m10 = 0, m11 = 1;
  uint32_t packedColour = 0xFFFFFFFFu;

  void UpdateMatrix();
  void UpdateColour();
  // (px, py) relative to the drawing position, turned and scaled.
  void Transform(float px, float py, float& ox, float& oy) const {
    ox = px * m00 + py * m01;
    oy = px * m10 + py * m11;
  }
};

DrawingState& Drawing();
void ResetDrawing();

// Appends the quad with corners local[0..3] (relative to (x, y), before the transform) and the
// texture rectangle (u0, v0)-(u1, v1) to the back end; origin already applied to (x, y).
void EmitQuad(GpuTexture* texture, float x, float y, float lx0, float ly0, float lx1, float ly1,
              float u0, float v0, float u1, float v1);

// A draw record carrying the current state, for the null back end; RecordDraw keeps it.
RecordedDraw Record(RecordedDraw::Kind kind, float x, float y);
void RecordDraw(const RecordedDraw& draw);

}  // namespace media_internal
