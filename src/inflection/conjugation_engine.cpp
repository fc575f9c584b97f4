#include "inflection/conjugation_engine.hpp"

ConjugationEngine::ConjugationEngine(const KanaConverter& kana) : kana_(kana) {}

void ConjugationEngine::reindexRules() {
  verbIndex_.build(verbRules);
  adjectiveIndex_.build(adjectiveRules);
}

bool equalIgnoringSpaces(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (true) {
    while (i < a.size() && a[i] == ' ') ++i;
    while (j < b.size() && b[j] == ' ') ++j;
    if (i == a.size() || j == b.size()) return i == a.size() && j == b.size();
    if (a[i] != b[j]) return false;
    ++i;
    ++j;
  }
}
