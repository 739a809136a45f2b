#include "media/key_codes.h"

#include <SDL_mouse.h>

namespace media_internal {

int VirtualKeyFor(SDL_Keycode key, SDL_Scancode scancode) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_RETURN2:
      return 13;
    case SDLK_ESCAPE:
      return 27;
    case SDLK_SPACE:
      return 32;
    case SDLK_BACKSPACE:
      return 8;
    case SDLK_TAB:
      return 9;
    case SDLK_PAUSE:
      return 19;
    case SDLK_PAGEUP:
      return 33;
    case SDLK_PAGEDOWN:
      return 34;
    case SDLK_END:
      return 35;
    case SDLK_HOME:
      return 36;
    case SDLK_LEFT:
      return 37;
    case SDLK_UP:
      return 38;
    case SDLK_RIGHT:
      return 39;
    case SDLK_DOWN:
      return 40;
    case SDLK_INSERT:
      return 45;
    case SDLK_DELETE:
      return 46;
    case SDLK_LSHIFT:
      return 160;
    case SDLK_RSHIFT:
      return 161;
    case SDLK_LCTRL:
      return 162;
    case SDLK_RCTRL:
      return 163;
    case SDLK_LALT:
      return 164;
    case SDLK_RALT:
    case SDLK_MODE:  // AltGr on many European layouts
      return 165;
    default:
      break;
  }
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 97 + (key - SDLK_KP_1);
  if (key == SDLK_KP_0) return 96;
  // Layouts without Latin letters still have the letter keys in their usual places.
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
    return 'A' + (scancode - SDL_SCANCODE_A);
  return 0;
}

int GameMouseButton(int sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      return 1;
    case SDL_BUTTON_RIGHT:
      return 2;
    case SDL_BUTTON_MIDDLE:
      return 3;
    default:
      return 0;
  }
}

}  // namespace media_internal
