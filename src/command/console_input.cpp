#include "command/console_input.hpp"

#include <istream>

bool readConsoleLine(std::istream& input, std::string& line, std::size_t limit) {
  line.clear();
  std::streambuf* buffer = input.rdbuf();
  if (!input.good() || buffer == nullptr) {
    input.setstate(std::ios::eofbit | std::ios::failbit);
    return false;
  }
  bool readAnything = false;
  bool keptCarriageReturn = false;
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      input.setstate(std::ios::eofbit);
      if (!readAnything) input.setstate(std::ios::failbit);
      return readAnything;
    }
    readAnything = true;
    if (c == '\n') {
      // A carriage return before the line feed is the line end of a file
      // written on another system, not part of what was typed.
      if (keptCarriageReturn) line.pop_back();
      return true;
    }
    // Characters beyond the limit belong to the same line and are dropped.
    keptCarriageReturn = c == '\r' && line.size() < limit;
    if (line.size() < limit) line.push_back(static_cast<char>(c));
  }
}

bool parseMenuAnswer(const std::string& answer, long low, long high, long& value) {
  if (answer.empty() || answer[0] < '0' || answer[0] > '9') return false;
  long number = 0;
  for (const char c : answer) {
    if (c < '0' || c > '9') break;
    number = number * 10 + (c - '0');
    if (number > high) return false;  // stops before any overflow
  }
  if (number < low) return false;
  value = number;
  return true;
}
