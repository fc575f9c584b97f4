// Conjugates sample words of every class with the bundled rule files and the
// real engine, and checks the forms a learner expects (and that known wrong
// regular forms are not made).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"

namespace {

const KanaConverter& kana() {
  static const KanaConverter converter;
  return converter;
}

const ConjugationEngine& engine() {
  static const ConjugationEngine* const loaded = [] {
    auto* e = new ConjugationEngine(kana());
    const std::string dir = ZUNOKA_DATA_DIR;
    EXPECT_TRUE(e->loadVerbRules(dir + "/Rules_Verbs.dat"));
    EXPECT_TRUE(e->loadVerbClasses(dir + "/Rules_VClass.dat"));
    EXPECT_TRUE(e->loadAdjectiveRules(dir + "/Rules_Adj.dat"));
    return e;
  }();
  return *loaded;
}


InflectionResult verb(const std::string& romaji, std::int16_t wordClass, const std::string& written = "") {
  InflectionResult w;
  w.romaji = romaji;
  w.wordClass = wordClass;
  w.written = written;
  w.reading = kana().toKana(romaji);
  return w;
}

std::vector<InflectionResult> conjugate(const InflectionResult& word, const std::string& caseName = "") {
  std::vector<InflectionResult> results;
  if (word.wordClass == TrueAdjective) engine().conjugateAdjective(word, caseName, 0, 0, results);
  else engine().conjugateVerb(word, caseName, 0, 0, results);
  return results;
}

std::set<std::string> romajiOf(const std::vector<InflectionResult>& results) {
  std::set<std::string> forms;
  for (const InflectionResult& r : results) {
    std::string joined;
    for (char c : r.romaji)
      if (c != ' ') joined += c;
    forms.insert(joined);
  }
  return forms;
}

struct Sample {
  std::string romaji;
  std::int16_t wordClass;
  std::vector<std::string> expected;  // spaces disregarded
  std::vector<std::string> wrong;     // regular forms the irregular rules must replace
};

const std::vector<Sample> kSamples = {
    {"taberu", Itidan,
     {"taberu", "tabenai", "tabemasu", "tabemasen", "tabeta", "tabenakatta", "tabemasita", "tabemasendesita",
      "tabete", "tabenakute", "tabenaide", "tabereba", "tabenakereba", "tabetara", "tabetari", "tabeyou",
      "tabemasyou", "tabero", "taberuna", "tabenasai", "tabetekudasai", "tabenaidekudasai", "taberareru",
      "tabereru", "taberarenai", "tabesaseru", "tabesaserareru", "tabesaseraremasita", "tabetai",
      "tabetakunai", "tabetakatta", "tabetagaru", "tabeteiru", "tabeteru", "tabeteita", "tabeteimasu",
      "tabetesimau", "tabetyau", "tabetyatta", "tabeteoku", "tabetoku", "tabetemiru", "tabeteiku",
      "tabetekuru", "tabetekita", "tabeteageru", "tabetekureru", "tabetemorau", "tabenagara", "tabesou",
      "tabesugiru", "tabeyasui", "tabenikui", "tabezu", "tabezuni", "tabenu", "taben",
      "tabenakerebanaranai", "tabenakya", "tabetemoii", "tabetewaikenai", "tabetyadame", "mesiagaru",
      "itadaku", "taberumai", "tabemasumai", "taberudarou", "tabetadarou", "taberusouda",
      // derived verbs in their own te, -ba and -tara forms
      "tabesasete", "tabesaserarete", "taberarenakute", "tabetakute", "tabetakereba",
      "tabetakunakattara", "tabesasetara", "tabeteite", "tabesugireba", "tabeteagetara",
      "tabetemo", "tabenakutemo"},
     {}},
    {"kaku", Godan,
     {"kakanai", "kakimasu", "kaita", "kaite", "kakeba", "kakou", "kake", "kakeru", "kakareru", "kakaseru",
      "kakasu", "kakaserareru", "kakasareru", "kakitai", "kaiteiru", "kaiteru", "kaitesimatta", "kaiteoku",
      "okakininaru", "okakisuru", "okakisimasita", "kakazu", "kakanakya", "kakisou", "kakinagara"},
     {"kakite", "kakita"}},
    {"yomu", Godan, {"yonda", "yonde", "yomanai", "yomeru", "yomaseru", "yondeiru"}, {}},
    {"kau", Godan, {"katta", "katte", "kawanai", "kaeru", "kawareru", "kaimasu"}, {}},
    {"hanasu", Godan, {"hanasita", "hanasite", "hanasanai", "hanaseru"}, {}},
    {"matu", Godan, {"matta", "matte", "matanai", "mateba"}, {}},
    {"iku", IrregularGodan,
     {"itte", "itta", "ittara", "ittari", "itteiru", "ittyau", "ikanai", "ikimasu", "ikeru", "ikou"},
     {"iite", "iita"}},
    {"motteiku", IrregularGodan, {"motteitte", "motteitta", "motteikanai"}, {"motteiite"}},
    {"yuku", IrregularGodan, {"yutte", "yutta", "yukanai"}, {"yuite"}},
    {"aru", IrregularGodan, {"aru", "nai", "nakatta", "arimasu", "arimasen", "atta", "atte", "nakute", "areba",
                             "nakereba", "arazu"},
     {"aranai", "aranakatta", "areru"}},
    {"imigaaru", IrregularGodan, {"imiganai", "imigaarimasu"}, {"imigaaranai"}},
    {"kuru", Irregular,
     {"kuru", "konai", "kimasu", "kita", "kite", "koyou", "koi", "kureba", "korareru", "kosaseru", "kitai",
      "kiteiru", "konakatta", "kimasita"},
     {}},
    {"yattekuru", Irregular, {"yattekonai", "yattekita", "yattekimasu"}, {}},
    {"suru", SuruAux,
     {"suru", "sinai", "simasu", "sita", "site", "siyou", "siro", "seyo", "sureba", "dekiru", "sareru",
      "saseru", "saserareru", "sitai", "siteiru", "sezu", "sitara"},
     {}},
    {"benkyousuru", SuruAux, {"benkyousinai", "benkyousimasita", "benkyoudekiru", "benkyousaseru"}, {}},
    {"benkyou suru", SuruAux, {"benkyousinai", "benkyousimasita", "benkyoudekiru"}, {}},
    {"aisuru", IrregularSuru, {"aisanai", "aisinai", "aisimasu", "aisita", "aiseru", "aise", "aisou"},
     {"aidekiru"}},
    {"ronzuru", IrregularSuru,
     {"ronzinai", "ronzimasu", "ronzita", "ronzite", "ronzezu", "ronzureba", "ronzirareru", "ronziyou"},
     {"rosinai", "rosimasu", "rosita", "rodekiru"}},
    {"kudasaru", IrregularGodan, {"kudasai", "kudasaimasu", "kudasaimasita", "kudasaranai", "kudasatta"},
     {"kudasare", "kudasarimasu"}},
    {"irassyaru", IrregularGodan, {"irassyaimasita", "irassyai", "irassyaranai"}, {"irassyarimasita"}},
    {"ossyaru", IrregularGodan, {"ossyaimasu"}, {"ossyarimasu"}},
    {"gozaru", IrregularGodan, {"gozaimasu", "gozaimasen", "gozaimasita"}, {"gozarimasu"}},
    {"nasaru", IrregularGodan, {"nasaimasu", "nasai"}, {"nasarimasu"}},
    {"kureru", IrregularItidan, {"kure", "kurenai", "kuremasu", "kureta"}, {"kurero"}},
    {"tou", IrregularGodan, {"toute", "touta", "towanai", "toimasu"}, {"totte", "totta"}},
    {"kou", IrregularGodan, {"koute", "kouta"}, {"kotte"}},
    {"deku", IrregularGodan, {"detta", "dette", "dettara", "dettari", "dekanai", "dekimasu"}, {"deita", "deite"}},
    {"teku", IrregularGodan, {"tetta", "tette", "tettara"}, {"teita", "teite"}},
    {"hassuru", IrregularSuru, {"hassinai", "hassita", "hasseru", "hassareru"},
     {"hassinasaru", "hassiitasu", "hasnasaru"}},
    {"aisuru", IrregularSuru, {"aisinasai"}, {"aisinasaru", "aisiitasimasu", "ainasaru", "aiitasu"}},
    {"irassyaru", IrregularGodan, {"irassyaimasu"}, {"oirassyarininaru", "oirassyarisuru"}},
    {"ossyaru", IrregularGodan, {"ossyaimasu"}, {"oossyarininaru", "oossyarisuru"}},
    {"itasu", Godan, {"itasimasu"}, {"oitasininaru", "oitasisuru"}},
    {"mairu", Godan, {"mairimasu"}, {"omairininaru", "omairisuru"}},
    {"itadaku", Godan, {"itadakimasu"}, {"oitadakininaru", "oitadakisuru"}},
    {"mesiagaru", Godan, {"mesiagarimasu"}, {"omesiagarininaru", "omesiagarisuru"}},
    {"ukagau", Godan, {"ukagaimasu"}, {"oukagaininaru", "oukagaisuru"}},
    {"eru", Itidan, {"enai", "emasu", "eta", "ete", "erareru"}, {}},
    {"uru", Godan, {"uranai", "urimasu", "utta"}, {}},
    {"takai", TrueAdjective,
     {"takai", "takakunai", "takaidesu", "takakuarimasen", "takakunaidesu", "takakatta", "takakunakatta",
      "takakattadesu", "takakuarimasendesita", "takakute", "takaku", "takakereba", "takakunakereba",
      "takakattara", "takakattari", "takasa", "takasou", "takakarou", "takaidarou", "takasugiru",
      "takakunaru", "takakusuru", "takasugita", "takasuginai", "takakunatta",
      "takakusimasita"},
     {"takagaru"}},
    {"yoi", TrueAdjective, {"yokunai", "yokatta", "yosa", "yosasou", "yosugiru"}, {"yosou"}},
    {"nai", TrueAdjective, {"nakatta", "nakute"}, {"nasou"}},
};

TEST(GrammarData, EveryClassSpellsTheFormsALearnerExpects) {
  for (const Sample& s : kSamples) {
    std::set<std::string> forms = romajiOf(conjugate(verb(s.romaji, s.wordClass)));
    for (const std::string& e : s.expected) EXPECT_TRUE(forms.count(e)) << s.romaji << " lacks " << e;
    for (const std::string& w : s.wrong) EXPECT_FALSE(forms.count(w)) << s.romaji << " makes wrong " << w;
  }
}

TEST(GrammarData, KuruIsWrittenWithItsKanjiAndReadByTheForm) {
  const std::string kuruWritten = "\xCD\xE8\xA4\xEB";  // 来る
  std::vector<InflectionResult> results = conjugate(verb("kuru", Irregular, kuruWritten), "Indicative");
  auto negative = std::find_if(results.begin(), results.end(),
                               [](const InflectionResult& r) { return r.romaji == "konai"; });
  ASSERT_NE(negative, results.end());
  EXPECT_EQ(negative->written, "\xCD\xE8\xA4\xCA\xA4\xA4");  // 来ない
  EXPECT_EQ(negative->reading, kana().toKana("konai"));
}

// The particle wa is written は, though its romaji (and so the kana reading
// made from it) stays wa.
TEST(GrammarData, TheParticleWaIsWrittenHa) {
  const std::string written = "\xBF\xA9\xA4\xD9\xA4\xEB";  // 食べる
  const std::string ha = "\xA4\xCF", wa = "\xA4\xEF";
  struct Case {
    InflectionResult word;
    std::string caseName;
  };
  const std::vector<Case> cases = {
      {verb("taberu", Itidan, written), "Prohibition"},
      {verb("taberu", Itidan, written), "Obligation"},
      {verb("kaku", Godan, "\xBD\xF1\xA4\xAF"), "Prohibition"},       // 書く
      {verb("benkyousuru", SuruAux, "\xCA\xD9\xB6\xAF\xA4\xB9\xA4\xEB"), "Obligation"},  // 勉強する
      {verb("kuru", Irregular, "\xCD\xE8\xA4\xEB"), "Prohibition"},  // 来る
  };
  for (const Case& c : cases) {
    int withWa = 0;
    for (const InflectionResult& r : conjugate(c.word, c.caseName)) {
      if (r.romaji.find(" wa ") == std::string::npos) continue;
      ++withWa;
      EXPECT_NE(r.written.find(ha), std::string::npos) << r.romaji;
      EXPECT_EQ(r.written.find(wa), std::string::npos) << r.romaji;
    }
    EXPECT_GT(withWa, 0) << c.word.romaji << " " << c.caseName;
  }
  std::vector<InflectionResult> results = conjugate(verb("taberu", Itidan, written), "Prohibition");
  auto mustNot = std::find_if(results.begin(), results.end(),
                              [](const InflectionResult& r) { return r.romaji == "tabete wa ikenai"; });
  ASSERT_NE(mustNot, results.end());
  EXPECT_EQ(mustNot->written, "\xBF\xA9\xA4\xD9\xA4\xC6\xA4\xCF\xA4\xA4\xA4\xB1\xA4\xCA\xA4\xA4");  // 食べてはいけない
}

TEST(GrammarData, SuruTypedAloneIsTheSuruVerb) {
  EXPECT_EQ(engine().classifyVerb("suru"), SuruAux);
  EXPECT_EQ(engine().classifyVerb("kosuru"), Godan);
}

TEST(GrammarData, CompoundsAndIrregularWordsKeepTheirWrittenStem) {
  const struct {
    InflectionResult word;
    std::string past, written;
  } cases[] = {
      {verb("benkyousuru", SuruAux, "\xCA\xD9\xB6\xAF\xA4\xB9\xA4\xEB"), "benkyousita",
       "\xCA\xD9\xB6\xAF\xA4\xB7\xA4\xBF"},  // 勉強する: 勉強した
      {verb("iku", IrregularGodan, "\xB9\xD4\xA4\xAF"), "itta", "\xB9\xD4\xA4\xC3\xA4\xBF"},  // 行った
      {verb("iku", IrregularGodan, "\xC0\xC2\xA4\xAF"), "itta", "\xC0\xC2\xA4\xC3\xA4\xBF"},  // 逝った
      {verb("deteiku", IrregularGodan, "\xBD\xD0\xA4\xC6\xB9\xD4\xA4\xAF"), "deteitta",
       "\xBD\xD0\xA4\xC6\xB9\xD4\xA4\xC3\xA4\xBF"},  // 出て行った
  };
  for (const auto& c : cases) {
    std::vector<InflectionResult> results = conjugate(c.word, "Past Indicative");
    ASSERT_FALSE(results.empty()) << c.past;
    EXPECT_EQ(results.front().romaji, c.past);
    EXPECT_EQ(results.front().written, c.written) << c.past;
  }
}

TEST(GrammarData, CaseNamesTheHelpUsesExist) {
  const auto& order = engine().verbRules().caseOrder;
  ASSERT_GE(order.size(), 7u);
  EXPECT_EQ(order[0], "Indicative");
  EXPECT_EQ(order[1], "Past Indicative");
  EXPECT_EQ(engine().adjectiveRules().caseOrder.front(), "Indicative");
  for (std::size_t menu : {2u, 5u, 7u}) {
    std::vector<InflectionResult> results;
    engine().conjugateVerb(verb("taberu", Itidan), order[menu - 1], Affirmative, Polite, results);
    EXPECT_FALSE(results.empty()) << "no polite affirmative form in case " << menu;
  }
}

TEST(GrammarData, ChainedResultsConjugateOnButNotIntoNonsense) {
  std::vector<InflectionResult> potential = conjugate(verb("taberu", Itidan), "Potential");
  auto dictionaryForm = std::find_if(potential.begin(), potential.end(),
                                     [](const InflectionResult& r) { return r.romaji == "taberareru"; });
  ASSERT_NE(dictionaryForm, potential.end());
  EXPECT_EQ(dictionaryForm->wordClass, Itidan);
  std::set<std::string> further = romajiOf(conjugate(*dictionaryForm));
  EXPECT_TRUE(further.count("taberarenakatta"));
  EXPECT_TRUE(further.count("taberaretai"));
  EXPECT_FALSE(further.count("taberarerareru"));
}

TEST(GrammarData, GeneratedLinesFitTheLoaderBuffer) {
  for (const char* file : {"/Rules_Verbs.dat", "/Rules_Adj.dat", "/Rules_VClass.dat"}) {
    std::FILE* f = std::fopen((std::string(ZUNOKA_DATA_DIR) + file).c_str(), "r");
    ASSERT_NE(f, nullptr) << file;
    char line[1024];
    while (std::fgets(line, sizeof line, f)) EXPECT_LT(std::string(line).size(), 256u) << file;
    std::fclose(f);
  }
}

}  // namespace
