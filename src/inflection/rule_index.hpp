#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "inflection/inflection_rule.hpp"
#include "inflection/word_class.hpp"

/// The distinct words the named-word rules of `set` serve, sorted.
template <typename Rule>
std::vector<std::string> namedWordsOf(const RuleSet<Rule>& set) {
  std::vector<std::string> words;
  for (const auto& [name, rule] : set.rules) {
    if (const std::string_view word = namedWord(rule); !word.empty()) words.emplace_back(word);
  }
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return words;
}

/// One visit of a request for all cases, with what the verb engine tests
/// first kept beside the pointer so that the walk stays in one array.
template <typename Rule>
struct IndexedRule {
  const Rule* rule = nullptr;
  std::uint32_t slot = 0;        ///< dense number of the rule's (caseId, subCaseId)
  std::uint16_t appliesTo = 0;   ///< the classes served; every bit for adjective rules
  bool exception = false;        ///< resultClass is WordOverride
  bool anyClass = false;         ///< an exception or named-word rule: no class test
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

/// The rules of a RuleSet grouped per entry of its caseOrder, so that a
/// request for all cases walks ready-made lists instead of searching the
/// multimap once per case name.
/// Warning: holds pointers into the RuleSet it was built from; it is used only
/// while that same RuleSet (same address, same sizes) is what is conjugated,
/// and is otherwise ignored in favour of the multimap itself. It also keeps
/// copies of what it reads of each rule (classes, exception flag, slot,
/// spelling shapes), so a rule changed in place needs a rebuild
/// (ConjugationEngine::reindexRules).
template <typename Rule>
struct RuleIndex {
  const RuleSet<Rule>* source = nullptr;
  std::size_t ruleCount = 0;
  std::size_t caseCount = 0;
  std::vector<std::vector<const Rule*>> groups;  ///< distinct case names' rules, file order
  std::vector<std::size_t> groupOfCase;          ///< per caseOrder entry, its group
  std::size_t visitCount = 0;                    ///< rules a request for all cases visits
  std::vector<IndexedRule<Rule>> visits;         ///< those visits in order
  std::uint32_t slotCount = 0;                   ///< distinct (caseId, subCaseId) pairs
  std::vector<std::vector<std::uint32_t>> visitsOfSlot;  ///< per slot, its positions in visits
  std::vector<StemShape> stemShapes;             ///< verb rules only: distinct shapes
  std::vector<std::string> namedWords;           ///< words named by named-word rules, sorted

  void build(const RuleSet<Rule>& set) {
    groups.clear();
    groupOfCase.clear();
    visitCount = 0;
    std::map<std::string_view, std::size_t> groupOfName;
    for (const std::string& name : set.caseOrder) {
      auto [found, inserted] = groupOfName.try_emplace(name, groups.size());
      if (inserted) {
        std::vector<const Rule*>& rules = groups.emplace_back();
        auto [first, last] = set.rules.equal_range(name);
        for (auto it = first; it != last; ++it) rules.push_back(&it->second);
      }
      groupOfCase.push_back(found->second);
      visitCount += groups[found->second].size();
    }
    visits.clear();
    std::map<std::pair<std::int16_t, std::int16_t>, std::uint32_t> slotNumbers;
    for (std::size_t group : groupOfCase) {
      for (const Rule* rule : groups[group]) {
        IndexedRule<Rule>& visit = visits.emplace_back();
        visit.rule = rule;
        visit.slot = slotNumbers
                         .try_emplace({rule->caseId, rule->subCaseId},
                                      static_cast<std::uint32_t>(slotNumbers.size()))
                         .first->second;
        if constexpr (requires { rule->appliesTo; }) {
          visit.appliesTo = rule->appliesTo;
        } else {
          visit.appliesTo = 0xFFFF;
        }
        visit.exception = rule->resultClass == WordOverride;
        visit.anyClass = visit.exception || !namedWord(*rule).empty();
      }
    }
    namedWords = namedWordsOf(set);
    slotCount = static_cast<std::uint32_t>(slotNumbers.size());
    visitsOfSlot.assign(slotCount, {});
    for (std::size_t i = 0; i < visits.size(); ++i) {
      visitsOfSlot[visits[i].slot].push_back(static_cast<std::uint32_t>(i));
    }
    stemShapes.clear();
    if constexpr (requires(const Rule& r) { r.formation.prefix; }) {
      for (const IndexedRule<Rule>& visit : visits) {
        // Exception rules make no form; the reverse search tries the words
        // of named-word rules without a shape test.
        if (visit.exception || !namedWord(*visit.rule).empty()) continue;
        const Rule& rule = *visit.rule;
        StemShape shape;
        shape.appliesTo = rule.appliesTo;
        if (rule.word.empty()) {
          for (char c : rule.formation.prefix) {
            if (c != ' ') shape.prefix.push_back(c);
          }
          shape.cut = 2;
        } else {
          // A form made from the rule's word has no prefix.
          shape.cut = rule.word.size();
          if (rule.appliesTo == Irregular) shape.requiredEnding = rule.word;
        }
        if (std::find(stemShapes.begin(), stemShapes.end(), shape) == stemShapes.end()) {
          stemShapes.push_back(std::move(shape));
        }
      }
    }
    source = &set;
    ruleCount = set.rules.size();
    caseCount = set.caseOrder.size();
  }

  bool isCurrentFor(const RuleSet<Rule>& set) const {
    return source == &set && ruleCount == set.rules.size() && caseCount == set.caseOrder.size();
  }
};

/// Calls `visit` with every rule a request for `caseName` (empty: all cases)
/// considers, in order: the rules filed under that name, or those of every
/// caseOrder entry in turn (a name listed twice is visited twice).
template <typename Rule, typename Visit>
void forEachRequestedRule(const RuleSet<Rule>& set, const RuleIndex<Rule>& index,
                          const std::string& caseName, Visit visit) {
  if (!caseName.empty()) {
    auto [first, last] = set.rules.equal_range(caseName);
    for (auto it = first; it != last; ++it) visit(it->second);
    return;
  }
  if (index.isCurrentFor(set)) {
    for (std::size_t group : index.groupOfCase) {
      for (const Rule* rule : index.groups[group]) visit(*rule);
    }
    return;
  }
  for (const std::string& name : set.caseOrder) {
    auto [first, last] = set.rules.equal_range(name);
    for (auto it = first; it != last; ++it) visit(it->second);
  }
}
