#include "shell/flow_steps.hpp"

#include <iomanip>
#include <ostream>

#include "command/console_input.hpp"
#include "romaji/kana_converter.hpp"
#include "shell/case_selection.hpp"
#include "shell/result_renderer.hpp"
#include "shell/shell_state.hpp"

namespace {

constexpr std::string_view kMalformed =
    "This is not a properly formed word in Nihon roomaji.  Check your spelling and use only "
    "single spaces.";

void conjugateEveryCase(const FlowSteps& steps, ConjRequest& request,
                        const ConjugationEngine& engine) {
  request.results.clear();
  std::vector<std::string> runs = request.caseNames;
  if (runs.empty()) runs.emplace_back();  // one run over all cases
  for (const std::string& caseName : runs) steps.conjugateCase(engine, caseName, request);
}

}  // namespace

void runConjugationFlow(const FlowSteps& steps, ConjRequest& request, ShellContext& context) {
  std::ostream& out = context.output;
  if (!context.kana.isWellFormedRomaji(request.word.romaji)) {
    out << kMalformed << "\n\n" << std::flush;
    return;
  }
  if (steps.hasBadEnding(request.word.romaji)) {
    out << steps.badEndingMessage << "\n\n" << std::flush;
    return;
  }
  if (steps.respell != nullptr) steps.respell(request.word, out);
  out << std::left;  // for the menus and the rendering that follow
  long choice = 0;
  // A word carried over from earlier keeps its dictionary data.
  if (!request.usedCurrentWord &&
      steps.dictionaryPhase(request, context, choice) == Outcome::End) {
    return;
  }
  if (steps.classPhase != nullptr &&
      steps.classPhase(request, choice, context) == Outcome::End) {
    return;
  }
  if (request.menuRequested &&
      selectInflectionCases(steps.caseNames(context.engine), request.menuList,
                            request.caseNames, context) == CaseSelection::Cancel) {
    return;
  }
  conjugateEveryCase(steps, request, context.engine);
  context.state.recordConjugatedWord(request.word);
  context.state.setResults(request.results, false);
  renderResults(request, context);
}

bool chooseHomophone(const HomophoneMenu& menu, const std::vector<DictionaryEntry>& entries,
                     ShellContext& context, long& choice) {
  std::ostream& out = context.output;
  out << menu.heading << '\n';
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const DictionaryEntry& entry = entries[k];
    out << std::setw(5) << k + 1 << std::setw(24) << entry.romaji << ' '
        << std::setw(menu.meaningWidth) << entry.meaning;
    if (menu.marksAttitude && entry.attitude == Honorific) out << std::setw(5) << " Hon.";
    if (menu.marksAttitude && entry.attitude == Humble) out << std::setw(5) << " Hum.";
    out << '\n';
  }
  out << '\n' << menu.question << "\n>>" << std::flush;
  std::string answer;
  for (;;) {
    if (!readConsoleLine(context.input, answer)) return false;
    if (parseMenuAnswer(answer, menu.lowestAnswer, static_cast<long>(entries.size()), choice)) {
      break;
    }
    out << "Invalid menu option.\n\n>>" << std::flush;
  }
  out << menu.afterAnswer << std::flush;
  return true;
}

void reportNotInDictionary(std::string_view notice, const ConjRequest& request,
                           std::ostream& out) {
  out << notice << '\n';
  if (request.fileOutput) out << "File output will be rendered in kana only.\n";
  out << '\n' << std::flush;
}

void copyEntryTexts(const DictionaryEntry& entry, InflectionResult& word) {
  word.written = entry.written;
  word.reading = entry.reading;
  word.meaning = entry.meaning;
}
