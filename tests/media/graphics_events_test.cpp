// Window events reach the input state through PumpEvents: keys in virtual-key numbering, the
// mouse in logical pixels, focus and minimising as suspension, and close requests.
#include <SDL.h>

#include "graphics_fixture.h"
#include "media/key_codes.h"

namespace {

TEST(GraphicsEvents, KeysMapToVirtualKeyCodes) {
  struct Case {
    SDL_Keycode key;
    SDL_Scancode scancode;
    int expected;
  } cases[] = {
      {SDLK_RETURN, SDL_SCANCODE_RETURN, 13},
      {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 13},
      {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 27},
      {SDLK_F1, SDL_SCANCODE_F1, 112},
      {SDLK_F4, SDL_SCANCODE_F4, 115},
      {SDLK_a, SDL_SCANCODE_A, 65},
      {SDLK_z, SDL_SCANCODE_Z, 90},
      {SDLK_w, SDL_SCANCODE_W, 87},
      {SDLK_5, SDL_SCANCODE_5, 53},
      {SDLK_SPACE, SDL_SCANCODE_SPACE, 32},
      {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 8},
      {SDLK_LCTRL, SDL_SCANCODE_LCTRL, 162},
      {SDLK_LALT, SDL_SCANCODE_LALT, 164},
      {SDLK_RALT, SDL_SCANCODE_RALT, 165},
      {0x0444, SDL_SCANCODE_A, 65},  // a Cyrillic layout's letter on the A key
      {SDLK_CAPSLOCK, SDL_SCANCODE_CAPSLOCK, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(media_internal::VirtualKeyFor(c.key, c.scancode), c.expected) << c.key;
  EXPECT_EQ(media_internal::GameMouseButton(SDL_BUTTON_LEFT), 1);
  EXPECT_EQ(media_internal::GameMouseButton(SDL_BUTTON_RIGHT), 2);
  EXPECT_EQ(media_internal::GameMouseButton(SDL_BUTTON_MIDDLE), 3);
  EXPECT_EQ(media_internal::GameMouseButton(SDL_BUTTON_X1), 0);
}

using GraphicsEventPump = graphics_testing::RealScreen;

void Push(SDL_Event e) {
  ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

TEST_F(GraphicsEventPump, WindowEventsFeedTheInputState) {
  PumpEvents();  // whatever the window system had queued
  ClearKeyboard();
  ClearMouseButtons();
  SDL_Window* window = SDL_GL_GetCurrentWindow();
  ASSERT_NE(window, nullptr);
  const Uint32 id = SDL_GetWindowID(window);

  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.windowID = id;
  e.key.keysym.sym = SDLK_KP_ENTER;
  e.key.keysym.scancode = SDL_SCANCODE_KP_ENTER;
  Push(e);
  e = {};
  e.type = SDL_MOUSEMOTION;
  e.motion.windowID = id;
  e.motion.x = 321;
  e.motion.y = 123;
  Push(e);
  e = {};
  e.type = SDL_MOUSEBUTTONDOWN;
  e.button.windowID = id;
  e.button.button = SDL_BUTTON_RIGHT;
  e.button.x = 321;
  e.button.y = 123;
  Push(e);
  e = {};
  e.type = SDL_MOUSEWHEEL;
  e.wheel.windowID = id;
  e.wheel.y = -2;
  Push(e);
  e = {};
  e.type = SDL_TEXTINPUT;
  e.text.windowID = id;
  std::snprintf(e.text.text, sizeof e.text.text, "%s", "\xC3\x89");
  Push(e);
  PumpEvents();
  EXPECT_TRUE(KeyIsDown(kKeyEnter));
  EXPECT_EQ(TakeKeyHits(kKeyEnter), 1);
  EXPECT_FLOAT_EQ(MouseLogicalX(), 321);
  EXPECT_FLOAT_EQ(MouseLogicalY(), 123);
  EXPECT_TRUE(MouseButtonIsDown(2));
  EXPECT_EQ(MouseWheelPos(), -2);
  EXPECT_EQ(TakeTypedChar(), 0xC9);

  e = {};
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = id;
  e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  Push(e);
  PumpEvents();
  EXPECT_TRUE(IsSuspended());
  EXPECT_FALSE(KeyIsDown(kKeyEnter));  // cleared on suspension
  e.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
  Push(e);
  PumpEvents();
  EXPECT_FALSE(IsSuspended());

  e = {};
  e.type = SDL_QUIT;
  Push(e);
  PumpEvents();
  EXPECT_TRUE(TakeCloseRequest());
  EXPECT_FALSE(TakeCloseRequest());
}

}  // namespace

namespace {

TEST_F(GraphicsEventPump, SmallerLogicalScreenIsScaledUpAndTheMouseScaledBack) {
  SetLogicalResolution(512, 384);  // drawn at twice the size in the 1024 x 768 window
  SDL_Window* window = SDL_GL_GetCurrentWindow();
  ASSERT_NE(window, nullptr);
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.windowID = SDL_GetWindowID(window);
  e.motion.x = 100;
  e.motion.y = 301;
  Push(e);
  PumpEvents();
  EXPECT_FLOAT_EQ(MouseLogicalX(), 50);
  EXPECT_FLOAT_EQ(MouseLogicalY(), 150.5f);

  ClearBackBuffer();
  SetBlendMode(kBlendSolid);
  SetDrawColour(255, 0, 0);
  FillRect(10, 10, 1, 1);
  PresentFrame(-1);
  int w = 0, h = 0;
  const std::vector<uint32_t> shot = ReadLastFrame(w, h);
  ASSERT_EQ(w, 512);  // screenshots keep the logical size
  ASSERT_EQ(h, 384);
  EXPECT_TRUE(graphics_testing::Near(graphics_testing::ToRgb(shot[10 * 512 + 10]), {255, 0, 0}));
  EXPECT_TRUE(graphics_testing::Near(graphics_testing::ToRgb(shot[12 * 512 + 12]), {0, 0, 0}));
  SetLogicalResolution(1024, 768);
}

}  // namespace
