#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/shell_commands.hpp"
#include "shell_console.hpp"

namespace {

const ShellCommandHandler conjCommand = findShellCommand("conj")->handler;

/// Switches as the parser hands them over, e.g. {{"v", "taberu"}, {"i", ""}}.
ParsedCommand conjLine(const std::vector<std::pair<std::string, std::string>>& switches) {
  ParsedCommand command;
  for (const auto& [name, argument] : switches) command.switches.push_back({'-', name, argument});
  return command;
}

const std::string kWordSwitches = "Switches -v (verb) and -a (adj) are exclusive.  Use only one.";
const std::string kSense = "Unrecognized argument for switch -s (sense).";
const std::string kPoliteness =
    "Unrecognized or ambiguous argument for switch -p (politeness level).";
const std::string kForces =
    "Switches -i (force itidan), -g (force godan) and -rs (force regular suru) are mutually "
    "exclusive.  Use only one.";
const std::string kCaseSwitches =
    "Switches -t (specify inflection) and -m (pick inflection from menu) are mutually exclusive, "
    "use only one.";
const std::string kNotConjugable = "Current word is not conjugable.";
const std::string kForceNeedsVerb =
    "Switches -i (force itidan), -g (force godan) and -rs (force regular suru) can be used only "
    "with conjugable verbs.";
const std::string kSuruOnly = "Switch -rs can only be used with a -suru verb.";
// A word the verb and adjective flows both refuse at once: it shows a request
// got past the handler's own checks.
const std::string kMalformed =
    "This is not a properly formed word in Nihon roomaji.  Check your spelling and use only "
    "single spaces.\n\n";

}  // namespace

TEST(ConjCommand, ConflictingSwitchesAreRefusedInTypedOrder) {
  struct Case {
    std::vector<std::pair<std::string, std::string>> switches;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{{"v", "taberu"}, {"a", "samui"}}, kWordSwitches},
      {{{"a", "samui"}, {"v", "taberu"}}, kWordSwitches},
      {{{"s", "x"}, {"v", "y"}, {"a", "z"}}, kSense},
      {{{"v", "y"}, {"a", "z"}, {"s", "x"}}, kWordSwitches},
      {{{"v", "taberu"}, {"p", "p"}}, kPoliteness},
      {{{"v", "taberu"}, {"p", "Plain"}}, kPoliteness},
      {{{"v", "taberu"}, {"p", "abruptly"}}, kPoliteness},
      {{{"v", "taberu"}, {"p", "politely"}}, kPoliteness},
      {{{"v", "taberu"}, {"p", "x"}}, kPoliteness},
      {{{"v", "taberu"}, {"s", "x"}}, kSense},
      {{{"v", "taberu"}, {"s", "Neg"}}, kSense},
      {{{"v", "taberu"}, {"s", "negatives"}}, kSense},
      {{{"v", "taberu"}, {"i", ""}, {"g", ""}}, kForces},
      {{{"rs", ""}, {"v", "taberu"}, {"i", ""}}, kForces},
      {{{"v", "taberu"}, {"t", "Past"}, {"m", ""}}, kCaseSwitches},
      {{{"v", "taberu"}, {"m", ""}, {"t", "Past"}}, kCaseSwitches},
      {{{"m", "1|2"}, {"t", "Past"}, {"v", "taberu"}}, kCaseSwitches},
      {{}, kNotConjugable},
      {{{"s", "neg"}, {"t", "Past"}}, kNotConjugable},
      {{{"a", "samui"}, {"i", ""}}, kForceNeedsVerb},
      {{{"g", ""}, {"a", "samui"}}, kForceNeedsVerb},
      {{{"a", "samui"}, {"rs", ""}}, kForceNeedsVerb},
      {{{"v", "iru"}, {"rs", ""}}, kSuruOnly},
      {{{"v", "sur"}, {"rs", ""}}, kSuruOnly},
      {{{"v", "suruku"}, {"rs", ""}}, kSuruOnly},
  };
  for (const Case& c : cases) {
    ShellConsole console;
    EXPECT_TRUE(conjCommand(conjLine(c.switches), console.context));
    EXPECT_EQ(console.output.str(), c.message + "\n\n") << c.message;
    EXPECT_TRUE(console.state.history.empty());
    EXPECT_TRUE(console.state.currentWord.romaji.empty());
  }
}

TEST(ConjCommand, SenseAndPolitenessAbbreviationsAreAccepted) {
  const std::vector<std::pair<std::string, std::string>> accepted = {
      {"s", "1"},   {"s", "aff"}, {"s", "firm"}, {"s", "e"},      {"s", "tive"},
      {"s", "a"},   {"s", "ative"}, {"s", "2"},  {"s", "neg"},    {"s", "ega"},
      {"s", "g"},   {"s", "affirmative"},        {"s", "negative"},
      {"p", "1"},   {"p", "a"},   {"p", "abr"},  {"p", "abrupt"}, {"p", "2"},
      {"p", "pl"},  {"p", "plain"}, {"p", "3"},  {"p", "np"},     {"p", "po"},
      {"p", "polite"},
  };
  for (const auto& [name, argument] : accepted) {
    ShellConsole console;
    EXPECT_TRUE(conjCommand(conjLine({{"v", "lalu"}, {name, argument}}), console.context));
    EXPECT_EQ(console.output.str(), kMalformed + "\n") << name << " " << argument;
  }
}

TEST(ConjCommand, ForceChecksPassForSuruWords) {
  for (const std::string verb : {"suru", "benkyousuru"}) {
    ShellConsole console;
    conjCommand(conjLine({{"v", verb}, {"rs", ""}}), console.context);
    EXPECT_EQ(console.output.str().find(kSuruOnly), std::string::npos) << verb;
    ASSERT_EQ(console.state.history.size(), 1u) << verb;
    EXPECT_EQ(console.state.history.back().wordClass, SuruAux) << verb;
  }
}

TEST(ConjCommand, CurrentWordChoosesTheFlowByItsClass) {
  struct Case {
    std::string romaji;
    std::int16_t wordClass;
    std::string expected;  // the first output
  };
  const std::string notVerb =
      "This is not a Japanese verb.  Check your spelling (use Nihon roomaji).\n\n\n";
  const std::string notAdjective =
      "This is not a Japanese true adjective.  Adjectives end in vowel + i.\n\n\n";
  const std::vector<Case> cases = {
      {"", 0, kNotConjugable + "\n\n"},
      {"taberareru", VerbInflection, kNotConjugable + "\n\n"},
      {"da", Copula, kNotConjugable + "\n\n"},
      {"kirei", QuasiAdjective, kNotConjugable + "\n\n"},
      {"takaku", AdjectiveInflection, kNotConjugable + "\n\n"},
      {"hon", Noun, kNotConjugable + "\n\n"},
      // A verb class sends even a non-verb spelling to the verb flow, and the
      // adjective class to the adjective flow.
      {"tabe", Itidan, notVerb},
      {"tabe", IrregularSuru, notVerb},
      {"tabe", TrueAdjective, notAdjective},
  };
  for (const Case& c : cases) {
    ShellConsole console;
    console.state.currentWord.romaji = c.romaji;
    console.state.currentWord.wordClass = c.wordClass;
    conjCommand(conjLine({}), console.context);
    EXPECT_EQ(console.output.str(), c.expected) << c.romaji << " " << c.wordClass;
  }
}

TEST(ConjCommand, CurrentVerbIsConjugatedAgainWithoutLookup) {
  ShellConsole console;
  loadVerbs(console, {{"taberareru", "W", "meaning", Godan}});
  console.state.currentWord = InflectionResult("taberareru", Itidan);
  console.state.currentWord.written = "Wr";
  conjCommand(conjLine({{"p", "pol"}}), console.context);
  EXPECT_EQ(console.output.str().find("These verbs"), std::string::npos);
  ASSERT_EQ(console.state.history.size(), 1u);
  EXPECT_EQ(console.state.history.back().written, "Wr");
  EXPECT_EQ(console.state.history.back().wordClass, Itidan);
}

TEST(ConjCommand, PrintsOneLineFeedAfterTheFlow) {
  ShellConsole console;
  conjCommand(conjLine({{"a", "samu"}}), console.context);
  EXPECT_EQ(console.output.str(),
            "This is not a Japanese true adjective.  Adjectives end in vowel + i.\n\n\n");
}
