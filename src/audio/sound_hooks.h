// What the sound catalogue reads from outside the audio code: the player's volume steps (the
// options) and the level-music counter of the current profile. Their owners may install getters;
// tests install their own.
#pragma once

#include <functional>

// Volume steps are whole numbers 0..10 (clamped here). The program installs getters of the
// player's settings at start-up; without one a step is 5, the settings' default.
void SetVolumeStepSources(std::function<int()> soundStep, std::function<int()> musicStep);
int SoundStep();
int MusicStep();
float SoundStepVolume();  // SoundStep() / 10
float MusicStepVolume();  // MusicStep() / 10

// The current profile's musicN (which level track played last), or nullptr with no profile.
void SetMusicCounterSource(std::function<int*()> source);
int* CurrentMusicCounter();
