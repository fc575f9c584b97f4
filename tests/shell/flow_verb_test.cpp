#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/conjugation_flows.hpp"
#include "shell_console.hpp"

namespace {

const std::string kNotFound =
    "Verb not found in verb dictionary file. Conjugating by assumed classification.\n";
const std::string kMenuQuestion = "\nChoose one to conjugate, or 0 to automatically classify.\n>>";

/// A classification file that makes kiru ambiguous.
const std::string kKiruEither = [] {
  VerbClassLists lists;
  lists.itidanOrGodan = {"kiru"};
  return classFileText(lists);
}();

ConjRequest verbRequest(const std::string& romaji, int force = NoForce) {
  ConjRequest request;
  request.word.romaji = romaji;
  request.force = force;
  return request;
}

/// A menu line: number in 5 columns, romaji in 24, a space, meaning in 45.
std::string menuLine(int number, std::string romaji, std::string meaning,
                     const std::string& mark = "") {
  std::string text = std::to_string(number);
  text.resize(5, ' ');
  romaji.resize(24, ' ');
  meaning.resize(45, ' ');
  return text + romaji + " " + meaning + mark + "\n";
}

}  // namespace

TEST(VerbFlow, RefusesMalformedAndNonVerbWordsWithoutRecording) {
  const std::string malformed =
      "This is not a properly formed word in Nihon roomaji.  Check your spelling and use only "
      "single spaces.\n\n";
  const std::string notVerb =
      "This is not a Japanese verb.  Check your spelling (use Nihon roomaji).\n\n";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"lalu", malformed}, {"ai  suru", malformed}, {"kx", malformed},
      {"tabe", notVerb},   {"ka", notVerb},         {"taberi", notVerb},
  };
  for (const auto& [romaji, message] : cases) {
    ShellConsole console;
    ConjRequest request = verbRequest(romaji);
    runVerbFlow(request, console.context);
    EXPECT_EQ(console.output.str(), message) << romaji;
    EXPECT_TRUE(console.state.history.empty()) << romaji;
  }
}

TEST(VerbFlow, MenuListsHomophonesWithAttitudeMarks) {
  ShellConsole console("1\n");
  loadVerbs(console, {{"kaeru", "W1", "to return", Godan},
                      {"kaeru", "W2", "to change", Itidan, 1},
                      {"kaeru", "W3", "to hatch", 0, 2}});
  ConjRequest request = verbRequest("kaeru");
  runVerbFlow(request, console.context);
  const std::string expected = "These verbs are available:\n" +
                               menuLine(1, "kaeru", "to return") +
                               menuLine(2, "kaeru", "to change", " Hon.") +
                               menuLine(3, "kaeru", "to hatch", " Hum.") + kMenuQuestion + "\n\n";
  EXPECT_TRUE(beginsWith(console.output.str(), expected)) << console.output.str();
}

TEST(VerbFlow, MenuAnswerDecidesEntryAndClass) {
  struct Case {
    std::string typed;
    std::string invalidReprompts;  // printed between the menu and the answer
    std::string written;
    std::string meaning;
    std::int16_t wordClass;
    std::int32_t attitude;
  };
  const std::string again = "Invalid menu option.\n\n>>";
  const std::vector<Case> cases = {
      {"1\n", "", "W1", "to return", Godan, 0},
      {"2\n", "", "W2", "to change", Itidan, 1},
      {"2 and more\n", "", "W2", "to change", Itidan, 1},
      // 0 leaves the word as typed and lets the rules classify it.
      {"0\n", "", "", "", Itidan, 0},
      {"7\nx\n\n-1\n99999999999999999999999\n2\n", again + again + again + again + again, "W2",
       "to change", Itidan, 1},
  };
  for (const Case& c : cases) {
    ShellConsole console(c.typed);
    loadVerbs(console,
              {{"kaeru", "W1", "to return", Godan}, {"kaeru", "W2", "to change", Itidan, 1}});
    ConjRequest request = verbRequest("kaeru");
    runVerbFlow(request, console.context);
    const std::string expected = "These verbs are available:\n" +
                                 menuLine(1, "kaeru", "to return") +
                                 menuLine(2, "kaeru", "to change", " Hon.") + kMenuQuestion +
                                 c.invalidReprompts + "\n\n";
    EXPECT_TRUE(beginsWith(console.output.str(), expected)) << c.typed << console.output.str();
    ASSERT_EQ(console.state.history.size(), 1u) << c.typed;
    const InflectionResult& word = console.state.history.back();
    EXPECT_EQ(word.romaji, "kaeru");
    EXPECT_EQ(word.written, c.written) << c.typed;
    EXPECT_EQ(word.meaning, c.meaning) << c.typed;
    EXPECT_EQ(word.wordClass, c.wordClass) << c.typed;
    EXPECT_EQ(word.attitude, c.attitude) << c.typed;
    EXPECT_FALSE(console.state.resultsAreMatches);
  }
}

TEST(VerbFlow, ChosenEntryCarriesItsExtendedEnglishForms) {
  ShellConsole console("1\n");
  loadVerbs(console, {{"kaku", "W", "to write", Godan}});
  ConjRequest request = verbRequest("kaku");
  runVerbFlow(request, console.context);
  ASSERT_EQ(console.state.history.size(), 1u);
  EXPECT_EQ(console.state.history.back().extended[0], "to write [do]");
  EXPECT_EQ(console.state.history.back().reading, console.kana.toKana("kaku"));
}

TEST(VerbFlow, EndOfInputAtTheMenuCancelsTheCommand) {
  ShellConsole console("x\n");
  loadVerbs(console, {{"kaku", "W", "to write", Godan}});
  ConjRequest request = verbRequest("kaku");
  runVerbFlow(request, console.context);
  EXPECT_EQ(console.output.str(), "These verbs are available:\n" +
                                      menuLine(1, "kaku", "to write") + kMenuQuestion +
                                      "Invalid menu option.\n\n>>");
  EXPECT_TRUE(console.state.history.empty());
  EXPECT_TRUE(console.state.currentWord.romaji.empty());
}

TEST(VerbFlow, CompoundsAreLookedUpBySuruOrByAuxiliary) {
  struct Case {
    std::string typed;
    std::string dictionaryKey;
    std::string notice;  // printed before the menu
    bool found;
  };
  const std::vector<Case> cases = {
      {"ai suru", "aisuru", "", true},
      {"benkyou suru", "benkyousuru", "", true},
      {"tabehazimeru", "hazimeru", "Looking up by auxiliary: hazimeru\n", true},
      {"tabe hazimeru", "hazimeru", "Looking up by auxiliary: hazimeru\n", true},
      // The first auxiliary of the list that ends the word wins.
      {"yomikakeru", "kakeru", "Looking up by auxiliary: kakeru\n", true},
      // An auxiliary must be shorter than the word it ends.
      {"hazimeru", "taberu", "", false},
      // A word with a space is matched on its last word only, exactly.
      {"tabe tehazimeru", "hazimeru", "", false},
      // A suru compound never falls back to auxiliaries.
      {"kuusuru", "suru", "", false},
  };
  for (const Case& c : cases) {
    ShellConsole console("1\n");
    VerbClassLists lists;
    lists.auxiliaries = {"kakeru", "hazimeru", "keru", "suru"};
    ASSERT_TRUE(loadVerbClasses(console.engine, classFileText(lists)));
    loadVerbs(console, {{c.dictionaryKey, "W", "meaning", Itidan}});
    ConjRequest request = verbRequest(c.typed);
    runVerbFlow(request, console.context);
    const std::string expected =
        c.notice + (c.found ? "These verbs are available:\n" + menuLine(1, c.dictionaryKey,
                                                                         "meaning")
                            : kNotFound + "\n");
    EXPECT_TRUE(beginsWith(console.output.str(), expected)) << c.typed << console.output.str();
    ASSERT_EQ(console.state.history.size(), 1u) << c.typed;
    EXPECT_EQ(console.state.history.back().romaji, c.typed);
    EXPECT_EQ(console.state.history.back().written, c.found ? "W" : "") << c.typed;
  }
}

TEST(VerbFlow, FileOutputOfAnUnknownVerbWarnsOfKanaOnly) {
  ShellConsole console;
  ConjRequest request = verbRequest("taberu");
  request.fileOutput = true;
  request.fileName = "out";
  runVerbFlow(request, console.context);
  EXPECT_TRUE(beginsWith(console.output.str(),
                         kNotFound + "File output will be rendered in kana only.\n\n"))
      << console.output.str();
}

TEST(VerbFlow, ForcingSwitchSkipsTheDictionaryAndSetsTheClass) {
  struct Case {
    std::string romaji;
    int force;
    std::int16_t wordClass;
  };
  const std::vector<Case> cases = {
      {"kaeru", ForceItidan, Itidan},
      {"taberu", ForceGodan, Godan},
      {"benkyousuru", ForceRegularSuru, SuruAux},
      {"aisuru", ForceRegularSuru, SuruAux},
      // da ignores -i and -g and is classified by the rules.
      {"da", ForceItidan, Copula},
      {"da", ForceGodan, Copula},
  };
  for (const Case& c : cases) {
    ShellConsole console;
    VerbClassLists lists;
    lists.copulas = {"da"};
    lists.specialSuruConj = {"aisuru"};
    ASSERT_TRUE(loadVerbClasses(console.engine, classFileText(lists)));
    loadVerbs(console, {{c.romaji, "W", "meaning", Irregular}});
    ConjRequest request = verbRequest(c.romaji, c.force);
    runVerbFlow(request, console.context);
    EXPECT_EQ(console.output.str().find("These verbs"), std::string::npos) << c.romaji;
    EXPECT_EQ(console.output.str().find("not found"), std::string::npos) << c.romaji;
    ASSERT_EQ(console.state.history.size(), 1u) << c.romaji;
    EXPECT_EQ(console.state.history.back().wordClass, c.wordClass) << c.romaji;
    EXPECT_EQ(console.state.history.back().written, "") << c.romaji;
  }
}

TEST(VerbFlow, AmbiguousClassStopsWithAdviceToForce) {
  const std::string either = "This verb can be either itidan or godan.\n";
  {
    // Nothing chosen from the dictionary: the rules cannot decide.
    ShellConsole console;
    ASSERT_TRUE(loadVerbClasses(console.engine, kKiruEither));
    ConjRequest request = verbRequest("kiru");
    runVerbFlow(request, console.context);
    EXPECT_EQ(console.output.str(),
              kNotFound + "\n" + either + "Resubmit using a forcing switch (-i or -g).\n\n");
    EXPECT_TRUE(console.state.history.empty());
  }
  {
    // The chosen entry gives no class and the rules cannot decide.
    ShellConsole console("1\n");
    ASSERT_TRUE(loadVerbClasses(console.engine, kKiruEither));
    loadVerbs(console, {{"kiru", "W", "to cut"}});
    ConjRequest request = verbRequest("kiru");
    runVerbFlow(request, console.context);
    EXPECT_EQ(console.output.str(),
              "These verbs are available:\n" + menuLine(1, "kiru", "to cut") + kMenuQuestion +
                  "\n\n" + either +
                  "Update the dictionary entry to reflect the correct part of speech.\n"
                  "In the meantime, you can resubmit using a forcing switch (-i or -g).\n\n");
    EXPECT_TRUE(console.state.history.empty());
  }
}

TEST(VerbFlow, CurrentWordIsReclassifiedWithoutLookup) {
  ShellConsole console;
  ASSERT_TRUE(loadVerbClasses(console.engine, kKiruEither));
  loadVerbs(console, {{"taberareru", "W", "meaning", Godan}});
  ConjRequest request = verbRequest("taberareru");
  request.word.wordClass = Godan;
  request.word.written = "Wr";
  request.usedCurrentWord = true;
  runVerbFlow(request, console.context);
  EXPECT_EQ(console.output.str().find("These verbs"), std::string::npos);
  EXPECT_EQ(console.output.str().find("not found"), std::string::npos);
  ASSERT_EQ(console.state.history.size(), 1u);
  EXPECT_EQ(console.state.history.back().wordClass, Itidan);
  EXPECT_EQ(console.state.history.back().written, "Wr");

  ConjRequest ambiguous = verbRequest("kiru");
  ambiguous.word.wordClass = Godan;
  ambiguous.usedCurrentWord = true;
  console.output.str("");
  runVerbFlow(ambiguous, console.context);
  EXPECT_EQ(console.output.str(),
            "This verb can be either itidan or godan.\n"
            "Resubmit using a forcing switch (-i or -g).\n\n");
  EXPECT_EQ(console.state.history.size(), 1u);
}

TEST(VerbFlow, CancelledCaseMenuRecordsNothing) {
  for (const std::string list : {"0", "3|9", "x"}) {
    ShellConsole console;
    loadVerbRules(console.engine, "3\nPresent, 1, 0\nPast, 2, 0\nPotential, 3, 0\n");
    ConjRequest request = verbRequest("taberu", ForceItidan);
    request.menuRequested = true;
    request.menuList = list;
    runVerbFlow(request, console.context);
    EXPECT_TRUE(console.state.history.empty()) << list;
    EXPECT_TRUE(console.state.currentWord.romaji.empty()) << list;
  }
}

TEST(VerbFlow, HistoryKeepsTheLastTenConjugatedWords) {
  ShellConsole console;
  const std::vector<std::string> verbs = {"kaku", "yomu", "nomu",  "asobu", "oyogu", "hanasu",
                                          "matu", "sinu", "kaeru", "taberu", "miru"};
  for (const std::string& verb : verbs) {
    ConjRequest request = verbRequest(verb, ForceGodan);
    runVerbFlow(request, console.context);
  }
  ASSERT_EQ(console.state.history.size(), 10u);
  EXPECT_EQ(console.state.history.front().romaji, "yomu");
  EXPECT_EQ(console.state.history.back().romaji, "miru");
}
