#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "inflection/word_class.hpp"

// The texts of the rules are views: a loaded rule views the text of its
// file, which its RuleSet keeps (RuleSet::text), so that loading copies no
// text and allocates nothing per rule but its place in the set.

/// How a verb rule spells its form (see form_assembly.hpp).
struct RuleFormation {
  std::int32_t endingColumn = 0;  ///< column of VerbEndingTable; outside 0..11 reads as empty
  std::string_view prefix;        ///< romaji before the stem
  std::string_view suffix;        ///< romaji after the ending, or the whole replacement of `word`
  std::string_view auxiliary;     ///< romaji word after one space; empty for none
  std::string_view writtenTail;   ///< EUC-JP written form of the auxiliary or replacement
};

/// One verb rule, combining its case line, group line and rule line.
struct InflectionRule {
  std::int16_t subCaseId = 0;  ///< of the group line; with caseId, the rule's slot
  std::int16_t caseId = 0;     ///< of the case line
  std::string_view caseName;   ///< of the case line; the key the rule is filed under
  std::int32_t sense = 0;
  std::int32_t politeness = 0;
  std::int32_t attitude = 0;
  std::uint8_t colloquial = 0;
  std::int16_t resultClass = 0;  ///< WordOverride for an exception rule
  std::string_view gloss;
  std::uint16_t appliesTo = 0;  ///< mask of the word classes served; NamedWord: a restricted rule
  std::string_view word;        ///< empty, or the word (ending) the rule is restricted to
  std::vector<std::int16_t> addedCases;
  RuleFormation formation;
};

/// One adjective rule: the form is the stem (the word less its final i)
/// followed by `ending`.
struct AdjectiveRule {
  std::int16_t subCaseId = 0;  ///< of the rule line itself: adjective files have no groups
  std::int16_t caseId = 0;     ///< of the case line
  std::string_view caseName;   ///< of the case line; the key the rule is filed under
  std::int32_t sense = 0;
  std::int32_t politeness = 0;
  std::int16_t resultClass = 0;  ///< WordOverride for an exception rule; NamedWord bit with `word`
  std::string_view gloss;
  std::string_view ending;  ///< replaces the final i; the exact word (exception), the whole form (named)
  std::vector<std::int16_t> addedCases;
  std::string_view word;    ///< the adjective a named-word rule serves; empty for any other rule
};

/// The word a named-word verb rule serves (a restricted rule, see
/// ruleApplies, that is not an exception), or empty for any other rule.
inline std::string_view namedWord(const InflectionRule& rule) {
  if ((rule.appliesTo & NamedWord) == 0 || rule.resultClass == WordOverride) return {};
  return rule.word;
}

/// The adjective a named-word adjective rule serves (resultClass with the
/// NamedWord bit, and a word), or empty for any other rule.
inline std::string_view namedWord(const AdjectiveRule& rule) {
  if ((static_cast<std::uint16_t>(rule.resultClass) & NamedWord) == 0) return {};
  return rule.word;
}

/// The tests both engines make of a rule that is not an exception, once its
/// classes fit the word: its case is not among the word's applied cases, and
/// its sense and politeness pass the filters (0: any).
template <typename Rule>
bool passesCaseAndFilters(const Rule& rule, const std::vector<std::int16_t>& appliedCases,
                          std::int32_t senseFilter, std::int16_t politenessFilter) {
  if (std::find(appliedCases.begin(), appliedCases.end(), rule.caseId) != appliedCases.end()) {
    return false;
  }
  if (senseFilter != 0 && senseFilter != rule.sense) return false;
  return politenessFilter == 0 || politenessFilter == rule.politeness;
}

/// The applied cases of a rule's form: the word's, then each of the rule's
/// added cases not already among them, in rule order.
std::vector<std::int16_t> casesAppliedAfter(const std::vector<std::int16_t>& appliedCases,
                                            const std::vector<std::int16_t>& addedCases);

/// The rules of one part of speech, filed by case name in file order. Every
/// rule's case name is in caseOrder.
template <typename Rule>
struct RuleSet {
  std::multimap<std::string_view, Rule> rules;  ///< equal names keep file order
  std::vector<std::string> caseOrder;           ///< case names in the order of their groups
  std::shared_ptr<const std::string> text;      ///< the file's text, which the rules view
};

/// The eleven word lists of the verb classification file, each in file order.
struct VerbClassLists {
  std::vector<std::string> auxiliaries;
  std::vector<std::string> copulas;
  std::vector<std::string> suruEndingGodans;
  std::vector<std::string> specialSuruConj;
  std::vector<std::string> pureIrregular;
  std::vector<std::string> irregularGodan;
  std::vector<std::string> irregularItidan;
  std::vector<std::string> itidanOrGodan;
  std::vector<std::string> iruGodans;
  std::vector<std::string> eruGodans;
  std::vector<std::string> nonstemInflections;
};

/// One section of the verb classification file: its keyword and its list.
struct VerbClassSection {
  std::string_view keyword;
  std::vector<std::string> VerbClassLists::*list;
};

/// The sections, in the one order the file must follow.
inline constexpr std::array<VerbClassSection, 11> kVerbClassSections{{
    {"AUXILIARIES", &VerbClassLists::auxiliaries},
    {"COPULA", &VerbClassLists::copulas},
    {"SURU_ENDING_GODANS", &VerbClassLists::suruEndingGodans},
    {"SPECIAL_SURU_CONJ", &VerbClassLists::specialSuruConj},
    {"PURE_IRREGULAR", &VerbClassLists::pureIrregular},
    {"IRREGULAR_GODAN", &VerbClassLists::irregularGodan},
    {"IRREGULAR_ITIDAN", &VerbClassLists::irregularItidan},
    {"ITIDAN_OR_GODAN", &VerbClassLists::itidanOrGodan},
    {"IRU_GODANS", &VerbClassLists::iruGodans},
    {"ERU_GODANS", &VerbClassLists::eruGodans},
    {"NONSTEM_INFLECTIONS", &VerbClassLists::nonstemInflections},
}};
