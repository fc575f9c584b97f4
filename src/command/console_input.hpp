#pragma once

#include <iosfwd>
#include <string>

/// Longest typed line kept; the rest of a longer line is discarded.
inline constexpr std::size_t kMaxLineLength = 255;

/// Reads one line (its line end, LF or CR LF, consumed, not kept), keeping its first
/// `limit` characters. False at end of input with nothing read.
bool readConsoleLine(std::istream& input, std::string& line, std::size_t limit = kMaxLineLength);

/// The value of a menu answer: valid when the first character is a digit and
/// the leading digits make a number from `low` to `high`. Never overflows.
bool parseMenuAnswer(const std::string& answer, long low, long high, long& value);
