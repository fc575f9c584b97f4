#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "inflection/inflection_result.hpp"
#include "inflection/inflection_rule.hpp"

class KanaConverter;

/// Whether an irregular rule (appliesTo 8) restricted to `ruleWord` serves
/// the irregular verb `romaji`: through each of the endings "suru" and
/// `auxiliaries` the verb ends in, or, when it ends in none, by naming it
/// exactly (a compound with or without the space before its auxiliary).
bool irregularWordIsServed(const std::string& ruleWord, const std::string& romaji,
                           const std::vector<std::string>& auxiliaries);

/// True when the verb rule serves `word` under the filters (0: any). An
/// exception rule serves exactly the word it names; an irregular rule
/// (appliesTo 8) serves an irregular word only through its word or one of
/// the endings "suru" and `auxiliaries`; a named-word rule (appliesTo
/// NamedWord) serves exactly the word it names, whatever its class.
/// Defined here so that the engine's walk over every rule can inline it.
inline bool ruleApplies(const InflectionRule& rule, const InflectionResult& word,
                        std::int32_t senseFilter, std::int16_t politenessFilter,
                        const std::vector<std::string>& auxiliaries) {
  if (rule.resultClass == WordOverride) return word.romaji == rule.word;

  const auto wordBits = static_cast<std::uint16_t>(word.wordClass);
  if (const std::string_view named = namedWord(rule); !named.empty()) {
    // A rule for one named word serves it whatever its class.
    if (word.romaji != named) return false;
  } else if ((rule.appliesTo & wordBits) == 0) {
    return false;
  }

  // The remaining tests all must hold, so the cheap ones go first.
  if (!passesCaseAndFilters(rule, word.appliedCases, senseFilter, politenessFilter)) return false;
  return (wordBits & Irregular) == 0 || rule.appliesTo != Irregular ||
         irregularWordIsServed(rule.word, word.romaji, auxiliaries);
}

/// The form the rule makes of `word`, with the rule's attributes (the word's
/// own attitude and colloquial flag win) and the cases applied so far.
InflectionResult applyRule(const InflectionRule& rule, const InflectionResult& word,
                           const KanaConverter& kana);
