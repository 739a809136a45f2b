// kelvaroth_synth: renders the game's sound effects and music to Ogg Vorbis files.
//   kelvaroth_synth effect <id> <out.ogg>     one effect of the catalogue
//   kelvaroth_synth song <in.song> <out.ogg>  one piece of music from its description
//   kelvaroth_synth effects                   lists the effect ids
#include <cstdio>
#include <string>

#include "effects.h"
#include "ogg_writer.h"
#include "song.h"

namespace {

int Usage() {
  std::puts("usage: kelvaroth_synth effect <id> <out.ogg> | song <in.song> <out.ogg> | effects");
  return 2;
}

int Fail(const std::string& message) {
  std::printf("kelvaroth_synth: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  if (command == "effects" && argc == 2) {
    for (const auto& e : synth::EffectList()) std::printf("%s\n", e.id.c_str());
    return 0;
  }
  if (argc != 4) return Usage();
  const std::string input = argv[2];
  const std::string output = argv[3];
  std::string error;
  if (command == "effect") {
    synth::Mono samples;
    if (!synth::RenderEffect(input, samples)) return Fail("unknown effect: " + input);
    if (!synth::WriteOggVorbis(output, {samples}, 0.6f, error)) return Fail(error);
    return 0;
  }
  if (command == "song") {
    synth::RenderedSong song;
    if (!synth::RenderSongFile(input, song, error)) return Fail(error);
    if (!synth::WriteOggVorbis(output, {song.left, song.right}, 0.45f, error)) return Fail(error);
    return 0;
  }
  return Usage();
}
