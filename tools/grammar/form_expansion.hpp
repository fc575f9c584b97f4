#pragma once

// Expanding the sources into rule lines: each verb form is spelled for every
// class (with the irregular kinds' own rules), each para line becomes the
// forms of a derived verb, and the adjective cases get their slots.

#include <string>
#include <vector>

#include "grammar_model.hpp"

class KanaConverter;

/// Every case of the verb grammar as rule groups, one per slot.
VerbRules expandVerbGrammar(const VerbSource& source, const std::vector<std::string>& ssuruVerbs,
                            const KanaConverter& kana);

/// The adjective cases, their slots numbered and their exceptions spelled.
std::vector<AdjectiveCase> expandAdjectiveGrammar(const std::vector<AdjectiveSourceCase>& source);
