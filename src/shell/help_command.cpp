#include <ostream>
#include <string_view>

#include "shell/shell_commands.hpp"

namespace {

constexpr std::string_view kOverviewHeading[] = {
    "To use help, type \"help\" and then the name of the",
    "command you want to know about.  These are the available",
    "commands:",
    "",
};

void printLine(std::ostream& out, std::string_view line) { out << line << '\n' << std::flush; }

/// The heading, each listed command's lines followed by an empty line, and
/// one more empty line.
void printOverview(std::ostream& out) {
  for (const std::string_view line : kOverviewHeading) printLine(out, line);
  for (const ShellCommand& command : shellCommands()) {
    if (command.overview.empty()) continue;
    for (const std::string_view line : command.overview) printLine(out, line);
    printLine(out, "");
  }
  printLine(out, "");
}

}  // namespace

bool helpCommand(const ParsedCommand& command, ShellContext& context) {
  std::ostream& out = context.output;
  if (command.arguments.empty()) {
    printOverview(out);
    return true;
  }
  const std::string& topic = command.arguments.front();
  const ShellCommand* found = findShellCommand(topic);
  if (found == nullptr || found->usage.empty()) {
    out << "No such command: " << topic << '\n' << std::flush;
    out << '\n' << std::flush;
    return true;
  }
  for (const std::string_view line : found->usage) printLine(out, line);
  return true;
}
