// The adjective conjugation engine.

#include "inflection/adjective_engine.hpp"

#include <algorithm>
#include <string_view>

#include "inflection/conjugation_engine.hpp"
#include "inflection/slot_suppression.hpp"
#include "romaji/form_assembly.hpp"
#include "romaji/kana_converter.hpp"

namespace {

bool isException(std::int16_t resultClass) { return resultClass == WordOverride; }

bool contains(const std::vector<std::int16_t>& ids, std::int16_t id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

/// The text less its last `count` bytes; kept whole when shorter than that.
std::string withoutLast(const std::string& text, std::size_t count) {
  return text.size() < count ? text : text.substr(0, text.size() - count);
}

}  // namespace

bool adjectiveRuleApplies(const AdjectiveRule& rule, const InflectionResult& word,
                          std::int32_t senseFilter, std::int16_t politenessFilter) {
  if (isException(rule.resultClass)) return word.romaji == rule.ending;
  if ((static_cast<std::uint16_t>(word.wordClass) & TrueAdjective) == 0) return false;
  if (const std::string_view named = namedWord(rule); !named.empty() && word.romaji != named) {
    return false;
  }
  if (contains(word.appliedCases, rule.caseId)) return false;
  if (senseFilter != 0 && senseFilter != rule.sense) return false;
  if (politenessFilter != 0 && politenessFilter != rule.politeness) return false;
  return true;
}

std::string adjectiveFormRomaji(const AdjectiveRule& rule, const InflectionResult& word) {
  if (!namedWord(rule).empty()) return rule.ending;
  return withoutLast(word.romaji, 1) + rule.ending;
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
    form.written = word.written.empty()
                       ? form.reading
                       : withoutLast(word.written, 2) +
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
  form.appliedCases = word.appliedCases;
  for (std::int16_t id : rule.addedCases) {
    if (!contains(form.appliedCases, id)) form.appliedCases.push_back(id);
  }
  return form;
}

void ConjugationEngine::chooseAdjectiveRules(const InflectionResult& word,
                                             const std::string& caseName,
                                             std::int32_t senseFilter,
                                             std::int16_t politenessFilter,
                                             std::vector<const AdjectiveRule*>& chosen) const {
  std::vector<const AdjectiveRule*> candidates;
  std::vector<SlotCandidate> slots;
  forEachRequestedRule(adjectiveRules, adjectiveIndex_, caseName, [&](const AdjectiveRule& rule) {
    if (!adjectiveRuleApplies(rule, word, senseFilter, politenessFilter)) return;
    candidates.push_back(&rule);
    // Adjectives have no irregular precedence: only exceptions suppress.
    slots.push_back({slotKey(rule.caseId, rule.subCaseId), isException(rule.resultClass), false, 0});
  });

  const std::vector<bool> survives = survivingCandidates(slots);
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (survives[i]) chosen.push_back(candidates[i]);
  }
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
