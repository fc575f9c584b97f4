#include "command/argument_type.hpp"

#include <cmath>
#include <cstdlib>
#include <string>

#include "command/tokenizer.hpp"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isHexDigit(char c) {
  return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

/// The numeric tests of Real and Integer types.
bool matchesNumber(std::string_view text, std::uint16_t type) {
  const bool isInteger = (type & Integer) != 0;
  const bool isUnsigned = (type & Unsigned) != 0;
  bool digitNearStart = false;
  for (std::size_t i = 0; i < text.size() && i < 3; ++i) digitNearStart |= isDigit(text[i]);
  if (!digitNearStart) return false;

  int dots = 0;
  int digits = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (isDigit(c)) {
      ++digits;
    } else if (c == '.') {
      ++dots;
    } else if ((c == '+' || c == '-') && i == 0) {
      // a sign is allowed at the first position only
    } else {
      return false;
    }
  }
  if (dots > 1 || (isInteger && dots > 0)) return false;
  if (isUnsigned && text[0] == '-') return false;

  if (isUnsigned || isInteger) {
    if (digits > 10) return false;
    if (digits == 10) {
      std::string digitText;
      for (const char c : text) {
        if (isDigit(c)) digitText.push_back(c);
      }
      const unsigned long long magnitude = std::strtoull(digitText.c_str(), nullptr, 10);
      if (magnitude > (isUnsigned ? 4294967295ULL : 2147483647ULL)) return false;
    }
  }

  const std::string copy(text);
  const double value = std::strtod(copy.c_str(), nullptr);
  if (!std::isfinite(value)) return false;
  if ((type & NonNegative) && value < 0) return false;
  if ((type & NonPositive) && value > 0) return false;
  if ((type & NonZero) && value == 0) return false;

  if (isUnsigned && (type & Byte)) return digits <= 3 && value >= 0 && value <= 255;
  if (isUnsigned && (type & Short)) return digits <= 5 && value >= 0 && value <= 65535;
  if (isInteger && (type & Byte)) return digits <= 3 && value >= -128 && value <= 127;
  if (isInteger && (type & Short)) return digits <= 5 && value >= -32768 && value <= 32767;
  if ((type & Real) && !isInteger) {
    if (type & Byte) return false;
    if (std::fabs(value) > 3.4028234663852886e38) return false;
  }
  return true;
}

bool matchesCharacters(std::string_view text, std::uint16_t type) {
  if (type & (Alphabetic | Alphanumeric)) {
    for (const char c : text) {
      if (!isLetter(c) && !isDigit(c)) return false;
      if ((type & Alphabetic) && !isLetter(c)) return false;
    }
  } else if (type & Hexadecimal) {
    for (const char c : text) {
      if (!isHexDigit(c)) return false;
    }
  } else if (type & DigitRange) {
    if (text.empty() || !isDigit(text[0])) return false;
    int separators = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
      const char c = text[i];
      if (isDigit(c)) continue;
      if ((c == '-' || c == ':') && i + 1 < text.size() && ++separators == 1) continue;
      return false;
    }
  }
  return true;
}

}  // namespace

bool matchesType(std::string_view text, std::uint16_t type) {
  if (type == AnyText) return true;
  if ((type & Unsigned) && !(type & Integer)) return false;
  if (type & (Real | Integer)) {
    if (!matchesNumber(text, type)) return false;
  } else if (!matchesCharacters(text, type)) {
    return false;
  }
  if ((type & SingleChar) && text.size() >= 2) return false;
  if (type & NoSpaces) {
    for (const char c : text) {
      if (isWhiteSpace(c)) return false;
    }
  }
  return true;
}
