#include "edict_dictionaries.hpp"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "inflection/word_class.hpp"
#include "romaji/kana_converter.hpp"
#include "tools/euc.hpp"

namespace {

using Strings = std::vector<std::string>;

const KanaConverter& converter() {
  static const KanaConverter instance;
  return instance;
}

ConvertedDictionaries convertLines(const Strings& utf8Lines) {
  std::string text;
  for (const std::string& line : utf8Lines) text += euc(line) + "\n";
  std::istringstream in(text);
  return convertEdict(in, converter());
}

DictionaryLine line(std::string key, std::string written, bool common, std::string meaning = "m") {
  DictionaryLine result;
  result.key = std::move(key);
  result.written = std::move(written);
  result.reading = "r";
  result.wordClass = Godan;
  result.meaning = meaning;
  result.glosses = {meaning};
  result.shown = {meaning};
  result.common = common;
  return result;
}

// The written form and meaning of each line, in order.
Strings writtenAndMeanings(const std::vector<DictionaryLine>& lines) {
  Strings out;
  for (const DictionaryLine& l : lines) out.push_back(l.written + " " + l.meaning);
  return out;
}

}  // namespace

TEST(VerbClassOfTag, MapsModernVerbKindsToTheirClasses) {
  struct Case {
    const char* tag;
    std::optional<std::int16_t> wordClass;
  };
  const Case cases[] = {
      {"v1", Itidan},          {"v1-s", IrregularItidan}, {"v5b", Godan},
      {"v5g", Godan},          {"v5k", Godan},            {"v5m", Godan},
      {"v5n", Godan},          {"v5r", Godan},            {"v5s", Godan},
      {"v5t", Godan},          {"v5u", Godan},            {"v5k-s", IrregularGodan},
      {"v5r-i", IrregularGodan}, {"v5aru", IrregularGodan}, {"v5u-s", IrregularGodan},
      {"vk", Irregular},       {"vs-i", SuruAux},         {"vs-s", IrregularSuru},
      {"vz", IrregularSuru},
      // Classical kinds, nouns taking suru, and other parts of speech.
      {"v2a-s", std::nullopt}, {"v4r", std::nullopt},     {"vs-c", std::nullopt},
      {"vr", std::nullopt},    {"vn", std::nullopt},      {"v5uru", std::nullopt},
      {"vs", std::nullopt},    {"n", std::nullopt},       {"adj-i", std::nullopt},
      {"vi", std::nullopt},    {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(verbClassOfTag(c.tag), c.wordClass) << c.tag;
}

TEST(LabelledMeaning, JoinsGlossesWhileTheyFitNeverCutsOneAndKeepsTheLabelInSight) {
  struct Case {
    Strings glosses;
    std::string label;
    std::size_t width;
    std::string meaning;
  };
  const Case cases[] = {
      {{"to return", "to come home", "to go home"}, "", 45, "to return; to come home; to go home"},
      {{"to return", "to come home", "to go home"}, "", 34, "to return; to come home"},
      {{"to return", "to come home"}, "", 23, "to return; to come home"},
      {{"to return", "to come home"}, "", 22, "to return"},
      {{"to return"}, "", 5, "to return"},
      {{"to move (in a direction or towards a place)", "to go"}, "", 20, "to move; to go"},
      {{"to set somebody to work in an arrogant way"}, "", 20, "to set somebody to work in an arrogant way"},
      {{"(archaic)"}, "", 5, "(archaic)"},
      {{}, "", 45, ""},
      {{"to go around", "to circle"}, "(archaic)", 45, "to go around; to circle (archaic)"},
      {{"to go around", "to circle"}, "(archaic)", 30, "to go around (archaic)"},
      {{"to loving and taking care of something"}, "(archaic)", 45,
       "(archaic) to loving and taking care of something"},
  };
  for (const Case& c : cases) EXPECT_EQ(labelledMeaning(c.glosses, c.label, c.width), c.meaning);
}

TEST(UsageLabel, NamesTheMostSeriousMarkWhenEverySenseHasOne) {
  struct Case {
    std::vector<Strings> senseTags;
    std::string label;
  };
  const Case cases[] = {
      {{{"arch"}}, "(archaic)"},      {{{"obs", "uk"}}, "(obsolete)"},
      {{{"joc", "sl"}}, "(slang)"},    {{{"net-sl"}}, "(slang)"},
      {{{"X"}}, "(vulgar)"},          {{{"arch"}, {"vulg"}}, "(vulgar)"},
      {{{"joc"}}, "(jocular)"},       {{{"arch"}, {"uk"}}, ""},
      {{{"col"}}, ""},                {{}, ""},
  };
  for (const Case& c : cases) {
    std::vector<EdictSense> senses(c.senseTags.size());
    std::vector<const EdictSense*> pointers;
    for (std::size_t i = 0; i < senses.size(); ++i) {
      senses[i].tags = c.senseTags[i];
      pointers.push_back(&senses[i]);
    }
    EXPECT_EQ(usageLabel(pointers), c.label) << c.senseTags.size() << " senses";
  }
}

TEST(AttitudeOf, HonorificAndHumbleTagsGiveTheirAttitude) {
  EdictSense sense;
  EXPECT_EQ(attitudeOf(sense), Neutral);
  sense.tags = {"uk", "hon"};
  EXPECT_EQ(attitudeOf(sense), Honorific);
  sense.tags = {"hum"};
  EXPECT_EQ(attitudeOf(sense), Humble);
}

TEST(RomajiKey, KeysReadingsTheSyllableTableSpells) {
  struct Case {
    std::string reading;
    std::optional<std::string> key;
  };
  const Case cases[] = {
      {euc("たべる"), "taberu"},
      {euc("きゃく"), "kyaku"},
      {euc("きって"), "kitte"},
      {euc("べんきょうする"), "benkyousuru"},
      {euc("ウザイ"), "uzai"},
      {euc("コーヒー"), "ko-hi-"},
      {euc("紙"), std::nullopt},         // a kanji is not kana
      {euc("かみ紙"), std::nullopt},     // nothing may be dropped
      {euc("あっ"), std::nullopt},       // a final small tsu doubles nothing
      {"\xA4", std::nullopt},            // half a character
      {"abc", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(romajiKey(converter(), c.reading), c.key) << c.reading;
}

TEST(ConvertEdict, VerbEntriesGiveOneLinePerFormWithClassAndMeaning) {
  auto out = convertLines({
      "帰る [かえる] /(v5r,vi) (1) to return/to come home/(v5r,vi) (2) to leave/(P)/",
      "呉れる [くれる] /(v1-s,vt) (1) (uk) (hum) to give/",
      "来る [きたる] /(adj-pn) (1) next/(v5r,vi) (2) to come/",
      "愛する [あいする] /(vs-s,vt) to love/(P)/",
      "来 [く] /(v2k-s) to come (classical)/",
  });
  ASSERT_EQ(out.verbs.size(), 4u);
  const DictionaryLine& aisuru = out.verbs[0];
  EXPECT_EQ(aisuru.key, "aisuru");
  EXPECT_EQ(aisuru.wordClass, IrregularSuru);
  const DictionaryLine& kaeru = out.verbs[1];
  EXPECT_EQ(kaeru.key, "kaeru");
  EXPECT_EQ(kaeru.written, euc("帰る"));
  EXPECT_EQ(kaeru.reading, euc("かえる"));
  EXPECT_EQ(kaeru.wordClass, Godan);
  EXPECT_EQ(kaeru.meaning, "to return; to come home");
  EXPECT_TRUE(kaeru.common);
  const DictionaryLine& kitaru = out.verbs[2];
  EXPECT_EQ(kitaru.key, "kitaru");
  EXPECT_EQ(kitaru.meaning, "to come") << "the meaning comes from the first verb sense";
  const DictionaryLine& kureru = out.verbs[3];
  EXPECT_EQ(kureru.wordClass, IrregularItidan);
  EXPECT_EQ(kureru.attitude, Humble);
  EXPECT_TRUE(out.adjectives.empty());
}

TEST(ConvertEdict, NounTakingSuruBecomesTheJoinedCompound) {
  auto out = convertLines({"勉強 [べんきょう] /(n,vs) (1) study/(n,vs) (2) diligence/(P)/",
                           "ふんばり /(n,vs) effort/to do one's best/"});
  ASSERT_EQ(out.verbs.size(), 2u);
  EXPECT_EQ(out.verbs[1].meaning, "to effort; to do one's best") << "each gloss reads as a verb, once";
  const DictionaryLine& verb = out.verbs[0];
  EXPECT_EQ(verb.key, "benkyousuru");
  EXPECT_EQ(verb.written, euc("勉強する"));
  EXPECT_EQ(verb.reading, euc("べんきょうする"));
  EXPECT_EQ(verb.wordClass, SuruAux);
  EXPECT_EQ(verb.meaning, "to study");
  EXPECT_EQ(out.stats.suruNouns, 2u);
}

TEST(ConvertEdict, TrueAdjectivesGoToTheAdjectiveDictionary) {
  Strings edict = {
      "高い [たかい] /(adj-i) (1) high/tall/(adj-i) (2) expensive/(P)/",
      "いい /(adj-ix) (1) good/excellent/(P)/",
      "高 [たか] /(adj-na) quantity/",
      "扱い難い [あつかいにくい] /(adj-i) hard to handle/",
      "扱いにくい [あつかいにくい] /(adj-i) hard to handle/",
  };
  // Enough common headwords with 難 that it counts as a common kanji.
  edict.insert(edict.end(), 8, "難 [なん] /(n) difficulty/(P)/");
  auto out = convertLines(edict);
  ASSERT_EQ(out.adjectives.size(), 3u);
  EXPECT_EQ(out.adjectives[0].written, euc("扱いにくい")) << "a compound writes its -nikui in kana";
  EXPECT_EQ(out.adjectives[1].key, "ii");
  EXPECT_EQ(out.adjectives[1].written, euc("いい")) << "a kana-only entry is written in kana";
  EXPECT_EQ(out.adjectives[2].key, "takai");
  EXPECT_EQ(out.adjectives[2].meaning, "high; tall");
  EXPECT_EQ(out.adjectives[2].wordClass, TrueAdjective);
  EXPECT_TRUE(out.verbs.empty());
}

TEST(ConvertEdict, EntryWithTwoVerbKindsGivesALineForEach) {
  auto out = convertLines({"きる /(v1) (1) to wear/(v5r) (2) to cut/"});
  ASSERT_EQ(out.verbs.size(), 2u);
  EXPECT_EQ(out.verbs[0].wordClass, Itidan);
  EXPECT_EQ(out.verbs[0].meaning, "to wear");
  EXPECT_EQ(out.verbs[1].wordClass, Godan);
  EXPECT_EQ(out.verbs[1].meaning, "to cut");
}

TEST(ConvertEdict, SkipsAndCountsFormsWithoutAUsableKey) {
  auto out = convertLines({
      "ふぁぼる /(v5r) to favourite/",  // hiragana fa is not in the table
      "あっ /(v5r) to ah/",             // no verb ending
      "たかいー /(adj-i) high/",        // ends in a prolonged sound, not in i
      "帰る [かえる] /(oK) (v5r) to return/",  // outdated spelling
      "帰 [かえ] /(oK) (n) return/",    // neither verb nor adjective: not counted
      "たべる /(v1) to eat/",
  });
  ASSERT_EQ(out.verbs.size(), 1u);
  EXPECT_EQ(out.verbs[0].key, "taberu");
  EXPECT_EQ(out.stats.unreadableKana, 2u);
  EXPECT_EQ(out.stats.unexpectedEnding, 1u);
  EXPECT_EQ(out.stats.skippedReadings.size(), 3u);
  EXPECT_EQ(out.stats.variantSpellings, 1u);
}

TEST(ConvertEdict, AWordUsuallyInKanaKeepsItsKanaWhenItsKanjiIsAVariant) {
  auto out = convertLines({
      "為る [する] /(oK) (vs-i) (1) (uk) to do/to carry out/(P)/",
      "上る [あがる] /(io) (v5r) to rise/",  // not usually kana: the variant is dropped
      "煩い [うるさい] /(adj-i) (uk) noisy/loud/(P)/",
  });
  ASSERT_EQ(out.verbs.size(), 1u);
  EXPECT_EQ(out.verbs[0].key, "suru");
  EXPECT_EQ(out.verbs[0].written, euc("する"));
  EXPECT_EQ(out.verbs[0].wordClass, SuruAux);
  EXPECT_EQ(out.verbs[0].meaning, "to do; to carry out");
  // A kanji spelling that is not a variant keeps its kanji; no kana line is added.
  ASSERT_EQ(out.adjectives.size(), 1u);
  EXPECT_EQ(out.adjectives[0].written, euc("煩い"));
}

TEST(OrderHomophones, SortsByKeyUnlabelledFirstCommonFirstThenInEdictOrder) {
  std::vector<DictionaryLine> lines = {
      line("kaeru", "a", false, "1"), line("kaeru", "b", true, "2"), line("kaeru", "c", false, "3"),
      line("kaeru", "d", true, "4"),  line("ageru", "e", false, "5"), line("Zz", "f", false, "6"),
  };
  lines[1].label = "(archaic)";
  HomophoneCounts counts = orderHomophones(lines);
  EXPECT_EQ(counts.merged, 0u);
  Strings written;
  for (const DictionaryLine& l : lines) written.push_back(l.written);
  EXPECT_EQ(written, (Strings{"f", "e", "d", "a", "c", "b"}));
}

// Each case: EDICT lines, the menu lines they make (written form and
// meaning), and how many lines were merged, lengthened or noted, labelled.
TEST(ConvertEdict, MakesHomophoneMenusWhoseLinesTellTheWordsApart) {
  struct Case {
    const char* what;
    Strings edict;
    Strings menu;
    std::size_t merged, distinguished, marked;
  };
  const Case cases[] = {
      {"spellings of one word: our everyday spelling over (P), a spelling of some senses merged",
       {"在る [ある] /(v5r-i,vi) (1) (uk) to be/to exist/(P)/",
        "有る [ある] /(v5r-i,vi) (1) (uk) to be/to exist/(P)/",
        "画く [かく] /(v5k,vt) to draw/to paint/", "描く [かく] /(v5k,vt) to draw/to paint/",
        "描く [えがく] /(v5k,vt) to draw/to paint/(P)/", "云う [いう] /(v5u) to say/(P)/",
        "言う [いう] /(v5u) (1) to say/(v5u) (2) to go (e.g. \"the alarm went ping\")/",
        "きる /(v1) to wear/", "きる /(v5r) to cut/"},
       {euc("在る") + " to be; to exist", euc("描く") + " to draw; to paint", euc("言う") + " to say",
        euc("描く") + " to draw; to paint", euc("きる") + " to wear", euc("きる") + " to cut"},
       3, 0, 0},
      {"a spelling another reading claims or a katakana rendering gives way; compounds tell"
       " the common word",
       {"ダベる /(v5r) to chat/(P)/", "駄弁る [だべる] /(v5r) to chat/",
        "放す [はなす] /(v5s) to release/(P)/", "話す [はなす] /(v5s) to speak/(P)/",
        "話し方 [はなしかた] /(n) way of speaking/(P)/", "戻る [もどる] /(v5r) to return/(P)/",
        "戻る [もとる] /(v5r) to go against/", "悖る [もとる] /(v5r) to go against/"},
       {euc("駄弁る") + " to chat", euc("話す") + " to speak", euc("放す") + " to release",
        euc("戻る") + " to return", euc("悖る") + " to go against"},
       2, 0, 0},
      {"the later takes a sense of its own, else (its own too long) the earlier; no room: merged",
       {"上げる [あげる] /(v1,vt) (1) to raise/to elevate/(v1,vt) (2) to give/(P)/",
        "揚げる [あげる] /(v1,vt) (1) to raise/to elevate/(v1,vt) (2) to deep-fry/",
        "帰す [かえす] /(v5s) to send back/to make someone go back to where they came from/",
        "返す [かえす] /(v5s) (1) to send back/(v5s) (2) to return (something)/(P)/",
        "高ぶる [たかぶる] /(v5r) to be in a state of heightened excitement or agitation/"
        "to be proud/(P)/",
        "たかぶる /(v5r) to be in a state of heightened excitement or agitation/to become elated/"},
       {euc("上げる") + " to raise; to elevate", euc("揚げる") + " to raise; to elevate; to deep-fry",
        euc("返す") + " to send back; to return (something)", euc("帰す") + " to send back",
        euc("高ぶる") + " to be in a state of heightened excitement or agitation"},
       1, 2, 0},
      {"alike but for the kind: the menu says which is which",
       {"しける /(v5r,vi) to be damp/", "しける /(v1,vi) to be damp/"},
       {euc("しける") + " to be damp (godan)", euc("しける") + " to be damp (itidan)"}, 0, 1, 0},
      {"unusual words are labelled and come after the everyday ones",
       {"回る [みる] /(v1) (arch) to go around/", "見る [みる] /(v1,vt) (1) to see/to look/(P)/",
        "氏ぬ [しぬ] /(v5n,vi) (joc) (sl) to die/",
        "死ぬ [しぬ] /(v5n,vn,vi) (1) to die/to pass away/(P)/"},
       {euc("見る") + " to see; to look", euc("回る") + " to go around (archaic)",
        euc("死ぬ") + " to die; to pass away", euc("氏ぬ") + " to die (slang)"},
       0, 0, 2},
  };
  for (const Case& c : cases) {
    auto out = convertLines(c.edict);
    EXPECT_EQ(writtenAndMeanings(out.verbs), c.menu) << c.what;
    EXPECT_EQ(out.stats.merged, c.merged) << c.what;
    EXPECT_EQ(out.stats.distinguished, c.distinguished) << c.what;
    EXPECT_EQ(out.stats.marked, c.marked) << c.what;
  }
}

TEST(ConvertEdict, GozaruIsAnHonorificIrregularGodanOtherClassicalVerbsAreCounted) {
  auto out = convertLines({
      "ご座る [ござる] /(v4r,vi) (pol) (arch) (abbr) (uk) to be/",
      "御座る [ござる] /(v4r,vi) (pol) (arch) (abbr) (uk) to be/",
      "おじゃる /(v4r,vi) (1) (arch) (hon) to come/",
      "がす /(vs-c,vi) (arch) to lie down/",
  });
  ASSERT_EQ(out.verbs.size(), 1u);
  const DictionaryLine& gozaru = out.verbs[0];
  EXPECT_EQ(gozaru.key, "gozaru");
  EXPECT_EQ(gozaru.written, euc("御座る"));
  EXPECT_EQ(gozaru.wordClass, IrregularGodan);
  EXPECT_EQ(gozaru.attitude, Honorific);
  EXPECT_EQ(gozaru.meaning, "to be (polite forms only)");
  EXPECT_EQ(classListsOf(out.verbs).irregularGodan, std::set<std::string>{"gozaru"});
  EXPECT_EQ(out.stats.unservedVerbs, 2u);
  EXPECT_EQ(out.stats.unservedKinds, (std::map<std::string, std::size_t>{{"v4r", 1}, {"vs-c", 1}}));
}

TEST(ClassListsOf, CollectsTheKeysEachListNeeds) {
  auto out = convertLines({
      "いる /(v1) to be/",
      "いる /(v5r) to need/",
      "はいる /(v5r) to enter/",
      "かえる /(v5r) to return/",
      "こする /(v5r) to rub/(P)/",
      "こする /(vs-s) to beat a drum/",
      "かする /(v5r) to graze/",
      "かする /(vs-s) to impose/(P)/",
      "かす /(v5s) to lend/",
      "あいする /(vs-s) to love/",
      "かんずる /(vz) to feel/",
      "くる /(vk) to come/",
      "いく /(v5k-s) to go/",
      "くれる /(v1-s) to give/",
      "たべる /(v1) to eat/",
  });
  EdictClassLists lists = classListsOf(out.verbs);
  using Set = std::set<std::string>;
  EXPECT_EQ(lists.itidanOrGodan, Set{"iru"});
  EXPECT_EQ(lists.iruGodans, (Set{"hairu", "iru"}));
  EXPECT_EQ(lists.eruGodans, Set{"kaeru"});
  EXPECT_EQ(lists.suruEndingGodans, Set{"kosuru"}) << "kasuru is first of all a suru verb";
  EXPECT_EQ(lists.specialSuruConj, (Set{"aisuru", "kanzuru", "kasuru", "kosuru"}));
  EXPECT_EQ(lists.pureIrregular, Set{"kuru"});
  EXPECT_EQ(lists.irregularGodan, Set{"iku"});
  EXPECT_EQ(lists.irregularItidan, Set{"kureru"});
}

TEST(WriteVerbFile, WritesCountThenFiveTabSeparatedFields) {
  DictionaryLine verb = line("kaeru", euc("帰る"), true, "to return");
  verb.reading = euc("かえる");
  verb.attitude = Honorific;
  std::ostringstream out;
  writeVerbFile(out, {verb, verb});
  std::istringstream in(out.str());
  int count = 0;
  in >> count;
  EXPECT_EQ(count, 2);
  std::string rest;
  std::getline(in, rest);
  EXPECT_EQ(rest.find('\t'), std::string::npos);
  std::string entry;
  std::getline(in, entry);
  EXPECT_EQ(entry, euc("帰る") + "\t" + euc("かえる") + "\t2\t1\tto return");
}

TEST(WriteAdjectiveFile, WritesCountThenThreeTabSeparatedFields) {
  DictionaryLine adjective = line("takai", euc("高い"), true, "high; tall");
  adjective.reading = euc("たかい");
  std::ostringstream out;
  writeAdjectiveFile(out, {adjective});
  std::istringstream in(out.str());
  int count = 0;
  in >> count;
  EXPECT_EQ(count, 1);
  std::string rest, entry;
  std::getline(in, rest);
  std::getline(in, entry);
  EXPECT_EQ(entry, euc("高い") + "\t" + euc("たかい") + "\thigh; tall");
}

TEST(WriteClassLists, SectionsReadBackAsKeywordCountAndWords) {
  EdictClassLists lists;
  lists.specialSuruConj = {"aisuru", "kanzuru"};
  lists.eruGodans = {"kaeru"};
  for (int i = 0; i < 40; ++i) lists.iruGodans.insert("hairu" + std::string(1, static_cast<char>('a' + i % 26)) + std::to_string(i));
  std::ostringstream out;
  writeClassLists(out, lists);
  std::istringstream in(out.str());
  const Strings keywords = {"SURU_ENDING_GODANS", "SPECIAL_SURU_CONJ", "PURE_IRREGULAR",
                            "IRREGULAR_GODAN",    "IRREGULAR_ITIDAN",  "ITIDAN_OR_GODAN",
                            "IRU_GODANS",         "ERU_GODANS"};
  const std::set<std::string>* sets[] = {&lists.suruEndingGodans, &lists.specialSuruConj,
                                         &lists.pureIrregular,    &lists.irregularGodan,
                                         &lists.irregularItidan,  &lists.itidanOrGodan,
                                         &lists.iruGodans,        &lists.eruGodans};
  std::string word;
  for (std::size_t s = 0; s < keywords.size(); ++s) {
    while (in >> word && word != keywords[s]) {
    }
    ASSERT_EQ(word, keywords[s]);
    std::size_t count = 0;
    ASSERT_TRUE(in >> count);
    std::set<std::string> read;
    for (std::size_t i = 0; i < count && in >> word; ++i) read.insert(word);
    EXPECT_EQ(read, *sets[s]) << keywords[s];
  }
  EXPECT_FALSE(in >> word) << "nothing follows the last section";
}
