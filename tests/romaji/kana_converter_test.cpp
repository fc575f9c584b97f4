#include "romaji/kana_converter.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "romaji/euc_kana.hpp"
#include "romaji/syllable_table.hpp"

namespace {

const KanaConverter& converter() {
  static const KanaConverter instance;
  return instance;
}

struct Conversion {
  std::string from;
  std::string to;
};

}  // namespace

TEST(KanaConverter, EverySyllableOfTheTableConvertsToItsKanaAndBack) {
  const KanaConverter& kana = converter();
  std::size_t syllables = 0;
  for (const SyllableRow& row : SyllableTable) {
    if (row.romaji == kSyllableTableEnd) break;
    ++syllables;
    EXPECT_TRUE(kana.isSyllable(row.romaji)) << row.romaji;
    EXPECT_EQ(kana.kanaUnitToRomaji(row.katakana), row.romaji) << row.romaji;
    EXPECT_EQ(kana.toKana(row.romaji), row.hiragana) << row.romaji;
    EXPECT_EQ(kana.toRomaji(row.hiragana), row.romaji) << row.romaji;
    EXPECT_EQ(kana.toRomaji(row.katakana), row.romaji) << row.romaji;
    EXPECT_EQ(kana.kanaUnitToRomaji(row.hiragana), row.romaji) << row.romaji;
  }
  EXPECT_EQ(syllables, 147u);
  for (const char* other : {"end", "shi", "tsu", "Ka", "", "kk", "kaa"}) {
    EXPECT_FALSE(kana.isSyllable(other)) << other;
  }
}

TEST(ToKana, SpellsWordsInHiragana) {
  using namespace euc;
  const Conversion cases[] = {
      {"taberu", join(ta, be, ru)},
      {"kitte", join(ki, smallTu, te)},
      {"ai suru", join(a, i, su, ru)},
      {"konya", join(ko, ni, smallYa)},
      {"kon'ya", join(ko, n, middleDot, ya)},
      {"hon", join(ho, n)},
      {"fa", join(kataHu, kataSmallA)},
      {"WI", join(kataU, kataSmallI)},
      {"ko-hi-", "\xA4\xB3\xA1\xBC\xA4\xD2\xA1\xBC"},
      {"onna", join(std::string_view("\xA4\xAA"), n, na)},
      {"", ""},
  };
  for (const Conversion& c : cases) EXPECT_EQ(converter().toKana(c.from), c.to) << c.from;
}

TEST(ToKana, ReplacesIllFormedWordsByTheNotValidMarker) {
  for (const char* word : {"shi", "tsu", "kakk", "ai  suru", "Taberu", "kaq"}) {
    EXPECT_EQ(converter().toKana(word), "[RESULT NOT VALID]") << word;
  }
}

TEST(ToRomaji, ReadsKanaReadings) {
  using namespace euc;
  const Conversion cases[] = {
      {join(ta, be, ru), "taberu"},
      {join(ki, smallYa, ku), "kyaku"},
      {join(ki, smallTu, te), "kitte"},
      {join(kataKo, prolongedSound, kataHi, prolongedSound), "ko-hi-"},
      {join(ko, n, middleDot, ya), "kon'ya"},
      {join(kataU, kataSmallI), "WI"},
      {join(ki, kataSmallTu, kataTo), "kitto"},
      {"", ""},
  };
  for (const Conversion& c : cases) EXPECT_EQ(converter().toRomaji(c.from), c.to) << c.from;
}

TEST(ToRomaji, SmallTsuDoublesTheNextConsonant) {
  using namespace euc;
  EXPECT_EQ(converter().toRomaji(join(ma, smallTu, ti)), "matti");
  EXPECT_EQ(converter().toRomaji(join(ki, kataSmallTu, std::string_view("\xA5\xC4\xA5\xA1"))), "kittsa");
  // Repeated small tsu all double the same consonant; no marker survives.
  EXPECT_EQ(converter().toRomaji(join(ma, smallTu, smallTu, ti)), "mattti");
}

TEST(ToRomaji, DropsUnitsOutsideTheTable) {
  using namespace euc;
  const Conversion cases[] = {
      {join(kanjiKaku, ku), "ku"},
      {join(ta, kanjiKaku, be, ru), "taberu"},
      {join(ta, std::string_view("\xA5\xA1")), "ta"},  // a small vowel alone
      {join(ta, be, std::string_view("r")), "tabe"},   // odd trailing byte
      {"ab", ""},
  };
  for (const Conversion& c : cases) EXPECT_EQ(converter().toRomaji(c.from), c.to) << c.from;
}

TEST(ToRomaji, DropsASmallTsuWithNothingToDouble) {
  using namespace euc;
  EXPECT_EQ(converter().toRomaji(join(ki, smallTu)), "ki");
  EXPECT_EQ(converter().toRomaji(join(ki, smallTu, kataSmallTu)), "ki");
  EXPECT_EQ(converter().toRomaji(smallTu), "");
  EXPECT_EQ(converter().toRomaji(join(smallTu, kanjiKaku)), "");
}

TEST(KanaUnitToRomaji, ReadsOneOrTwoKana) {
  using namespace euc;
  const Conversion cases[] = {
      {std::string(ta), "ta"},
      {join(ki, smallYa), "kya"},
      {std::string(kataHi), "hi"},
      {std::string(smallTu), "q"},
      {std::string(kataSmallTu), "q"},
      {std::string(kanjiKaku), ""},
      {join(ta, be), ""},
      {"", ""},
  };
  for (const Conversion& c : cases) EXPECT_EQ(converter().kanaUnitToRomaji(c.from), c.to) << c.from;
}
