#include <iomanip>
#include <istream>
#include <ostream>
#include <string>

#include "command/console_input.hpp"
#include "shell/shell_commands.hpp"
#include "shell/shell_state.hpp"

namespace {

constexpr const char* kMenuRule = "-----------------------------------";
constexpr const char* kChoicePrompt = "Choice (0 to cancel) >>";

enum class MenuSource { None, History, Results };

/// Examines the switches in the order typed; the first message wins. False
/// (after printing the message) when the command must stop there.
bool chooseMenu(const ParsedCommand& command, const ShellState& state, std::ostream& out,
                MenuSource& source) {
  static constexpr const char* kExclusive =
      "Switches -h (set from history) and -r (set from results) are mutually exclusive.  "
      "Use only one.";
  source = MenuSource::None;
  for (const auto& parsed : command.switches) {
    const MenuSource wanted = parsed.name == "h"   ? MenuSource::History
                              : parsed.name == "r" ? MenuSource::Results
                                                   : MenuSource::None;
    if (wanted == MenuSource::None) continue;
    const char* message = nullptr;
    if (source != MenuSource::None && source != wanted) {
      message = kExclusive;
    } else if (wanted == MenuSource::History && state.history.empty()) {
      message = "No words have been conjugated yet.";
    } else if (wanted == MenuSource::Results && state.results.empty()) {
      message = "There are no available results.";
    }
    if (message != nullptr) {
      out << message << "\n\n" << std::flush;
      return false;
    }
    source = wanted;
  }
  return true;
}

void listHistory(const ShellState& state, std::ostream& out) {
  out << "Select current word from history:\n" << kMenuRule << '\n';
  std::size_t number = 1;
  for (const auto& word : state.history) {
    out << std::setw(3) << number++ << std::setw(76) << word.romaji << '\n';
  }
}

void listResults(const ShellState& state, std::ostream& out) {
  out << "Select current word from results:\n" << kMenuRule << '\n';
  const auto& results = state.results;
  const std::size_t n = results.size();
  if (state.resultsAreMatches) {
    for (std::size_t i = 0; i < n; ++i) {
      out << std::setw(5) << i + 1 << std::setw(24) << results[i].romaji << ' ' << std::setw(45)
          << results[i].gloss << '\n';
    }
    return;
  }
  // Two columns, numbered down the first column and then the second.
  const std::size_t rows = n / 2 + 1;
  for (std::size_t i = 1; i <= rows; ++i) {
    if (i <= n) out << std::setw(4) << i << std::setw(35) << results[i - 1].romaji;
    if (rows + i <= n) {
      out << std::setw(4) << rows + i << std::setw(35) << results[rows + i - 1].romaji;
    }
    out << '\n';
  }
}

/// Reads answers until one is a number from 0 to `count`. End of input is
/// taken as 0, since no further answer can come.
std::size_t readChoice(std::size_t count, std::istream& in, std::ostream& out) {
  std::string line;
  for (;;) {
    if (!readConsoleLine(in, line)) return 0;
    long value = 0;
    if (parseMenuAnswer(line, 0, static_cast<long>(count), value)) {
      return static_cast<std::size_t>(value);
    }
    out << "Bad Input: Choose only from the menu.\n\n" << kChoicePrompt << std::flush;
  }
}

}  // namespace

bool cwCommand(const ParsedCommand& command, ShellContext& context) {
  ShellState& state = context.state;
  std::ostream& out = context.output;
  MenuSource source = MenuSource::None;
  if (!chooseMenu(command, state, out, source)) return true;

  if (source != MenuSource::None) {
    const std::ios::fmtflags saved = out.flags();
    out << std::left;
    if (source == MenuSource::History) {
      listHistory(state, out);
    } else {
      listResults(state, out);
    }
    out.flags(saved);
    out << '\n' << kChoicePrompt << std::flush;

    const std::size_t count =
        source == MenuSource::History ? state.history.size() : state.results.size();
    const std::size_t choice = readChoice(count, context.input, out);
    if (choice == 0) {
      out << '\n' << std::flush;
      return true;
    }
    if (source == MenuSource::History) {
      state.currentWord = state.history[choice - 1];
    } else {
      state.currentWord = state.results[choice - 1];
      if (state.resultsAreMatches) state.currentWord.meaning = state.results[choice - 1].gloss;
    }
    out << '\n';
  }
  out << "Current Word: " << state.currentWord.romaji << "\n\n" << std::flush;
  return true;
}
