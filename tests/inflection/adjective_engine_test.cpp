#include "inflection/adjective_engine.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inflection/conjugation_engine.hpp"
#include "inflection/rule_files.hpp"
#include "romaji/kana_converter.hpp"

namespace {

// Present holds an exception for ii in the slot of its regular negative rule.
const std::string kAdjectiveRules =
    "2\n"
    "Present, 1, 3\n"
    "1, 2048, 1, 2, 1, Is, i\n"
    "2, 2048, 2, 2, 1, Is not, kunai\n"
    "2, 16384, 2, 2, , , ii\n"
    "Past, 2, 2\n"
    "1, 2048, 1, 2, 2, Was, katta\n"
    "1, 2048, 1, 3, 2, Was, katta desu\n";

std::vector<std::string> romajiOf(const std::vector<InflectionResult>& results) {
  std::vector<std::string> forms;
  for (const InflectionResult& r : results) forms.push_back(r.romaji);
  return forms;
}

class AdjectiveEngine : public ::testing::Test {
 protected:
  void SetUp() override { loadAdjectiveRules(engine, kAdjectiveRules); }

  std::vector<std::string> conjugate(const InflectionResult& word, const std::string& caseName = "",
                                     std::int32_t sense = 0, std::int16_t politeness = 0) const {
    std::vector<InflectionResult> results;
    engine.conjugateAdjective(word, caseName, sense, politeness, results);
    return romajiOf(results);
  }

  KanaConverter kana;
  ConjugationEngine engine{kana};
};

}  // namespace

TEST_F(AdjectiveEngine, ReplacesTheFinalIWithEachEnding) {
  EXPECT_EQ(conjugate(InflectionResult("takai", TrueAdjective)),
            (std::vector<std::string>{"takai", "takakunai", "takakatta", "takakatta desu"}));
  EXPECT_EQ(conjugate(InflectionResult("takai", TrueAdjective), "", Affirmative, Polite),
            std::vector<std::string>{"takakatta desu"});
  EXPECT_EQ(conjugate(InflectionResult("takai", TrueAdjective), "", Negative, 0),
            std::vector<std::string>{"takakunai"});
  EXPECT_EQ(conjugate(InflectionResult("takai", TrueAdjective), "Future"),
            std::vector<std::string>{});
}

TEST_F(AdjectiveEngine, ExceptionSuppressesItsSlotForItsWordOnly) {
  EXPECT_EQ(conjugate(InflectionResult("ii", TrueAdjective), "Present"),
            std::vector<std::string>{"ii"});
  EXPECT_EQ(conjugate(InflectionResult("yoi", TrueAdjective), "Present"),
            (std::vector<std::string>{"yoi", "yokunai"}));
}

TEST_F(AdjectiveEngine, OnlyTrueAdjectivesAreServed) {
  for (std::int16_t wordClass : {QuasiAdjective, Godan, Noun, AdjectiveInflection}) {
    EXPECT_EQ(conjugate(InflectionResult("kirei", wordClass)), std::vector<std::string>{})
        << wordClass;
  }
  EXPECT_EQ(conjugate(InflectionResult("takai", static_cast<std::int16_t>(-1))).size(), 4u);
}

TEST_F(AdjectiveEngine, AppliedCaseIsNotAppliedTwice) {
  std::vector<InflectionResult> results;
  engine.conjugateAdjective(InflectionResult("takai", TrueAdjective), "Past", 0, Plain, results);
  ASSERT_EQ(results.size(), 1u);
  InflectionResult past = results.front();
  EXPECT_EQ(past.appliedCases, std::vector<std::int16_t>{2});
  past.wordClass = TrueAdjective;
  EXPECT_EQ(conjugate(past, "Past"), std::vector<std::string>{});
  EXPECT_EQ(conjugate(past, "Present").size(), 2u);
}

TEST_F(AdjectiveEngine, FormCarriesTheRuleAttributesAndTheKanaOfItsEnding) {
  InflectionResult word("takai", TrueAdjective);
  word.written = "\xB9\xE2\xA4\xA4";  // kanji + i
  word.attitude = Honorific;
  word.colloquial = 1;
  word.meaning = "high";
  word.extended = {"one", "two", "three", "four", "five"};
  word.appliedCases = {7, 2};

  std::vector<InflectionResult> results;
  engine.conjugateAdjective(word, "Present", Negative, 0, results);
  ASSERT_EQ(results.size(), 1u);
  const InflectionResult& form = results.front();
  EXPECT_EQ(form.romaji, "takakunai");
  EXPECT_EQ(form.reading, kana.toKana("takakunai"));
  EXPECT_EQ(form.written, "\xB9\xE2" + kana.toKana("kunai"));
  EXPECT_EQ(form.wordClass, AdjectiveInflection);
  EXPECT_EQ(form.sense, Negative);
  EXPECT_EQ(form.politeness, Plain);
  EXPECT_EQ(form.caseName, "Present");
  EXPECT_EQ(form.gloss, "Is not");
  EXPECT_EQ(form.attitude, Neutral);
  EXPECT_EQ(form.colloquial, 0);
  EXPECT_EQ(form.meaning, "");
  EXPECT_EQ(form.extended, (std::array<std::string, 5>{"one", "", "", "", ""}));
  EXPECT_EQ(form.appliedCases, (std::vector<std::int16_t>{7, 2, 1}));

  word.written.clear();
  results.clear();
  engine.conjugateAdjective(word, "Present", Negative, 0, results);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results.front().written, kana.toKana("takakunai"));
}

TEST_F(AdjectiveEngine, NamedWordRuleReplacesOneSlotOfOneWordOnly) {
  // Appearance: -sou, silenced for yoi by an exception; yosasou in a slot of
  // its own (34816: the NamedWord bit with class 2048), written with the
  // kanji of yoi. An 8th field without the bit is ignored.
  loadAdjectiveRules(engine,
                     "1\n"
                     "Appearance, 4, 4\n"
                     "1, 2048, 1, 2, , Looks, sou, takai\n"
                     "1, 16384, 1, 2, , , yoi\n"
                     "2, 34816, 1, 2, 4, Looks, yosasou, yoi\n"
                     "3, 34816, 1, 2, , Looks, nasasou, \n");
  EXPECT_EQ(conjugate(InflectionResult("takai", TrueAdjective)),
            (std::vector<std::string>{"takasou", "takanasasou"}));
  EXPECT_EQ(conjugate(InflectionResult("ii", TrueAdjective)),
            (std::vector<std::string>{"isou", "inasasou"}));
  EXPECT_EQ(conjugate(InflectionResult("yoi", TrueAdjective)),
            (std::vector<std::string>{"yosasou", "yonasasou"}));
  EXPECT_EQ(conjugate(InflectionResult("yoi", AdjectiveInflection)), std::vector<std::string>{});

  InflectionResult yoi("yoi", TrueAdjective);
  yoi.written = "\xCE\xC9\xA4\xA4";  // kanji + i
  yoi.reading = kana.toKana("yoi");
  std::vector<InflectionResult> results;
  engine.conjugateAdjective(yoi, "Appearance", 0, 0, results);
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0].written, "\xCE\xC9" + kana.toKana("sasou"));
  EXPECT_EQ(results[0].reading, kana.toKana("yosasou"));
  EXPECT_EQ(results[0].wordClass, AdjectiveInflection);
  EXPECT_EQ(results[0].appliedCases, std::vector<std::int16_t>{4});
  EXPECT_EQ(results[1].wordClass, -30720);  // without its word, the class as written
}

TEST(AdjectiveEndingScreen, RejectsWordsThatCannotBeTrueAdjectives) {
  struct Case {
    std::string word;
    bool bad;
  };
  const std::vector<Case> cases = {
      {"takai", false}, {"samui", false}, {"ookii", false}, {"furui", false},
      {"kirei", false}, {"kirei na", false}, {"taka", true}, {"a", true},
      {"", true},       {"ii", false},    {"ni", true},     {"shizuka da", false},
  };
  for (const Case& c : cases) EXPECT_EQ(hasBadAdjectiveEnding(c.word), c.bad) << c.word;
}
