#include "romaji/syllable_table.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "romaji/euc_kana.hpp"

namespace {

bool isFirstRow(std::size_t index) { return index < 73; }
bool isPalatalRow(std::size_t index) { return index >= 73 && index < 106; }
bool isForeignRow(std::size_t index) { return index >= 106 && index < 145; }

}  // namespace

TEST(SyllableTable, HasOneHundredFortySevenSyllablesThenTheSentinel) {
  ASSERT_EQ(SyllableTable.size(), 148u);
  EXPECT_EQ(SyllableTable.back().romaji, "end");
  EXPECT_EQ(SyllableTable.back().hiragana, "end");
  EXPECT_EQ(SyllableTable.back().katakana, "end");
  for (std::size_t index = 0; index + 1 < SyllableTable.size(); ++index) {
    EXPECT_NE(SyllableTable[index].romaji, kSyllableTableEnd) << index;
  }
}

TEST(SyllableTable, RowsKeepTheirFixedOrder) {
  const struct {
    std::size_t index;
    std::string_view romaji;
  } landmarks[] = {{0, "a"},    {4, "o"},     {5, "ka"},   {71, "wo"},  {72, "n"},
                   {73, "kya"}, {105, "ryo"}, {106, "ye"}, {107, "WI"}, {129, "dyo"},
                   {139, "va"}, {141, "vu"},  {144, "vyu"}, {145, "'"}, {146, "-"}};
  for (const auto& landmark : landmarks) {
    EXPECT_EQ(SyllableTable[landmark.index].romaji, landmark.romaji) << landmark.index;
  }
}

TEST(SyllableTable, EachColumnHoldsDistinctValues) {
  std::set<std::string_view> romaji, hiragana, katakana;
  for (std::size_t index = 0; index + 1 < SyllableTable.size(); ++index) {
    EXPECT_TRUE(romaji.insert(SyllableTable[index].romaji).second) << index;
    EXPECT_TRUE(hiragana.insert(SyllableTable[index].hiragana).second) << index;
    EXPECT_TRUE(katakana.insert(SyllableTable[index].katakana).second) << index;
  }
}

TEST(SyllableTable, RomajiIsOneToThreeLettersAndLowerCaseButForThreeForeignSounds) {
  for (std::size_t index = 0; index + 1 < SyllableTable.size(); ++index) {
    const std::string_view romaji = SyllableTable[index].romaji;
    EXPECT_GE(romaji.size(), 1u);
    EXPECT_LE(romaji.size(), 3u);
    const bool capital = romaji == "WI" || romaji == "WE" || romaji == "WO";
    for (char ch : romaji) {
      EXPECT_EQ(ch >= 'A' && ch <= 'Z', capital) << romaji;
      EXPECT_NE(ch, 'q') << romaji;
    }
  }
}

TEST(SyllableTable, KanaColumnsUseTheirJisRows) {
  for (std::size_t index = 0; index + 1 < SyllableTable.size(); ++index) {
    const SyllableRow& row = SyllableTable[index];
    ASSERT_EQ(row.hiragana.size() % 2, 0u) << row.romaji;
    ASSERT_EQ(row.katakana.size(), row.hiragana.size()) << row.romaji;
    if (isFirstRow(index) || isPalatalRow(index)) {
      for (std::size_t byte = 0; byte < row.hiragana.size(); byte += 2) {
        EXPECT_EQ(static_cast<unsigned char>(row.hiragana[byte]), 0xA4u) << row.romaji;
        EXPECT_EQ(static_cast<unsigned char>(row.katakana[byte]), 0xA5u) << row.romaji;
        // The katakana sits in the same cell as the hiragana.
        EXPECT_EQ(row.hiragana[byte + 1], row.katakana[byte + 1]) << row.romaji;
      }
      EXPECT_EQ(row.hiragana.size(), isFirstRow(index) ? 2u : 4u) << row.romaji;
    } else if (isForeignRow(index)) {
      EXPECT_EQ(row.hiragana, row.katakana) << row.romaji;
      EXPECT_EQ(static_cast<unsigned char>(row.katakana[0]), 0xA5u) << row.romaji;
    } else {
      EXPECT_EQ(row.hiragana, row.katakana) << row.romaji;
    }
  }
}

TEST(SyllableTable, KanaMatchTheJisChart) {
  using namespace std::string_view_literals;
  const struct {
    std::string_view romaji;
    std::string_view hiragana;
    std::string_view katakana;
  } expected[] = {
      {"a", "\xA4\xA2", "\xA5\xA2"},
      {"ka", "\xA4\xAB", "\xA5\xAB"},
      {"ga", "\xA4\xAC", "\xA5\xAC"},
      {"si", "\xA4\xB7", "\xA5\xB7"},
      {"ta", "\xA4\xBF", "\xA5\xBF"},
      {"ti", "\xA4\xC1", "\xA5\xC1"},
      {"di", "\xA4\xC2", "\xA5\xC2"},
      {"tu", "\xA4\xC4", "\xA5\xC4"},
      {"du", "\xA4\xC5", "\xA5\xC5"},
      {"hu", "\xA4\xD5", "\xA5\xD5"},
      {"be", "\xA4\xD9", "\xA5\xD9"},
      {"po", "\xA4\xDD", "\xA5\xDD"},
      {"ru", "\xA4\xEB", "\xA5\xEB"},
      {"wa", "\xA4\xEF", "\xA5\xEF"},
      {"wi", "\xA4\xF0", "\xA5\xF0"},
      {"we", "\xA4\xF1", "\xA5\xF1"},
      {"wo", "\xA4\xF2", "\xA5\xF2"},
      {"n", "\xA4\xF3", "\xA5\xF3"},
      {"kya", "\xA4\xAD\xA4\xE3", "\xA5\xAD\xA5\xE3"},
      {"zyu", "\xA4\xB8\xA4\xE5", "\xA5\xB8\xA5\xE5"},
      {"tyo", "\xA4\xC1\xA4\xE7", "\xA5\xC1\xA5\xE7"},
      {"ryo", "\xA4\xEA\xA4\xE7", "\xA5\xEA\xA5\xE7"},
      {"ye", "\xA5\xA4\xA5\xA7", "\xA5\xA4\xA5\xA7"},
      {"WI", "\xA5\xA6\xA5\xA3", "\xA5\xA6\xA5\xA3"},
      {"WE", "\xA5\xA6\xA5\xA7", "\xA5\xA6\xA5\xA7"},
      {"WO", "\xA5\xA6\xA5\xA9", "\xA5\xA6\xA5\xA9"},
      {"kwi", "\xA5\xAF\xA5\xA3", "\xA5\xAF\xA5\xA3"},
      {"gwo", "\xA5\xB0\xA5\xA9", "\xA5\xB0\xA5\xA9"},
      {"sye", "\xA5\xB7\xA5\xA7", "\xA5\xB7\xA5\xA7"},
      {"zye", "\xA5\xB8\xA5\xA7", "\xA5\xB8\xA5\xA7"},
      {"tye", "\xA5\xC1\xA5\xA7", "\xA5\xC1\xA5\xA7"},
      {"tji", "\xA5\xC6\xA5\xA3", "\xA5\xC6\xA5\xA3"},
      {"tju", "\xA5\xC6\xA5\xE5", "\xA5\xC6\xA5\xE5"},
      {"twu", "\xA5\xC8\xA5\xA5", "\xA5\xC8\xA5\xA5"},
      {"dji", "\xA5\xC7\xA5\xA3", "\xA5\xC7\xA5\xA3"},
      {"dju", "\xA5\xC7\xA5\xE5", "\xA5\xC7\xA5\xE5"},
      {"dwu", "\xA5\xC9\xA5\xA5", "\xA5\xC9\xA5\xA5"},
      {"dyu", "\xA5\xC2\xA5\xE5", "\xA5\xC2\xA5\xE5"},
      {"tso", "\xA5\xC4\xA5\xA9", "\xA5\xC4\xA5\xA9"},
      {"fa", "\xA5\xD5\xA5\xA1", "\xA5\xD5\xA5\xA1"},
      {"fyu", "\xA5\xD5\xA5\xE5", "\xA5\xD5\xA5\xE5"},
      {"vu", "\xA5\xF4", "\xA5\xF4"},
      {"ve", "\xA5\xF4\xA5\xA7", "\xA5\xF4\xA5\xA7"},
      {"vyu", "\xA5\xF4\xA5\xE5", "\xA5\xF4\xA5\xE5"},
      {"'", "\xA1\xA6", "\xA1\xA6"},
      {"-", "\xA1\xBC", "\xA1\xBC"},
  };
  for (const auto& syllable : expected) {
    const SyllableRow* found = nullptr;
    for (const SyllableRow& row : SyllableTable) {
      if (row.romaji == syllable.romaji) found = &row;
    }
    ASSERT_NE(found, nullptr) << syllable.romaji;
    EXPECT_EQ(found->hiragana, syllable.hiragana) << syllable.romaji;
    EXPECT_EQ(found->katakana, syllable.katakana) << syllable.romaji;
  }
}

TEST(IsDoublingConsonant, AcceptsOnlyDGKPST) {
  std::string accepted;
  for (int ch = 0; ch < 256; ++ch) {
    if (isDoublingConsonant(static_cast<char>(ch))) accepted += static_cast<char>(ch);
  }
  EXPECT_EQ(accepted, "dgkpst");
}
