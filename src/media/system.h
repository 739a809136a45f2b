// Process-level services: diagnostics, message boxes, ending the process, back-end selection,
// and the frame hook the scripted harness uses.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct TImage;

// One line to the standard output (diagnostics).
void PrintLine(const std::string& text);
// Modal message box over the game window; printed when no box can be shown (headless, no display).
void ShowMessageBox(const std::string& text, int serious = 0);
// Ends the program at once with the given status.
[[noreturn]] void EndProcess(int status = 0);

enum class BackendKind { Real, Null };
struct MediaConfig {
  BackendKind backend = BackendKind::Null;
  bool virtualClock = false;
  bool noAudio = false;   // no audio device at all: every sound is silent
  bool headless = false;  // offscreen video, message boxes printed
};
// Starts the media layer. The real back end falls back to silence when no audio device opens.
bool InitMedia(const MediaConfig& config);
void ShutdownMedia();
const MediaConfig& CurrentMediaConfig();

// Called at the end of every PresentFrame (after the frame is shown and the clock advanced).
// The harness uses it to feed scripted input and take shots; tests use it to count frames.
void SetFrameHook(std::function<void()> hook);
// Frames presented since InitMedia.
long long PresentedFrames();

// What the null back end records for each draw call, so logic tests can check drawing.
struct RecordedDraw {
  enum Kind { Image, ImageRect, Fill, Line, Text } kind = Image;
  const TImage* image = nullptr;
  std::string text;
  float x = 0, y = 0, w = 0, h = 0;      // position (origin applied) and size where it has one;
                                         // a Line runs from (x, y) to (w, h)
  float sx = 0, sy = 0, sw = 0, sh = 0;  // source rectangle (ImageRect)
  float hx = 0, hy = 0;                  // handle used
  int r = 255, g = 255, b = 255;
  float alpha = 1;
  int blend = 3;
  float rotation = 0, scaleX = 1, scaleY = 1;
};
const std::vector<RecordedDraw>& RecordedDraws();
void ClearRecordedDraws();
