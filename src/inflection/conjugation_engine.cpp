#include "inflection/conjugation_engine.hpp"

ConjugationEngine::ConjugationEngine(const KanaConverter& kana) : kana_(kana) {}

bool ConjugationEngine::loadVerbDictionary(const std::string& fileName, std::ostream& console) {
  return verbDictionary_.loadVerbFile(fileName, kana_, console);
}

void ConjugationEngine::loadVerbDictionary(std::istream& in, std::ostream& console) {
  verbDictionary_.loadVerbFile(in, kana_, console);
}

bool ConjugationEngine::loadAdjectiveDictionary(const std::string& fileName,
                                                std::ostream& console) {
  return adjectiveDictionary_.loadAdjectiveFile(fileName, kana_, console);
}

void ConjugationEngine::loadAdjectiveDictionary(std::istream& in, std::ostream& console) {
  adjectiveDictionary_.loadAdjectiveFile(in, kana_, console);
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
