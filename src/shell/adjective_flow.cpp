#include <iomanip>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary.hpp"
#include "inflection/conjugation_engine.hpp"
#include "shell/conjugation_flows.hpp"
#include "shell/flow_steps.hpp"

namespace {

constexpr std::string_view kNotAnAdjective =
    "This is not a Japanese true adjective.  Adjectives end in vowel + i.";

// Shown only for two or more entries; there is no rule to fall back on, so 0
// is not an answer.
constexpr HomophoneMenu kAdjectiveMenu = {
    .heading = "More than one adjective with this roomaji is available:", .meaningWidth = 50,
    .marksAttitude = false, .question = "Choose one to conjugate.", .lowestAnswer = 1,
    .afterAnswer = "\n"};

/// "ii" has no forms of its own; its equivalent yoi is looked up and conjugated.
void respellIi(InflectionResult& word, std::ostream& out) {
  if (word.romaji != "ii") return;
  out << "Adjective \"ii\" does not conjugate.  Conjugating equivalent: yoi\n\n" << std::flush;
  word.romaji = "yoi";
}

/// The romaji, class and attitude of the typed word stay as they were.
void takeEntry(const DictionaryEntry& entry, InflectionResult& word) {
  copyEntryTexts(entry, word);
  word.extended[0] = entry.extended[0];
}

Outcome runDictionaryPhase(ConjRequest& request, ShellContext& context, long& choice) {
  std::ostream& out = context.output;
  std::vector<DictionaryEntry> entries;
  if (!context.engine.adjectiveDictionary().lookup(request.word.romaji, entries)) {
    reportNotInDictionary("Adjective not found in adjective dictionary file.", request, out);
    return Outcome::Continue;
  }
  if (entries.size() == 1) {
    out << "Found:    " << std::setw(24) << entries[0].romaji << ' ' << std::setw(45)
        << entries[0].meaning << "\n\n"
        << std::flush;
    takeEntry(entries[0], request.word);
    return Outcome::Continue;
  }
  // Running out of input at the menu abandons the command.
  if (!chooseHomophone(kAdjectiveMenu, entries, context, choice)) return Outcome::End;
  takeEntry(entries[static_cast<std::size_t>(choice) - 1], request.word);
  return Outcome::Continue;
}

const std::vector<std::string>& adjectiveCaseNames(const ConjugationEngine& engine) {
  return engine.adjectiveRules().caseOrder;
}

void conjugateAdjectiveCase(const ConjugationEngine& engine, const std::string& caseName,
                            ConjRequest& request) {
  engine.conjugateAdjective(request.word, caseName, request.senseFilter,
                            request.politenessFilter, request.results);
}

// An adjective's class is fixed, so it has no class phase.
constexpr FlowSteps kAdjectiveSteps = {
    .hasBadEnding = hasBadAdjectiveEnding, .badEndingMessage = kNotAnAdjective,
    .respell = respellIi, .dictionaryPhase = runDictionaryPhase, .classPhase = nullptr,
    .caseNames = adjectiveCaseNames, .conjugateCase = conjugateAdjectiveCase};

}  // namespace

void runAdjectiveFlow(ConjRequest& request, ShellContext& context) {
  runConjugationFlow(kAdjectiveSteps, request, context);
}
