#include <iomanip>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "command/console_input.hpp"
#include "dictionary/dictionary.hpp"
#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"
#include "shell/case_selection.hpp"
#include "shell/conjugation_flows.hpp"
#include "shell/result_renderer.hpp"
#include "shell/shell_state.hpp"

namespace {

constexpr std::string_view kMalformed =
    "This is not a properly formed word in Nihon roomaji.  Check your spelling and use only "
    "single spaces.";
constexpr std::string_view kNotAVerb =
    "This is not a Japanese verb.  Check your spelling (use Nihon roomaji).";
constexpr std::string_view kEitherClass = "This verb can be either itidan or godan.";

bool endsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

/// The dictionary key for a word not found as typed: the compound with its
/// "suru" joined on, or the auxiliary it ends in.
std::string findLookupKey(const std::string& romaji, const std::vector<std::string>& auxiliaries,
                          std::ostream& out) {
  if (romaji.size() > 4 && endsWith(romaji, "suru")) {
    if (romaji.size() > 5 && endsWith(romaji, " suru")) {
      return romaji.substr(0, romaji.size() - 5) + "suru";
    }
    return romaji;
  }
  const std::size_t lastSpace = romaji.rfind(' ');
  if (lastSpace == std::string::npos) {
    for (const std::string& auxiliary : auxiliaries) {
      if (auxiliary.size() < romaji.size() && endsWith(romaji, auxiliary)) {
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

/// Shows the homophones and reads the answer: 0 to classify by the rules,
/// else the entry number. False when input ran out before an answer.
bool chooseHomophone(const std::vector<DictionaryEntry>& entries, ShellContext& context,
                     long& choice) {
  std::ostream& out = context.output;
  out << "These verbs are available:\n";
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const DictionaryEntry& entry = entries[k];
    out << std::setw(5) << k + 1 << std::setw(24) << entry.romaji << ' ' << std::setw(45)
        << entry.meaning;
    if (entry.attitude == Honorific) out << std::setw(5) << " Hon.";
    if (entry.attitude == Humble) out << std::setw(5) << " Hum.";
    out << '\n';
  }
  out << "\nChoose one to conjugate, or 0 to automatically classify.\n>>" << std::flush;
  std::string answer;
  for (;;) {
    if (!readConsoleLine(context.input, answer)) return false;
    if (parseMenuAnswer(answer, 0, static_cast<long>(entries.size()), choice)) break;
    out << "Invalid menu option.\n\n>>" << std::flush;
  }
  out << "\n\n" << std::flush;
  return true;
}

enum class Outcome { Continue, End };

/// Copies the chosen entry into the word and settles its class from the
/// entry, or from the rules when the entry gives none.
Outcome takeEntry(const DictionaryEntry& entry, InflectionResult& word, ShellContext& context) {
  word.written = entry.written;
  word.reading = entry.reading;
  word.meaning = entry.meaning;
  word.attitude = entry.attitude;
  word.extended = entry.extended;
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
  std::ostream& out = context.output;
  const Dictionary& dictionary = context.engine.verbDictionary;
  const std::string& romaji = request.word.romaji;
  std::vector<DictionaryEntry> entries;
  std::string lookupKey = romaji;
  if (!dictionary.lookup(romaji, entries)) {
    lookupKey = findLookupKey(romaji, context.engine.classLists.auxiliaries, out);
  }
  if (!dictionary.lookup(lookupKey, entries)) {
    out << "Verb not found in verb dictionary file. Conjugating by assumed classification.\n";
    if (request.fileOutput) out << "File output will be rendered in kana only.\n";
    out << '\n' << std::flush;
    return Outcome::Continue;
  }
  // Running out of input at the menu abandons the command.
  if (!chooseHomophone(entries, context, choice)) return Outcome::End;
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

void conjugateRequest(ConjRequest& request, const ConjugationEngine& engine) {
  request.results.clear();
  std::vector<std::string> runs = request.caseNames;
  if (runs.empty()) runs.emplace_back();  // one run over all cases
  for (const std::string& caseName : runs) {
    if (request.word.wordClass == Copula) {
      conjugateCopula(caseName, request.senseFilter, request.politenessFilter, request.results);
    } else {
      engine.conjugateVerb(request.word, caseName, request.senseFilter, request.politenessFilter,
                           request.results);
    }
  }
}

}  // namespace

void runVerbFlow(ConjRequest& request, ShellContext& context) {
  std::ostream& out = context.output;
  if (!context.kana.isWellFormedRomaji(request.word.romaji)) {
    out << kMalformed << "\n\n" << std::flush;
    return;
  }
  if (hasBadVerbEnding(request.word.romaji)) {
    out << kNotAVerb << "\n\n" << std::flush;
    return;
  }
  out << std::left;
  long choice = 0;
  // A forced class or a word carried over from earlier needs no dictionary.
  if (request.force == NoForce && !request.usedCurrentWord &&
      runDictionaryPhase(request, context, choice) == Outcome::End) {
    return;
  }
  if (runClassPhase(request, choice, context) == Outcome::End) return;
  if (request.menuRequested &&
      selectInflectionCases(context.engine.verbRules.caseOrder, request.menuList,
                            request.caseNames, context) == CaseSelection::Cancel) {
    return;
  }
  conjugateRequest(request, context.engine);
  context.state.recordConjugatedWord(request.word);
  context.state.setResults(request.results, false);
  renderResults(request.word, request.results, request.fileOutput, request.fileName,
                request.senseFilter, request.politenessFilter, request.caseNames, context);
}
