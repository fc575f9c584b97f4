#include "command/command_table.hpp"

#include <algorithm>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <utility>

#include "command/argument_type.hpp"
#include "command/console_input.hpp"
#include "command/tokenizer.hpp"

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

/// Fills the "%c%s ... '%s'" pattern shared by the switch messages.
std::string switchMessage(const char* before, char prefix, const std::string& name,
                          const char* middle, const std::string& command, const char* after) {
  std::string message = before;
  message.push_back(prefix);
  message += name;
  message += middle;
  message += command;
  message += after;
  return message;
}

bool isParsed(const std::vector<ParsedSwitch>& parsed, const std::string& name) {
  return std::any_of(parsed.begin(), parsed.end(),
                     [&](const ParsedSwitch& s) { return s.name == name; });
}

}  // namespace

CommandSpec& CommandSpec::addSwitch(char prefix, const std::string& switchName,
                                    std::uint16_t type, std::int32_t argument) {
  if (switchName.empty() || !isLetter(switchName[0])) {
    throw std::logic_error("switch name must start with a letter: " + switchName);
  }
  for (const SwitchSpec& existing : switches) {
    if (existing.name == switchName) {
      throw std::logic_error("switch declared twice for " + name + ": " + switchName);
    }
  }
  switches.push_back(SwitchSpec{prefix, switchName, type, argument});
  if (std::find(prefixes.begin(), prefixes.end(), prefix) == prefixes.end()) {
    prefixes.push_back(prefix);
  }
  return *this;
}

CommandSpec& CommandSpec::addParameter(const std::string& parameterName, bool required,
                                       std::uint16_t type) {
  for (const ParameterSpec& existing : parameters) {
    if (existing.name == parameterName) {
      throw std::logic_error("parameter declared twice for " + name + ": " + parameterName);
    }
  }
  if (required && static_cast<std::size_t>(requiredCount) != parameters.size()) {
    throw std::logic_error("required parameter after an optional one for " + name + ": " +
                           parameterName);
  }
  parameters.push_back(ParameterSpec{parameterName, required, type});
  if (required) ++requiredCount;
  return *this;
}

CommandTable::CommandTable(std::istream& input, std::ostream& output, std::ostream& error)
    : input_(input), output_(output), error_(error) {}

CommandSpec& CommandTable::addCommand(const std::string& name, CommandHandler handler) {
  auto [position, inserted] = commands.try_emplace(name);
  if (inserted) {
    position->second.name = name;
    position->second.handler = std::move(handler);
  }
  return position->second;
}

bool CommandTable::isPrefix(char c) const {
  return std::find(current.prefixes.begin(), current.prefixes.end(), c) !=
         current.prefixes.end();
}

const SwitchSpec* CommandTable::findSwitch(char prefix, const std::string& name) const {
  for (const SwitchSpec& spec : current.switches) {
    if (spec.prefix == prefix && spec.name == name) return &spec;
  }
  return nullptr;
}

void CommandTable::reportError(const std::string& message) {
  error_ << message << '\n' << std::flush;
  error_ << '\n' << std::flush;
}

void CommandTable::run() {
  for (;;) {
    if (!readCommand()) return;  // end of input ends the program like exit
    if (!parseCommand()) continue;
    if (!current.handler(ParsedCommand{parsedSwitches, arguments})) return;
  }
}

bool CommandTable::readCommand() {
  for (;;) {
    line.clear();
    commandName.clear();
    while (line.empty()) {
      output_ << "> " << std::flush;
      if (!readConsoleLine(input_, line)) return false;
    }
    commandName = popToken(line);
    if (!commandName.empty()) break;
  }
  output_ << '\n' << std::flush;
  const auto found = commands.find(commandName);
  if (found != commands.end()) current = found->second;
  return true;
}

bool CommandTable::parseCommand() {
  if (commands.find(commandName) == commands.end()) {
    reportError("Invalid Command");
    return false;
  }
  parsedSwitches.clear();
  arguments.clear();

  std::string token;
  for (;;) {
    token = popToken(line);
    if (token.empty() || !isPrefix(token[0])) break;
    const char prefix = token[0];
    const std::string rest = token.substr(1);

    if (const SwitchSpec* spec = findSwitch(prefix, rest)) {
      if (isParsed(parsedSwitches, rest)) {
        reportError(switchMessage("Bad command syntax: switch ", prefix, rest, " for command '",
                                  commandName, "' used more than once."));
        return false;
      }
      std::string argument;
      if (spec->argument != NoArgument) {
        const std::string candidate = peekToken(line);
        // A lone prefix character or a text such as -5 is an argument, not a switch.
        if (!candidate.empty() &&
            (!isPrefix(candidate[0]) || candidate.size() < 2 || !isLetter(candidate[1]))) {
          argument = popToken(line);
        }
      }
      if (spec->argument == RequiredArgument && argument.empty()) {
        reportError(switchMessage("Switch ", prefix, rest, " for command '", commandName,
                                  "' requires an argument."));
        return false;
      }
      if (!matchesType(argument, spec->type)) {
        reportError(switchMessage("Bad argument to switch ", prefix, rest, " for command '",
                                  commandName, "' (type mismatch)."));
        return false;
      }
      parsedSwitches.push_back(ParsedSwitch{prefix, rest, argument});
      continue;
    }

    // A multiswitch: each character is a switch without an argument.
    for (const char ch : rest) {
      const std::string name(1, ch);
      const SwitchSpec* spec = findSwitch(prefix, name);
      if (spec == nullptr) {
        reportError(switchMessage("Switch ", prefix, name,
                                  " is not an available switch for command '", commandName,
                                  "'."));
        return false;
      }
      if (isParsed(parsedSwitches, name)) {
        reportError(switchMessage("Bad command syntax: switch ", prefix, name, " for command '",
                                  commandName, "' used more than once."));
        return false;
      }
      if (spec->argument == RequiredArgument) {
        reportError(switchMessage("Switch ", spec->prefix, spec->name, " for command '",
                                  commandName,
                                  "' requires an argument, and cannot appear in a multiswitch."));
        return false;
      }
      parsedSwitches.push_back(ParsedSwitch{prefix, name, std::string()});
    }
  }

  if (!token.empty()) arguments.push_back(token);
  while (!line.empty()) arguments.push_back(popToken(line));

  if (arguments.size() < static_cast<std::size_t>(std::max(current.requiredCount, 0))) {
    reportError("Insufficient Arguments for Command");
    return false;
  }
  for (std::size_t i = 0; i < current.parameters.size() && i < arguments.size(); ++i) {
    if (!matchesType(arguments[i], current.parameters[i].type)) {
      reportError("Bad argument for parameter '" + current.parameters[i].name +
                  "' for command '" + commandName + "' (type mismatch).");
      return false;
    }
  }
  if (arguments.size() > current.parameters.size()) {
    reportError("Extra arguments to command '" + commandName + "' ignored.");
  }
  return true;
}
