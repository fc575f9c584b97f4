#pragma once

#include <array>
#include <cstddef>
#include <string_view>

/// One syllable of Nihon-shiki romaji with its kana as EUC-JP bytes.
struct SyllableRow {
  std::string_view romaji;
  std::string_view hiragana;  ///< katakana for the foreign sounds and the two marks
  std::string_view katakana;
};

inline constexpr std::size_t kSyllableRowCount = 148;

/// Romaji value of the last row; it ends the table and is not a syllable.
inline constexpr std::string_view kSyllableTableEnd = "end";

/// The syllable inventory, in its fixed order, closed by the "end" row.
extern const std::array<SyllableRow, kSyllableRowCount> SyllableTable;

/// True for the white space that separates the parts of a romaji word (and
/// the fields of the data files): space, tab, LF, VT, FF and CR.
constexpr bool isWhiteSpace(char ch) {
  return ch == ' ' || (ch >= '\t' && ch <= '\r');  // TAB, LF, VT, FF, CR are 9 to 13
}

/// True for the consonants that may be written twice to stand for a small
/// tsu: d, g, k, p, s, t.
constexpr bool isDoublingConsonant(char ch) {
  return ch == 'd' || ch == 'g' || ch == 'k' || ch == 'p' || ch == 's' || ch == 't';
}
