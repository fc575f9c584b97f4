#include <iomanip>
#include <ostream>
#include <vector>

#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"
#include "shell/shell_commands.hpp"
#include "shell/shell_state.hpp"

namespace {

bool hasSwitch(const ParsedCommand& command, const char* name) {
  for (const ParsedSwitch& s : command.switches) {
    if (s.name == name) return true;
  }
  return false;
}

void message(std::ostream& out, const char* text) {
  out << text << '\n' << std::flush;
  out << '\n' << std::flush;
}

}  // namespace

bool rconjCommand(const ParsedCommand& command, ShellContext& context) {
  std::ostream& out = context.output;
  ShellState& state = context.state;

  std::string form;
  if (!command.arguments.empty()) {
    form = command.arguments.front();
    if (!context.kana.isWellFormedRomaji(form)) {
      message(out, "This is not a valid spelling in Nihon roomaji.");
      return true;
    }
  } else if (state.currentWord.romaji.empty()) {
    message(out, "There is no current word.  Please specify an argument.");
    return true;
  } else {
    form = state.currentWord.romaji;
  }

  // -b searches both dictionaries, verbs first, into one candidate list.
  const bool searchBoth = hasSwitch(command, "b");
  const bool searchAdjectives = searchBoth || hasSwitch(command, "a");
  const bool searchVerbs = searchBoth || !searchAdjectives;

  out << "Searching the dictionary..." << '\n' << std::flush;
  message(out, "This operation may take a few minutes, please be patient.");

  std::vector<InflectionResult> candidates;
  if (searchVerbs) context.engine.reverseSearchVerbs(form, candidates);
  if (searchAdjectives) context.engine.reverseSearchAdjectives(form, candidates);

  out << std::left;
  if (!candidates.empty()) {
    message(out, "Candidates found:");
    for (const InflectionResult& candidate : candidates) {
      out << std::setw(24) << candidate.romaji << ' ' << std::setw(50) << candidate.gloss << '\n'
          << std::flush;
    }
    state.setResults(candidates, true);
  } else {
    out << "No candidates found." << '\n' << std::flush;
  }

  if (candidates.size() == 1) {
    state.currentWord = candidates.front();
    state.currentWord.meaning = state.currentWord.gloss;
    out << '\n' << "Result \"" << state.currentWord.romaji
        << "\" is available for further operations, if applicable." << '\n'
        << std::flush;
    out << '\n' << std::flush;
  } else if (!state.currentWord.romaji.empty()) {
    out << '\n' << "Last word \"" << state.currentWord.romaji
        << "\" is available for further operations." << '\n'
        << std::flush;
    out << '\n' << std::flush;
  }
  return true;
}
