#pragma once

// Rule and class-list texts loaded the way start-up loads the files holding
// them.

#include <sstream>
#include <string>
#include <vector>

#include "inflection/conjugation_engine.hpp"

inline void loadVerbRules(ConjugationEngine& engine, const std::string& text) {
  std::istringstream in(text);
  engine.loadVerbRules(in);
}

inline void loadAdjectiveRules(ConjugationEngine& engine, const std::string& text) {
  std::istringstream in(text);
  engine.loadAdjectiveRules(in);
}

inline bool loadVerbClasses(ConjugationEngine& engine, const std::string& text) {
  std::istringstream in(text);
  return engine.loadVerbClasses(in);
}

/// The text of a classification file holding `lists`.
inline std::string classFileText(const VerbClassLists& lists) {
  std::string text;
  for (const VerbClassSection& section : kVerbClassSections) {
    const std::vector<std::string>& words = lists.*section.list;
    text += std::string(section.keyword) + " " + std::to_string(words.size());
    for (const std::string& word : words) text += " " + word;
    text += "\n";
  }
  return text;
}
