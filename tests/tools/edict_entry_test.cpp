#include "edict_entry.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/euc.hpp"

using Strings = std::vector<std::string>;

TEST(ParseEdictLine, ReadsHeadwordReadingSensesAndCommonMark) {
  auto entry = parseEdictLine(
      euc("帰る [かえる] /(v5r,vi) (1) to return/to come home/(v5r,vi) (2) to leave/(P)/"));
  ASSERT_TRUE(entry);
  ASSERT_EQ(entry->headwords.size(), 1u);
  EXPECT_EQ(entry->headwords[0].text, euc("帰る"));
  ASSERT_EQ(entry->readings.size(), 1u);
  EXPECT_EQ(entry->readings[0].text, euc("かえる"));
  EXPECT_TRUE(entry->common);
  ASSERT_EQ(entry->senses.size(), 2u);
  EXPECT_EQ(entry->senses[0].partsOfSpeech, (Strings{"v5r", "vi"}));
  EXPECT_EQ(entry->senses[0].glosses, (Strings{"to return", "to come home"}));
  EXPECT_EQ(entry->senses[1].glosses, (Strings{"to leave"}));
}

TEST(ParseEdictLine, KanaOnlyEntryHasReadingsAndNoHeadwords) {
  auto entry = parseEdictLine(euc("かえる /(n) frog/"));
  ASSERT_TRUE(entry);
  EXPECT_TRUE(entry->headwords.empty());
  ASSERT_EQ(entry->readings.size(), 1u);
  EXPECT_EQ(entry->readings[0].text, euc("かえる"));
  EXPECT_FALSE(entry->common);
  auto pairs = writtenReadingPairs(*entry);
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].first->text, euc("かえる"));
  EXPECT_EQ(pairs[0].second->text, euc("かえる"));
}

TEST(ParseEdictLine, SenseWithoutPartOfSpeechInheritsThePreviousOne) {
  auto entry = parseEdictLine(euc("勉強 [べんきょう] /(n,vs) (1) study/(2) diligence/(adj-no) (3) cheap/"));
  ASSERT_TRUE(entry);
  ASSERT_EQ(entry->senses.size(), 3u);
  EXPECT_EQ(entry->senses[1].partsOfSpeech, (Strings{"n", "vs"}));
  EXPECT_EQ(entry->senses[1].glosses, (Strings{"diligence"}));
  EXPECT_EQ(entry->senses[2].partsOfSpeech, (Strings{"adj-no"}));
}

TEST(ParseEdictLine, TagsLeaveTheGlossButContentParenthesesStay) {
  struct Case {
    const char* body;
    Strings tags;
    std::string gloss;
  };
  const Case cases[] = {
      {"(v1-s,vt) (uk) (hon) to give", {"uk", "hon"}, "to give"},
      {"(v5r) (someone's) turn to speak", {}, "(someone's) turn to speak"},
      {"(v5r) (ksb:) to be", {"ksb:"}, "to be"},
      {"(v5r) (comp) to boot", {"comp"}, "to boot"},
      {"(v5r) to go (somewhere)", {}, "to go (somewhere)"},
      {"(v5r) (in a direction) to go", {}, "(in a direction) to go"},
      {"(v5r) to tab\tbed", {}, "to tab bed"},
  };
  for (const Case& c : cases) {
    auto entry = parseEdictLine(euc("くれる /") + c.body + "/");
    ASSERT_TRUE(entry) << c.body;
    ASSERT_EQ(entry->senses.size(), 1u) << c.body;
    EXPECT_EQ(entry->senses[0].tags, c.tags) << c.body;
    EXPECT_EQ(entry->senses[0].glosses, Strings{c.gloss}) << c.body;
  }
}

TEST(ParseEdictLine, MultipleHeadwordsAndReadingsKeepTheirMarksAndRestrictions) {
  auto entry = parseEdictLine(
      euc("紙;髪(iK) [かみ(紙);がみ(P)] /(n) paper/EntL1234560X/(P)/"));
  ASSERT_TRUE(entry);
  ASSERT_EQ(entry->headwords.size(), 2u);
  EXPECT_EQ(entry->headwords[1].text, euc("髪"));
  EXPECT_EQ(entry->headwords[1].tags, Strings{"iK"});
  ASSERT_EQ(entry->readings.size(), 2u);
  EXPECT_EQ(entry->readings[0].restrictions, Strings{euc("紙")});
  EXPECT_TRUE(entry->readings[1].common);
  EXPECT_FALSE(entry->readings[0].common);
  ASSERT_EQ(entry->senses.size(), 1u);
  EXPECT_EQ(entry->senses[0].glosses, Strings{"paper"}) << "the EntL field is not a gloss";

  auto pairs = writtenReadingPairs(*entry);
  std::vector<std::pair<std::string, std::string>> texts;
  for (auto [written, reading] : pairs) texts.emplace_back(written->text, reading->text);
  EXPECT_EQ(texts, (std::vector<std::pair<std::string, std::string>>{
                       {euc("紙"), euc("かみ")}, {euc("紙"), euc("がみ")}, {euc("髪"), euc("がみ")}}));
}

TEST(IsCommonPair, FormMarksDecideWhenTheEntryMarksForms) {
  auto marked = parseEdictLine(euc("紙;髪 [かみ;がみ(P)] /(n) paper/(P)/"));
  ASSERT_TRUE(marked);
  const auto& m = *marked;
  EXPECT_FALSE(isCommonPair(m, m.headwords[0], m.readings[0])) << "reading not marked";
  EXPECT_FALSE(isCommonPair(m, m.headwords[0], m.readings[1])) << "headword not marked";

  auto both = parseEdictLine(euc("紙(P) [かみ(P)] /(n) paper/(P)/"));
  ASSERT_TRUE(both);
  EXPECT_TRUE(isCommonPair(*both, both->headwords[0], both->readings[0]));

  auto kanaOnly = parseEdictLine(euc("かみ(P) /(n) paper/"));
  ASSERT_TRUE(kanaOnly);
  EXPECT_TRUE(isCommonPair(*kanaOnly, kanaOnly->readings[0], kanaOnly->readings[0]));

  auto entryLevel = parseEdictLine(euc("紙 [かみ] /(n) paper/(P)/"));
  ASSERT_TRUE(entryLevel);
  EXPECT_TRUE(isCommonPair(*entryLevel, entryLevel->headwords[0], entryLevel->readings[0]));
}

TEST(ParseEdictLine, RejectsLinesThatAreNotEntries) {
  const std::string lines[] = {
      "",
      "/",
      " /(n) nothing before the slash/",
      euc("かみ"),
      euc("かみ /(n) paper"),
      euc("紙 [かみ /(n) paper/"),
      euc("紙 [] /(n) paper/"),
      euc("かみ /"),
      euc("かみ //"),
      euc("かみ /(P)/"),
  };
  for (const std::string& line : lines) EXPECT_FALSE(parseEdictLine(line)) << line;
}

TEST(ParseEdictLine, AcceptsCarriageReturnLineEnds) {
  auto entry = parseEdictLine(euc("かみ /(n) paper/\r"));
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->senses[0].glosses, Strings{"paper"});
}

TEST(IsTagGroup, KnowsEdictTagsOnly) {
  EXPECT_TRUE(isTagGroup("v5r,vi"));
  EXPECT_TRUE(isTagGroup("uk"));
  EXPECT_TRUE(isTagGroup("hon"));
  EXPECT_TRUE(isTagGroup("ksb:"));
  EXPECT_FALSE(isTagGroup("someone"));
  EXPECT_FALSE(isTagGroup("v5r,someone"));
  EXPECT_FALSE(isTagGroup(""));
  EXPECT_FALSE(isTagGroup("e.g. rain"));
}

TEST(IsVariantSpelling, IrregularAndOutdatedFormsAreVariants) {
  struct Case {
    const char* line;
    bool variant;
  };
  const Case cases[] = {
      {"高い [たかい] /(adj-i) high/(P)/", false},
      {"高い [たかい] /(iK) (adj-i) expensive/", true},
      {"帰る [かえる] /(oK) (v5r,vi) to return/", true},
      {"かえる /(ok) (v5r) to return/", true},
      {"高い [たかい] /(ateji) (adj-i) high/", false},
      {"高い(iK) [たかい] /(adj-i) high/", true},
      {"高い [たかい(ik)] /(adj-i) high/", true},
  };
  for (const Case& c : cases) {
    auto entry = parseEdictLine(euc(c.line));
    ASSERT_TRUE(entry) << c.line;
    const EdictForm& written = entry->headwords.empty() ? entry->readings[0] : entry->headwords[0];
    EXPECT_EQ(isVariantSpelling(*entry, written, entry->readings[0]), c.variant) << c.line;
  }
}

TEST(IsVariantSpelling, SenseMarksApplyOnlyWhenTheLineHoldsOneForm) {
  auto entry = parseEdictLine(euc("高い;紙 [たかい] /(iK) (adj-i) high/"));
  ASSERT_TRUE(entry);
  EXPECT_FALSE(isVariantSpelling(*entry, entry->headwords[0], entry->readings[0]));
}

TEST(ParseEdictLine, EveryTruncatedLineIsRejectedOrParsedWithoutOverrun) {
  const std::string lines[] = {
      euc("帰る [かえる] /(v5r,vi) (1) to return/(v5r,vi) (2) to leave/(P)/"),
      euc("紙;髪(iK) [かみ(紙);がみ(P)] /(n) (ksb:) paper (thin)/EntL1234560X/"),
  };
  for (const std::string& line : lines) {
    for (std::size_t length = 0; length < line.size(); ++length) {
      std::string prefix = line.substr(0, length);
      auto entry = parseEdictLine(prefix);
      if (prefix.empty() || prefix.back() != '/') {
        EXPECT_FALSE(entry) << prefix;
      }
      if (entry) {
        EXPECT_FALSE(entry->senses.empty()) << prefix;
      }
    }
  }
}
