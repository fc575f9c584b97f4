#include "bench_data.hpp"

#include <chrono>
#include <fstream>
#include <map>
#include <sstream>

bool BundledData::load(const std::string& dataDir) {
  std::ostringstream console;
  if (!engine.loadVerbRules(dataDir + "/Rules_Verbs.dat")) return false;
  if (!engine.loadVerbClasses(dataDir + "/Rules_VClass.dat")) return false;
  if (!engine.loadAdjectiveRules(dataDir + "/Rules_Adj.dat")) return false;
  engine.loadVerbDictionary(dataDir + "/Words_Verbs.dat", console);
  engine.loadAdjectiveDictionary(dataDir + "/Words_Adj.dat", console);
  return true;
}

std::vector<SearchForm> readFormList(const std::string& path) {
  std::vector<SearchForm> forms;
  std::ifstream file(path);
  std::string line;
  while (std::getline(file, line)) {
    if (line.size() < 3 || line[1] != '\t') continue;
    forms.push_back({line.substr(2), line[0] == 'a'});
  }
  return forms;
}

namespace {

/// A sample word as conj sees it: the dictionary meaning in `meaning`.
InflectionResult wordOf(const DictionaryEntry& entry, std::int16_t wordClass) {
  InflectionResult word = wordFromEntry(entry, wordClass);
  word.meaning = entry.meaning;
  return word;
}

/// Every `step`-th of `entries`, at most `count` of them.
template <typename Entry>
std::vector<const Entry*> spread(const std::vector<const Entry*>& entries, std::size_t count) {
  std::vector<const Entry*> picked;
  if (entries.empty()) return picked;
  const std::size_t step = entries.size() > count ? entries.size() / count : 1;
  for (std::size_t i = 0; i < entries.size() && picked.size() < count; i += step) {
    picked.push_back(entries[i]);
  }
  return picked;
}

}  // namespace

std::vector<InflectionResult> sampleWords(const ConjugationEngine& engine, std::size_t perClass) {
  std::map<std::int16_t, std::vector<const DictionaryEntry*>> byClass;
  for (const DictionaryEntry& entry : engine.verbDictionary()) {
    const std::int16_t wordClass =
        entry.wordClass != 0 ? entry.wordClass : engine.classifyVerb(entry.romaji);
    byClass[wordClass].push_back(&entry);
  }
  std::vector<InflectionResult> words;
  for (const auto& [wordClass, entries] : byClass) {
    // The flows conjugate an undecided verb as itidan.
    const std::int16_t used = wordClass == ItidanOrGodan ? std::int16_t{Itidan} : wordClass;
    for (const DictionaryEntry* entry : spread(entries, perClass)) {
      words.push_back(wordOf(*entry, used));
    }
  }
  std::vector<const DictionaryEntry*> adjectives;
  for (const DictionaryEntry& entry : engine.adjectiveDictionary()) adjectives.push_back(&entry);
  for (const DictionaryEntry* entry : spread(adjectives, perClass)) {
    words.push_back(wordOf(*entry, TrueAdjective));
  }
  return words;
}

double timedSearch(const ConjugationEngine& engine, const SearchForm& form,
                   std::vector<InflectionResult>& candidates) {
  const auto start = std::chrono::steady_clock::now();
  if (form.adjective) {
    engine.reverseSearchAdjectives(form.form, candidates);
  } else {
    engine.reverseSearchVerbs(form.form, candidates);
  }
  const auto stop = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(stop - start).count();
}
