#pragma once

#include <string>
#include <vector>

#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"

/// The engine with the five bundled data files loaded, as start-up leaves it.
struct BundledData {
  KanaConverter kana;
  ConjugationEngine engine{kana};

  /// Loads the files from `dataDir`; false when a rule file is missing.
  bool load(const std::string& dataDir);
};

/// One line of the rconj form list: the form and the dictionary searched.
struct SearchForm {
  std::string form;
  bool adjective = false;
};

/// Reads the form list: one form per line, "v<TAB>form" or "a<TAB>form".
std::vector<SearchForm> readFormList(const std::string& path);

/// Runs the reverse search of `form` in its dictionary into `candidates`
/// and returns how long it took, in milliseconds.
double timedSearch(const ConjugationEngine& engine, const SearchForm& form,
                   std::vector<InflectionResult>& candidates);

/// A dozen dictionary verbs of every class present in the verb dictionary,
/// spread evenly over the key order, then a dozen adjectives (class 256).
/// Each is the word a conj flow would hand to the engine.
std::vector<InflectionResult> sampleWords(const ConjugationEngine& engine, std::size_t perClass);
