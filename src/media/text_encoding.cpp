// Conversions between our UTF-8 game strings and UTF-16 code units, and the unit-counting rules.
// Decoding never fails: a lone surrogate survives as its three-byte form (generalised UTF-8) and
// any other invalid byte becomes U+FFFD.
#include "media/text_encoding.h"

#include "media/text_decoding.h"

namespace media_internal {

uint32_t DecodeUtf8At(const std::string& s, size_t& i, bool allowSurrogates) {
  const size_t n = s.size();
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int extra = 0;
  uint32_t cp = 0;
  uint32_t minimum = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    extra = 1;
    cp = b0 & 0x1F;
    minimum = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    extra = 2;
    cp = b0 & 0x0F;
    minimum = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    extra = 3;
    cp = b0 & 0x07;
    minimum = 0x10000;
  } else {
    ++i;
    return kReplacementChar;
  }
  if (i + static_cast<size_t>(extra) >= n) {  // truncated sequence
    ++i;
    return kReplacementChar;
  }
  for (int k = 1; k <= extra; ++k) {
    const unsigned char b = byte(i + static_cast<size_t>(k));
    if ((b & 0xC0) != 0x80) {
      ++i;
      return kReplacementChar;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (!allowSurrogates && cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return kReplacementChar;
  }
  i += static_cast<size_t>(extra) + 1;
  return cp;
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace media_internal

using media_internal::AppendUtf8;
using media_internal::DecodeUtf8At;

std::u16string Utf8ToUtf16(const std::string& utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    const uint32_t cp = DecodeUtf8At(utf8, i, true);
    if (cp >= 0x10000) {
      const uint32_t v = cp - 0x10000;
      out += static_cast<char16_t>(0xD800 + (v >> 10));
      out += static_cast<char16_t>(0xDC00 + (v & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::string Utf16ToUtf8(const std::u16string& units) {
  std::string out;
  out.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      const uint32_t cp = 0x10000 + ((static_cast<uint32_t>(u) - 0xD800) << 10) +
                          (static_cast<uint32_t>(units[i + 1]) - 0xDC00);
      AppendUtf8(out, cp);
      ++i;
    } else {
      AppendUtf8(out, u);  // a lone surrogate keeps its own three-byte form
    }
  }
  return out;
}

std::string Latin1ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) AppendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

int Utf16Length(const std::string& utf8) {
  int count = 0;
  size_t i = 0;
  while (i < utf8.size()) count += DecodeUtf8At(utf8, i, true) >= 0x10000 ? 2 : 1;
  return count;
}

std::string Utf16Left(const std::string& utf8, int n) {
  if (n <= 0) return std::string();
  std::u16string units = Utf8ToUtf16(utf8);
  if (units.size() <= static_cast<size_t>(n)) return utf8;
  units.resize(static_cast<size_t>(n));
  return Utf16ToUtf8(units);
}

std::string ToUpperCase(const std::string& utf8) {
  std::u16string units = Utf8ToUtf16(utf8);
  for (char16_t& u : units) u = UpperUnit(u);
  return Utf16ToUtf8(units);
}

uint32_t NextCodePoint(const std::string& utf8, size_t& i) {
  if (i >= utf8.size()) return 0;
  return DecodeUtf8At(utf8, i, true);
}
