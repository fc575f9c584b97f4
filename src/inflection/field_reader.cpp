#include "inflection/field_reader.hpp"

#include <limits>

#include "romaji/syllable_table.hpp"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(std::string_view text) {
  for (char c : text) {
    if (!isWhiteSpace(c)) return false;
  }
  return true;
}

/// Where the optional sign and the digits of a number field begin.
struct NumberStart {
  bool negative = false;
  std::size_t digits = 0;
};

NumberStart findNumberStart(std::string_view field) {
  NumberStart start;
  std::size_t i = 0;
  while (i < field.size() && isWhiteSpace(field[i])) ++i;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
    start.negative = field[i] == '-';
    ++i;
  }
  start.digits = i;
  return start;
}

}  // namespace

std::string_view nextFieldView(std::string_view& text, char separator) {
  std::size_t i = 0;
  while (i < text.size() && isWhiteSpace(text[i])) ++i;
  text.remove_prefix(i);
  if (text.empty()) return {};

  const char quote = text.front();
  if (quote == '"' || quote == '\'') {
    const std::size_t close = text.find(quote, 1);
    if (close == std::string_view::npos) {
      const std::string_view field = text.substr(1);
      text = {};
      return field;
    }
    const std::string_view field = text.substr(1, close - 1);
    // The character after the closing quote is normally the separator.
    text.remove_prefix(close + 1 < text.size() ? close + 2 : close + 1);
    return field;
  }

  // Fields are short: a walk beats a call to find.
  std::size_t end = 0;
  while (end < text.size() && text[end] != separator) ++end;
  if (end == text.size()) {
    const std::string_view field = text;
    text = {};
    return field;
  }
  const std::string_view field = text.substr(0, end);
  text.remove_prefix(end + 1);
  return field;
}

std::int32_t toInt32(std::string_view field) {
  const NumberStart start = findNumberStart(field);
  // Accumulate the magnitude in 64 bits and stop growing once it is past the
  // 32-bit range, so no digit count can overflow.
  constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (std::size_t i = start.digits; i < field.size() && isDigit(field[i]); ++i) {
    if (magnitude <= limit) magnitude = magnitude * 10 + (field[i] - '0');
  }
  if (start.negative) {
    return magnitude >= limit ? std::numeric_limits<std::int32_t>::min()
                              : static_cast<std::int32_t>(-magnitude);
  }
  return magnitude >= limit ? std::numeric_limits<std::int32_t>::max()
                            : static_cast<std::int32_t>(magnitude);
}

std::uint16_t toUInt16(std::string_view field) {
  const NumberStart start = findNumberStart(field);
  // Unsigned arithmetic wraps, which is exactly "keep the low 16 bits".
  std::uint32_t low = 0;
  for (std::size_t i = start.digits; i < field.size() && isDigit(field[i]); ++i) {
    low = (low * 10 + static_cast<std::uint32_t>(field[i] - '0')) & 0xFFFFu;
  }
  if (start.negative) low = (0x10000u - low) & 0xFFFFu;
  return static_cast<std::uint16_t>(low);
}

std::int16_t toInt16(std::string_view field) { return static_cast<std::int16_t>(toUInt16(field)); }

std::vector<std::int16_t> toCaseIdList(std::string_view field) {
  std::vector<std::int16_t> ids;
  while (!isBlank(field)) ids.push_back(toInt16(nextFieldView(field, '|')));
  return ids;
}
