#include "inflection/verb_engine.hpp"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "inflection/conjugation_engine.hpp"
#include "inflection/rule_files.hpp"
#include "romaji/kana_converter.hpp"

namespace {

// Negative: regular itidan and godan rules, an irregular suru rule, and a
// polite group. Past: regular rules, an exception for kaku and two irregular
// rules (suru, aisuru) all in one slot. Potential lists its own case id.
const std::string kVerbRules =
    "3 cases\n"
    "Negative, 3, 2\n"
    "1, 3, 2, 2, 0, 0, , Does not do\n"
    "1, , 16, 1, , nai, , \n"
    "2, , 16, 1, , nai, , \n"
    "8, suru, 16, 0, , sinai, , \n"
    "2, 1, 2, 3, 0, 0, 3, Does not do\n"
    "3, , 16, 2, , , masen, \n"
    "Past, 4, 1\n"
    "1, 5, 1, 2, 2, 1, 4, Did\n"
    "1, , 16, 7, , , , \n"
    "2, , 16, 7, , , , \n"
    "2, kaku, 16384, 0, , , , \n"
    "8, suru, 16, 0, , sita, , \n"
    "8, aisuru, 16, 0, , aisita, , \n"
    "Potential, 6, 1\n"
    "1, 2, 1, 2, 0, 0, 6, Can do\n"
    "1, , 1, 0, , rareru, , \n"
    "2, , 1, 4, , ru, , \n";

std::vector<std::string> romajiOf(const std::vector<InflectionResult>& results) {
  std::vector<std::string> forms;
  for (const InflectionResult& r : results) forms.push_back(r.romaji);
  return forms;
}

class VerbEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    loadVerbRules(engine, kVerbRules);
    VerbClassLists lists;
    lists.auxiliaries = {"kuru"};
    ASSERT_TRUE(loadVerbClasses(engine, classFileText(lists)));
  }

  std::vector<std::string> conjugate(const InflectionResult& word, const std::string& caseName = "",
                                     std::int32_t sense = 0, std::int16_t politeness = 0) const {
    std::vector<InflectionResult> results;
    engine.conjugateVerb(word, caseName, sense, politeness, results);
    return romajiOf(results);
  }

  KanaConverter kana;
  ConjugationEngine engine{kana};
};

}  // namespace

TEST_F(VerbEngine, ConjugatesEveryCaseInFileOrder) {
  EXPECT_EQ(conjugate(InflectionResult("taberu", Itidan)),
            (std::vector<std::string>{"tabenai", "tabe masen", "tabeta", "taberareru"}));
  EXPECT_EQ(conjugate(InflectionResult("yomu", Godan)),
            (std::vector<std::string>{"yomanai", "yomi masen", "yonda", "yomeru"}));
}

TEST_F(VerbEngine, ExceptionRuleSuppressesItsSlotForItsWordOnly) {
  EXPECT_EQ(conjugate(InflectionResult("kaku", Godan), "Past"), std::vector<std::string>{});
  EXPECT_EQ(conjugate(InflectionResult("kiku", Godan), "Past"),
            std::vector<std::string>{"kiita"});
  EXPECT_EQ(conjugate(InflectionResult("kaku", Godan), "Negative"),
            (std::vector<std::string>{"kakanai", "kaki masen"}));
}

TEST_F(VerbEngine, LongerIrregularWordWinsItsSlot) {
  struct Case {
    std::string verb;
    std::int16_t wordClass;
    std::vector<std::string> past;
  };
  const std::vector<Case> cases = {
      {"aisuru", IrregularSuru, {"aisita"}},
      {"ai suru", IrregularSuru, {"ai sita"}},
      {"zessuru", IrregularSuru, {"zessita"}},
      {"benkyou suru", SuruAux, {}},  // 4 shares no bit with the irregular mask 8
      {"kuru", Irregular, {}},        // ends in an auxiliary no rule names
  };
  for (const Case& c : cases) {
    EXPECT_EQ(conjugate(InflectionResult(c.verb, c.wordClass), "Past"), c.past) << c.verb;
  }
}

TEST_F(VerbEngine, IrregularRulesServeOnlyTheWordsOrEndingsTheyName) {
  const std::vector<std::string> auxiliaries = {"kuru"};
  const InflectionRule& irregular =
      std::prev(engine.verbRules().rules.equal_range("Past").second)->second;
  ASSERT_EQ(irregular.word, "aisuru");
  InflectionRule named = irregular;
  named.word = "kuru";
  struct Case {
    std::string ruleWord;
    std::string verb;
    bool applies;
  };
  const std::vector<Case> cases = {
      {"suru", "aisuru", true},         {"suru", "ai suru", true},
      {"aisuru", "ai suru", true},      {"aisuru", "koisuru", false},
      {"kuru", "kuru", true},           {"kuru", "motte kuru", true},
      {"mottekuru", "motte kuru", true}, {"mottekuru", "kuru", false},
      {"suru", "kuru", false},          {"iku", "iku", true},
      {"iku", "yuku", false},           {"suru", "su", false},
      {"", "iku", false},
  };
  for (const Case& c : cases) {
    named.word = c.ruleWord;
    EXPECT_EQ(ruleApplies(named, InflectionResult(c.verb, Irregular), 0, 0, auxiliaries), c.applies)
        << c.ruleWord << " / " << c.verb;
  }
}

TEST_F(VerbEngine, AppliedCaseIsNotAppliedTwice) {
  std::vector<InflectionResult> results;
  engine.conjugateVerb(InflectionResult("taberu", Itidan), "Potential", 0, 0, results);
  ASSERT_EQ(results.size(), 1u);
  const InflectionResult potential = results.front();
  EXPECT_EQ(potential.romaji, "taberareru");
  EXPECT_EQ(potential.wordClass, Itidan);
  EXPECT_EQ(potential.appliedCases, std::vector<std::int16_t>{6});

  EXPECT_EQ(conjugate(potential, "Potential"), std::vector<std::string>{});
  EXPECT_EQ(conjugate(potential),
            (std::vector<std::string>{"taberarenai", "taberare masen", "taberareta"}));
}

TEST_F(VerbEngine, FiltersSelectSenseAndPoliteness) {
  const InflectionResult kaku("kiku", Godan);
  EXPECT_EQ(conjugate(kaku, "", Negative, Polite), std::vector<std::string>{"kiki masen"});
  EXPECT_EQ(conjugate(kaku, "", Negative, 0), (std::vector<std::string>{"kikanai", "kiki masen"}));
  EXPECT_EQ(conjugate(kaku, "", Affirmative, Plain), (std::vector<std::string>{"kiita", "kikeru"}));
  EXPECT_EQ(conjugate(kaku, "", 0, Abrupt), std::vector<std::string>{});
  EXPECT_EQ(conjugate(kaku, "No such case"), std::vector<std::string>{});
  EXPECT_EQ(conjugate(kaku, "Past "), std::vector<std::string>{});  // names match byte for byte
}

TEST_F(VerbEngine, ClassWithoutCommonBitsGetsNoForms) {
  EXPECT_EQ(conjugate(InflectionResult("da", Copula)), std::vector<std::string>{});
  EXPECT_EQ(conjugate(InflectionResult("kaku", 0)), std::vector<std::string>{});
}

TEST_F(VerbEngine, AmbiguousClassIsServedByEveryMask) {
  // -1 has every bit: regular itidan and godan rules both serve it, while the
  // irregular rules still need their word or ending.
  EXPECT_EQ(conjugate(InflectionResult("kiru", ItidanOrGodan)),
            (std::vector<std::string>{"kinai", "kinai", "ki masen", "kita", "kita", "kirareru",
                                      "kireru"}));
  EXPECT_EQ(conjugate(InflectionResult("kosuru", ItidanOrGodan), "Past"),
            std::vector<std::string>{"kosita"});
}

TEST_F(VerbEngine, ResultTakesRuleAttributesUnlessTheWordHasItsOwn) {
  InflectionResult word("kiku", Godan);
  word.written = "\xB6\xB9\xA4\xAF";  // kanji + ku
  word.meaning = "to hear";
  word.extended = {"hear", "hears", "hearing", "heard", "heard"};
  word.appliedCases = {9};

  std::vector<InflectionResult> results;
  engine.conjugateVerb(word, "Past", 0, 0, results);
  ASSERT_EQ(results.size(), 1u);
  const InflectionResult& past = results.front();
  EXPECT_EQ(past.romaji, "kiita");
  EXPECT_EQ(past.reading, kana.toKana("kiita"));
  EXPECT_EQ(past.written.substr(0, 2), "\xB6\xB9");
  EXPECT_EQ(past.written.substr(2), kana.toKana("ita"));
  EXPECT_EQ(past.caseName, "Past");
  EXPECT_EQ(past.gloss, "Did");
  EXPECT_EQ(past.sense, Affirmative);
  EXPECT_EQ(past.politeness, Plain);
  EXPECT_EQ(past.wordClass, VerbInflection);
  EXPECT_EQ(past.attitude, Humble);
  EXPECT_EQ(past.colloquial, 1);
  EXPECT_EQ(past.meaning, "");
  EXPECT_EQ(past.extended, word.extended);
  EXPECT_EQ(past.appliedCases, (std::vector<std::int16_t>{9, 4}));

  word.attitude = Honorific;
  results.clear();
  engine.conjugateVerb(word, "Past", 0, 0, results);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results.front().attitude, Honorific);
}

TEST_F(VerbEngine, CaseNameListedTwiceIsVisitedTwice) {
  loadVerbRules(engine,
                "2\n"
                "Twice, 1, 1\n"
                "1, 1, 1, 2, 0, 0, , g\n"
                "2, , 16, 7, , , , \n"
                "Twice, 1, 1\n"
                "2, 2, 1, 2, 0, 0, , g\n"
                "2, , 16, 7, , , , \n"
                "2, , 16, 6, , , , \n");
  EXPECT_EQ(conjugate(InflectionResult("kaku", Godan)),
            (std::vector<std::string>{"kaita", "kaita", "kaite", "kaita", "kaita", "kaite"}));
  EXPECT_EQ(conjugate(InflectionResult("kaku", Godan), "Twice"),
            (std::vector<std::string>{"kaita", "kaita", "kaite"}));
}

TEST_F(VerbEngine, NamedWordRuleReplacesOneSlotOfOneWordOnly) {
  // Honorific: the regular o-...-ni naru, which an exception silences for
  // taberu, and in a slot of its own the named-word rule giving mesiagaru.
  // The written tail is the kanji of mesiagaru.
  loadVerbRules(engine,
                "1\n"
                "Honorific, 7, 2\n"
                "1, 2, 1, 2, 1, 0, , Does\n"
                "3, , 16, 2, o, , ni naru, \n"
                "0, taberu, 16384, 0, , , , \n"
                "2, 1, 1, 2, 1, 0, , Does\n"
                "32768, taberu, 2, 0, , mesiagaru, , "
                "\xBE\xA4\xA4\xB7\xBE\xE5\xA4\xAC\xA4\xEB\n");
  const struct {
    InflectionResult word;
    std::vector<std::string> forms;
  } cases[] = {
      {InflectionResult("taberu", Itidan), {"mesiagaru"}},
      {InflectionResult("taberu", Godan), {"mesiagaru"}},    // whatever its class
      {InflectionResult("taberu", Copula), {"mesiagaru"}},
      {InflectionResult("miru", Itidan), {"omi ni naru"}},   // every other word as before
      {InflectionResult("tabereru", Itidan), {"otabere ni naru"}},
  };
  for (const auto& c : cases) EXPECT_EQ(conjugate(c.word), c.forms) << c.word.romaji;

  std::vector<InflectionResult> results;
  engine.conjugateVerb(InflectionResult("taberu", Itidan), "", 0, 0, results);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].wordClass, Godan);  // and conjugates on as the godan verb it is
  EXPECT_EQ(results[0].written, "\xBE\xA4\xA4\xB7\xBE\xE5\xA4\xAC\xA4\xEB");
  EXPECT_EQ(results[0].attitude, Honorific);
  // The cases and filters still apply.
  InflectionResult applied("taberu", Itidan);
  applied.appliedCases = {7};
  EXPECT_EQ(conjugate(applied), std::vector<std::string>{});
  EXPECT_EQ(conjugate(InflectionResult("taberu", Itidan), "", Negative), std::vector<std::string>{});
}

TEST_F(VerbEngine, RestrictedRulesServeOnlyTheWordsPassingEveryRestriction) {
  // Slot 1: regular godan and itidan rules; restricted exceptions for 着る
  // (itidan and so written), for the godan verbs in -su and, with no word,
  // for the aisuru kind. Slot 2: a named-word rule for 着る alone.
  const std::string kiru = "\xC3\xE5\xA4\xEB";  // 着る
  loadVerbRules(engine,
                "1\n"
                "Honorific, 7, 2\n"
                "1, 6, 1, 2, 1, 0, , Does\n"
                "2, , 16, 2, o, , ni naru, \n"
                "1, , 16, 0, o, , ni naru, \n"
                "8, suru, 16, 0, , sinasaru, , \n"
                "32769, kiru, 16384, 0, " + kiru + ", , , \n"
                "32770, *su, 16384, 0, , , , \n"
                "32780, , 16384, 0, , , , \n"
                "2, 1, 1, 2, 1, 0, , Does\n"
                "32769, kiru, 16, 0, " + kiru + ", omesi ni naru, , \n");
  const auto word = [](const char* romaji, std::int16_t wordClass, std::string written = {}) {
    InflectionResult w(romaji, wordClass);
    w.written = std::move(written);
    return w;
  };
  const struct {
    InflectionResult word;
    std::vector<std::string> forms;
  } cases[] = {
      {word("kiru", Itidan, kiru), {"omesi ni naru"}},
      {word("kiru", Itidan), {"omesi ni naru"}},  // typed: no written form to test
      {word("kiru", Godan, "\xC0\xDA\xA4\xEB"), {"okiri ni naru"}},  // 切る
      {word("kiru", Godan), {"okiri ni naru"}},   // the class decides
      {word("kiru", Itidan, "\xC3\xE5\xA4\xEB\xA4\xEB"), {"oki ni naru"}},
      {word("hanasu", Godan), {}},
      {word("hanasu", IrregularGodan), {}},
      {word("sasu", Itidan), {"osa ni naru"}},
      {word("aisuru", IrregularSuru), {}},
      {word("zessuru", IrregularSuru), {}},
      {word("kaku", Godan), {"okaki ni naru"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(conjugate(c.word), c.forms) << c.word.romaji << ' ' << c.word.wordClass;
  }
}

TEST_F(VerbEngine, AppendsWithoutEmptyingTheResults) {
  std::vector<InflectionResult> results{InflectionResult("kept")};
  engine.conjugateVerb(InflectionResult("kiku", Godan), "Past", 0, 0, results);
  EXPECT_EQ(romajiOf(results), (std::vector<std::string>{"kept", "kiita"}));
}

TEST(Copula, GivesItsFourFormsFilteredBySenseAndPoliteness) {
  struct Case {
    std::string caseName;
    std::int32_t sense;
    std::int16_t politeness;
    std::vector<std::string> forms;
  };
  const std::vector<Case> cases = {
      {"", 0, 0, {"da", "dewa nai", "desu", "dewa arimasen"}},
      {"Indicative", 0, 0, {"da", "dewa nai", "desu", "dewa arimasen"}},
      {"Indicative", Negative, Polite, {"dewa arimasen"}},
      {"", Affirmative, 0, {"da", "desu"}},
      {"", 0, Plain, {"da", "dewa nai"}},
      {"", 0, Abrupt, {}},
      {"Past", 0, 0, {}},
  };
  for (const Case& c : cases) {
    std::vector<InflectionResult> results;
    conjugateCopula(c.caseName, c.sense, c.politeness, results);
    EXPECT_EQ(romajiOf(results), c.forms) << c.caseName << c.sense << c.politeness;
    for (const InflectionResult& r : results) {
      EXPECT_EQ(r.caseName, "Indicative");
      EXPECT_EQ(r.wordClass, VerbInflection);
      EXPECT_EQ(r.gloss, r.sense == Affirmative ? "Is; Will be" : "Is not; Will not be");
      EXPECT_TRUE(r.written.empty() && r.reading.empty() && r.appliedCases.empty());
    }
  }
}

TEST(Copula, AnswersIndicativeEvenWithoutVerbRules) {
  KanaConverter kana;
  const ConjugationEngine engine(kana);
  std::vector<InflectionResult> results;
  engine.conjugateVerb(InflectionResult("da", Copula), "Indicative", 0, 0, results);
  conjugateCopula("Indicative", 0, 0, results);
  EXPECT_EQ(results.size(), 4u);
}

TEST(EqualIgnoringSpaces, DisregardsOnlyTheSpaceCharacter) {
  struct Case {
    std::string a;
    std::string b;
    bool equal;
  };
  const std::vector<Case> cases = {
      {"ai simasu", "aisimasu", true}, {" a  b ", "ab", true}, {"", "   ", true},
      {"a\tb", "ab", false},           {"abc", "ab", false},   {"ab", "abc", false},
      {"tabeta", "tabeta", true},
  };
  for (const Case& c : cases) EXPECT_EQ(equalIgnoringSpaces(c.a, c.b), c.equal) << c.a << "|" << c.b;
}
