#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "romaji/kana_converter.hpp"
#include "romaji/syllable_table.hpp"

namespace {

const KanaConverter& converter() {
  static const KanaConverter instance;
  return instance;
}

std::vector<std::string_view> tableSyllables() {
  std::vector<std::string_view> syllables;
  for (const SyllableRow& row : SyllableTable) {
    if (row.romaji == kSyllableTableEnd) break;
    syllables.push_back(row.romaji);
  }
  return syllables;
}

/// A word of one to eight syllables; a syllable that starts with a doubling
/// consonant is sometimes preceded by a second copy of it (a small tsu).
std::string randomWord(std::mt19937& random, const std::vector<std::string_view>& syllables) {
  std::uniform_int_distribution<std::size_t> pick(0, syllables.size() - 1);
  std::uniform_int_distribution<int> length(1, 8);
  std::bernoulli_distribution doubled(0.3);
  std::string word;
  for (int count = length(random); count > 0; --count) {
    const std::string_view syllable = syllables[pick(random)];
    if (isDoublingConsonant(syllable.front()) && doubled(random)) word += syllable.front();
    word += syllable;
  }
  return word;
}

}  // namespace

// Only "n" begins a longer syllable, and it keeps its letters whichever way
// it is grouped ("n" + "ya" reads back as "nya"), so every word built from
// syllables without white space must come back letter for letter.
TEST(RoundTrip, EveryWordBuiltFromSyllablesComesBackFromItsKana) {
  const std::vector<std::string_view> syllables = tableSyllables();
  std::mt19937 random(20240611);
  for (int trial = 0; trial < 20000; ++trial) {
    const std::string word = randomWord(random, syllables);
    ASSERT_TRUE(converter().isWellFormedRomaji(word)) << word;
    const std::string kana = converter().toKana(word);
    ASSERT_NE(kana, kResultNotValid) << word;
    ASSERT_EQ(converter().toRomaji(kana), word) << word;
  }
}

TEST(RoundTrip, ApostropheAndHyphenComeBackThroughTheirMarks) {
  for (const char* word : {"kon'ya", "ko-hi-", "n'", "-", "'a"}) {
    EXPECT_EQ(converter().toRomaji(converter().toKana(word)), word) << word;
  }
}

TEST(RoundTrip, WhiteSpaceLeavesNoTraceInTheKana) {
  EXPECT_EQ(converter().toRomaji(converter().toKana("ai suru")), "aisuru");
  EXPECT_EQ(converter().toKana(" ai\tsuru "), converter().toKana("aisuru"));
}

// Arbitrary bytes must never make the converter read past its input; run
// under the sanitizers this catches any overrun.
TEST(RobustInput, ArbitraryBytesGiveSaneResults) {
  std::mt19937 random(7);
  const std::string alphabet = "nqkstdgpaiueoyw' -\t\nWIE";
  std::uniform_int_distribution<int> anyByte(0, 255);
  std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 12);
  std::bernoulli_distribution fromAlphabet(0.7);
  for (int trial = 0; trial < 20000; ++trial) {
    std::string bytes;
    for (int count = length(random); count > 0; --count) {
      bytes += fromAlphabet(random) ? alphabet[letter(random)] : static_cast<char>(anyByte(random));
    }
    const std::string kana = converter().toKana(bytes);
    EXPECT_EQ(kana == kResultNotValid, !converter().isWellFormedRomaji(bytes)) << bytes;
    const std::string romaji = converter().toRomaji(bytes);
    EXPECT_EQ(romaji.find('q'), std::string::npos) << bytes;
    EXPECT_LE(romaji.size(), bytes.size() * 2) << bytes;
    converter().kanaUnitToRomaji(bytes);
  }
}

TEST(RobustInput, KanaMixedWithForeignBytesReadsOnlyTableUnits) {
  std::vector<std::string_view> units;
  for (const SyllableRow& row : SyllableTable) {
    if (row.romaji == kSyllableTableEnd) break;
    units.push_back(row.hiragana);
    units.push_back(row.katakana);
  }
  units.push_back("\xA4\xC3");
  units.push_back("\xA5\xC3");
  units.push_back("\xBD\xF1");
  units.push_back("\xA5\xA1");
  units.push_back("x");
  std::mt19937 random(11);
  std::uniform_int_distribution<std::size_t> pick(0, units.size() - 1);
  std::uniform_int_distribution<int> length(0, 10);
  for (int trial = 0; trial < 20000; ++trial) {
    std::string reading;
    for (int count = length(random); count > 0; --count) reading += units[pick(random)];
    const std::string romaji = converter().toRomaji(reading);
    for (char ch : romaji) {
      EXPECT_TRUE(ch == '\'' || ch == '-' || (ch >= 'a' && ch <= 'z' && ch != 'q') ||
                  (ch >= 'A' && ch <= 'Z'))
          << reading;
    }
  }
}
