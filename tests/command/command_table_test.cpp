#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "command/argument_type.hpp"
#include "command/command_table.hpp"
#include "command/console_input.hpp"

namespace {

/// A table with a conj-like and a help-like command, recording what reaches
/// the handlers.
struct Fixture {
  std::istringstream input;
  std::ostringstream output;
  CommandTable table{input, output, output};
  std::vector<ParsedCommand> received;

  explicit Fixture(const std::string& typed) : input(typed) {
    auto record = [this](ParsedCommand command) {
      received.push_back(command);
      return true;
    };
    table.addCommand("conj", record)
        .addSwitch('-', "v", 0, RequiredArgument)
        .addSwitch('-', "a", 0, RequiredArgument)
        .addSwitch('-', "s", 0, RequiredArgument)
        .addSwitch('-', "i", 0, NoArgument)
        .addSwitch('-', "rs", 0, NoArgument)
        .addSwitch('-', "m", 0, OptionalArgument)
        .addSwitch('-', "f", 0, OptionalArgument)
        .addSwitch('-', "t", 0, RequiredArgument);
    table.addCommand("help", record).addParameter("Command", false, 0);
    table.addCommand("exit", [](ParsedCommand) { return false; });
  }

  std::string run() {
    table.run();
    return output.str();
  }
};

std::string errorOutput(const std::string& message) { return "> \n" + message + "\n\n> "; }

TEST(ParseCommand, ReportsEverySyntaxErrorInItsWording) {
  const std::pair<std::string, std::string> cases[] = {
      {"xyz", "Invalid Command"},
      {"Conj", "Invalid Command"},
      {"conj -v", "Switch -v for command 'conj' requires an argument."},
      {"conj -v -a x", "Switch -v for command 'conj' requires an argument."},
      {"conj -vi taberu",
       "Switch -v for command 'conj' requires an argument, and cannot appear in a multiswitch."},
      {"conj -x taberu", "Switch -x is not an available switch for command 'conj'."},
      {"conj -ix", "Switch -x is not an available switch for command 'conj'."},
      {"conj -s aff -s neg",
       "Bad command syntax: switch -s for command 'conj' used more than once."},
      {"conj -ii", "Bad command syntax: switch -i for command 'conj' used more than once."},
      {"conj -i -rs -rs",
       "Bad command syntax: switch -rs for command 'conj' used more than once."},
  };
  for (const auto& [typed, message] : cases) {
    Fixture f(typed + "\n");
    EXPECT_EQ(f.run(), errorOutput(message)) << typed;
    EXPECT_TRUE(f.received.empty()) << typed;
  }
}

TEST(ParseCommand, SwitchArgumentsAreTheNextTokenUnlessItIsASwitch) {
  Fixture f("conj -v \"ai suru\" -t -5 -m -f out -i\n");
  f.run();
  ASSERT_EQ(f.received.size(), 1u);
  const auto& switches = f.received[0].switches;
  ASSERT_EQ(switches.size(), 5u);
  EXPECT_EQ(switches[0].name, "v");
  EXPECT_EQ(switches[0].argument, "ai suru");
  EXPECT_EQ(switches[1].name, "t");
  EXPECT_EQ(switches[1].argument, "-5");
  EXPECT_EQ(switches[2].name, "m");
  EXPECT_EQ(switches[2].argument, "");
  EXPECT_EQ(switches[3].name, "f");
  EXPECT_EQ(switches[3].argument, "out");
  EXPECT_EQ(switches[4].name, "i");
  EXPECT_EQ(switches[4].argument, "");
}

TEST(ParseCommand, MultiswitchesGiveEachSwitchNoArgument) {
  Fixture f("conj -mf x\n");
  f.run();
  ASSERT_EQ(f.received.size(), 1u);
  const auto& command = f.received[0];
  ASSERT_EQ(command.switches.size(), 2u);
  EXPECT_EQ(command.switches[0].name, "m");
  EXPECT_EQ(command.switches[1].name, "f");
  EXPECT_EQ(command.switches[1].argument, "");
  EXPECT_EQ(command.arguments, std::vector<std::string>{"x"});
}

TEST(ParseCommand, EverythingFromTheFirstNonSwitchIsPositional) {
  Fixture f("conj taberu -v x\n");
  EXPECT_EQ(f.run(), errorOutput("Extra arguments to command 'conj' ignored."));
  ASSERT_EQ(f.received.size(), 1u);
  EXPECT_TRUE(f.received[0].switches.empty());
  EXPECT_EQ(f.received[0].arguments, (std::vector<std::string>{"taberu", "-v", "x"}));
}

TEST(ParseCommand, ALonePrefixIsIgnoredAndACommandWithoutSwitchesTakesDashesAsArguments) {
  Fixture f("conj - -i\nhelp -x\n");
  f.run();
  ASSERT_EQ(f.received.size(), 2u);
  ASSERT_EQ(f.received[0].switches.size(), 1u);
  EXPECT_EQ(f.received[0].switches[0].name, "i");
  EXPECT_EQ(f.received[1].arguments, std::vector<std::string>{"-x"});
}

TEST(Run, BlankLinesPromptAgainAndEndOfInputEndsTheLoop) {
  Fixture f("\n   \n\"\"\n");
  EXPECT_EQ(f.run(), "> > > > ");
}

TEST(Run, ExitEndsTheLoopWithoutReadingFurther) {
  Fixture f("exit\nconj -i\n");
  EXPECT_EQ(f.run(), "> \n");
  EXPECT_TRUE(f.received.empty());
}

TEST(Run, AnOverlongLineKeepsItsFirst255Characters) {
  Fixture f("help " + std::string(300, 'a') + "\nhelp b\n");
  f.run();
  ASSERT_EQ(f.received.size(), 2u);
  EXPECT_EQ(f.received[0].arguments[0], std::string(250, 'a'));
  EXPECT_EQ(f.received[1].arguments[0], "b");
}

TEST(Declarations, RefuseBadSwitchesAndParameters) {
  std::istringstream in;
  std::ostringstream out;
  CommandTable table(in, out, out);
  CommandSpec& spec = table.addCommand("c", [](ParsedCommand) { return true; });
  spec.addSwitch('-', "r", 0, NoArgument);
  EXPECT_NO_THROW(spec.addSwitch('-', "rs", 0, NoArgument));
  EXPECT_THROW(spec.addSwitch('+', "r", 0, NoArgument), std::logic_error);
  EXPECT_THROW(spec.addSwitch('-', "1x", 0, NoArgument), std::logic_error);
  EXPECT_THROW(spec.addSwitch('-', "", 0, NoArgument), std::logic_error);
  spec.addSwitch('/', "q", 0, NoArgument);
  EXPECT_EQ(spec.prefixes, (std::vector<char>{'-', '/'}));

  spec.addParameter("first", true, 0);
  spec.addParameter("second", false, 0);
  EXPECT_THROW(spec.addParameter("third", true, 0), std::logic_error);
  EXPECT_THROW(spec.addParameter("first", false, 0), std::logic_error);
  EXPECT_EQ(spec.requiredCount, 1);

  CommandSpec& again = table.addCommand("c", nullptr);
  EXPECT_EQ(&again, &spec);
  EXPECT_EQ(again.switches.size(), 3u);
}

TEST(ParseCommand, MissingRequiredArgumentsAreReported) {
  std::istringstream in("need\nneed a\n");
  std::ostringstream out;
  CommandTable table(in, out, out);
  int calls = 0;
  table.addCommand("need", [&](ParsedCommand) { return ++calls > 0; })
      .addParameter("Word", true, 0);
  table.run();
  EXPECT_EQ(out.str(), "> \nInsufficient Arguments for Command\n\n> \n> ");
  EXPECT_EQ(calls, 1);
}

TEST(ParseCommand, TypedSwitchesAndParametersAreChecked) {
  std::istringstream in("num -n x\nnum -n 5 y\nnum -n 5 7\n");
  std::ostringstream out;
  CommandTable table(in, out, out);
  int calls = 0;
  table.addCommand("num", [&](ParsedCommand) { return ++calls > 0; })
      .addSwitch('-', "n", Integer, RequiredArgument)
      .addParameter("Count", false, Integer);
  table.run();
  EXPECT_EQ(out.str(),
            "> \nBad argument to switch -n for command 'num' (type mismatch).\n\n"
            "> \nBad argument for parameter 'Count' for command 'num' (type mismatch).\n\n"
            "> \n> ");
  EXPECT_EQ(calls, 1);
}

TEST(ParseMenuAnswer, LeadingDigitsInRangeWithoutOverflow) {
  long value = -1;
  EXPECT_TRUE(parseMenuAnswer("2x", 0, 3, value));
  EXPECT_EQ(value, 2);
  EXPECT_FALSE(parseMenuAnswer(" 2", 0, 3, value));
  EXPECT_FALSE(parseMenuAnswer("4", 0, 3, value));
  EXPECT_FALSE(parseMenuAnswer("0", 1, 3, value));
  EXPECT_FALSE(parseMenuAnswer("99999999999999999999999999", 0, 3, value));
  EXPECT_FALSE(parseMenuAnswer("", 0, 3, value));
  EXPECT_FALSE(parseMenuAnswer("-1", 0, 3, value));
  EXPECT_TRUE(parseMenuAnswer("0003", 0, 3, value));
  EXPECT_EQ(value, 3);
}

}  // namespace

TEST(ReadConsoleLine, DropsOnlyACarriageReturnDirectlyBeforeTheLineFeed) {
  struct Case {
    std::string typed;
    std::size_t limit;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"yes\r\n\r\nno\n", 255, {"yes", "", "no"}},
      {"a\rb\n\r\r\n", 255, {"a\rb", "\r"}},
      {"end\r", 255, {"end\r"}},  // no line feed follows
      {"abc\r\n", 3, {"abc"}},    // the return was past the limit
      {"ab\r\n", 3, {"ab"}},
  };
  for (const Case& c : cases) {
    std::istringstream input(c.typed);
    std::vector<std::string> lines;
    std::string line;
    while (readConsoleLine(input, line, c.limit)) lines.push_back(line);
    EXPECT_EQ(lines, c.lines) << c.typed;
  }
}
