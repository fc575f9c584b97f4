#include "command/tokenizer.hpp"

namespace {

bool isQuote(char c) { return c == '"' || c == '\''; }

/// Finds the first token of `line`: its text and where the unconsumed rest
/// begins (after the token, its closing quote and the white space after it).
std::string scanToken(const std::string& line, std::size_t& restStart) {
  const std::size_t n = line.size();
  std::size_t p = 0;
  while (p < n && isWhiteSpace(line[p])) ++p;
  std::string token;
  if (p < n && isQuote(line[p])) {
    const char quote = line[p++];
    const std::size_t start = p;
    while (p < n && line[p] != quote) ++p;
    token.assign(line, start, p - start);
    if (p < n) ++p;  // the closing quote
  } else {
    const std::size_t start = p;
    while (p < n && !isWhiteSpace(line[p])) ++p;
    token.assign(line, start, p - start);
  }
  while (p < n && isWhiteSpace(line[p])) ++p;
  restStart = p;
  return token;
}

}  // namespace

std::string popToken(std::string& line) {
  std::size_t restStart = 0;
  std::string token = scanToken(line, restStart);
  line.erase(0, restStart);
  return token;
}

std::string peekToken(std::string line) {
  std::size_t restStart = 0;
  return scanToken(line, restStart);
}
