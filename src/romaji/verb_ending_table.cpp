#include "romaji/verb_ending_table.hpp"

#include "inflection/word_class.hpp"

std::size_t verbEndingRow(std::int16_t wordClass, std::string_view ending) {
  if ((wordClass & Itidan) != 0 || ending.empty()) return 0;
  switch (ending.front()) {
    case 's': return 1;
    case 'k': return 2;
    case 'g': return 3;
    case 'b': return 4;
    case 'm': return 5;
    case 'n': return 6;
    case 'r': return 7;
    case 't': return 8;
    case 'u': return 9;
    default: return 0;
  }
}

std::string_view verbEnding(std::size_t row, std::int32_t column) {
  if (row >= kVerbEndingRows || column < 0 || column >= static_cast<std::int32_t>(kVerbEndingColumns)) {
    return {};
  }
  return VerbEndingTable[row][static_cast<std::size_t>(column)];
}
