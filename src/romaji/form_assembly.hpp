#pragma once

#include <string>
#include <utility>

#include "inflection/inflection_result.hpp"
#include "inflection/inflection_rule.hpp"
#include "romaji/kana_converter.hpp"

/// Stem and dictionary ending of an itidan verb: the ending is the last two
/// characters (taberu: tabe + ru).
std::pair<std::string, std::string> splitItidan(const std::string& romaji);

/// Stem and ending of a godan verb: the last character after a vowel, else
/// the last two (kau: ka + u; kaku: ka + ku).
std::pair<std::string, std::string> splitGodan(const std::string& romaji);

/// The form of a rule that serves any verb of its classes: stem, table
/// ending, prefix, suffix and auxiliary, in romaji, written form and kana.
InflectionResult assembleRegularForm(const InflectionRule& rule, const InflectionResult& verb,
                                     const KanaConverter& kana);

/// The form of a rule restricted to a word or ending: `ruleWord` is cut off
/// the verb and the rule's suffix put in its place.
InflectionResult assembleWordForm(const InflectionRule& rule, const std::string& ruleWord,
                                  const InflectionResult& verb, const KanaConverter& kana);

/// The romaji alone of assembleRegularForm: lets a search compare forms
/// before paying for their kana.
std::string regularFormRomaji(const InflectionRule& rule, const InflectionResult& verb);

/// The romaji alone of assembleWordForm.
std::string wordFormRomaji(const InflectionRule& rule, const std::string& ruleWord,
                           const InflectionResult& verb);
