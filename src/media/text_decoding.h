// Byte-level UTF-8 helpers shared by the text conversions and the file decoders of the media
// layer. Not for game code.
#pragma once

#include <cstdint>
#include <string>

namespace media_internal {

constexpr uint32_t kReplacementChar = 0xFFFD;

// Decodes the code point at byte offset i and advances i. An invalid or truncated sequence yields
// U+FFFD and advances by one byte. Encoded surrogates are accepted only when allowSurrogates
// (our own strings carry lone surrogates that way; files in UTF-8 never may).
uint32_t DecodeUtf8At(const std::string& s, size_t& i, bool allowSurrogates);
void AppendUtf8(std::string& out, uint32_t codePoint);

}  // namespace media_internal
