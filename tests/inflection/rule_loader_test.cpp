#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "inflection/conjugation_engine.hpp"
#include "inflection/rule_files.hpp"
#include "romaji/kana_converter.hpp"

namespace {

const std::string kVerbExample =
    "1 verb cases\n"
    "Negative, 3, 2\n"
    "1, 2, 2, 2, 0, 0, , Does not do\n"
    "1, , 16, 1, , nai, , \n"
    "2, , 16, 1, , nai, , \n"
    "2, 1, 2, 3, 0, 0, 3, Does not do\n"
    "3, , 16, 2, , , masen, \n";

const std::string kAdjectiveExample =
    "2 adjective cases\n"
    "Past, 2, 2\n"
    "1, 2048, 1, 2, , Was, katta\n"
    "2, 2048, 2, 2, , Was not, kunakatta\n"
    "Adverbial, 5, 1\n"
    "1, 4096, 1, 2, 5, So as to be, ku\n";

std::vector<InflectionRule> rulesNamed(const ConjugationEngine& engine, const std::string& name) {
  std::vector<InflectionRule> rules;
  auto [first, last] = engine.verbRules().rules.equal_range(name);
  for (auto it = first; it != last; ++it) rules.push_back(it->second);
  return rules;
}

class RuleLoading : public ::testing::Test {
 protected:
  KanaConverter kana;
  ConjugationEngine engine{kana};

  void loadVerbs(const std::string& text) { loadVerbRules(engine, text); }
};

}  // namespace

TEST_F(RuleLoading, VerbExampleGivesThreeRulesCombiningCaseGroupAndRuleLines) {
  loadVerbs(kVerbExample);
  EXPECT_EQ(engine.verbRules().caseOrder, std::vector<std::string>{"Negative"});
  const std::vector<InflectionRule> rules = rulesNamed(engine, "Negative");
  ASSERT_EQ(rules.size(), 3u);
  ASSERT_EQ(engine.verbRules().rules.size(), 3u);

  struct Expected {
    std::uint16_t appliesTo;
    std::int16_t subCaseId;
    std::int32_t politeness;
    std::int32_t column;
    std::string suffix;
    std::string auxiliary;
    std::vector<std::int16_t> addedCases;
  };
  const std::vector<Expected> expected = {
      {1, 1, 2, 1, "nai", "", {}},
      {2, 1, 2, 1, "nai", "", {}},
      {3, 2, 3, 2, "", "masen", {3}},
  };
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const InflectionRule& rule = rules[i];
    EXPECT_EQ(rule.caseName, "Negative");
    EXPECT_EQ(rule.caseId, 3);
    EXPECT_EQ(rule.sense, 2);
    EXPECT_EQ(rule.attitude, 0);
    EXPECT_EQ(rule.colloquial, 0);
    EXPECT_EQ(rule.resultClass, 16);
    EXPECT_EQ(rule.gloss, "Does not do");
    EXPECT_EQ(rule.word, "");
    EXPECT_EQ(rule.formation.prefix, "");
    EXPECT_EQ(rule.appliesTo, expected[i].appliesTo) << i;
    EXPECT_EQ(rule.subCaseId, expected[i].subCaseId) << i;
    EXPECT_EQ(rule.politeness, expected[i].politeness) << i;
    EXPECT_EQ(rule.formation.endingColumn, expected[i].column) << i;
    EXPECT_EQ(rule.formation.suffix, expected[i].suffix) << i;
    EXPECT_EQ(rule.formation.auxiliary, expected[i].auxiliary) << i;
    EXPECT_EQ(rule.addedCases, expected[i].addedCases) << i;
  }
}

TEST_F(RuleLoading, VerbExampleConjugatesAsDescribed) {
  loadVerbs(kVerbExample);
  struct Case {
    std::string verb;
    std::int16_t wordClass;
    std::vector<std::string> forms;
  };
  const std::vector<Case> cases = {
      {"taberu", Itidan, {"tabenai", "tabe masen"}},
      {"kaku", Godan, {"kakanai", "kaki masen"}},
  };
  for (const Case& c : cases) {
    std::vector<InflectionResult> results;
    engine.conjugateVerb(InflectionResult(c.verb, c.wordClass), "", 0, 0, results);
    std::vector<std::string> forms;
    for (const InflectionResult& r : results) forms.push_back(r.romaji);
    EXPECT_EQ(forms, c.forms) << c.verb;
  }
}

TEST_F(RuleLoading, FieldSyntaxEdgesAreKeptAsWritten) {
  loadVerbs(
      "  3 cases, a comment\n"
      "Spaced , 7abc, 1\n"
      "2, 1, 1, 2, 1, 5, 4|9|, \"Does, or did\", ignored extra\n"
      "2, suru, 16384, 12, pre, \"a, b\", aux, tail, more, fields\n"
      "Empty, 8, 1\n"
      "1, 0, 1, 2, 0, 0, , Nothing\n"
      "Spaced , 9, 1\n"
      "4, 1, 2, 3, 0, 0, , Again\n"
      "1, , 1, 0, , x, , \r\n");
  EXPECT_EQ(engine.verbRules().caseOrder,
            (std::vector<std::string>{"Spaced ", "Empty", "Spaced "}));
  EXPECT_EQ(engine.verbRules().rules.count("Empty"), 0u);
  EXPECT_EQ(engine.verbRules().rules.count("Spaced"), 0u);
  const std::vector<InflectionRule> rules = rulesNamed(engine, "Spaced ");
  ASSERT_EQ(rules.size(), 2u);

  const InflectionRule& first = rules[0];
  EXPECT_EQ(first.caseId, 7);
  EXPECT_EQ(first.colloquial, 1);
  EXPECT_EQ(first.attitude, 1);
  EXPECT_EQ(first.addedCases, (std::vector<std::int16_t>{4, 9}));
  EXPECT_EQ(first.gloss, "Does, or did");
  EXPECT_EQ(first.word, "suru");
  EXPECT_EQ(first.resultClass, WordOverride);
  EXPECT_EQ(first.formation.endingColumn, 12);  // kept; assembly reads it as empty
  EXPECT_EQ(first.formation.prefix, "pre");
  EXPECT_EQ(first.formation.suffix, "a, b");
  EXPECT_EQ(first.formation.auxiliary, "aux");
  EXPECT_EQ(first.formation.writtenTail, "tail");

  const InflectionRule& second = rules[1];
  EXPECT_EQ(second.caseId, 9);
  EXPECT_EQ(second.subCaseId, 4);
  EXPECT_EQ(second.gloss, "Again");
  EXPECT_EQ(second.formation.suffix, "x");
  EXPECT_EQ(second.formation.writtenTail, "");  // the CR of a CR LF line end is not data
}

TEST_F(RuleLoading, LinesMissingAtTheEndStillYieldEmptyCasesAndRules) {
  loadVerbs("2\nShort, 4, 1\n1, 2, 2");
  EXPECT_EQ(engine.verbRules().caseOrder, (std::vector<std::string>{"Short", ""}));
  const std::vector<InflectionRule> rules = rulesNamed(engine, "Short");
  ASSERT_EQ(rules.size(), 2u);
  for (const InflectionRule& rule : rules) {
    EXPECT_EQ(rule.caseId, 4);
    EXPECT_EQ(rule.subCaseId, 1);
    EXPECT_EQ(rule.sense, 2);
    EXPECT_EQ(rule.politeness, 0);
    EXPECT_EQ(rule.appliesTo, 0);
    EXPECT_EQ(rule.word, "");
    EXPECT_EQ(rule.formation.endingColumn, 0);
  }
}

TEST_F(RuleLoading, HeadersWithoutAPositiveCountGiveAnEmptyRuleSet) {
  for (const std::string header : {"0 cases\n", "-3\n", "cases: 2\n", "", "\n\n"}) {
    loadVerbs(header + "Negative, 3, 1\n1, 1, 2, 2, 0, 0, , x\n1, , 16, 1, , nai\n");
    EXPECT_TRUE(engine.verbRules().rules.empty()) << header;
    EXPECT_TRUE(engine.verbRules().caseOrder.empty()) << header;
  }
}

TEST_F(RuleLoading, HugeCountsInATruncatedFileEndTheLoad) {
  loadVerbs("2147483647\nBig, 1, 2147483647\n1, 2147483647\n");
  EXPECT_FALSE(engine.verbRules().rules.empty());
  EXPECT_EQ(engine.verbRules().caseOrder.front(), "Big");
}

TEST_F(RuleLoading, LongLinesAreReadWhole) {
  const std::string gloss(400, 'g');
  loadVerbs("1\nLong, 1, 1\n1, 1, 1, 2, 0, 0, , " + gloss + "\n1, , 16, 1, , nai\n");
  const std::vector<InflectionRule> rules = rulesNamed(engine, "Long");
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].gloss, gloss);
}

TEST_F(RuleLoading, ReloadingReplacesTheRulesAndAMissingFileEmptiesThem) {
  loadVerbs(kVerbExample);
  EXPECT_FALSE(engine.loadVerbRules("no/such/folder/Rules_Verbs.dat"));
  EXPECT_TRUE(engine.verbRules().rules.empty());
  ASSERT_TRUE(engine.loadVerbRules(std::string(ZUNOKA_SOURCE_DIR) +
                                   "/tests/transcripts/data/search/Rules_Verbs.dat"));
  EXPECT_FALSE(engine.verbRules().rules.empty());
  loadVerbs(kVerbExample);
  loadVerbs(kVerbExample);
  EXPECT_EQ(engine.verbRules().rules.size(), 3u);
  EXPECT_EQ(engine.verbRules().caseOrder.size(), 1u);
}

TEST_F(RuleLoading, AdjectiveExampleGivesItsRulesAndForms) {
  loadAdjectiveRules(engine, kAdjectiveExample);
  EXPECT_EQ(engine.adjectiveRules().caseOrder, (std::vector<std::string>{"Past", "Adverbial"}));
  ASSERT_EQ(engine.adjectiveRules().rules.size(), 3u);
  const AdjectiveRule& adverbial = engine.adjectiveRules().rules.find("Adverbial")->second;
  EXPECT_EQ(adverbial.caseId, 5);
  EXPECT_EQ(adverbial.subCaseId, 1);
  EXPECT_EQ(adverbial.resultClass, Noun);
  EXPECT_EQ(adverbial.gloss, "So as to be");
  EXPECT_EQ(adverbial.ending, "ku");
  EXPECT_EQ(adverbial.addedCases, std::vector<std::int16_t>{5});

  std::vector<InflectionResult> results;
  engine.conjugateAdjective(InflectionResult("takai", TrueAdjective), "", 0, 0, results);
  std::vector<std::string> forms;
  for (const InflectionResult& r : results) forms.push_back(r.romaji);
  EXPECT_EQ(forms, (std::vector<std::string>{"takakatta", "takakunakatta", "takaku"}));
  EXPECT_EQ(results.back().appliedCases, std::vector<std::int16_t>{5});
  EXPECT_FALSE(engine.loadAdjectiveRules("no/such/folder/Rules_Adj.dat"));
  EXPECT_TRUE(engine.adjectiveRules().rules.empty());
}
