#pragma once

// Writing the expanded grammar as the three rule files the program reads.

#include <string>
#include <vector>

#include "grammar_model.hpp"

/// The text of Rules_Verbs.dat: header, case, group and rule lines.
std::string verbRulesText(const VerbRules& rules);

/// The text of Rules_Adj.dat: header, case and rule lines.
std::string adjectiveRulesText(const std::vector<AdjectiveCase>& cases);

/// The text of Rules_VClass.dat: the eleven keyword sections.
std::string classListsText(const ClassLists& lists);

/// Writes `text` to `path`, refusing a line the loaders could not hold.
void save(const std::string& path, const std::string& text);
