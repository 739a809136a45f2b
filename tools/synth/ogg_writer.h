// Encodes float samples (-1..1) at 44.1 kHz to an Ogg Vorbis file with libvorbisenc.
#pragma once

#include <string>
#include <vector>

namespace synth {

// `channels` holds one buffer per channel (1 or 2), all of the same length. The stream serial
// number is fixed so the same samples always give the same bytes. False on any failure.
bool WriteOggVorbis(const std::string& path, const std::vector<std::vector<float>>& channels,
                    float quality, std::string& error);

}  // namespace synth
