#include "textdata/numbers.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

float TextToFloat(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Copy only what the grammar accepts, so the library converter never sees anything else.
  std::string digits;
  size_t intDigits = 0, fracDigits = 0;
  while (i < n && IsDigit(text[i])) {
    digits += text[i++];
    ++intDigits;
  }
  if (i < n && text[i] == '.') {
    size_t j = i + 1;
    std::string frac;
    while (j < n && IsDigit(text[j])) frac += text[j++];
    fracDigits = frac.size();
    if (intDigits + fracDigits > 0) {
      digits += '.';
      digits += frac;
      i = j;
    }
  }
  if (intDigits + fracDigits == 0) return 0.0f;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    std::string exponent = "e";
    if (j < n && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    size_t expStart = j;
    while (j < n && IsDigit(text[j])) exponent += text[j++];
    if (j > expStart) digits += exponent;
  }
  double value = 0.0;
  auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // Either far above the double range or far below it: tell them apart by the decimal
    // exponent of the first significant digit.
    long long exponent = 0;
    size_t ePos = digits.find('e');
    if (ePos != std::string::npos) {
      std::string_view e(digits.data() + ePos + 1, digits.size() - ePos - 1);
      bool expNeg = !e.empty() && e[0] == '-';
      if (!e.empty() && (e[0] == '-' || e[0] == '+')) e.remove_prefix(1);
      for (char c : e) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > 1000000000) break;
      }
      if (expNeg) exponent = -exponent;
    }
    std::string_view mantissa(digits.data(), ePos == std::string::npos ? digits.size() : ePos);
    size_t point = mantissa.find('.');
    std::string_view whole = mantissa.substr(0, point);
    size_t firstNonZero = whole.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos) {
      exponent += static_cast<long long>(whole.size() - firstNonZero) - 1;
    } else if (point != std::string_view::npos) {
      std::string_view frac = mantissa.substr(point + 1);
      size_t zeros = frac.find_first_not_of('0');
      exponent -= static_cast<long long>(zeros == std::string_view::npos ? frac.size() : zeros) + 1;
    }
    value = exponent >= 0 ? DBL_MAX : 0.0;
  } else if (result.ec != std::errc()) {
    value = 0.0;
  }
  if (value > FLT_MAX) value = FLT_MAX;
  float f = static_cast<float>(value);
  if (std::isinf(f)) f = FLT_MAX;
  return negative ? -f : f;
}

int TextToInt(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < n && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i < n && text[i] == '%') {
    base = 2;
    ++i;
  }
  const int64_t limit = static_cast<int64_t>(INT_MAX) + 1;
  int64_t value = 0;
  for (; i < n; ++i) {
    char c = text[i];
    int d;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      d = c - 'A' + 10;
    } else {
      break;
    }
    if (d >= base) break;
    value = value * base + d;
    if (value > limit) value = limit;  // keeps the sum bounded; clamped below
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

int TruncToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0) return INT_MAX;
  if (value <= -2147483649.0) return INT_MIN;
  return static_cast<int>(value);
}

int TruncToInt(float value) {
  return TruncToInt(static_cast<double>(value));
}

std::string FloatToText(float value) {
  if (std::isnan(value)) value = 0.0f;
  if (std::isinf(value)) value = value > 0 ? FLT_MAX : -FLT_MAX;
  char buffer[64];
  int len = std::snprintf(buffer, sizeof buffer, "%#.9g", static_cast<double>(value));
  if (len < 0) return "0.00000000";
  return std::string(buffer, static_cast<size_t>(len) < sizeof buffer ? len : sizeof buffer - 1);
}
