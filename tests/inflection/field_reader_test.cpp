#include "inflection/field_reader.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

TEST(NextField, TakesFieldsOffTheFrontOneAtATime) {
  struct Case {
    std::string text;
    char separator;
    std::vector<std::string> fields;
  };
  const std::vector<Case> cases = {
      {"Negative, 3, 2", ',', {"Negative", "3", "2"}},
      {"Negative , 3", ',', {"Negative ", "3"}},           // trailing space kept
      {"  \t lead", ',', {"lead"}},                        // leading white space skipped
      {"a,,b", ',', {"a", "", "b"}},                       // empty field
      {"1, , Does not do", ',', {"1", "", "Does not do"}},  // blank field reads empty
      {"\"Is, or was\", 3", ',', {"Is, or was", "3"}},     // quote holds the separator
      {"'  spaced', x", ',', {"  spaced", "x"}},           // quote holds leading spaces
      {"\"a\"Xb,c", ',', {"a", "b", "c"}},                 // one character after quote dropped
      {"\"unclosed, text", ',', {"unclosed, text"}},       // quote to the end of text
      {"\"ends\"", ',', {"ends"}},                         // nothing after the closing quote
      {"1|2|3", '|', {"1", "2", "3"}},
  };
  for (const Case& c : cases) {
    std::string_view rest = c.text;
    std::vector<std::string> fields;
    while (!rest.empty()) fields.push_back(nextField(rest, c.separator));
    EXPECT_EQ(fields, c.fields) << c.text;
  }
}

TEST(NextField, GivesEmptyFieldsOnceTheTextIsUsedUp) {
  std::string_view rest = "only";
  EXPECT_EQ(nextField(rest, ','), "only");
  EXPECT_EQ(nextField(rest, ','), "");
  EXPECT_EQ(nextField(rest, ','), "");
  EXPECT_TRUE(rest.empty());
}

TEST(NumberFields, AreConvertedLeniently) {
  struct Case {
    std::string text;
    std::int32_t value;
  };
  const std::vector<Case> cases = {
      {"7abc", 7},   {"", 0},       {"abc", 0},   {"  42", 42}, {"-5", -5}, {"+8", 8},
      {"3 4", 3},    {"- 3", 0},    {"16384", 16384},
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},                       // saturates
      {"99999999999999999999999999", 2147483647},       // many digits saturate too
      {"-2147483648", -2147483647 - 1},
      {"-99999999999999999999", -2147483647 - 1},
  };
  for (const Case& c : cases) EXPECT_EQ(toInt32(c.text), c.value) << c.text;
}

TEST(NumberFields, SixteenBitFieldsKeepTheLowBitsOfTheWrittenValue) {
  struct Case {
    std::string text;
    std::int16_t value;
    std::uint16_t unsignedValue;
  };
  const std::vector<Case> cases = {
      {"16384", 16384, 16384},
      {"65535", -1, 65535},
      {"65536", 0, 0},
      {"65537", 1, 1},
      {"70000", 4464, 4464},
      {"-1", -1, 65535},
      {"32768", -32768, 32768},
      {"4294967297", 1, 1},  // 2^32 + 1: beyond 32 bits, still exact
      {"12x", 12, 12},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(toInt16(c.text), c.value) << c.text;
    EXPECT_EQ(toUInt16(c.text), c.unsignedValue) << c.text;
  }
}

TEST(CaseIdLists, SplitAtBarsIntoNumbers) {
  struct Case {
    std::string text;
    std::vector<std::int16_t> ids;
  };
  const std::vector<Case> cases = {
      {"", {}},         {" ", {}},         {"3", {3}},           {"3|5|7", {3, 5, 7}},
      {"3|", {3}},      {"3 | 5 ", {3, 5}}, {"|4", {0, 4}},       {"x|2", {0, 2}},
  };
  for (const Case& c : cases) EXPECT_EQ(toCaseIdList(c.text), c.ids) << c.text;
}
