#include <gtest/gtest.h>

#include "command/tokenizer.hpp"

namespace {

struct TokenCase {
  std::string line;
  std::string token;
  std::string rest;
};

TEST(PopToken, TakesTheFirstTokenAndTheWhiteSpaceAfterIt) {
  const TokenCase cases[] = {
      {"  conj   -v taberu", "conj", "-v taberu"},
      {"-v \"ai suru\" -p plain", "-v", "\"ai suru\" -p plain"},
      {"\"ai suru\" -p plain", "ai suru", "-p plain"},
      {"'it's'", "it", "s'"},
      {"\"ai suru", "ai suru", ""},
      {"\"ai\"suru", "ai", "suru"},
      {"\"\" x", "", "x"},
      {"", "", ""},
      {" \t ", "", ""},
      {"a\tb", "a", "b"},
      {"don\"t x", "don\"t", "x"},
      {"'a \"b' c", "a \"b", "c"},
      {"word\r", "word", ""},
  };
  for (const TokenCase& c : cases) {
    std::string line = c.line;
    EXPECT_EQ(popToken(line), c.token) << "line: " << c.line;
    EXPECT_EQ(line, c.rest) << "line: " << c.line;
  }
}

TEST(PeekToken, ReturnsWhatPopWouldAndLeavesTheLine) {
  const std::string lines[] = {"\"-x\" y", "  conj -v", "'it's'", "", "\"\""};
  for (const std::string& original : lines) {
    std::string popped = original;
    const std::string expected = popToken(popped);
    EXPECT_EQ(peekToken(original), expected) << original;
  }
  EXPECT_EQ(peekToken("\"-x\" y"), "-x");
}

TEST(PopToken, SuccessiveCallsSplitAQuotedLine) {
  std::string line = "-v \"ai suru\" -p plain";
  std::vector<std::string> tokens;
  while (!line.empty()) tokens.push_back(popToken(line));
  EXPECT_EQ(tokens, (std::vector<std::string>{"-v", "ai suru", "-p", "plain"}));
}

}  // namespace
