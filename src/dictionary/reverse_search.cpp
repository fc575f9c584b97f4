#include <algorithm>
#include <string>
#include <vector>

#include "inflection/conjugation_engine.hpp"
#include "romaji/form_assembly.hpp"

namespace {

/// Suru and the irregular kinds (and -1, which has every bit) are tried
/// without a stem test: their stems change.
constexpr std::int16_t kStemlessClasses = SuruAux | Irregular;

/// The dictionary word as a candidate: its meaning travels in `gloss`.
InflectionResult candidateFromVerbEntry(const DictionaryEntry& entry, std::int16_t wordClass) {
  InflectionResult word;
  word.romaji = entry.romaji;
  word.wordClass = wordClass;
  word.written = entry.written;
  word.reading = entry.reading;
  word.attitude = entry.attitude;
  word.gloss = entry.meaning;
  word.extended = entry.extended;
  return word;
}

InflectionResult candidateFromAdjectiveEntry(const DictionaryEntry& entry) {
  InflectionResult word;
  word.romaji = entry.romaji;
  word.wordClass = TrueAdjective;
  word.written = entry.written;
  word.reading = entry.reading;
  word.attitude = entry.attitude;
  word.gloss = entry.meaning;
  return word;
}

bool producesForm(const std::vector<InflectionResult>& results, const std::string& form) {
  return std::any_of(results.begin(), results.end(), [&](const InflectionResult& result) {
    return equalIgnoringSpaces(form, result.romaji);
  });
}

/// The first-letter test, allowing for an honorific o- before the verb.
bool firstLetterFits(const std::string& key, const std::string& form) {
  if (key.empty()) return false;
  return key[0] == form[0] || (form[0] == 'o' && key[0] == form[1]);
}

}  // namespace

void ConjugationEngine::reverseSearchVerbs(std::string form,
                                           std::vector<InflectionResult>& candidates) const {
  if (form.size() < 2) return;
  const auto& nonstem = classLists.nonstemInflections;
  const bool isNonstemForm = std::any_of(nonstem.begin(), nonstem.end(), [&](const auto& w) {
    return equalIgnoringSpaces(form, w);
  });

  std::vector<InflectionResult> scratch;
  for (const auto& [key, entry] : verbDictionary) {
    const std::int16_t wordClass = entry.wordClass != 0 ? entry.wordClass : classifyVerb(key);
    const bool stemless = (wordClass & kStemlessClasses) != 0;
    if (isNonstemForm) {
      if (!stemless) continue;
    } else {
      if (!firstLetterFits(key, form)) continue;
      if (!stemless) {
        const std::string stem =
            wordClass == Itidan ? splitItidan(key).first : splitGodan(key).first;
        if (form.find(stem) == std::string::npos) continue;
      }
    }
    const InflectionResult word = candidateFromVerbEntry(entry, wordClass);
    scratch.clear();
    conjugateVerb(word, std::string(), 0, 0, scratch);
    if (producesForm(scratch, form)) candidates.push_back(word);
  }
}

void ConjugationEngine::reverseSearchAdjectives(std::string form,
                                                std::vector<InflectionResult>& candidates) const {
  if (form.size() < 2) return;
  std::vector<InflectionResult> scratch;
  for (const auto& [key, entry] : adjectiveDictionary) {
    if (key.empty() || key[0] != form[0]) continue;
    if (form.find(std::string_view(key).substr(0, key.size() - 1)) == std::string::npos) continue;
    const InflectionResult word = candidateFromAdjectiveEntry(entry);
    scratch.clear();
    conjugateAdjective(word, std::string(), 0, 0, scratch);
    if (producesForm(scratch, form)) candidates.push_back(word);
  }
}
