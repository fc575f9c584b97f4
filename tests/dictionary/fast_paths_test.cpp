// The shortcuts the search and the self-test take give what the full
// operations give: the last form's romaji, filing by hint and the packed
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

TEST(LastVerbFormRomaji, SpellsTheLastFormOfConjugateVerb) {
  const LoadedEngine& data = extended();
  ASSERT_TRUE(data.loaded);
  std::set<std::string> named;
  for (const auto& [name, rule] : data.engine.verbRules().rules) {
    if (!rule.word.empty()) named.emplace(rule.word);
  }
  std::size_t compared = 0;
  std::size_t entry = 0;
  for (const DictionaryEntry& dictionaryEntry : data.engine.verbDictionary()) {
    // A spread of every class, and the words that rules name.
    const std::string key(dictionaryEntry.romaji);
    if (entry++ % 29 != 0 && !named.contains(key)) continue;
    InflectionResult word;
    word.romaji = key;
    word.wordClass =
        dictionaryEntry.wordClass != 0 ? dictionaryEntry.wordClass : data.engine.classifyVerb(key);
    word.written = std::string(dictionaryEntry.written);  // which restricted rules test
    std::vector<InflectionResult> full;
    data.engine.conjugateVerb(word, std::string(), 0, 0, full);
    // Results conjugated once more: their applied cases bar some rules.
    std::vector<InflectionResult> words{word};
    for (std::size_t i = 0; i < full.size(); i += full.size() / 3 + 1) words.push_back(full[i]);
    for (const InflectionResult& w : words) {
      std::vector<InflectionResult> results;
      data.engine.conjugateVerb(w, std::string(), 0, 0, results);
      std::string last = "kept";
      const bool found = data.engine.lastVerbFormRomaji(w, last);
      EXPECT_EQ(found, !results.empty()) << w.romaji;
      EXPECT_EQ(last, results.empty() ? "kept" : results.back().romaji) << w.romaji;
      ++compared;
    }
  }
  EXPECT_GT(compared, 3000u);
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
