// The adjective conjugation engine.

#include "inflection/adjective_engine.hpp"

#include <string_view>

#include "inflection/conjugation_engine.hpp"
#include "romaji/form_assembly.hpp"
#include "romaji/kana_converter.hpp"

bool adjectiveRuleApplies(const AdjectiveRule& rule, const InflectionResult& word,
                          std::int32_t senseFilter, std::int16_t politenessFilter) {
  if (rule.resultClass == WordOverride) return word.romaji == rule.ending;
  if ((static_cast<std::uint16_t>(word.wordClass) & TrueAdjective) == 0) return false;
  if (const std::string_view named = namedWord(rule); !named.empty() && word.romaji != named) {
    return false;
  }
  return passesCaseAndFilters(rule, word.appliedCases, senseFilter, politenessFilter);
}

std::string adjectiveFormRomaji(const AdjectiveRule& rule, const InflectionResult& word) {
  if (!namedWord(rule).empty()) return std::string(rule.ending);
  std::string romaji(withoutLastBytes(word.romaji, 1));
  romaji += rule.ending;
  return romaji;
}

InflectionResult applyAdjectiveRule(const AdjectiveRule& rule, const InflectionResult& word,
                                    const KanaConverter& kana) {
  InflectionResult form;
  form.romaji = adjectiveFormRomaji(rule, word);
  form.reading = formKana(kana, form.romaji, 0, form.romaji.size());
  if (!namedWord(rule).empty()) {
    form.written = writtenKeepingKanji(word.written, word.reading, form.reading);
    form.wordClass = static_cast<std::int16_t>(rule.resultClass & ~NamedWord);
  } else {
    // The written form keeps its kanji; only the final kana i is replaced.
    const std::size_t stem = form.romaji.size() - rule.ending.size();
    form.written = word.written.empty() ? form.reading
                                        : std::string(withoutLastBytes(word.written, 2)) +
                                              formKana(kana, form.romaji, stem, form.romaji.size());
    form.wordClass = rule.resultClass;
  }
  form.politeness = rule.politeness;
  form.sense = rule.sense;
  form.caseName = rule.caseName;
  form.gloss = rule.gloss;
  form.attitude = Neutral;
  form.colloquial = 0;
  form.extended[0] = word.extended[0];
  form.appliedCases = casesAppliedAfter(word.appliedCases, rule.addedCases);
  return form;
}

void ConjugationEngine::chooseAdjectiveRules(const InflectionResult& word,
                                             const std::string& caseName,
                                             std::int32_t senseFilter,
                                             std::int16_t politenessFilter,
                                             std::vector<const AdjectiveRule*>& chosen) const {
  chooseRules(adjectiveRules_.get().index, caseName, word.wordClass, chosen, [&](const AdjectiveRule& rule) {
    return adjectiveRuleApplies(rule, word, senseFilter, politenessFilter);
  });
}

void ConjugationEngine::conjugateAdjective(InflectionResult word, const std::string& caseName,
                                           std::int32_t senseFilter,
                                           std::int16_t politenessFilter,
                                           std::vector<InflectionResult>& results) const {
  std::vector<const AdjectiveRule*> chosen;
  chooseAdjectiveRules(word, caseName, senseFilter, politenessFilter, chosen);
  results.reserve(results.size() + chosen.size());
  for (const AdjectiveRule* rule : chosen) results.push_back(applyAdjectiveRule(*rule, word, kana_));
}

bool hasBadAdjectiveEnding(const std::string& adjective) {
  if (adjective.size() < 2) return true;
  const std::string_view last(adjective.data() + adjective.size() - 2, 2);
  if (last == "ai" || last == "ii" || last == "ui" || last == "ei" || last == "oi") return false;
  // Quasi adjectives such as "kirei na" are let through.
  return adjective.find(' ') == std::string::npos;
}
