// The shortcuts the search and the self-test take give what the full
// operations give: romaji-only conjugation, filing by hint and the packed
// key index.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/extension_rules.hpp"
#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"

namespace {

struct LoadedEngine {
  KanaConverter kana;
  ConjugationEngine engine{kana};
  bool loaded = false;

  explicit LoadedEngine(bool extensions)
      : loaded(loadDataDirectory(engine, std::string(ZUNOKA_SOURCE_DIR) + "/data/", extensions)) {}
};

const LoadedEngine& bundled() {
  static const LoadedEngine data(false);
  return data;
}

/// The bundled data with the extension test rules added.
const LoadedEngine& extended() {
  static const LoadedEngine data(true);
  return data;
}

std::vector<std::string> romajiOf(const std::vector<InflectionResult>& results) {
  std::vector<std::string> romaji;
  for (const InflectionResult& r : results) romaji.push_back(r.romaji);
  return romaji;
}

TEST(ConjugateVerbRomaji, SpellsTheFormsOfConjugateVerbInTheirOrder) {
  const LoadedEngine& data = extended();
  ASSERT_TRUE(data.loaded);
  struct Request {
    std::string caseName;
    std::int32_t sense;
    std::int16_t politeness;
  };
  const std::vector<Request> requests = {
      {"", 0, 0}, {"", Negative, Polite}, {"Indicative", 0, 0}, {"No Such Case", 0, 0}};
  std::set<std::string> named;
  for (const auto& [name, rule] : data.engine.verbRules().rules) {
    if ((rule.appliesTo & 32768) != 0) named.insert(rule.word);
  }
  std::size_t compared = 0;
  std::size_t entry = 0;
  for (const DictionaryEntry& dictionaryEntry : data.engine.verbDictionary()) {
    // A spread of every class, and the words of the named-word rules.
    const std::string& key = dictionaryEntry.romaji;
    if (entry++ % 97 != 0 && !named.contains(key)) continue;
    InflectionResult word;
    word.romaji = key;
    word.wordClass = dictionaryEntry.wordClass != 0 ? dictionaryEntry.wordClass
                                                     : data.engine.classifyVerb(key);
    word.written = dictionaryEntry.written;  // which restricted rules test
    std::vector<InflectionResult> full;
    data.engine.conjugateVerb(word, std::string(), 0, 0, full);
    // A result conjugated once more: its applied cases bar some rules.
    std::vector<InflectionResult> words{word};
    if (!full.empty()) words.push_back(full[full.size() / 2]);
    for (const InflectionResult& w : words) {
      for (const Request& r : requests) {
        std::vector<InflectionResult> results;
        data.engine.conjugateVerb(w, r.caseName, r.sense, r.politeness, results);
        std::vector<std::string> romaji{"kept"};  // appended to, never emptied
        data.engine.conjugateVerbRomaji(w, r.caseName, r.sense, r.politeness, romaji);
        std::vector<std::string> expected{"kept"};
        for (const std::string& s : romajiOf(results)) expected.push_back(s);
        EXPECT_EQ(romaji, expected) << w.romaji << " case '" << r.caseName << "'";
        compared += results.size();
      }
    }
  }
  EXPECT_GT(compared, 10000u);
}

TEST(LoadVerbFile, FilesEveryOrderOfLinesByKeyWithEqualKeysInFileOrder) {
  KanaConverter kana;
  // Runs of rising keys (filed next to the previous line), falling keys,
  // equal keys next to each other and apart, and keys between equal ones.
  const std::vector<std::vector<std::string>> files = {
      {"aku", "aku", "kaeru", "kaku", "kaku", "taberu"},
      {"taberu", "kaku", "kaeru", "aku", "aku"},
      {"kaeru", "aku", "kaeru", "taberu", "kaeru", "kaku", "aku", "kaeru"},
      {"kaku", "kaku", "kaeru", "kaku", "kaku", "kaeru", "kaeru"},
      {"aku", "kaeru", "aku", "kaeru", "aku", "taberu", "taberu", "aku"},
  };
  const auto writtenOf = [](std::size_t line) { return std::string(line + 1, 'W'); };
  for (const std::vector<std::string>& keys : files) {
    std::string text = std::to_string(keys.size()) + "\n";
    for (std::size_t i = 0; i < keys.size(); ++i) {
      text += writtenOf(i) + "\t" + kana.toKana(keys[i]) + "\t1\t0\tmeaning\n";
    }
    std::istringstream in(text);
    Dictionary dictionary;
    std::ostringstream console;
    dictionary.loadVerbFile(in, kana, console);

    std::vector<std::pair<std::string, std::string>> expected;
    for (std::size_t i = 0; i < keys.size(); ++i) expected.emplace_back(keys[i], writtenOf(i));
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::pair<std::string, std::string>> filed;
    for (const DictionaryEntry& entry : dictionary) filed.emplace_back(entry.romaji, entry.written);
    EXPECT_EQ(filed, expected);
  }
}

TEST(DictionaryKeyIndex, ListsEveryEntryInKeyOrderAfterLoading) {
  const LoadedEngine& data = bundled();
  ASSERT_TRUE(data.loaded);
  for (const Dictionary* dictionary :
       {&data.engine.verbDictionary(), &data.engine.adjectiveDictionary()}) {
    const DictionaryKeyIndex& index = dictionary->keyIndex();
    ASSERT_EQ(index.records.size(), dictionary->size());
    std::size_t i = 0;
    for (const DictionaryEntry& entry : *dictionary) {
      const DictionaryKeyIndex::Record& record = index.records[i++];
      EXPECT_EQ(record.entry, &entry);
      EXPECT_EQ(index.keyOf(record), entry.romaji);
      EXPECT_EQ(record.wordClass, entry.wordClass);
    }
  }
}

}  // namespace
