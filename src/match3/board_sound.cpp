#include "match3/board_sound.h"

#include "audio/global_snd.h"

void PlayBoardSound(const std::string& name) {
  if (GlobalSnd) GlobalSnd->playMySound(name);
}

void PlayBoardMoveSound() {
  if (GlobalSnd) GlobalSnd->playMoveSound();
}
