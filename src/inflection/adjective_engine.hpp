#pragma once

#include <cstdint>
#include <string>

#include "inflection/inflection_result.hpp"
#include "inflection/inflection_rule.hpp"

class KanaConverter;

/// True when the adjective rule serves `word` under the filters (0: any). An
/// exception rule serves exactly the adjective named by its ending; a
/// named-word rule serves only the true adjective its word names.
bool adjectiveRuleApplies(const AdjectiveRule& rule, const InflectionResult& word,
                          std::int32_t senseFilter, std::int16_t politenessFilter);

/// The romaji alone of applyAdjectiveRule.
std::string adjectiveFormRomaji(const AdjectiveRule& rule, const InflectionResult& word);

/// The form the rule makes of `word`: the word less its final i, then the
/// rule's ending; for a named-word rule the ending alone, written with the
/// word's kanji kept (writtenKeepingKanji), in the class of `resultClass`
/// without its NamedWord bit.
InflectionResult applyAdjectiveRule(const AdjectiveRule& rule, const InflectionResult& word,
                                    const KanaConverter& kana);
