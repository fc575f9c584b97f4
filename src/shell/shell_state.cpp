#include "shell/shell_state.hpp"

void ShellState::recordConjugatedWord(const InflectionResult& word) {
  while (history.size() >= HistoryLimit) history.pop_front();
  history.push_back(word);
}

void ShellState::setResults(const std::vector<InflectionResult>& list, bool areMatches) {
  results = list;
  resultsAreMatches = areMatches;
}

void ShellState::reset() {
  history.clear();
  results.clear();
  resultsAreMatches = false;
}
