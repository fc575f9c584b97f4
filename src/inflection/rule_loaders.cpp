// Readers of the verb and adjective rule files: count-nested lines of
// comma-separated fields.

#include <istream>
#include <string>
#include <string_view>
#include <utility>

#include "inflection/conjugation_engine.hpp"
#include "inflection/field_reader.hpp"
#include "inflection/rule_file_reader.hpp"

namespace {

constexpr char kSeparator = ',';

/// The fields of a case line shared by both files.
struct CaseLine {
  std::string_view name;
  std::int16_t id = 0;
  std::int32_t count = 0;
};

CaseLine readCaseLine(std::string_view line) {
  std::string_view rest = line;
  CaseLine c;
  c.name = nextFieldView(rest, kSeparator);
  c.id = toInt16(nextFieldView(rest, kSeparator));
  c.count = toInt32(nextFieldView(rest, kSeparator));
  return c;
}

struct VerbGroupLine {
  std::int16_t subCaseId = 0;
  std::int32_t ruleCount = 0;
  std::int32_t sense = 0;
  std::int32_t politeness = 0;
  std::int32_t attitude = 0;
  std::uint8_t colloquial = 0;
  std::vector<std::int16_t> addedCases;
  std::string_view gloss;
};

VerbGroupLine readVerbGroupLine(std::string_view line) {
  std::string_view rest = line;
  VerbGroupLine g;
  g.subCaseId = toInt16(nextFieldView(rest, kSeparator));
  g.ruleCount = toInt32(nextFieldView(rest, kSeparator));
  g.sense = toInt32(nextFieldView(rest, kSeparator));
  g.politeness = toInt32(nextFieldView(rest, kSeparator));
  g.attitude = toInt32(nextFieldView(rest, kSeparator));
  g.colloquial = toInt32(nextFieldView(rest, kSeparator)) != 0 ? 1 : 0;
  g.addedCases = toCaseIdList(nextFieldView(rest, kSeparator));
  g.gloss = nextFieldView(rest, kSeparator);
  return g;
}

InflectionRule readVerbRuleLine(std::string_view line, const CaseLine& c, const VerbGroupLine& g) {
  std::string_view rest = line;
  InflectionRule rule;
  rule.subCaseId = g.subCaseId;
  rule.caseId = c.id;
  rule.caseName = c.name;
  rule.sense = g.sense;
  rule.politeness = g.politeness;
  rule.attitude = g.attitude;
  rule.colloquial = g.colloquial;
  rule.gloss = g.gloss;
  rule.addedCases = g.addedCases;
  rule.appliesTo = toUInt16(nextFieldView(rest, kSeparator));
  rule.word = nextFieldView(rest, kSeparator);
  rule.resultClass = toInt16(nextFieldView(rest, kSeparator));
  // Kept as written: assembly reads a column outside the table as empty.
  rule.formation.endingColumn = toInt32(nextFieldView(rest, kSeparator));
  rule.formation.prefix = nextFieldView(rest, kSeparator);
  rule.formation.suffix = nextFieldView(rest, kSeparator);
  rule.formation.auxiliary = nextFieldView(rest, kSeparator);
  rule.formation.writtenTail = nextFieldView(rest, kSeparator);
  return rule;
}

AdjectiveRule readAdjectiveRuleLine(std::string_view line, const CaseLine& c) {
  std::string_view rest = line;
  AdjectiveRule rule;
  rule.caseId = c.id;
  rule.caseName = c.name;
  rule.subCaseId = toInt16(nextFieldView(rest, kSeparator));
  rule.resultClass = toInt16(nextFieldView(rest, kSeparator));
  rule.sense = toInt32(nextFieldView(rest, kSeparator));
  rule.politeness = toInt32(nextFieldView(rest, kSeparator));
  rule.addedCases = toCaseIdList(nextFieldView(rest, kSeparator));
  rule.gloss = nextFieldView(rest, kSeparator);
  rule.ending = nextFieldView(rest, kSeparator);
  // An 8th field names the one adjective a rule with the NamedWord bit
  // serves; any other line ignores it, as it ignores every extra field.
  if ((static_cast<std::uint16_t>(rule.resultClass) & NamedWord) != 0) {
    rule.word = nextFieldView(rest, kSeparator);
  }
  return rule;
}

/// Files a rule after those already filed under its name, which end at
/// `end` (the first rule filed under a later name): the rules of one case
/// line come together, so the place is searched once per case line.
template <typename Rule>
void fileRule(RuleSet<Rule>& set, typename std::multimap<std::string_view, Rule>::iterator end,
              Rule rule) {
  const std::string_view name = rule.caseName;
  set.rules.emplace_hint(end, name, std::move(rule));
}

/// Reads the header count, then that many case lines, each followed by the
/// lines `readCase` (lines, case line, set) reads and files.
template <typename Rule, typename ReadCase>
RuleSet<Rule> readRuleSet(std::string text, ReadCase readCase) {
  RuleSet<Rule> set;
  set.text = std::make_shared<const std::string>(std::move(text));
  RuleLineReader lines(*set.text);
  const long long caseCount = lines.readHeaderCount();
  for (long long i = 0; i < caseCount && lines.mayContinue(); ++i) {
    const CaseLine c = readCaseLine(lines.nextLine());
    set.caseOrder.emplace_back(c.name);
    readCase(lines, c, set);
  }
  return set;
}

/// A verb case: its group lines, each followed by its rule lines.
void readVerbCase(RuleLineReader& lines, const CaseLine& c, RuleSet<InflectionRule>& set) {
  const auto end = set.rules.upper_bound(c.name);
  for (std::int32_t g = 0; g < c.count && lines.mayContinue(); ++g) {
    const VerbGroupLine group = readVerbGroupLine(lines.nextLine());
    for (std::int32_t r = 0; r < group.ruleCount && lines.mayContinue(); ++r) {
      fileRule(set, end, readVerbRuleLine(lines.nextLine(), c, group));
    }
  }
}

/// An adjective case: its rule lines.
void readAdjectiveCase(RuleLineReader& lines, const CaseLine& c, RuleSet<AdjectiveRule>& set) {
  const auto end = set.rules.upper_bound(c.name);
  for (std::int32_t r = 0; r < c.count && lines.mayContinue(); ++r) {
    fileRule(set, end, readAdjectiveRuleLine(lines.nextLine(), c));
  }
}

}  // namespace

RuleSet<InflectionRule> parseVerbRules(std::string text) {
  return readRuleSet<InflectionRule>(std::move(text), readVerbCase);
}

RuleSet<AdjectiveRule> parseAdjectiveRules(std::string text) {
  return readRuleSet<AdjectiveRule>(std::move(text), readAdjectiveCase);
}

void ConjugationEngine::loadVerbRules(std::istream& in) {
  verbRules_.load(readRest(in));
  verbSearch_.reset();
}

bool ConjugationEngine::loadVerbRules(const std::string& fileName) {
  return readRuleFile(fileName, [this](std::istream& in) { loadVerbRules(in); });
}

void ConjugationEngine::loadAdjectiveRules(std::istream& in) {
  adjectiveRules_.load(readRest(in));
}

bool ConjugationEngine::loadAdjectiveRules(const std::string& fileName) {
  return readRuleFile(fileName, [this](std::istream& in) { loadAdjectiveRules(in); });
}
