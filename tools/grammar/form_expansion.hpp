#pragma once

// Expanding the sources into rule lines: each verb form is spelled for every
// class (with the irregular kinds' own rules), each para line becomes the
// forms of a derived verb, and the class lists are merged.

#include <string>
#include <vector>

#include "grammar_model.hpp"

class KanaConverter;

/// The -ssuru verbs of the class lists (tassuru, hassuru): they conjugate
/// as suru does, without the aisuru kind's alternatives.
std::vector<std::string> ssuruVerbs(const ClassSections& hand, const ClassSections& edict);

/// Every case of the verb grammar as rule groups, one per slot.
VerbRules expandVerbGrammar(const VerbSource& source, const std::vector<std::string>& ssuruVerbs,
                            const KanaConverter& kana);

/// The adjective cases, their slots numbered and their exceptions spelled.
std::vector<AdjectiveCase> expandAdjectiveGrammar(const std::vector<AdjectiveSourceCase>& source);

/// The classification lists: the irregular verbs of the grammar's kinds,
/// the hand-written lists, then EDICT's (less the hand-excluded words), and
/// the non-stem forms of suru, kuru and aru the rules make; each list
/// without repeats.
ClassLists mergeClassLists(const VerbSource& source, const VerbRules& rules, const ClassSections& hand,
                           const ClassSections& edict);
