// The verb and copula conjugation engines.

#include "inflection/verb_engine.hpp"

#include <array>
#include <string_view>

#include "inflection/conjugation_engine.hpp"
#include "romaji/form_assembly.hpp"
#include "romaji/kana_converter.hpp"

namespace {

/// Whether an irregular rule restricted to `ruleWord` serves the irregular
/// verb `romaji` as far as `ending` decides; sets `endingMatched` when the
/// verb ends in it.
bool irregularRuleServes(std::string_view ruleWord, const std::string& romaji,
                         std::string_view ending, bool& endingMatched) {
  if (!romaji.ends_with(ending)) return true;
  if (ruleWord.size() < ending.size() || !ruleWord.ends_with(ending)) return false;
  if (ruleWord.size() > ending.size()) {
    // The rule names a whole compound; the verb may carry a space before
    // its auxiliary ("ai suru" for "aisuru").
    std::string_view plain = romaji;
    std::string joined;
    if (romaji.size() > ending.size() && romaji[romaji.size() - ending.size() - 1] == ' ') {
      joined = romaji;
      joined.erase(romaji.size() - ending.size() - 1, 1);
      plain = joined;
    }
    if (plain != ruleWord) return false;
  }
  endingMatched = true;
  return true;
}

}  // namespace

bool irregularWordIsServed(std::string_view ruleWord, const std::string& romaji,
                           const std::vector<std::string>& auxiliaries) {
  if (romaji.size() < ruleWord.size()) return false;
  bool endingMatched = false;
  if (!irregularRuleServes(ruleWord, romaji, "suru", endingMatched)) return false;
  for (const std::string& auxiliary : auxiliaries) {
    if (!irregularRuleServes(ruleWord, romaji, auxiliary, endingMatched)) return false;
  }
  return endingMatched || romaji == ruleWord;
}

InflectionResult applyRule(const InflectionRule& rule, const InflectionResult& word,
                           const KanaConverter& kana) {
  InflectionResult form = rule.word.empty() ? assembleRegularForm(rule, word, kana)
                                            : assembleWordForm(rule, rule.word, word, kana);
  form.wordClass = rule.resultClass;
  form.politeness = rule.politeness;
  form.sense = rule.sense;
  form.caseName = rule.caseName;
  form.gloss = rule.gloss;
  form.attitude = word.attitude != 0 ? word.attitude : rule.attitude;
  form.colloquial = word.colloquial != 0 ? word.colloquial : rule.colloquial;
  form.extended = word.extended;
  form.meaning.clear();
  form.appliedCases = casesAppliedAfter(word.appliedCases, rule.addedCases);
  return form;
}

void ConjugationEngine::chooseVerbRules(const InflectionResult& word, const std::string& caseName,
                                        std::int32_t senseFilter, std::int16_t politenessFilter,
                                        std::vector<const InflectionRule*>& chosen) const {
  chooseRules(verbRules_.get().index, caseName, word.wordClass, chosen, [&](const InflectionRule& rule) {
    return ruleApplies(rule, word, senseFilter, politenessFilter, classLists_.auxiliaries);
  });
}

void ConjugationEngine::conjugateVerb(InflectionResult word, const std::string& caseName,
                                      std::int32_t senseFilter, std::int16_t politenessFilter,
                                      std::vector<InflectionResult>& results) const {
  std::vector<const InflectionRule*> chosen;
  chooseVerbRules(word, caseName, senseFilter, politenessFilter, chosen);
  results.reserve(results.size() + chosen.size());
  for (const InflectionRule* rule : chosen) results.push_back(applyRule(*rule, word, kana_));
}

bool ConjugationEngine::lastVerbFormRomaji(const InflectionResult& word,
                                           std::string& romaji) const {
  const InflectionRule* last =
      lastChosenRule(verbRules_.get().index, word.wordClass, [&](const InflectionRule& rule) {
        return ruleApplies(rule, word, 0, 0, classLists_.auxiliaries);
      });
  if (last == nullptr) return false;
  romaji =
      last->word.empty() ? regularFormRomaji(*last, word) : wordFormRomaji(*last, last->word, word);
  return true;
}

void conjugateCopula(const std::string& caseName, std::int32_t senseFilter,
                     std::int16_t politenessFilter, std::vector<InflectionResult>& results) {
  if (!caseName.empty() && caseName != "Indicative") return;

  struct CopulaForm {
    const char* romaji;
    std::int32_t politeness;
    std::int32_t sense;
    const char* gloss;
  };
  static constexpr std::array<CopulaForm, 4> kCopulaForms{{
      {"da", Plain, Affirmative, "Is; Will be"},
      {"dewa nai", Plain, Negative, "Is not; Will not be"},
      {"desu", Polite, Affirmative, "Is; Will be"},
      {"dewa arimasen", Polite, Negative, "Is not; Will not be"},
  }};
  for (const CopulaForm& form : kCopulaForms) {
    if (politenessFilter != 0 && politenessFilter != form.politeness) continue;
    if (senseFilter != 0 && senseFilter != form.sense) continue;
    results.emplace_back(form.romaji, VerbInflection, form.politeness, form.sense, Neutral, 0,
                         "Indicative", form.gloss);
  }
}
