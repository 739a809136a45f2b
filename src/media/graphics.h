// Window, drawing state, draw calls, pictures, pixmaps, collision layers and fonts.
// Every operation accepts null pictures and fonts: drawing does nothing, sizes read 0, a collision
// test never hits. All positions are logical pixels (1024 x 768).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TImage;      // a loaded picture (one frame); owned by the media layer
struct TImageFont;  // a TrueType font rasterised at one pixel size; owned by the media layer
struct TPixmap;     // a picture held for pixel reading only

// --- graphics mode -----------------------------------------------------------------------------
// depth 0 opens a window, 32 full screen (desktop resolution, the logical area letterboxed).
// Opening again keeps every loaded picture and font valid. Returns 1 on success.
int OpenGraphicsMode(int width, int height, int depth, int hertz, int flags);
bool GraphicsModeIsOpen();
bool IsFullscreen();
void SetWindowTitle(const std::string& utf8Title);
// Sets the window icon from a PNG file; nothing happens when it cannot be loaded.
void SetWindowIconFromFile(const std::string& path);

void SetLogicalResolution(float width, float height);
float LogicalWidth();
float LogicalHeight();
int PhysicalWidth();
int PhysicalHeight();

void SetClipRect(float x, float y, float w, float h);
void GetClipRect(float& x, float& y, float& w, float& h);
void SetDrawOrigin(float x, float y);
void GetDrawOrigin(float& x, float& y);
void SetClearColour(int r, int g, int b);
void GetClearColour(int& r, int& g, int& b);
void ClearBackBuffer();
// sync -1: 60 frames per second (software pacing in a window, vertical sync in full screen,
// never faster than 60). Under the virtual clock it advances the clock by 16/17/17 ms instead of
// waiting. Runs the frame hook (the scripted harness) after the frame is shown.
void PresentFrame(int sync = -1);
void ShowOsCursor();
void HideOsCursor();

// --- drawing state -----------------------------------------------------------------------------
enum BlendMode {
  kBlendMasked = 1,
  kBlendSolid = 2,
  kBlendAlpha = 3,
  kBlendLight = 4,
  kBlendShade = 5
};
void SetDrawColour(int r, int g, int b);
void GetDrawColour(int& r, int& g, int& b);
void SetDrawAlpha(float a);
float GetDrawAlpha();
void SetBlendMode(int mode);
int GetBlendMode();
void SetDrawRotation(float degrees);
float GetDrawRotation();
void SetDrawScale(float sx, float sy);
void GetDrawScale(float& sx, float& sy);

// --- draw calls --------------------------------------------------------------------------------
void DrawImageAt(TImage* image, float x, float y, int frame = 0);
void DrawImageRect(TImage* image, float x, float y, float w, float h, float sx, float sy, float sw,
                   float sh, float hx, float hy, int frame = 0);
void FillRect(float x, float y, float w, float h);
void DrawLineSeg(float x1, float y1, float x2, float y2, bool lastPixel = true);
void DrawTextAt(const std::string& text, float x, float y);

// --- pictures ----------------------------------------------------------------------------------
enum ImageFlags { kImageFiltered = 1, kImageMasked = 2, kImageMipmapped = 4, kImageDefault = -1 };
// PNG, JPEG, BMP or TGA; null (with a diagnostic line) when the file cannot be read or decoded.
TImage* LoadImageFile(const std::string& path, int flags = kImageDefault);
// A picture made from 32-bit RGBA pixels (row-major, width*height entries, 0xAARRGGBB).
TImage* CreateImageFromPixels(int width, int height, const std::vector<uint32_t>& argb,
                              int flags = kImageDefault);
void FreeImage(TImage* image);
void SetImageAnchor(TImage* image, float hx, float hy);
void CentreImageAnchor(TImage* image);
float ImageAnchorX(TImage* image);
float ImageAnchorY(TImage* image);
int ImageWidthOf(TImage* image);
int ImageHeightOf(TImage* image);

TPixmap* LoadPixmapFile(const std::string& path);
void FreePixmap(TPixmap* pixmap);
int PixmapWidth(TPixmap* pixmap);
int PixmapHeight(TPixmap* pixmap);
// 32-bit ARGB (alpha in the top byte); 0 outside the pixmap.
uint32_t PixmapPixel(TPixmap* pixmap, int x, int y);

// --- collision layers (pixel-exact, honouring the current scale and rotation) -----------------
void ResetCollisionLayers(uint32_t mask);
// Returns the ids of what the image's opaque pixels overlap in the layers of testMask, then
// writes them into the layers of writeMask under id.
std::vector<int> CollideImageAt(TImage* image, float x, float y, int frame, uint32_t testMask,
                                uint32_t writeMask, int id);

// --- fonts -------------------------------------------------------------------------------------
// style 4: smooth. A smaller size is tried when the rasteriser rejects one, down to 1; a size
// below 1 gives null.
TImageFont* LoadFontFile(const std::string& path, int size, int style = 4);
void SetTextFont(TImageFont* font);  // null selects the built-in default font
TImageFont* GetTextFont();
int TextWidthOf(const std::string& text);  // advances summed, truncated after each addition
int FontLineHeight();

// --- screenshots (harness and tests) -----------------------------------------------------------
// Writes the last presented frame as a PNG of the logical size; false on failure.
bool SaveScreenshot(const std::string& path);
// Reads back the last presented frame as 0xAARRGGBB pixels (logical size); empty when there is
// no real back end.
std::vector<uint32_t> ReadLastFrame(int& width, int& height);
