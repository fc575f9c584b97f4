#include <gtest/gtest.h>

#include "command/argument_type.hpp"

namespace {

struct TypeCase {
  const char* text;
  std::uint16_t type;
  bool accepted;
};

TEST(MatchesType, ZeroAcceptsEveryText) {
  for (const char* text : {"", "x", "-5", "a b", "\xff"}) EXPECT_TRUE(matchesType(text, 0));
}

TEST(MatchesType, NumbersFollowTheirRanges) {
  const TypeCase cases[] = {
      {"4294967295", Integer | Unsigned, true},
      {"3999999999", Integer | Unsigned, true},
      {"4294967296", Integer | Unsigned, false},
      {"2147483647", Integer, true},
      {"2147483648", Integer, false},
      {"-2147483647", Integer, true},
      {"12345678901", Integer | Unsigned, false},
      {"-1", Integer | Unsigned, false},
      {"5", Unsigned, false},  // Unsigned without Integer accepts nothing
      {"1.5", Integer, false},
      {"1.5", Real, true},
      {"1.2.3", Real, false},
      {"+7", Integer, true},
      {"7+", Integer, false},
      {"abc", Integer, false},
      {"", Integer, false},
      {"ab1", Integer, false},  // digit within the first three, but letters
      {"255", Integer | Unsigned | Byte, true},
      {"256", Integer | Unsigned | Byte, false},
      {"127", Integer | Byte, true},
      {"-128", Integer | Byte, true},
      {"128", Integer | Byte, false},
      {"65535", Integer | Unsigned | Short, true},
      {"65536", Integer | Unsigned | Short, false},
      {"-32768", Integer | Short, true},
      {"32768", Integer | Short, false},
      {"1", Real | Byte, false},
      {"0", Integer | NonZero, false},
      {"-3", Integer | NonNegative, false},
      {"3", Integer | NonPositive, false},
      {"0", Integer | NonNegative | NonPositive, true},
      {"5", Integer | SingleChar, true},
      {"55", Integer | SingleChar, false},
  };
  for (const TypeCase& c : cases) {
    EXPECT_EQ(matchesType(c.text, c.type), c.accepted) << c.text << " type " << c.type;
  }
}

TEST(MatchesType, TextKindsCheckEveryCharacter) {
  const TypeCase cases[] = {
      {"abc", Alphabetic, true},   {"ab1", Alphabetic, false},   {"ab1", Alphanumeric, true},
      {"a-1", Alphanumeric, false}, {"", Alphabetic, true},       {"0fA9", Hexadecimal, true},
      {"0fg", Hexadecimal, false}, {"12-34", DigitRange, true},  {"12:34", DigitRange, true},
      {"12-", DigitRange, false},  {"1-2-3", DigitRange, false}, {"-12", DigitRange, false},
      {"x", SingleChar, true},     {"xy", SingleChar, false},    {"a b", NoSpaces, false},
      {"a\tb", NoSpaces, false},   {"ab", NoSpaces, true},
  };
  for (const TypeCase& c : cases) {
    EXPECT_EQ(matchesType(c.text, c.type), c.accepted) << c.text << " type " << c.type;
  }
}

}  // namespace
