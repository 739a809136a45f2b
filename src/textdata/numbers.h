// The one number grammar of the game's files: text to float/int, float to int, float to text.
// Every number read from a data file and every "truncated toward zero" conversion goes here.
#pragma once

#include <string>
#include <string_view>

// Leading blanks, an optional sign, digits with an optional point, an optional exponent; reading
// stops at the first other character and nothing valid gives 0. The result is rounded to single
// precision; magnitudes beyond the float range give the largest float of that sign. No "nan",
// "inf" or hexadecimal forms.
float TextToFloat(std::string_view text);

// Leading blanks, an optional sign, then decimal digits ("$" introduces hexadecimal digits, "%"
// binary ones); stops at the first other character; no digits give 0. Saturates at the int range.
int TextToInt(std::string_view text);

// Truncation toward zero that clamps to the int range instead of overflowing; NaN gives 0.
int TruncToInt(float value);
int TruncToInt(double value);

// printf-style "%#.9g": nine significant digits with the decimal point always kept (5 gives
// "5.00000000"). Non-finite values, which no file may hold, are written as 0 or the largest float.
std::string FloatToText(float value);
