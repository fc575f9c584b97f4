#pragma once

// The classification lists the generator writes: the hand-written and
// EDICT-derived lists merged with the irregular verbs of the grammar's kinds
// and the non-stem forms its rules make.

#include <string>
#include <vector>

#include "grammar_model.hpp"

/// The -ssuru verbs of the class lists (tassuru, hassuru): they conjugate
/// as suru does, without the aisuru kind's alternatives.
std::vector<std::string> ssuruVerbs(const ClassSections& hand, const ClassSections& edict);

/// The classification lists: the irregular verbs of the grammar's kinds,
/// the hand-written lists, then EDICT's (less the hand-excluded words), and
/// the non-stem forms of suru, kuru and aru the rules make; each list
/// without repeats.
ClassLists mergeClassLists(const VerbSource& source, const VerbRules& rules, const ClassSections& hand,
                           const ClassSections& edict);
