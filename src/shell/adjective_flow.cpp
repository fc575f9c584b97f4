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
constexpr std::string_view kNotAnAdjective =
    "This is not a Japanese true adjective.  Adjectives end in vowel + i.";

/// The romaji, class and attitude of the typed word stay as they were.
void takeEntry(const DictionaryEntry& entry, InflectionResult& word) {
  word.written = entry.written;
  word.reading = entry.reading;
  word.meaning = entry.meaning;
  word.extended[0] = entry.extended[0];
}

/// Lists the homophones and reads an entry number; there is no rule to fall
/// back on, so 0 is not an answer. False when input ran out first.
bool chooseHomophone(const std::vector<DictionaryEntry>& entries, ShellContext& context,
                     std::size_t& index) {
  std::ostream& out = context.output;
  out << "More than one adjective with this roomaji is available:\n";
  for (std::size_t k = 0; k < entries.size(); ++k) {
    out << std::setw(5) << k + 1 << std::setw(24) << entries[k].romaji << ' ' << std::setw(50)
        << entries[k].meaning << '\n';
  }
  out << "\nChoose one to conjugate.\n>>" << std::flush;
  std::string answer;
  long choice = 0;
  for (;;) {
    if (!readConsoleLine(context.input, answer)) return false;
    if (parseMenuAnswer(answer, 1, static_cast<long>(entries.size()), choice)) break;
    out << "Invalid menu option.\n\n>>" << std::flush;
  }
  out << '\n' << std::flush;
  index = static_cast<std::size_t>(choice) - 1;
  return true;
}

/// False when the command was abandoned at the menu.
bool runDictionaryPhase(ConjRequest& request, ShellContext& context) {
  std::ostream& out = context.output;
  std::vector<DictionaryEntry> entries;
  if (!context.engine.adjectiveDictionary.lookup(request.word.romaji, entries)) {
    out << "Adjective not found in adjective dictionary file.\n";
    if (request.fileOutput) out << "File output will be rendered in kana only.\n";
    out << '\n' << std::flush;
    return true;
  }
  if (entries.size() == 1) {
    out << "Found:    " << std::setw(24) << entries[0].romaji << ' ' << std::setw(45)
        << entries[0].meaning << "\n\n"
        << std::flush;
    takeEntry(entries[0], request.word);
    return true;
  }
  std::size_t index = 0;
  if (!chooseHomophone(entries, context, index)) return false;
  takeEntry(entries[index], request.word);
  return true;
}

}  // namespace

void runAdjectiveFlow(ConjRequest& request, ShellContext& context) {
  std::ostream& out = context.output;
  InflectionResult& word = request.word;
  if (!context.kana.isWellFormedRomaji(word.romaji)) {
    out << kMalformed << "\n\n" << std::flush;
    return;
  }
  if (hasBadAdjectiveEnding(word.romaji)) {
    out << kNotAnAdjective << "\n\n" << std::flush;
    return;
  }
  if (word.romaji == "ii") {
    out << "Adjective \"ii\" does not conjugate.  Conjugating equivalent: yoi\n\n" << std::flush;
    word.romaji = "yoi";
  }
  out << std::left;
  // A word carried over from earlier keeps its dictionary data.
  if (!request.usedCurrentWord && !runDictionaryPhase(request, context)) return;
  if (request.menuRequested &&
      selectInflectionCases(context.engine.adjectiveRules.caseOrder, request.menuList,
                            request.caseNames, context) == CaseSelection::Cancel) {
    return;
  }
  request.results.clear();
  std::vector<std::string> runs = request.caseNames;
  if (runs.empty()) runs.emplace_back();  // one run over all cases
  for (const std::string& caseName : runs) {
    context.engine.conjugateAdjective(word, caseName, request.senseFilter,
                                      request.politenessFilter, request.results);
  }
  context.state.recordConjugatedWord(word);
  context.state.setResults(request.results, false);
  renderResults(word, request.results, request.fileOutput, request.fileName, request.senseFilter,
                request.politenessFilter, request.caseNames, context);
}
