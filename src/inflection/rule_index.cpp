#include "inflection/rule_index.hpp"

#include <algorithm>
#include <type_traits>

namespace {

template <typename Rule>
IndexedRule<Rule> indexedRule(const Rule& rule, std::uint32_t slot) {
  IndexedRule<Rule> visit;
  visit.rule = &rule;
  visit.slot = slot;
  visit.exception = rule.resultClass == WordOverride;
  if constexpr (std::is_same_v<Rule, InflectionRule>) {
    visit.appliesTo = rule.appliesTo;
  } else {
    visit.appliesTo = 0xFFFF;  // adjective rules have no classes, nor irregular precedence
  }
  visit.anyClass = visit.exception || !namedWord(rule).empty();
  return visit;
}

/// The distinct shapes of the verb rules that make a form without naming
/// their word.
std::vector<StemShape> stemShapesOf(const std::vector<IndexedRule<InflectionRule>>& visits) {
  std::vector<StemShape> shapes;
  for (const IndexedRule<InflectionRule>& visit : visits) {
    // Exception rules make no form; the reverse search tries the words of
    // named-word rules without a shape test.
    if (visit.anyClass) continue;
    const InflectionRule& rule = *visit.rule;
    StemShape shape;
    shape.appliesTo = rule.appliesTo;
    if (rule.word.empty()) {
      shape.prefix = rule.formation.prefix;
      std::erase(shape.prefix, ' ');
      shape.cut = 2;
    } else {
      // A form made from the rule's word has no prefix.
      shape.cut = rule.word.size();
      if (rule.appliesTo == Irregular) shape.requiredEnding = rule.word;
    }
    if (std::find(shapes.begin(), shapes.end(), shape) == shapes.end()) {
      shapes.push_back(std::move(shape));
    }
  }
  return shapes;
}

/// The verb rules that make forms grouped by their tails, with where each
/// puts its stem.
std::vector<TailGroup> tailGroupsOf(const std::vector<IndexedRule<InflectionRule>>& visits) {
  std::map<std::string, TailGroup, std::less<>> groups;
  for (std::size_t position = 0; position < visits.size(); ++position) {
    const IndexedRule<InflectionRule>& visit = visits[position];
    if (visit.exception) continue;  // it makes no form
    const InflectionRule& rule = *visit.rule;
    std::string tail(rule.formation.suffix);
    if (rule.word.empty()) tail += rule.formation.auxiliary;
    std::erase(tail, ' ');
    TailGroup& group = groups[tail];
    group.visits.push_back(static_cast<std::uint32_t>(position));
    if (!namedWord(rule).empty()) continue;  // its form owes nothing to a stem
    StemPlace place;
    if (rule.word.empty()) {
      place.prefix = rule.formation.prefix;
      std::erase(place.prefix, ' ');
      place.column = rule.formation.endingColumn;
    } else {
      place.wordRule = true;
      place.wordLength = rule.word.size();
    }
    group.places.push_back(std::move(place));
  }
  std::vector<TailGroup> tails;
  tails.reserve(groups.size());
  for (auto& [tail, group] : groups) {
    group.tail = tail;
    std::sort(group.places.begin(), group.places.end());
    group.places.erase(std::unique(group.places.begin(), group.places.end()), group.places.end());
    tails.push_back(std::move(group));
  }
  return tails;
}

template <typename Rule>
RuleIndex<Rule> buildIndex(const RuleSet<Rule>& set) {
  RuleIndex<Rule> index;
  std::map<std::pair<std::int16_t, std::int16_t>, std::uint32_t> slotNumbers;
  for (const std::string& name : set.caseOrder) {
    const std::size_t first = index.visits.size();
    const auto [begin, end] = set.rules.equal_range(name);
    for (auto it = begin; it != end; ++it) {
      const Rule& rule = it->second;
      const std::uint32_t slot = slotNumbers
                                     .try_emplace({rule.caseId, rule.subCaseId},
                                                  static_cast<std::uint32_t>(slotNumbers.size()))
                                     .first->second;
      index.visits.push_back(indexedRule(rule, slot));
    }
    index.visitsOfCase.try_emplace(name, first, index.visits.size());
  }
  index.slotCount = static_cast<std::uint32_t>(slotNumbers.size());
  index.visitsOfSlot.assign(index.slotCount, {});
  for (std::size_t i = 0; i < index.visits.size(); ++i) {
    index.visitsOfSlot[index.visits[i].slot].push_back(static_cast<std::uint32_t>(i));
  }
  for (const auto& [name, rule] : set.rules) {
    if (const std::string_view word = namedWord(rule); !word.empty()) {
      index.namedWords.emplace_back(word);
    }
  }
  std::sort(index.namedWords.begin(), index.namedWords.end());
  index.namedWords.erase(std::unique(index.namedWords.begin(), index.namedWords.end()),
                         index.namedWords.end());
  return index;
}

}  // namespace

RuleIndex<InflectionRule> indexRules(const RuleSet<InflectionRule>& set) { return buildIndex(set); }

VerbSearchIndex indexVerbSearch(const RuleIndex<InflectionRule>& index) {
  return {stemShapesOf(index.visits), tailGroupsOf(index.visits)};
}

RuleIndex<AdjectiveRule> indexRules(const RuleSet<AdjectiveRule>& set) { return buildIndex(set); }
