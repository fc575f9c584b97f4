#pragma once

#include "command/command_table.hpp"
#include "shell/shell_context.hpp"

/// The handlers of the six console commands. Each returns true to keep the
/// command loop running; only exitCommand returns false.
bool conjCommand(const ParsedCommand& command, ShellContext& context);
bool rconjCommand(const ParsedCommand& command, ShellContext& context);
bool cwCommand(const ParsedCommand& command, ShellContext& context);
bool dtestCommand(const ParsedCommand& command, ShellContext& context);
bool helpCommand(const ParsedCommand& command, ShellContext& context);
bool exitCommand(const ParsedCommand& command, ShellContext& context);
