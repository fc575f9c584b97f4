#pragma once

#include <sstream>
#include <string>

#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"
#include "shell/shell_context.hpp"
#include "shell/shell_state.hpp"

/// A shell wired to string streams: `typed` is what the user will answer.
struct ShellConsole {
  explicit ShellConsole(const std::string& typed = {}) : input(typed) {}

  KanaConverter kana;
  ConjugationEngine engine{kana};
  ShellState state;
  std::istringstream input;
  std::ostringstream output;
  ShellContext context{kana, engine, state, input, output};
};
