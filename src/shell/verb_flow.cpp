#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary.hpp"
#include "inflection/conjugation_engine.hpp"
#include "shell/conjugation_flows.hpp"
#include "shell/flow_steps.hpp"

namespace {

constexpr std::string_view kNotAVerb =
    "This is not a Japanese verb.  Check your spelling (use Nihon roomaji).";
constexpr std::string_view kEitherClass = "This verb can be either itidan or godan.";

// Shown even for a single entry, since 0 (classify by the rules) is an answer too.
constexpr HomophoneMenu kVerbMenu = {
    .heading = "These verbs are available:", .meaningWidth = 45, .marksAttitude = true,
    .question = "Choose one to conjugate, or 0 to automatically classify.", .lowestAnswer = 0,
    .afterAnswer = "\n\n"};

/// The dictionary key for a word not found as typed: the compound with its
/// "suru" joined on, or the auxiliary it ends in.
std::string findLookupKey(const std::string& romaji, const std::vector<std::string>& auxiliaries,
                          std::ostream& out) {
  if (romaji.size() > 4 && romaji.ends_with("suru")) {
    if (romaji.size() > 5 && romaji.ends_with(" suru")) {
      return romaji.substr(0, romaji.size() - 5) + "suru";
    }
    return romaji;
  }
  const std::size_t lastSpace = romaji.rfind(' ');
  if (lastSpace == std::string::npos) {
    for (const std::string& auxiliary : auxiliaries) {
      if (auxiliary.size() < romaji.size() && romaji.ends_with(auxiliary)) {
        out << "Looking up by auxiliary: " << auxiliary << '\n' << std::flush;
        return auxiliary;
      }
    }
    return romaji;
  }
  const std::string lastWord = romaji.substr(lastSpace + 1);
  for (const std::string& auxiliary : auxiliaries) {
    if (auxiliary == lastWord) {
      out << "Looking up by auxiliary: " << auxiliary << '\n' << std::flush;
      return auxiliary;
    }
  }
  return romaji;
}

/// Copies the chosen entry into the word and settles its class from the
/// entry, or from the rules when the entry gives none. The romaji stays as
/// typed, so a word found through its auxiliary keeps its full spelling.
Outcome takeEntry(const DictionaryEntry& entry, InflectionResult& word, ShellContext& context) {
  copyEntryTexts(entry, word);
  word.attitude = entry.attitude;
  std::copy(entry.extended.begin(), entry.extended.end(), word.extended.begin());
  if (entry.wordClass != 0) {
    word.wordClass = entry.wordClass;
    return Outcome::Continue;
  }
  word.wordClass = context.engine.classifyVerb(word.romaji);
  if (word.wordClass == ItidanOrGodan) {
    context.output << kEitherClass << '\n'
                   << "Update the dictionary entry to reflect the correct part of speech.\n"
                   << "In the meantime, you can resubmit using a forcing switch (-i or -g).\n\n"
                   << std::flush;
    return Outcome::End;
  }
  return Outcome::Continue;
}

/// Looks the word up and lets the user pick an entry; `choice` stays 0 when
/// none was taken.
Outcome runDictionaryPhase(ConjRequest& request, ShellContext& context, long& choice) {
  // A forced class needs no dictionary.
  if (request.force != NoForce) return Outcome::Continue;
  const Dictionary& dictionary = context.engine.verbDictionary();
  const std::string& romaji = request.word.romaji;
  std::vector<DictionaryEntry> entries;
  std::string lookupKey = romaji;
  if (!dictionary.lookup(romaji, entries)) {
    lookupKey = findLookupKey(romaji, context.engine.classLists().auxiliaries, context.output);
  }
  if (!dictionary.lookup(lookupKey, entries)) {
    reportNotInDictionary(
        "Verb not found in verb dictionary file. Conjugating by assumed classification.", request,
        context.output);
    return Outcome::Continue;
  }
  // Running out of input at the menu abandons the command.
  if (!chooseHomophone(kVerbMenu, entries, context, choice)) return Outcome::End;
  if (choice == 0) return Outcome::Continue;
  return takeEntry(entries[static_cast<std::size_t>(choice) - 1], request.word, context);
}

/// A forcing switch decides the class (except for da); without a chosen
/// entry the rules decide it.
Outcome runClassPhase(ConjRequest& request, long choice, ShellContext& context) {
  InflectionResult& word = request.word;
  const bool isDa = word.romaji == "da";
  if (request.force == ForceItidan && !isDa) {
    word.wordClass = Itidan;
  } else if (request.force == ForceGodan && !isDa) {
    word.wordClass = Godan;
  } else if (request.force == ForceRegularSuru) {
    word.wordClass = SuruAux;
  } else if (choice == 0) {
    word.wordClass = context.engine.classifyVerb(word.romaji);
    if (word.wordClass == ItidanOrGodan) {
      context.output << kEitherClass << '\n'
                     << "Resubmit using a forcing switch (-i or -g).\n\n"
                     << std::flush;
      return Outcome::End;
    }
  }
  return Outcome::Continue;
}

const std::vector<std::string>& verbCaseNames(const ConjugationEngine& engine) {
  return engine.verbRules().caseOrder;
}

void conjugateVerbCase(const ConjugationEngine& engine, const std::string& caseName,
                       ConjRequest& request) {
  if (request.word.wordClass == Copula) {
    conjugateCopula(caseName, request.senseFilter, request.politenessFilter, request.results);
  } else {
    engine.conjugateVerb(request.word, caseName, request.senseFilter, request.politenessFilter,
                         request.results);
  }
}

constexpr FlowSteps kVerbSteps = {
    .hasBadEnding = hasBadVerbEnding, .badEndingMessage = kNotAVerb, .respell = nullptr,
    .dictionaryPhase = runDictionaryPhase, .classPhase = runClassPhase,
    .caseNames = verbCaseNames, .conjugateCase = conjugateVerbCase};

}  // namespace

void runVerbFlow(ConjRequest& request, ShellContext& context) {
  runConjugationFlow(kVerbSteps, request, context);
}
