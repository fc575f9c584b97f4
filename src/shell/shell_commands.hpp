#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "command/argument_type.hpp"
#include "command/command_table.hpp"
#include "shell/shell_context.hpp"

/// A console command's handler: true keeps the command loop running.
using ShellCommandHandler = bool (*)(const ParsedCommand& command, ShellContext& context);

struct SwitchDeclaration {
  std::string_view name;
  std::int32_t argument = NoArgument;
  std::uint16_t type = AnyText;
  char prefix = '-';
};

struct ParameterDeclaration {
  std::string_view name;
  bool required = false;
  std::uint16_t type = AnyText;
};

/// Everything about one console command in one place: start-up declares the
/// CommandTable from it and help prints its texts.
struct ShellCommand {
  std::string_view name;
  ShellCommandHandler handler = nullptr;
  std::vector<SwitchDeclaration> switches;       ///< in declaration order
  std::vector<ParameterDeclaration> parameters;  ///< in declaration order
  std::vector<std::string_view> overview;  ///< its lines in the help overview; empty: not listed
  std::vector<std::string_view> usage;     ///< the text of "help <name>"; empty: there is none
};

/// The console commands, in the order start-up declares them.
const std::vector<ShellCommand>& shellCommands();

/// The command named exactly `name` (case counts), or null.
const ShellCommand* findShellCommand(std::string_view name);
