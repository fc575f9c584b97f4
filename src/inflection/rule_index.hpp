#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "inflection/inflection_rule.hpp"
#include "inflection/slot_suppression.hpp"
#include "inflection/word_class.hpp"

/// One visit of a request, with what choosing tests first kept beside the
/// pointer so that a walk stays in one small array.
template <typename Rule>
struct IndexedRule {
  const Rule* rule = nullptr;
  std::uint32_t slot = 0;       ///< dense number of the rule's (caseId, subCaseId)
  std::uint16_t appliesTo = 0;  ///< the classes served; every bit for adjective rules
  bool exception = false;       ///< resultClass is WordOverride
  bool anyClass = false;        ///< an exception or named-word rule: no class test

  /// What suppression reads of the rule.
  SlotCandidate candidate() const {
    const bool irregular = appliesTo == Irregular;
    return {slot, exception, irregular, irregular ? rule->word.size() : 0};
  }
};

/// How the forms of a group of verb rules begin: the rule's prefix (spaces
/// left out), then a stem that is the word less at most `cut` characters.
/// Every rule that can produce a form, but a named-word rule, has one of
/// the shapes of its index, so a word that no named-word rule names and none
/// of whose shapes fits a typed form cannot produce it.
struct StemShape {
  std::uint16_t appliesTo = 0;  ///< the classes the rules serve
  std::string prefix;           ///< romaji before the stem, without spaces
  std::size_t cut = 0;          ///< 2 for table endings, else the length of the rule's word
  std::string requiredEnding;   ///< irregular rules: the word must end in it; else empty

  bool operator==(const StemShape&) const = default;
};

/// Where a verb rule's form puts the stem before its fixed tail: after the
/// rule's prefix and before a table ending of `column` (a regular rule), or
/// before the tail alone, the word less `wordLength` characters (a rule
/// restricted to a word or ending, not a named-word rule).
struct StemPlace {
  std::string prefix;          ///< regular rules: romaji before the stem, without spaces
  std::int32_t column = 0;     ///< regular rules: the ending column
  std::size_t wordLength = 0;  ///< word rules: the length of the rule's word
  bool wordRule = false;

  auto operator<=>(const StemPlace&) const = default;
};

/// The verb rules that make forms (all but exception rules) whose fixed
/// tail, spaces left out, is `tail`: the suffix and auxiliary of a regular
/// rule, the replacement of a word rule. A form can come only from rules
/// whose tail ends it.
struct TailGroup {
  std::string tail;
  std::vector<std::uint32_t> visits;  ///< positions in `visits`, rising
  std::vector<StemPlace> places;      ///< distinct; none for named-word rules

  bool operator<(std::string_view other) const { return tail < other; }
};

/// What the engines and the reverse search read of a RuleSet, built once
/// when the set is loaded (indexRules).
/// Warning: points into that RuleSet, which must outlive the index unchanged.
template <typename Rule>
struct RuleIndex {
  /// A request for all cases: the rules of every caseOrder entry in turn (a
  /// name listed twice is visited twice).
  std::vector<IndexedRule<Rule>> visits;
  /// A request for one case: the range of `visits` that first holds its rules.
  std::map<std::string, std::pair<std::size_t, std::size_t>, std::less<>> visitsOfCase;
  std::uint32_t slotCount = 0;                           ///< distinct (caseId, subCaseId) pairs
  std::vector<std::vector<std::uint32_t>> visitsOfSlot;  ///< per slot, its positions in visits
  std::vector<std::string> namedWords;  ///< words named by named-word rules, sorted, distinct

  /// The visits of a request for `caseName` (empty: all cases), in order; a
  /// name no case has gives none.
  std::span<const IndexedRule<Rule>> requested(std::string_view caseName) const {
    if (caseName.empty()) return visits;
    const auto found = visitsOfCase.find(caseName);
    if (found == visitsOfCase.end()) return {};
    const auto [first, last] = found->second;
    return std::span<const IndexedRule<Rule>>(visits).subspan(first, last - first);
  }
};

/// Builds the index of `set`.
RuleIndex<InflectionRule> indexRules(const RuleSet<InflectionRule>& set);
RuleIndex<AdjectiveRule> indexRules(const RuleSet<AdjectiveRule>& set);

/// What only the reverse search reads of the verb rules, built from their
/// index (indexVerbSearch). Warning: points into that index's rule set.
struct VerbSearchIndex {
  std::vector<StemShape> stemShapes;  ///< distinct
  std::vector<TailGroup> tails;       ///< sorted by tail, distinct
};

VerbSearchIndex indexVerbSearch(const RuleIndex<InflectionRule>& index);

/// The rules whose forms a request for `caseName` (empty: all cases) builds
/// for a word of `wordClass`, appended in order: those `applies` accepts,
/// less those their slots suppress. `applies` must reject a rule whose
/// classes share no bit with the word's unless it is an exception or a
/// named-word rule, which lets this walk skip such rules unread.
template <typename Rule, typename Applies>
void chooseRules(const RuleIndex<Rule>& index, std::string_view caseName, std::int16_t wordClass,
                 std::vector<const Rule*>& chosen, Applies applies) {
  const auto wordBits = static_cast<std::uint16_t>(wordClass);
  const std::span<const IndexedRule<Rule>> requested = index.requested(caseName);
  std::vector<const IndexedRule<Rule>*> candidates;
  candidates.reserve(requested.size());
  for (const IndexedRule<Rule>& visit : requested) {
    if (!visit.anyClass && (visit.appliesTo & wordBits) == 0) continue;
    if (applies(*visit.rule)) candidates.push_back(&visit);
  }
  std::vector<SlotOutcome> slots(index.slotCount);
  for (const IndexedRule<Rule>* visit : candidates) {
    slots[visit->slot].record(visit->candidate());
  }
  chosen.reserve(chosen.size() + candidates.size());
  for (const IndexedRule<Rule>* visit : candidates) {
    if (slots[visit->slot].produces(visit->candidate())) chosen.push_back(visit->rule);
  }
}

/// The last rule chooseRules would append for a request of all cases, or
/// null when it would append none: walking back from the last visit, the
/// first that `applies` accepts and its slot lets produce. Reads only the
/// slots it reaches.
template <typename Rule, typename Applies>
const Rule* lastChosenRule(const RuleIndex<Rule>& index, std::int16_t wordClass, Applies applies) {
  const auto wordBits = static_cast<std::uint16_t>(wordClass);
  const auto serves = [&](const IndexedRule<Rule>& visit) {
    return (visit.anyClass || (visit.appliesTo & wordBits) != 0) && applies(*visit.rule);
  };
  for (auto visit = index.visits.rbegin(); visit != index.visits.rend(); ++visit) {
    if (!serves(*visit)) continue;
    SlotOutcome outcome;
    for (const std::uint32_t position : index.visitsOfSlot[visit->slot]) {
      const IndexedRule<Rule>& other = index.visits[position];
      if (serves(other)) outcome.record(other.candidate());
    }
    if (outcome.produces(visit->candidate())) return visit->rule;
  }
  return nullptr;
}
