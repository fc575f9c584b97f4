// Typed lines against the real command declarations: the tokenizer and the
// parser must accept anything, and what they accept must fit the declarations.
// Handlers never run here; only the interpreter is under test.

#include <set>
#include <sstream>
#include <string>

#include "command/command_table.hpp"
#include "command/tokenizer.hpp"
#include "fuzz_support.hpp"
#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"
#include "shell/shell_state.hpp"
#include "shell/startup.hpp"

namespace {

bool isQuote(char c) { return c == '"' || c == '\''; }

void checkTokens(std::string line) {
  while (!line.empty()) {
    const std::string before = line;
    const std::string peeked = peekToken(line);
    FUZZ_CHECK(line == before);
    const bool quoted = [&] {
      std::size_t p = 0;
      while (p < line.size() && isWhiteSpace(line[p])) ++p;
      return p < line.size() && isQuote(line[p]);
    }();
    const std::string token = popToken(line);
    FUZZ_CHECK(token == peeked);
    // Every call consumes something, so a loop over a line always ends.
    FUZZ_CHECK(line.size() < before.size());
    FUZZ_CHECK(before.compare(before.size() - line.size(), line.size(), line) == 0);
    FUZZ_CHECK(line.empty() || !isWhiteSpace(line.front()));
    if (!quoted) {
      for (const char c : token) FUZZ_CHECK(!isWhiteSpace(c));
    }
    FUZZ_CHECK(token.size() <= before.size());
  }
  FUZZ_CHECK(popToken(line).empty());
}

void checkParsed(const CommandTable& table) {
  const CommandSpec& spec = table.current;
  FUZZ_CHECK(spec.name == table.commandName);
  std::set<std::string> names;
  for (const ParsedSwitch& parsed : table.parsedSwitches) {
    const SwitchSpec* declared = table.findSwitch(parsed.prefix, parsed.name);
    FUZZ_CHECK(declared != nullptr);
    FUZZ_CHECK(names.insert(parsed.name).second);
    if (declared->argument == NoArgument) FUZZ_CHECK(parsed.argument.empty());
    if (declared->argument == RequiredArgument) FUZZ_CHECK(!parsed.argument.empty());
  }
  FUZZ_CHECK(table.arguments.size() >= static_cast<std::size_t>(spec.requiredCount));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(asText(data, size));

  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) checkTokens(line);

  static const KanaConverter kana;
  static const ConjugationEngine engine(kana);
  ShellState state;
  std::istringstream input(text);
  std::ostringstream output;
  ShellContext context{kana, engine, state, input, output};
  CommandTable table(input, output, output);
  declareCommands(table, context);
  FUZZ_CHECK(table.commands.size() == 6);

  std::size_t commandsRead = 0;
  while (table.readCommand()) {
    ++commandsRead;
    FUZZ_CHECK(!table.commandName.empty());
    FUZZ_CHECK(table.line.size() <= 255);
    const bool declared = table.commands.count(table.commandName) != 0;
    const bool accepted = table.parseCommand();
    if (!declared) FUZZ_CHECK(!accepted);
    if (accepted) checkParsed(table);
  }
  // Each command read takes at least one line, so the count is bounded.
  FUZZ_CHECK(commandsRead <= size);
  return 0;
}
