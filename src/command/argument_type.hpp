#pragma once

#include <cstdint>
#include <string_view>

/// Bits of an argument type; 0 accepts any text.
enum ArgumentType : std::uint16_t {
  AnyText = 0x0000,
  Real = 0x0001,
  Integer = 0x0002,
  Short = 0x0004,
  Byte = 0x0008,
  Unsigned = 0x0010,
  NonNegative = 0x0020,
  NonPositive = 0x0040,
  NonZero = 0x0080,
  SingleChar = 0x0100,
  NoSpaces = 0x0200,
  Alphabetic = 0x0400,
  Alphanumeric = 0x0800,
  Hexadecimal = 0x1000,
  DigitRange = 0x8000,
};

/// Whether `text` satisfies the type bits `type`.
bool matchesType(std::string_view text, std::uint16_t type);
