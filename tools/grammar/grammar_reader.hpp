#pragma once

// Reading the .grammar sources: lines become the source model, with the
// file and line named in every complaint; nothing is expanded here.

#include <string>
#include <vector>

#include "grammar_model.hpp"

/// A word class by its name (Itidan, Godan, SuruAux, Irregular, ...) or as
/// a number.
int parseClass(const std::string& text);

/// The verb grammar (verbs.grammar): case, form, para and unserved lines.
VerbSource readVerbSource(const std::string& path);

/// The adjective grammar (adjectives.grammar): case and rule lines.
std::vector<AdjectiveSourceCase> readAdjectiveSource(const std::string& path);

/// The keyword sections of a class list file (free text before a keyword
/// is a comment); empty when the file cannot be opened.
ClassSections readClassSections(const std::string& path);
