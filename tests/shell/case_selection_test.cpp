#include "shell/case_selection.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell_console.hpp"

namespace {

std::vector<std::string> caseNamesUpTo(int n) {
  std::vector<std::string> names;
  for (int k = 1; k <= n; ++k) names.push_back("Case" + std::to_string(k));
  return names;
}

/// One menu cell: the number in 4 columns, the name in 22.
std::string cell(int number) {
  std::string text = std::to_string(number);
  text.resize(4, ' ');
  std::string name = "Case" + std::to_string(number);
  name.resize(22, ' ');
  return text + name;
}

const std::string kMenuHeader =
    "Select from these inflection cases:\n-----------------------------------\n";
const std::string kInstructions =
    "Enter numbers delimited by spaces.  Use 0 to cancel the conj command.\n"
    "Leave blank to select all inflection cases.\n\nChoice(s) >>";
const std::string kBadSpaces = "Use numbers delimited by spaces, and choose only from the menu.\n\n";
const std::string kBadBars = "Use numbers delimited by |, and choose only from the menu.\n\n";

}  // namespace

TEST(ShowCaseMenu, NumbersRunDownColumnsOfOneRowMoreThanAThird) {
  struct Case {
    int names;
    std::vector<std::vector<int>> rows;
  };
  const std::vector<Case> cases = {
      {1, {{1}}},
      {2, {{1, 2}}},
      {3, {{1, 3}, {2}}},
      {5, {{1, 3, 5}, {2, 4}}},
      {9, {{1, 5, 9}, {2, 6}, {3, 7}, {4, 8}}},
      {10, {{1, 5, 9}, {2, 6, 10}, {3, 7}, {4, 8}}},
  };
  for (const Case& c : cases) {
    ShellConsole console;
    const std::vector<std::string> names = caseNamesUpTo(c.names);
    const std::vector<std::string> shown = showCaseMenu(names, true, console.context);
    std::string expected = kMenuHeader;
    for (const std::vector<int>& row : c.rows) {
      for (int number : row) expected += cell(number);
      expected += '\n';
    }
    expected += '\n';
    EXPECT_EQ(console.output.str(), expected) << c.names << " names";
    EXPECT_EQ(shown, names);
  }
}

TEST(ShowCaseMenu, LongNamesArePrintedWhole) {
  ShellConsole console;
  const std::vector<std::string> names = {"A name longer than twenty-two", "B"};
  showCaseMenu(names, true, console.context);
  EXPECT_EQ(console.output.str(),
            kMenuHeader + "1   A name longer than twenty-two2   B                     \n\n");
}

TEST(ShowCaseMenu, HiddenMenuPrintsNothingButReturnsTheNames) {
  ShellConsole console;
  const std::vector<std::string> names = caseNamesUpTo(4);
  EXPECT_EQ(showCaseMenu(names, false, console.context), names);
  EXPECT_EQ(console.output.str(), "");
}

TEST(ShowCaseMenu, EmptyListShowsOnlyTheHeading) {
  ShellConsole console;
  EXPECT_TRUE(showCaseMenu({}, true, console.context).empty());
  EXPECT_EQ(console.output.str(), kMenuHeader + "\n");
}

TEST(SelectInflectionCases, InteractiveAnswersFollowTheGrammar) {
  struct Case {
    std::string typed;
    CaseSelection outcome;
    std::vector<std::string> selected;
    std::string afterPrompt;  // output following the first "Choice(s) >>"
  };
  const std::string badX = "Bad Input: x\n" + kBadSpaces + "Choice(s) >>";
  const std::vector<Case> cases = {
      {"\n", CaseSelection::Proceed, {}, "\n\n"},
      {"2 7 2\n", CaseSelection::Proceed, {"Case2", "Case7", "Case2"}, "\n\n"},
      {"  9\t1  \n", CaseSelection::Proceed, {"Case9", "Case1"}, "\n\n"},
      {"3x\n", CaseSelection::Proceed, {"Case3"}, "\n\n"},
      {"0\n", CaseSelection::Cancel, {}, ""},
      {"3 0\n", CaseSelection::Cancel, {"Case3"}, ""},
      {"0 x\n", CaseSelection::Cancel, {}, ""},
      {"2 x\n4\n", CaseSelection::Proceed, {"Case4"}, badX + "\n\n"},
      {"x\n\n", CaseSelection::Proceed, {}, badX + "\n\n"},
      {"10\n1\n", CaseSelection::Proceed, {"Case1"},
       "Bad Input: 10\n" + kBadSpaces + "Choice(s) >>\n\n"},
      {"-1\n1\n", CaseSelection::Proceed, {"Case1"},
       "Bad Input: -1\n" + kBadSpaces + "Choice(s) >>\n\n"},
      {"99999999999999999999999999\n1\n", CaseSelection::Proceed, {"Case1"},
       "Bad Input: 99999999999999999999999999\n" + kBadSpaces + "Choice(s) >>\n\n"},
      {"\"\"\n1\n", CaseSelection::Proceed, {"Case1"},
       "Bad Input: \n" + kBadSpaces + "Choice(s) >>\n\n"},
      {"x\n0\n", CaseSelection::Cancel, {}, badX},
      // A line of blanks is not an empty answer: its one token is empty.
      {"   \n2\n", CaseSelection::Proceed, {"Case2"},
       "Bad Input: \n" + kBadSpaces + "Choice(s) >>\n\n"},
      // Running out of input is the same as cancelling.
      {"", CaseSelection::Cancel, {}, ""},
      {"x\n", CaseSelection::Cancel, {}, badX},
  };
  const std::vector<std::string> names = caseNamesUpTo(9);
  std::string menu;
  {
    ShellConsole console;
    showCaseMenu(names, true, console.context);
    menu = console.output.str();
  }
  for (const Case& c : cases) {
    ShellConsole console(c.typed);
    std::vector<std::string> selected;
    EXPECT_EQ(selectInflectionCases(names, "", selected, console.context), c.outcome) << c.typed;
    // After a cancel the request is dropped, so its case list does not matter.
    if (c.outcome == CaseSelection::Proceed) {
      EXPECT_EQ(selected, c.selected) << c.typed;
    }
    EXPECT_EQ(console.output.str(), menu + kInstructions + c.afterPrompt) << c.typed;
  }
}

TEST(SelectInflectionCases, NumberListIsReadWithoutMenuOrPrompt) {
  struct Case {
    std::string list;
    CaseSelection outcome;
    std::vector<std::string> selected;
    std::string output;
  };
  const std::vector<Case> cases = {
      {"2|5|7", CaseSelection::Proceed, {"Case2", "Case5", "Case7"}, ""},
      {"7|2|7", CaseSelection::Proceed, {"Case7", "Case2", "Case7"}, ""},
      {" 3 | 1", CaseSelection::Proceed, {"Case3", "Case1"}, ""},
      {"4|", CaseSelection::Proceed, {"Case4"}, ""},
      {"6x", CaseSelection::Proceed, {"Case6"}, ""},
      {"2|0", CaseSelection::Cancel, {"Case2"}, ""},
      {"2|5|8", CaseSelection::Cancel, {}, "Bad Input: 8\n" + kBadBars},
      {"1|x|2", CaseSelection::Cancel, {}, "Bad Input: x\n" + kBadBars},
      {"1||2", CaseSelection::Cancel, {}, "Bad Input: \n" + kBadBars},
      {"1 2", CaseSelection::Proceed, {"Case1"}, ""},
      {"+1", CaseSelection::Cancel, {}, "Bad Input: +1\n" + kBadBars},
  };
  const std::vector<std::string> names = caseNamesUpTo(7);
  for (const Case& c : cases) {
    ShellConsole console;
    std::vector<std::string> selected;
    EXPECT_EQ(selectInflectionCases(names, c.list, selected, console.context), c.outcome)
        << c.list;
    // A refused list empties the case list; after a plain cancel it does not matter.
    if (c.outcome == CaseSelection::Proceed || !c.output.empty()) {
      EXPECT_EQ(selected, c.selected) << c.list;
    }
    EXPECT_EQ(console.output.str(), c.output) << c.list;
  }
}
