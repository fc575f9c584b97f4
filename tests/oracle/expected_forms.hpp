#pragma once

#include <string>
#include <vector>

#include "oracle/ipadic.hpp"

class KanaConverter;

/// One form a learner expects of a word, in romaji without spaces; the word
/// passes when any of the spellings is produced (IPADIC lists several stems
/// for some forms and cannot tell which one an ending takes).
struct ExpectedForm {
  std::string caseLabel;  ///< such as "negative", "te", "potential"
  std::vector<std::string> spellings;
};

/// Whether the conjugation type is a modern verb or adjective type whose
/// standard forms can be built; classical types give no forms.
bool isModernVerbType(const IpadicWord& word);
bool isAdjectiveType(const IpadicWord& word);

/// Negative, polite, past, te, -ba, -tara, volitional, imperative, passive,
/// causative, potential and -tai, built from the word's stems. A form whose
/// stem the lexicon does not list is left out.
std::vector<ExpectedForm> expectedVerbForms(const IpadicWord& word, const KanaConverter& kana);

/// Negative, past, te, adverbial, -ba, -sa and -sou.
std::vector<ExpectedForm> expectedAdjectiveForms(const IpadicWord& word,
                                                 const KanaConverter& kana);
