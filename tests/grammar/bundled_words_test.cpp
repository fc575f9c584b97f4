// Checks over the bundled dictionaries. Every verb and adjective conjugated
// with every case gives no form with a spelling the kana converter refuses:
// a rule that spells an impossible syllable for some word is caught here even
// when no sample word shows it. Every homophone menu tells its words apart,
// and the verbs the grammar relies on are there with their kind.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/dictionary.hpp"
#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"

namespace {

const KanaConverter& kana() {
  static const KanaConverter converter;
  return converter;
}

const ConjugationEngine& bundled() {
  static const ConjugationEngine* const loaded = [] {
    auto* e = new ConjugationEngine(kana());
    const std::string dir = ZUNOKA_DATA_DIR;
    std::ostringstream console;
    EXPECT_TRUE(e->loadVerbRules(dir + "/Rules_Verbs.dat"));
    EXPECT_TRUE(e->loadVerbClasses(dir + "/Rules_VClass.dat"));
    EXPECT_TRUE(e->loadAdjectiveRules(dir + "/Rules_Adj.dat"));
    EXPECT_TRUE(e->loadVerbDictionary(dir + "/Words_Verbs.dat", console));
    EXPECT_TRUE(e->loadAdjectiveDictionary(dir + "/Words_Adj.dat", console));
    return e;
  }();
  return *loaded;
}

// The words the grammar deliberately gives no form (its "unserved" line).
std::set<std::string> unservedWords() {
  std::ifstream grammar(std::string(ZUNOKA_SOURCE_DIR) + "/tools/grammar/verbs.grammar");
  std::set<std::string> words;
  std::string line;
  while (std::getline(grammar, line)) {
    std::istringstream in(line);
    std::string word;
    if (!(in >> word) || word != "unserved") continue;
    while (in >> word) words.insert(word);
  }
  return words;
}

InflectionResult wordOf(const DictionaryEntry& entry, std::int16_t wordClass) {
  InflectionResult w;
  w.written = entry.written;
  w.reading = entry.reading;
  w.romaji = entry.romaji;
  w.wordClass = wordClass;
  w.attitude = entry.attitude;
  return w;
}

bool invalid(const InflectionResult& r) {
  for (const std::string* text : {&r.romaji, &r.reading, &r.written})
    if (text->find(kResultNotValid) != std::string::npos) return true;
  return false;
}

// Invalid forms grouped by case name, with a few examples each, so that a
// failure says which rule to look at.
struct InvalidForms {
  std::map<std::string, std::vector<std::string>> byCase;
  std::set<std::string> words;
  std::size_t count = 0;

  void check(const InflectionResult& word, const std::vector<InflectionResult>& forms) {
    for (const InflectionResult& r : forms) {
      if (!invalid(r)) continue;
      ++count;
      words.insert(word.romaji + " (class " + std::to_string(word.wordClass) + ")");
      std::vector<std::string>& examples = byCase[r.caseName];
      if (examples.size() < 3) examples.push_back(word.romaji + " -> " + r.romaji);
    }
  }

  std::string report() const {
    std::string out;
    for (const auto& [caseName, examples] : byCase) {
      out += caseName + ":";
      for (const std::string& e : examples) out += " [" + e + "]";
      out += "\n";
    }
    out += std::to_string(words.size()) + " words:";
    std::size_t shown = 0;
    for (const std::string& w : words)
      if (shown++ < 60) out += " " + w;
    return out;
  }
};

TEST(BundledWords, EveryDictionaryVerbConjugatesIntoValidSpellingsOnly) {
  const ConjugationEngine& e = bundled();
  ASSERT_GT(e.verbDictionary().size(), 1000u);
  const std::set<std::string> unserved = unservedWords();
  InvalidForms invalidForms;
  std::vector<InflectionResult> forms;
  for (const DictionaryEntry& entry : e.verbDictionary()) {
    const std::string key(entry.romaji);
    std::int16_t wordClass = entry.wordClass != 0 ? entry.wordClass : e.classifyVerb(key);
    if (wordClass == ItidanOrGodan) wordClass = Itidan;
    InflectionResult word = wordOf(entry, wordClass);
    forms.clear();
    e.conjugateVerb(word, "", 0, 0, forms);
    EXPECT_EQ(forms.empty(), unserved.count(key) == 1) << key << ": forms only where the grammar serves it";
    invalidForms.check(word, forms);
  }
  EXPECT_EQ(invalidForms.count, 0u) << invalidForms.report();
}

TEST(BundledWords, EveryDictionaryAdjectiveConjugatesIntoValidSpellingsOnly) {
  const ConjugationEngine& e = bundled();
  ASSERT_GT(e.adjectiveDictionary().size(), 100u);
  InvalidForms invalidForms;
  std::vector<InflectionResult> forms;
  for (const DictionaryEntry& entry : e.adjectiveDictionary()) {
    const std::string key(entry.romaji);
    InflectionResult word = wordOf(entry, TrueAdjective);
    forms.clear();
    e.conjugateAdjective(word, "", 0, 0, forms);
    EXPECT_FALSE(forms.empty()) << key << " gets no form at all";
    invalidForms.check(word, forms);
  }
  EXPECT_EQ(invalidForms.count, 0u) << invalidForms.report();
}

// A menu shows a key's entries by meaning alone (verbs in 45 columns,
// adjectives in 50), so no two may read alike there; and a word labelled
// archaic, slang and the like comes after the everyday words of its key.
TEST(BundledWords, EveryMenuTellsItsEntriesApartEverydayWordsFirst) {
  const ConjugationEngine& e = bundled();
  const std::string usageLabels[] = {"(archaic)", "(obsolete)", "(slang)", "(jocular)", "(vulgar)"};
  auto labelled = [&](const std::string& meaning) {
    for (const std::string& label : usageLabels)
      if (meaning.find(label) != std::string::npos) return true;
    return false;
  };
  for (auto [dictionary, width] :
       {std::pair{&e.verbDictionary(), 45}, std::pair{&e.adjectiveDictionary(), 50}}) {
    std::map<std::string, std::set<std::string>> shownByKey;
    std::map<std::string, bool> labelSeen;
    for (const DictionaryEntry& entry : *dictionary) {
      const std::string key(entry.romaji);
      EXPECT_TRUE(shownByKey[key].insert(std::string(entry.meaning.substr(0, width))).second)
          << key << ": two entries read \"" << entry.meaning << "\"";
      const bool marked = labelled(std::string(entry.meaning));
      EXPECT_FALSE(labelSeen[key] && !marked) << key << ": \"" << entry.meaning << "\" follows a labelled word";
      labelSeen[key] = labelSeen[key] || marked;
    }
  }
}

// EDICT marks most homophones (P), so this checks the converter's own order:
// the word a learner means by a reading comes first in its menu.
TEST(BundledWords, HomophoneMenusOfferTheEverydayWordFirst) {
  const ConjugationEngine& e = bundled();
  const Dictionary& verbs = e.verbDictionary();
  const Dictionary& adjectives = e.adjectiveDictionary();
  struct Case {
    const Dictionary& dictionary;
    const char* key;
    const char* meaning;  // how the first entry's meaning begins
  };
  const Case cases[] = {
      {verbs, "kaku", "to write"},       {verbs, "kaeru", "to return; to come home"},
      {verbs, "kiru", "to cut"},         {verbs, "iu", "to say; to utter"},
      {verbs, "kau", "to buy"},          {verbs, "au", "to meet"},
      {verbs, "toru", "to take"},        {verbs, "kiku", "to hear"},
      {verbs, "aku", "to open"},         {verbs, "tomaru", "to stop"},
      {verbs, "kawaru", "to change"},    {adjectives, "hayai", "fast"},
      {adjectives, "atui", "hot; warm"}, {adjectives, "katai", "hard"},
  };
  for (const Case& c : cases) {
    std::vector<DictionaryEntry> found;
    ASSERT_TRUE(c.dictionary.lookup(c.key, found)) << c.key;
    EXPECT_EQ(found[0].meaning.rfind(c.meaning, 0), 0u)
        << c.key << " opens with \"" << found[0].meaning << "\"";
  }
}

TEST(BundledWords, GozaruIsTheHonorificIrregularGodanThatGivesGozaimasu) {
  const ConjugationEngine& e = bundled();
  std::vector<DictionaryEntry> found;
  ASSERT_TRUE(e.verbDictionary().lookup("gozaru", found));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].wordClass, IrregularGodan);
  EXPECT_EQ(found[0].attitude, Honorific);

  std::vector<InflectionResult> forms;
  e.conjugateVerb(wordFromEntry(found[0], found[0].wordClass), "", 0, 0, forms);
  std::set<std::string> romaji;
  for (const InflectionResult& r : forms) romaji.insert(r.romaji);
  for (const char* form : {"gozaimasu", "gozaimasen", "gozaimasita"}) EXPECT_EQ(romaji.count(form), 1u) << form;

  std::vector<InflectionResult> candidates;
  e.reverseSearchVerbs("gozaimasu", candidates);
  bool listed = false;
  for (const InflectionResult& c : candidates) listed = listed || c.romaji == "gozaru";
  EXPECT_TRUE(listed) << "rconj gozaimasu lists gozaru";
}

}  // namespace
