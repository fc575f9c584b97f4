#pragma once

#include <cstddef>
#include <deque>
#include <vector>

#include "inflection/inflection_result.hpp"

/// What the shell remembers between commands: the current word, the last
/// ten conjugated words and the last result list.
struct ShellState {
  static constexpr std::size_t HistoryLimit = 10;

  InflectionResult currentWord;
  std::deque<InflectionResult> history;  ///< oldest at the front
  std::vector<InflectionResult> results;
  bool resultsAreMatches = false;  ///< true when results came from rconj

  /// Appends a copy of the word, dropping the oldest beyond ten.
  void recordConjugatedWord(const InflectionResult& word);

  /// Replaces the result list and its listing mode.
  void setResults(const std::vector<InflectionResult>& list, bool areMatches);

  /// Empties history and results, as at start-up; the current word stays.
  void reset();
};
