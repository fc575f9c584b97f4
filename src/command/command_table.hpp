#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

enum SwitchArgument : std::int32_t {
  NoArgument = 0,        ///< never takes an argument
  OptionalArgument = 1,  ///< takes one when one follows; none inside a multiswitch
  RequiredArgument = 2,  ///< must be followed by one; never inside a multiswitch
};

struct SwitchSpec {
  char prefix = '-';
  std::string name;
  std::uint16_t type = 0;
  std::int32_t argument = NoArgument;
};

struct ParameterSpec {
  std::string name;
  bool required = false;
  std::uint16_t type = 0;
};

struct ParsedSwitch {
  char prefix = '-';
  std::string name;
  std::string argument;  ///< empty when the switch took none
};

/// What a handler receives: switches and positional arguments as typed.
struct ParsedCommand {
  std::vector<ParsedSwitch> switches;
  std::vector<std::string> arguments;
};

/// Returns true to keep the command loop running, false to end it.
using CommandHandler = std::function<bool(ParsedCommand)>;

struct CommandSpec {
  std::string name;
  CommandHandler handler;
  std::vector<SwitchSpec> switches;
  std::vector<char> prefixes;
  std::vector<ParameterSpec> parameters;
  std::int32_t requiredCount = 0;

  /// Declares a switch; throws std::logic_error for a name that does not
  /// start with a letter or is already used by this command.
  CommandSpec& addSwitch(char prefix, const std::string& name, std::uint16_t type,
                         std::int32_t argument);

  /// Declares a positional parameter; throws std::logic_error for a repeated
  /// name or a required parameter after an optional one.
  CommandSpec& addParameter(const std::string& name, bool required, std::uint16_t type);
};

/// The generic command interpreter: declarations, the typed-line parser and
/// the command loop. Warning: keeps references to its three streams.
class CommandTable {
 public:
  CommandTable(std::istream& input, std::ostream& output, std::ostream& error);

  /// Declares a command; a name already present returns the existing spec.
  /// The reference stays valid as long as the table.
  CommandSpec& addCommand(const std::string& name, CommandHandler handler);

  /// The command loop: returns when a handler returns false or input ends.
  void run();

  /// Prompts and reads until a line with a command name; false at end of input.
  bool readCommand();

  /// Checks the rest of the line against `current`; true when the handler may run.
  bool parseCommand();

  /// Writes the message and two line ends to the error stream.
  void reportError(const std::string& message);

  bool isPrefix(char c) const;
  const SwitchSpec* findSwitch(char prefix, const std::string& name) const;

  std::string line;
  std::string commandName;
  std::vector<ParsedSwitch> parsedSwitches;
  std::vector<std::string> arguments;
  std::map<std::string, CommandSpec> commands;
  CommandSpec current;

 private:
  std::istream& input_;
  std::ostream& output_;
  std::ostream& error_;
};
