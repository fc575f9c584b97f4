#include <csignal>
#include <iostream>

#include "command/command_table.hpp"
#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"
#include "shell/shell_state.hpp"
#include "shell/startup.hpp"

int main() {
  // A file-size limit then makes a result file's write fail and be reported,
  // instead of ending the program with its temporary file left behind.
  std::signal(SIGXFSZ, SIG_IGN);
  KanaConverter kana;
  // The rules and dictionaries are some hundred thousand small blocks, which
  // the system takes back at exit at once: freeing them one by one would
  // cost a fifth of the start-up, so the engine is never destroyed.
  static ConjugationEngine& engine = *new ConjugationEngine(kana);
  ShellState state;
  ShellContext context{kana, engine, state, std::cin, std::cout};

  CommandTable table(std::cin, std::cout, std::cout);
  declareCommands(table, context);
  printBanner(std::cout);
  if (!loadDataFiles(engine, std::cout)) return 0;
  state.reset();
  table.run();
  return 0;
}
