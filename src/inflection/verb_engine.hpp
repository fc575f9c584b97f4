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
bool irregularWordIsServed(std::string_view ruleWord, const std::string& romaji,
                           const std::vector<std::string>& auxiliaries);

/// Whether `word` passes the restrictions a restricted verb rule (appliesTo
/// with the NamedWord bit) adds to its word test: every class bit of the
/// low bits of appliesTo, and the written form in the prefix field (a word
/// with no written form, typed rather than taken from the dictionary,
/// passes that one).
inline bool passesRestrictions(const InflectionRule& rule, const InflectionResult& word) {
  const auto classBits = static_cast<std::uint16_t>(rule.appliesTo & ~NamedWord);
  if ((static_cast<std::uint16_t>(word.wordClass) & classBits) != classBits) return false;
  const std::string_view written = rule.formation.prefix;
  return written.empty() || word.written.empty() || word.written == written;
}

/// The word test of a restricted exception rule: an empty word names every
/// word, "*" and an ending every word ending in it, else the whole romaji.
inline bool exceptionWordMatches(std::string_view ruleWord, std::string_view romaji) {
  if (ruleWord.empty()) return true;
  if (ruleWord.front() == '*') return romaji.ends_with(ruleWord.substr(1));
  return romaji == ruleWord;
}

/// True when the verb rule serves `word` under the filters (0: any). An
/// exception rule serves exactly the word it names; an irregular rule
/// (appliesTo 8) serves an irregular word only through its word or one of
/// the endings "suru" and `auxiliaries`; a named-word rule (appliesTo with
/// NamedWord) serves exactly the word it names, whatever its class. A
/// restricted rule (NamedWord set: named-word rules and restricted
/// exceptions) also needs its restrictions passed, and a restricted
/// exception may name an ending or no word at all.
/// Defined here so that the engine's walk over every rule can inline it.
inline bool ruleApplies(const InflectionRule& rule, const InflectionResult& word,
                        std::int32_t senseFilter, std::int16_t politenessFilter,
                        const std::vector<std::string>& auxiliaries) {
  if (rule.resultClass == WordOverride) {
    if ((rule.appliesTo & NamedWord) == 0) return word.romaji == rule.word;
    return exceptionWordMatches(rule.word, word.romaji) && passesRestrictions(rule, word);
  }

  const auto wordBits = static_cast<std::uint16_t>(word.wordClass);
  if (const std::string_view named = namedWord(rule); !named.empty()) {
    // A rule for one named word serves it whatever its class.
    if (word.romaji != named || !passesRestrictions(rule, word)) return false;
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
