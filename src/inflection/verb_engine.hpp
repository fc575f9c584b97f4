#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "inflection/inflection_result.hpp"
#include "inflection/inflection_rule.hpp"

class KanaConverter;

/// True when the verb rule serves `word` under the filters (0: any). An
/// exception rule serves exactly the word it names; an irregular rule
/// (appliesTo 8) serves an irregular word only through its word or one of
/// the endings "suru" and `auxiliaries`; a named-word rule (appliesTo
/// NamedWord) serves exactly the word it names, whatever its class.
bool ruleApplies(const InflectionRule& rule, const InflectionResult& word,
                 std::int32_t senseFilter, std::int16_t politenessFilter,
                 const std::vector<std::string>& auxiliaries);

/// The form the rule makes of `word`, with the rule's attributes (the word's
/// own attitude and colloquial flag win) and the cases applied so far.
InflectionResult applyRule(const InflectionRule& rule, const InflectionResult& word,
                           const KanaConverter& kana);
