// Hooks between the parts of the media layer (window and events, input state, clock, audio).
// Not for game code: game code uses media.h.
#pragma once

#include <string>

namespace media_internal {

// --- input state (input.cpp): the window back end reports events through these --------------
void InputOnKey(int virtualKey, bool down, bool repeat);
void InputOnMouseButton(int button, bool down);
void InputOnMouseMove(float logicalX, float logicalY);
void InputOnWheel(int notches);
void InputOnText(const std::string& utf8);
void InputOnSuspend(bool suspended);  // clears keyboard and mouse buttons at both transitions
void InputOnCloseRequest();
// Applies the events injected since the last pump (InjectMouseMove and friends), in order.
void InputApplyInjected();
void InputReset();

// --- clock (clock_random.cpp) -----------------------------------------------------------------
void ClockReset(bool virtualClock);
// Under the virtual clock: advances by the 16/17/17 ms pattern (60 frames = 1000 ms).
void ClockOnFramePresented();

// --- audio (audio_*.cpp) ----------------------------------------------------------------------
// Opens the audio device unless noAudio; failure to open means silence, never an error.
void AudioInit(bool noAudio);
void AudioShutdown();
// Bookkeeping once per frame when there is no device (channels end on the media clock).
void AudioOnFrame();

}  // namespace media_internal
