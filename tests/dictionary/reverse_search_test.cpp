#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "dictionary/extension_rules.hpp"
#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"

namespace {

/// The engine loaded with the rconj test data: a few rules per case and a
/// dozen words chosen to exercise the search.
struct SearchData {
  KanaConverter kana;
  ConjugationEngine engine{kana};

  SearchData() {
    const std::filesystem::path dir =
        std::filesystem::path(ZUNOKA_SOURCE_DIR) / "tests/transcripts/data/search";
    std::ostringstream console;
    EXPECT_TRUE(engine.loadVerbRules((dir / "Rules_Verbs.dat").string()));
    EXPECT_TRUE(engine.loadVerbClasses((dir / "Rules_VClass.dat").string()));
    EXPECT_TRUE(engine.loadAdjectiveRules((dir / "Rules_Adj.dat").string()));
    EXPECT_TRUE(engine.verbDictionary.loadVerbFile((dir / "Words_Verbs.dat").string(), kana,
                                                   console));
    EXPECT_TRUE(engine.adjectiveDictionary.loadAdjectiveFile(
        (dir / "Words_Adj.dat").string(), kana, console));
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
  SearchData data;
  // Rules filed by hand, then indexed, then a dictionary entry filed by hand:
  // the three ways the search walks.
  ASSERT_TRUE(addExtensionRules(data.engine, false));
  for (int state = 0; state < 3; ++state) {
    if (state == 1) data.engine.reindexRules();
    if (state == 2) {
      DictionaryEntry nomu;
      nomu.romaji = "nomu";
      nomu.wordClass = Godan;
      nomu.meaning = "to drink";
      data.engine.verbDictionary.entries.emplace(nomu.romaji, nomu);
    }
    EXPECT_EQ(data.verbs("kaityau"), (Keys{"kaku:to write", "kaku:to draw"})) << state;
    EXPECT_EQ(data.verbs("yondoku"), Keys{"yomu:to read"}) << state;
    EXPECT_EQ(data.verbs("kakya"), (Keys{"kaku:to write", "kaku:to draw"})) << state;
    EXPECT_EQ(data.verbs("tabeyokka"), Keys{"taberu:to eat"}) << state;
    EXPECT_EQ(data.verbs("kaettyau"), Keys{"kaeru:to return"}) << state;
    // Named words are tried whatever the form's letters.
    EXPECT_EQ(data.verbs("mesiagaru"),
              state < 2 ? Keys{"taberu:to eat"} : (Keys{"nomu:to drink", "taberu:to eat"}))
        << state;
    EXPECT_EQ(data.verbs("oyomi ni naru"), Keys{"yomu:to read"}) << state;
    EXPECT_EQ(data.verbs("kirareru"), Keys{"kiru:to wear"}) << state;
    EXPECT_EQ(data.adjectives("yosasou"), Keys{"yoi:good"}) << state;
    EXPECT_TRUE(data.adjectives("yosou").empty()) << state;
    EXPECT_EQ(data.adjectives("isou"), Keys{"ii:good"}) << state;
  }
}

TEST(EqualIgnoringSpaces, RemovesSpacesOnly) {
  EXPECT_TRUE(equalIgnoringSpaces("ai simasu", "aisimasu"));
  EXPECT_TRUE(equalIgnoringSpaces(" a  b ", "ab"));
  EXPECT_TRUE(equalIgnoringSpaces("", "   "));
  EXPECT_FALSE(equalIgnoringSpaces("ai\tsimasu", "aisimasu"));
  EXPECT_FALSE(equalIgnoringSpaces("abc", "ab"));
  EXPECT_FALSE(equalIgnoringSpaces("ab", "abc"));
}

}  // namespace
