#include "shell/commands.hpp"

bool rconjCommand(const ParsedCommand&, ShellContext&) { return true; }
