#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "dictionary/extension_rules.hpp"
#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"

namespace {

/// The engine loaded with the rconj test data: a few rules per case and a
/// dozen words chosen to exercise the search; with `extensions`, the rule
/// files end in the extension test rules.
struct SearchData {
  KanaConverter kana;
  ConjugationEngine engine{kana};
  const std::string dir = std::string(ZUNOKA_SOURCE_DIR) + "/tests/transcripts/data/search/";

  explicit SearchData(bool extensions = false) {
    EXPECT_TRUE(loadDataDirectory(engine, dir, extensions));
  }

  std::vector<std::string> verbs(const std::string& form) const {
    std::vector<InflectionResult> found;
    engine.reverseSearchVerbs(form, found);
    return keysAndGlosses(found);
  }

  std::vector<std::string> adjectives(const std::string& form) const {
    std::vector<InflectionResult> found;
    engine.reverseSearchAdjectives(form, found);
    return keysAndGlosses(found);
  }

  static std::vector<std::string> keysAndGlosses(const std::vector<InflectionResult>& found) {
    std::vector<std::string> keys;
    for (const InflectionResult& candidate : found) {
      keys.push_back(candidate.romaji + ":" + candidate.gloss);
    }
    return keys;
  }
};

using Keys = std::vector<std::string>;

TEST(ReverseSearchVerbs, FindsTheWordsThatProduceTheForm) {
  const SearchData data;
  EXPECT_EQ(data.verbs("tabeta"), Keys{"taberu:to eat"});
  EXPECT_EQ(data.verbs("kakanai"), (Keys{"kaku:to write", "kaku:to draw"}));
  EXPECT_EQ(data.verbs("kaetta"), Keys{"kaeru:to return"});
  EXPECT_EQ(data.verbs("kaeta"), Keys{"kaeru:to change"});
  EXPECT_EQ(data.verbs("benkyou sita"), Keys{"benkyousuru:to study"});
  EXPECT_EQ(data.verbs("benkyousita"), Keys{"benkyousuru:to study"});
  EXPECT_EQ(data.verbs("oyomininaru"), Keys{"yomu:to read"});
  EXPECT_EQ(data.verbs("konai"), Keys{"kuru:to come"});
}

TEST(ReverseSearchVerbs, ShortFormsAndUnknownFormsFindNothing) {
  const SearchData data;
  EXPECT_TRUE(data.verbs("e").empty());
  EXPECT_TRUE(data.verbs("").empty());
  EXPECT_TRUE(data.verbs("taberu").empty());  // no rule makes the dictionary form here
  EXPECT_TRUE(data.verbs("xyzzy").empty());
}

TEST(ReverseSearchVerbs, NonstemFormsTryOnlySuruAndIrregularEntries) {
  const SearchData data;
  // kiru is ambiguous (class -1 has every bit), so the suru rule reaches it too.
  EXPECT_EQ(data.verbs("sita"), (Keys{"kiru:to wear", "suru:to do"}));
  // As class -1, kiru takes the itidan row of endings: kita.
  EXPECT_EQ(data.verbs("ki ta"), (Keys{"kiru:to wear", "kuru:to come"}));
}

TEST(ReverseSearchVerbs, AnAmbiguousEntryIsConjugatedWithEveryClass) {
  const SearchData data;
  EXPECT_EQ(data.verbs("kinai"), Keys{"kiru:to wear"});
  // Every rule applies, but the ending row is the itidan one, so no godan spelling.
  EXPECT_TRUE(data.verbs("kiranai").empty());
}

TEST(ReverseSearchVerbs, CandidatesCarryTheMeaningInTheGloss) {
  const SearchData data;
  std::vector<InflectionResult> found;
  data.engine.reverseSearchVerbs("kakimasen", found);
  ASSERT_EQ(found.size(), 2u);
  const InflectionResult& first = found.front();
  EXPECT_EQ(first.romaji, "kaku");
  EXPECT_EQ(first.wordClass, Godan);
  EXPECT_EQ(first.gloss, "to write");
  EXPECT_TRUE(first.meaning.empty());
  EXPECT_TRUE(first.appliedCases.empty());
  EXPECT_EQ(first.caseName, "Infinitive (Dict Form)");
  EXPECT_FALSE(first.written.empty());
  EXPECT_EQ(first.reading, data.kana.toKana("kaku"));
}

TEST(ReverseSearchAdjectives, MatchesByFirstLetterAndStem) {
  const SearchData data;
  EXPECT_EQ(data.adjectives("takakatta"), Keys{"takai:to be high"});
  EXPECT_EQ(data.adjectives("ii"), Keys{"ii:good"});
  EXPECT_TRUE(data.adjectives("kakanai").empty());
  EXPECT_TRUE(data.adjectives("t").empty());
}

TEST(ReverseSearch, FindsTheFormsOfStemColumnsAndNamedWordRules) {
  SearchData data(true);
  // The search's verbs and nomu, a second word named by the rules.
  std::ifstream file(data.dir + "Words_Verbs.dat", std::ios::binary);
  std::string count;
  std::getline(file, count);
  std::ostringstream verbs;
  verbs << toInt32(count) + 1 << "\n"
        << file.rdbuf() << "W\t" << data.kana.toKana("nomu") << "\t2\t0\tto drink\n";
  std::istringstream in(verbs.str());
  std::ostringstream console;
  data.engine.loadVerbDictionary(in, console);

  EXPECT_EQ(data.verbs("kaityau"), (Keys{"kaku:to write", "kaku:to draw"}));
  EXPECT_EQ(data.verbs("yondoku"), Keys{"yomu:to read"});
  EXPECT_EQ(data.verbs("kakya"), (Keys{"kaku:to write", "kaku:to draw"}));
  EXPECT_EQ(data.verbs("tabeyokka"), Keys{"taberu:to eat"});
  EXPECT_EQ(data.verbs("kaettyau"), Keys{"kaeru:to return"});
  // Named words are tried whatever the form's letters.
  EXPECT_EQ(data.verbs("mesiagaru"), (Keys{"nomu:to drink", "taberu:to eat"}));
  EXPECT_EQ(data.verbs("oyomi ni naru"), Keys{"yomu:to read"});
  EXPECT_EQ(data.verbs("kirareru"), Keys{"kiru:to wear"});
  EXPECT_EQ(data.adjectives("yosasou"), Keys{"yoi:good"});
  EXPECT_TRUE(data.adjectives("yosou").empty());
  EXPECT_EQ(data.adjectives("isou"), Keys{"ii:good"});
}

}  // namespace
