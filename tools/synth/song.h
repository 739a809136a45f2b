// Music: reads a song description (tempo, instruments, a chord track and the parts that play
// over it) and renders it to stereo, wrapping the tail round for seamless loops.
//
// The text format, one statement a line; a "#" that begins a word starts a comment:
//   tempo 92            beats per minute
//   meter 4             beats per bar
//   bars 32             length of the piece in bars
//   loop yes            yes: the tail is wrapped to the start; no: a jingle that rings out
//   tail 5              seconds rendered past the last bar (reverb and ringing notes)
//   seed 3              seed of the small timing and velocity humanisation
//   reverb size=0.8 damp=0.4 mix=0.3
//   instrument <name> <pluck|pad|bell|flute|bass|framedrum|shaker|woodtick|tambourine> key=value...
//       common keys: gain pan (-1..1) send (reverb) humanize (seconds); see Song.cpp for others
//   chords D | Bm | G A | A7sus4       one group a bar (several chords split the bar); repeated
//                                      lines continue the chord track
//   pad <instr> from=0 to=16 octave=3  sustained chords
//   arp <instr> from= to= octave= step=0.5 order=0,1,2,1 vel=0.7
//   strum <instr> from= to= octave= beats=0,2 spread=0.02 vel=
//   bass <instr> from= to= octave=2 beats=0,2.5 dur=1 vel=
//   drums <instr> from= to= grid=x.o.X.o.   (X accent, x normal, o soft, . rest)
//   melody <instr> at=<bar> [repeat=n] : E5:1 F#5:0.5@0.8 r:0.5 D5+A5:2 ...
#pragma once

#include <string>
#include <vector>

namespace synth {

struct RenderedSong {
  std::vector<float> left, right;
  bool loops = false;
};

// Parses and renders; false with a message naming the line on any error.
bool RenderSongFile(const std::string& path, RenderedSong& out, std::string& error);
bool RenderSongText(const std::string& text, RenderedSong& out, std::string& error);

}  // namespace synth
