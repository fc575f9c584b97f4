#pragma once

#include <iosfwd>

class ConjugationEngine;
class KanaConverter;
struct ShellState;

/// What every command handler works with: the process-wide objects owned by
/// main and the console streams. Only `state` changes after start-up.
struct ShellContext {
  const KanaConverter& kana;
  const ConjugationEngine& engine;
  ShellState& state;
  std::istream& input;
  std::ostream& output;
};
