#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

/// Converts between Nihon-shiki romaji and EUC-JP kana, built once from the
/// syllable table. Immutable after construction; every operation is const.
class KanaConverter {
 public:
  KanaConverter();

  /// True when `romaji` is exactly one of the 147 syllables of the table
  /// (the SyllableSet).
  bool isSyllable(std::string_view romaji) const;

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
  /// toRomaji's romaji appended to `out`, with no string of its own.
  void appendRomaji(std::string_view kana, std::string& out) const;

 private:
  /// Open-addressed index from a unit of one to four bytes to its row of the
  /// syllable table, so that the per-character lookups are cheap.
  class UnitIndex {
   public:
    void insert(std::string_view unit, std::uint16_t row);
    /// The row of `unit`, or kNoRow.
    std::uint16_t find(std::string_view unit) const;
    static constexpr std::uint16_t kNoRow = 0xFFFF;

   private:
    static constexpr std::size_t kSlots = 512;
    std::array<std::uint64_t, kSlots> keys_{};  ///< 0 marks a free slot
    std::array<std::uint16_t, kSlots> rows_{};
  };

  std::string_view kanaUnitRomaji(std::string_view kana) const;

  /// Whether some two-kana unit of the table ends in the kana whose two
  /// bytes pack to the index: a pair lookup can only succeed when its
  /// second kana is one of these.
  std::bitset<0x10000> endsAPair_;

  /// The row of each two-byte hiragana or katakana unit (lead byte 0xA4 or
  /// 0xA5, then the second byte), as the two indexes below give it, or
  /// kNoRow: most readings are made of these alone.
  std::array<std::uint16_t, 512> kanaRows_{};

  /// The romaji of each two-byte unit kanaRows_ covers, small tsu's marker
  /// included: at most three letters, padded to four.
  struct KanaLetters {
    std::array<char, 4> letters{};
    std::uint8_t count = 0;
  };
  std::array<KanaLetters, 512> kanaLetters_{};

  UnitIndex romajiIndex_;    ///< the syllables, and through their rows their hiragana
  UnitIndex hiraganaIndex_;  ///< hiragana to romaji, tried first
  UnitIndex katakanaIndex_;  ///< katakana to romaji
};

/// Stands in a text field where a romaji word could not be converted.
inline constexpr std::string_view kResultNotValid = "[RESULT NOT VALID]";
