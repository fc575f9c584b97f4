#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inflection/conjugation_engine.hpp"
#include "inflection/rule_files.hpp"
#include "romaji/kana_converter.hpp"

namespace {

const std::string kClassExample =
    "Verb classification lists\n"
    "AUXILIARIES 1 kuru\n"
    "COPULA 1 da\n"
    "SURU_ENDING_GODANS 1 kosuru\n"
    "SPECIAL_SURU_CONJ 1 aisuru\n"
    "PURE_IRREGULAR 2 kuru iku\n"
    "IRREGULAR_GODAN 1 aru\n"
    "IRREGULAR_ITIDAN 0\n"
    "ITIDAN_OR_GODAN 1 kiru\n"
    "IRU_GODANS 1 hairu\n"
    "ERU_GODANS 2 kaeru heru\n"
    "NONSTEM_INFLECTIONS 0\n";

class VerbClassification : public ::testing::Test {
 protected:
  KanaConverter kana;
  ConjugationEngine engine{kana};

  bool load(const std::string& text) { return loadVerbClasses(engine, text); }
};

}  // namespace

TEST_F(VerbClassification, ExampleFileClassifiesAsDescribed) {
  ASSERT_TRUE(load(kClassExample));
  EXPECT_EQ(engine.classLists().pureIrregular, (std::vector<std::string>{"kuru", "iku"}));
  EXPECT_EQ(engine.classLists().eruGodans, (std::vector<std::string>{"kaeru", "heru"}));
  EXPECT_TRUE(engine.classLists().irregularItidan.empty());
  struct Case {
    std::string verb;
    std::int16_t wordClass;
  };
  const std::vector<Case> cases = {
      {"da", Copula},          {"kosuru", Godan},          {"aisuru", IrregularSuru},
      {"ai suru", IrregularSuru}, {"benkyou suru", SuruAux}, {"benkyousuru", SuruAux},
      {"kuru", Irregular},     {"aru", IrregularGodan},    {"kiru", ItidanOrGodan},
      {"hairu", Godan},        {"kaeru", Godan},           {"taberu", Itidan},
      {"kaku", Godan},         {"nasaru", IrregularGodan}, {"kudasaru", Godan},
      {"irassyaru", Godan},    {"ru", Godan},              {"miru", Itidan},
      {"suru", SuruAux},       {"kasuru", SuruAux},
  };
  for (const Case& c : cases) EXPECT_EQ(engine.classifyVerb(c.verb), c.wordClass) << c.verb;
}

TEST_F(VerbClassification, ListOrderDecidesForAWordListedTwice) {
  ASSERT_TRUE(load(
      "AUXILIARIES 0 COPULA 1 kaeru SURU_ENDING_GODANS 0 SPECIAL_SURU_CONJ 0 PURE_IRREGULAR 0 "
      "IRREGULAR_GODAN 0 IRREGULAR_ITIDAN 1 kaeru ITIDAN_OR_GODAN 0 IRU_GODANS 0 "
      "ERU_GODANS 1 kaeru NONSTEM_INFLECTIONS 1 kaeru"));
  EXPECT_EQ(engine.classifyVerb("kaeru"), Copula);
  EXPECT_EQ(engine.classLists().nonstemInflections, std::vector<std::string>{"kaeru"});
}

TEST_F(VerbClassification, FreeTextBetweenSectionsIsSkipped) {
  ASSERT_TRUE(load(
      "# heading\nAUXILIARIES\n1\nkuru\nnotes here COPULA 1 da more notes\n"
      "SURU_ENDING_GODANS 0 SPECIAL_SURU_CONJ 0 PURE_IRREGULAR 0 IRREGULAR_GODAN 0 "
      "IRREGULAR_ITIDAN 0 ITIDAN_OR_GODAN 0 IRU_GODANS 0 ERU_GODANS 0 trailing\n"
      "NONSTEM_INFLECTIONS 2 kita kite end of file text"));
  EXPECT_EQ(engine.classLists().auxiliaries, std::vector<std::string>{"kuru"});
  EXPECT_EQ(engine.classLists().copulas, std::vector<std::string>{"da"});
  EXPECT_EQ(engine.classLists().nonstemInflections, (std::vector<std::string>{"kita", "kite"}));
}

TEST_F(VerbClassification, MissingMisplacedOrTruncatedSectionsFailTheLoad) {
  const std::vector<std::string> broken = {
      // COPULA and AUXILIARIES swapped
      "COPULA 1 da AUXILIARIES 1 kuru SURU_ENDING_GODANS 0 SPECIAL_SURU_CONJ 0 PURE_IRREGULAR 0 "
      "IRREGULAR_GODAN 0 IRREGULAR_ITIDAN 0 ITIDAN_OR_GODAN 0 IRU_GODANS 0 ERU_GODANS 0 "
      "NONSTEM_INFLECTIONS 0",
      // last section missing
      "AUXILIARIES 0 COPULA 0 SURU_ENDING_GODANS 0 SPECIAL_SURU_CONJ 0 PURE_IRREGULAR 0 "
      "IRREGULAR_GODAN 0 IRREGULAR_ITIDAN 0 ITIDAN_OR_GODAN 0 IRU_GODANS 0 ERU_GODANS 0",
      // misspelled keyword
      "AUXILIARIES 0 Copula 0 SURU_ENDING_GODANS 0 SPECIAL_SURU_CONJ 0 PURE_IRREGULAR 0 "
      "IRREGULAR_GODAN 0 IRREGULAR_ITIDAN 0 ITIDAN_OR_GODAN 0 IRU_GODANS 0 ERU_GODANS 0 "
      "NONSTEM_INFLECTIONS 0",
      // a count larger than the entries left swallows the next keyword
      "AUXILIARIES 2 kuru COPULA 0 SURU_ENDING_GODANS 0 SPECIAL_SURU_CONJ 0 PURE_IRREGULAR 0 "
      "IRREGULAR_GODAN 0 IRREGULAR_ITIDAN 0 ITIDAN_OR_GODAN 0 IRU_GODANS 0 ERU_GODANS 0 "
      "NONSTEM_INFLECTIONS 0",
      // a count that is not a number
      "AUXILIARIES many kuru COPULA 0 SURU_ENDING_GODANS 0 SPECIAL_SURU_CONJ 0 PURE_IRREGULAR 0 "
      "IRREGULAR_GODAN 0 IRREGULAR_ITIDAN 0 ITIDAN_OR_GODAN 0 IRU_GODANS 0 ERU_GODANS 0 "
      "NONSTEM_INFLECTIONS 0",
      "",
  };
  for (const std::string& text : broken) EXPECT_FALSE(load(text)) << text;
  EXPECT_FALSE(engine.loadVerbClasses("no/such/folder/Rules_VClass.dat"));
  EXPECT_TRUE(engine.classLists().copulas.empty());
  EXPECT_TRUE(engine.loadVerbClasses(std::string(ZUNOKA_SOURCE_DIR) +
                                     "/tests/transcripts/data/search/Rules_VClass.dat"));
}

TEST_F(VerbClassification, ListsReadBeforeAFailureAreKept) {
  EXPECT_FALSE(load("AUXILIARIES 1 kuru COPULA 1 da"));
  EXPECT_EQ(engine.classLists().auxiliaries, std::vector<std::string>{"kuru"});
  EXPECT_EQ(engine.classLists().copulas, std::vector<std::string>{"da"});
  ASSERT_TRUE(load(kClassExample));
  EXPECT_EQ(engine.classLists().auxiliaries, std::vector<std::string>{"kuru"});
}

TEST(VerbEndingScreen, RejectsWordsThatCannotBeVerbs) {
  struct Case {
    std::string word;
    bool bad;
  };
  const std::vector<Case> cases = {
      {"da", false},   {"kau", false},  {"taberu", false}, {"hanasu", false}, {"matu", false},
      {"yomu", false}, {"sinu", false}, {"asobu", false},  {"oyogu", false},  {"iu", false},
      {"ou", false},   {"eu", false},   {"uu", false},     {"tabe", true},    {"k", true},
      {"", true},      {"ta", true},    {"kan", true},     {"ai suru", false},
  };
  for (const Case& c : cases) EXPECT_EQ(hasBadVerbEnding(c.word), c.bad) << c.word;
}
