#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render_string_shell.hpp"
#include "shell/shell_commands.hpp"

namespace {

const ShellCommandHandler cwCommand = findShellCommand("cw")->handler;

const std::string kMenuRule(35, '-');
const std::string kPrompt = "Choice (0 to cancel) >>";
const std::string kBadInput = "Bad Input: Choose only from the menu.\n\n" + kPrompt;
const std::string kExclusive =
    "Switches -h (set from history) and -r (set from results) are mutually exclusive.  "
    "Use only one.\n\n";

ParsedCommand cw(const std::vector<std::string>& switches) {
  ParsedCommand command;
  for (const auto& name : switches) command.switches.push_back(ParsedSwitch{'-', name, ""});
  return command;
}

std::string pad(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string historyLine(int number, const std::string& romaji) {
  return pad(std::to_string(number), 3) + pad(romaji, 76) + "\n";
}

std::string historyMenu(const std::vector<std::string>& words) {
  std::string menu = "Select current word from history:\n" + kMenuRule + "\n";
  for (std::size_t i = 0; i < words.size(); ++i) {
    menu += historyLine(static_cast<int>(i + 1), words[i]);
  }
  return menu + "\n" + kPrompt;
}

void conjugateWords(ShellState& state, const std::vector<std::string>& words) {
  for (const auto& word : words) state.recordConjugatedWord(InflectionResult(word));
}

std::vector<InflectionResult> forms(const std::vector<std::string>& words) {
  std::vector<InflectionResult> list;
  for (const auto& word : words) {
    list.emplace_back(word, Itidan, Plain, Affirmative, Neutral, 0, "Past", "gloss of " + word);
  }
  return list;
}

}  // namespace

TEST(CwCommand, WithoutSwitchesShowsTheCurrentWord) {
  StringShell shell;
  EXPECT_TRUE(cwCommand(cw({}), shell.context));
  EXPECT_EQ(shell.output.str(), "Current Word: \n\n");

  StringShell later;
  later.state.currentWord = InflectionResult("taberu");
  EXPECT_TRUE(cwCommand(cw({}), later.context));
  EXPECT_EQ(later.output.str(), "Current Word: taberu\n\n");
}

TEST(CwCommand, SwitchesAreExaminedInTypedOrderAndTheFirstMessageWins) {
  struct Case {
    std::vector<std::string> switches;
    bool history;
    bool results;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {{"h"}, false, true, "No words have been conjugated yet.\n\n"},
      {{"r"}, true, false, "There are no available results.\n\n"},
      {{"h", "r"}, true, true, kExclusive},
      {{"r", "h"}, true, true, kExclusive},
      {{"r", "h"}, true, false, "There are no available results.\n\n"},
      {{"h", "r"}, false, true, "No words have been conjugated yet.\n\n"},
      {{"h", "r"}, true, false, kExclusive},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.switches[0] + c.switches.back() + std::to_string(c.history) +
                 std::to_string(c.results));
    StringShell shell("1\n");
    shell.state.currentWord = InflectionResult("kept");
    if (c.history) conjugateWords(shell.state, {"taberu"});
    if (c.results) shell.state.setResults(forms({"tabeta"}), false);
    EXPECT_TRUE(cwCommand(cw(c.switches), shell.context));
    EXPECT_EQ(shell.output.str(), c.expected);
    EXPECT_EQ(shell.state.currentWord.romaji, "kept");
  }
}

TEST(CwCommand, HistoryListsTheLastTenWordsOldestFirst) {
  StringShell shell("10\n");
  std::vector<std::string> words;
  for (int i = 1; i <= 11; ++i) words.push_back("word" + std::to_string(i));
  conjugateWords(shell.state, words);
  EXPECT_TRUE(cwCommand(cw({"h"}), shell.context));
  const std::vector<std::string> lastTen(words.begin() + 1, words.end());
  EXPECT_EQ(shell.output.str(), historyMenu(lastTen) + "\nCurrent Word: word11\n\n");
  EXPECT_EQ(shell.state.currentWord.romaji, "word11");
  EXPECT_EQ(shell.state.history.size(), 10u);
}

TEST(CwCommand, MenuAnswersAreReadUntilOneIsInRange) {
  struct Case {
    std::string typed;
    int badAnswers;
    std::string chosen;  // empty: cancelled
  };
  const std::vector<Case> cases = {
      {"0\n", 0, ""},
      {"abc\n99\n2\n", 2, "kaku"},
      {"2x\n", 0, "kaku"},
      {" 2\n3\n", 1, "miru"},
      {"\n1\n", 1, "aku"},
      {"-1\n4\n00\n", 2, ""},
      {"99999999999999999999999999\n1\n", 1, "aku"},
      {"", 0, ""},           // end of input cancels
      {"abc\n", 1, ""},      // and so does end of input after a bad answer
      {"03\n", 0, "miru"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    StringShell shell(c.typed);
    shell.state.currentWord = InflectionResult("before");
    conjugateWords(shell.state, {"aku", "kaku", "miru"});
    EXPECT_TRUE(cwCommand(cw({"h"}), shell.context));
    std::string expected = historyMenu({"aku", "kaku", "miru"});
    for (int i = 0; i < c.badAnswers; ++i) expected += kBadInput;
    if (c.chosen.empty()) {
      expected += "\n";
    } else {
      expected += "\nCurrent Word: " + c.chosen + "\n\n";
    }
    EXPECT_EQ(shell.output.str(), expected);
    EXPECT_EQ(shell.state.currentWord.romaji, c.chosen.empty() ? "before" : c.chosen);
    EXPECT_EQ(shell.state.history.size(), 3u);
  }
}

TEST(CwCommand, ConjugationResultsAreListedInTwoColumnsDownwards) {
  struct Case {
    std::vector<std::string> words;
    std::vector<std::vector<int>> rows;
  };
  const std::vector<Case> cases = {
      {{"a1", "a2", "a3", "a4"}, {{1, 4}, {2}, {3}}},
      {{"a1", "a2", "a3", "a4", "a5"}, {{1, 4}, {2, 5}, {3}}},
      {{"a1"}, {{1}}},
      {{"a1", "a2"}, {{1}, {2}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.words.size());
    StringShell shell("2\n");
    shell.state.setResults(forms(c.words), false);
    std::string expected = "Select current word from results:\n" + kMenuRule + "\n";
    for (const auto& row : c.rows) {
      for (const int number : row) {
        expected += pad(std::to_string(number), 4) + pad(c.words[number - 1], 35);
      }
      expected += "\n";
    }
    expected += "\n" + kPrompt;
    if (c.words.size() >= 2) {
      expected += "\nCurrent Word: a2\n\n";
    } else {
      expected += kBadInput + "\n";  // "2" is out of range; then input ends
    }
    EXPECT_TRUE(cwCommand(cw({"r"}), shell.context));
    EXPECT_EQ(shell.output.str(), expected);
  }
}

TEST(CwCommand, ChosenConjugationResultIsCopiedWhole) {
  StringShell shell("2\n");
  auto list = forms({"tabeta", "tabenai"});
  list[1].meaning = "to eat";
  list[1].appliedCases = {3, 4};
  shell.state.setResults(list, false);
  ASSERT_TRUE(cwCommand(cw({"r"}), shell.context));
  EXPECT_EQ(shell.state.currentWord.romaji, "tabenai");
  EXPECT_EQ(shell.state.currentWord.meaning, "to eat");
  EXPECT_EQ(shell.state.currentWord.appliedCases, (std::vector<std::int16_t>{3, 4}));
  EXPECT_EQ(shell.state.results.size(), 2u);
}

TEST(CwCommand, MatchesAreListedWithGlossesAndTheGlossBecomesTheMeaning) {
  StringShell shell("2\n");
  auto matches = forms({"taberu", "tabesaseru"});
  matches[1].meaning = "old meaning";
  matches[1].gloss = std::string(50, 'g');
  shell.state.setResults(matches, true);
  EXPECT_TRUE(cwCommand(cw({"r"}), shell.context));
  const std::string expected = "Select current word from results:\n" + kMenuRule + "\n" +
                               pad("1", 5) + pad("taberu", 24) + " " +
                               pad("gloss of taberu", 45) + "\n" + pad("2", 5) +
                               pad("tabesaseru", 24) + " " + std::string(50, 'g') + "\n\n" +
                               kPrompt + "\nCurrent Word: tabesaseru\n\n";
  EXPECT_EQ(shell.output.str(), expected);
  EXPECT_EQ(shell.state.currentWord.meaning, std::string(50, 'g'));
  EXPECT_EQ(shell.state.results[1].meaning, "old meaning");
}

TEST(CwCommand, LongRomajiIsPrintedWholeInTheHistoryMenu) {
  StringShell shell("0\n");
  const std::string longWord(80, 'a');
  conjugateWords(shell.state, {longWord});
  EXPECT_TRUE(cwCommand(cw({"h"}), shell.context));
  EXPECT_EQ(shell.output.str(), historyMenu({longWord}) + "\n");
  EXPECT_NE(shell.output.str().find("1  " + longWord + "\n"), std::string::npos);
}
