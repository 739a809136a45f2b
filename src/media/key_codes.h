// The window library's keys and buttons in the numbering the game's logic uses (Windows
// virtual-key codes, mouse buttons 1 left, 2 right, 3 middle).
#pragma once

#include <SDL_keycode.h>

namespace media_internal {

// 0 when the key has no virtual-key code the game could read.
int VirtualKeyFor(SDL_Keycode key, SDL_Scancode scancode);
// 0 for buttons the game does not know.
int GameMouseButton(int sdlButton);

}  // namespace media_internal
