#include <iostream>

#include "command/command_table.hpp"
#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"
#include "shell/shell_state.hpp"
#include "shell/startup.hpp"

int main() {
  KanaConverter kana;
  ConjugationEngine engine(kana);
  ShellState state;
  ShellContext context{kana, engine, state, std::cin, std::cout};

  CommandTable table(std::cin, std::cout, std::cout);
  declareCommands(table, context);
  printBanner(std::cout);
  if (!loadDataFiles(engine, kana, std::cout)) return 0;
  state.reset();
  table.run();
  return 0;
}
