// The shortcuts the search and the self-test take give what the full
// operations give: romaji-only conjugation, the packed key index, and the
// search over entries added by hand after loading.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
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

  explicit LoadedEngine(const std::string& dir) {
    std::ostringstream console;
    loaded = engine.loadVerbRules(dir + "/Rules_Verbs.dat") &&
             engine.loadVerbClasses(dir + "/Rules_VClass.dat") &&
             engine.loadAdjectiveRules(dir + "/Rules_Adj.dat") &&
             engine.verbDictionary.loadVerbFile(dir + "/Words_Verbs.dat", kana, console) &&
             engine.adjectiveDictionary.loadAdjectiveFile(dir + "/Words_Adj.dat", kana, console);
  }
};

const LoadedEngine& bundled() {
  static const LoadedEngine data(std::string(ZUNOKA_SOURCE_DIR) + "/data");
  return data;
}

/// The bundled data with the extension test rules added.
const LoadedEngine& extended() {
  static LoadedEngine data(std::string(ZUNOKA_SOURCE_DIR) + "/data");
  static const bool added = (data.loaded = data.loaded && addExtensionRules(data.engine));
  (void)added;
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
  for (const auto& [name, rule] : data.engine.verbRules.rules) {
    if (rule.appliesTo == 32768) named.insert(rule.word);
  }
  std::size_t compared = 0;
  std::size_t entry = 0;
  for (const auto& [key, dictionaryEntry] : data.engine.verbDictionary) {
    // A spread of every class, and the words of the named-word rules.
    if (entry++ % 97 != 0 && !named.contains(key)) continue;
    InflectionResult word;
    word.romaji = key;
    word.wordClass = dictionaryEntry.wordClass != 0 ? dictionaryEntry.wordClass
                                                     : data.engine.classifyVerb(key);
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
  const std::string path = (std::filesystem::temp_directory_path() /
                            "zunoka_fast_paths_order_Words_Verbs.dat").string();
  for (const std::vector<std::string>& keys : files) {
    std::string text = std::to_string(keys.size()) + "\n";
    for (std::size_t i = 0; i < keys.size(); ++i) {
      text += "W" + std::to_string(i) + "\t" + kana.toKana(keys[i]) + "\t1\t0\tmeaning\n";
    }
    std::ofstream(path, std::ios::binary) << text;
    Dictionary dictionary;
    std::ostringstream console;
    ASSERT_TRUE(dictionary.loadVerbFile(path, kana, console));

    std::vector<std::pair<std::string, std::string>> expected;
    for (std::size_t i = 0; i < keys.size(); ++i) expected.emplace_back(keys[i], "W" + std::to_string(i));
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::pair<std::string, std::string>> filed;
    for (const auto& [key, entry] : dictionary) filed.emplace_back(key, entry.written);
    EXPECT_EQ(filed, expected);
  }
  std::filesystem::remove(path);
}

TEST(DictionaryKeyIndex, ListsEveryEntryInKeyOrderAfterLoading) {
  const LoadedEngine& data = bundled();
  ASSERT_TRUE(data.loaded);
  for (const Dictionary* dictionary :
       {&data.engine.verbDictionary, &data.engine.adjectiveDictionary}) {
    const DictionaryKeyIndex* index = dictionary->keyIndex();
    ASSERT_NE(index, nullptr);
    ASSERT_EQ(index->records.size(), dictionary->size());
    std::size_t i = 0;
    for (const auto& item : *dictionary) {
      const DictionaryKeyIndex::Record& record = index->records[i++];
      EXPECT_EQ(record.item, &item);
      EXPECT_EQ(index->keyOf(record), item.first);
      EXPECT_EQ(record.wordClass, item.second.wordClass);
    }
  }
}

TEST(DictionaryKeyIndex, IsWithdrawnWhenEntriesChangeByHandOrTheDictionaryIsCopied) {
  LoadedEngine data(std::string(ZUNOKA_SOURCE_DIR) + "/tests/transcripts/data/search");
  ASSERT_TRUE(data.loaded);
  Dictionary& verbs = data.engine.verbDictionary;
  ASSERT_NE(verbs.keyIndex(), nullptr);

  const Dictionary copy = verbs;  // its index would point into the original
  EXPECT_EQ(copy.keyIndex(), nullptr);

  DictionaryEntry entry;
  entry.romaji = "aaru";
  verbs.entries.emplace(entry.romaji, entry);
  EXPECT_EQ(verbs.keyIndex(), nullptr);

  // A reload builds it again.
  std::ostringstream console;
  ASSERT_TRUE(verbs.loadVerbFile(std::string(ZUNOKA_SOURCE_DIR) +
                                     "/tests/transcripts/data/search/Words_Verbs.dat",
                                 data.kana, console));
  EXPECT_NE(verbs.keyIndex(), nullptr);
}

TEST(ReverseSearchVerbs, FindsEntriesAddedByHandAfterLoading) {
  LoadedEngine data(std::string(ZUNOKA_SOURCE_DIR) + "/tests/transcripts/data/search");
  ASSERT_TRUE(data.loaded);
  std::vector<InflectionResult> before;
  data.engine.reverseSearchVerbs("tabeta", before);
  ASSERT_EQ(before.size(), 1u);

  // A homophone filed by hand, and a key written with a space.
  DictionaryEntry homophone;
  homophone.romaji = "taberu";
  homophone.wordClass = Itidan;
  homophone.meaning = "to live on";
  data.engine.verbDictionary.entries.emplace(homophone.romaji, homophone);
  DictionaryEntry spaced;
  spaced.romaji = "benkyou suru";
  spaced.wordClass = SuruAux;
  spaced.meaning = "to study (spaced)";
  data.engine.verbDictionary.entries.emplace(spaced.romaji, spaced);

  std::vector<InflectionResult> found;
  data.engine.reverseSearchVerbs("tabeta", found);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].gloss, before[0].gloss);  // file order first
  EXPECT_EQ(found[1].gloss, "to live on");

  // Every form of the spaced entry leads back to it.
  InflectionResult word;
  word.romaji = spaced.romaji;
  word.wordClass = SuruAux;
  std::vector<InflectionResult> forms;
  data.engine.conjugateVerb(word, std::string(), 0, 0, forms);
  ASSERT_FALSE(forms.empty());
  for (const InflectionResult& form : forms) {
    std::vector<InflectionResult> study;
    data.engine.reverseSearchVerbs(form.romaji, study);
    EXPECT_TRUE(std::any_of(study.begin(), study.end(), [](const InflectionResult& r) {
      return r.gloss == "to study (spaced)";
    })) << form.romaji;
  }
}

}  // namespace
