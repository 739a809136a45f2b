// Game strings are UTF-8 (see media.h); these helpers give the character rules that count
// UTF-16 code units, and the conversions used at the file boundary.
#pragma once

#include <cstdint>
#include <string>

std::u16string Utf8ToUtf16(const std::string& utf8);   // invalid bytes become U+FFFD
std::string Utf16ToUtf8(const std::u16string& units);  // lone surrogates kept (generalised UTF-8)
std::string Latin1ToUtf8(const std::string& bytes);
// Number of UTF-16 code units the text holds.
int Utf16Length(const std::string& utf8);
// The text cut to its first n UTF-16 code units.
std::string Utf16Left(const std::string& utf8, int n);
// Upper-casing with the simple Unicode case mapping (one unit to one unit where it exists).
std::string ToUpperCase(const std::string& utf8);
char16_t UpperUnit(char16_t unit);
// The code point at byte offset i (advancing i); used by text drawing and layout.
uint32_t NextCodePoint(const std::string& utf8, size_t& i);
