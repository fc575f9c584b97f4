#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// Takes the next field off the front of `text` and leaves the rest in it.
/// Leading white space is skipped. A field opened by " or ' runs to the same
/// quote (or the end); the closing quote and the one character after it are
/// dropped. Otherwise the field runs to the first `separator`, which is
/// dropped. Trailing white space stays part of the field. The view is of
/// `text`'s bytes.
std::string_view nextFieldView(std::string_view& text, char separator);

/// nextFieldView as a string of its own.
inline std::string nextField(std::string_view& text, char separator) {
  return std::string(nextFieldView(text, separator));
}

/// Lenient decimal conversion: leading white space, an optional sign, then
/// digits up to the first other character; no digits gives 0. A value beyond
/// the 32-bit range saturates.
std::int32_t toInt32(std::string_view field);

/// The same conversion for a 16-bit field: the low 16 bits of the value as
/// written (exact, however many digits it has).
std::int16_t toInt16(std::string_view field);
std::uint16_t toUInt16(std::string_view field);

/// Splits a "|"-separated list of numbers with nextField and converts each
/// piece as a 16-bit value. Empty (or blank) text gives an empty list and a
/// trailing bar adds nothing.
std::vector<std::int16_t> toCaseIdList(std::string_view field);
