#include "shell/commands.hpp"

bool conjCommand(const ParsedCommand&, ShellContext&) { return true; }
