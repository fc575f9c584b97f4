#include "shell/commands.hpp"

bool cwCommand(const ParsedCommand&, ShellContext&) { return true; }
