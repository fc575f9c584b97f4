#pragma once

#include <sstream>
#include <string>

#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"
#include "shell/shell_context.hpp"
#include "shell/shell_state.hpp"

/// A shell context over string streams, with its own state, for driving
/// handlers and rendering in tests.
struct StringShell {
  explicit StringShell(const std::string& typed = "") : input(typed) {}

  static const KanaConverter& kana() {
    static const KanaConverter converter;
    return converter;
  }
  static const ConjugationEngine& engine() {
    static const ConjugationEngine instance(kana());
    return instance;
  }

  ShellState state;
  std::istringstream input;
  std::ostringstream output;
  ShellContext context{kana(), engine(), state, input, output};
};
