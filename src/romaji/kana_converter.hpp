#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>

/// Converts between Nihon-shiki romaji and EUC-JP kana, built once from the
/// syllable table. Immutable after construction; every operation is const.
class KanaConverter {
 public:
  KanaConverter();

  /// True when the word is a properly formed Nihon-shiki word (single white
  /// space allowed between parts). Never reads outside the word.
  bool isWellFormedRomaji(std::string_view word) const;

  /// The kana of a romaji word, or "[RESULT NOT VALID]" when the word is not
  /// well formed. White space inside the word leaves no trace.
  std::string toKana(std::string_view romaji) const;

  /// The romaji of one or two kana (two or four bytes); "q" for a small tsu;
  /// empty when the kana is not in the table.
  std::string kanaUnitToRomaji(std::string_view kana) const;

  /// The romaji of an EUC-JP kana reading; units not in the table are dropped.
  /// A small tsu doubles the character after it and is dropped at the end.
  std::string toRomaji(std::string_view kana) const;

  std::set<std::string, std::less<>> syllables;  ///< the SyllableSet
  std::map<std::string, std::string, std::less<>> romajiToKana;
  std::map<std::string, std::string, std::less<>> hiraganaToRomaji;
  std::map<std::string, std::string, std::less<>> katakanaToRomaji;
};

/// Stands in a text field where a romaji word could not be converted.
inline constexpr std::string_view kResultNotValid = "[RESULT NOT VALID]";
