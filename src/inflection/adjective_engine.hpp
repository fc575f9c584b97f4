#pragma once

#include <cstdint>
#include <string>

#include "inflection/inflection_result.hpp"
#include "inflection/inflection_rule.hpp"

class KanaConverter;

/// True when the adjective rule serves `word` under the filters (0: any). An
/// exception rule serves exactly the adjective named by its ending.
bool adjectiveRuleApplies(const AdjectiveRule& rule, const InflectionResult& word,
                          std::int32_t senseFilter, std::int16_t politenessFilter);

/// The form the rule makes of `word`: the word less its final i, then the
/// rule's ending.
/// The romaji alone of applyAdjectiveRule.
std::string adjectiveFormRomaji(const AdjectiveRule& rule, const InflectionResult& word);

InflectionResult applyAdjectiveRule(const AdjectiveRule& rule, const InflectionResult& word,
                                    const KanaConverter& kana);
