#pragma once

#include <iosfwd>

#include "command/command_table.hpp"
#include "shell/shell_context.hpp"

class ConjugationEngine;
class KanaConverter;

/// Declares every command of shellCommands() with its switches and
/// parameters; each handler works on `context`, which must outlive the table.
void declareCommands(CommandTable& table, ShellContext& context);

/// The banner printed before loading.
void printBanner(std::ostream& out);

/// Loads the five data files from the working directory, announcing each.
/// False after a fatal failure (a rule file), whose messages are printed.
bool loadDataFiles(ConjugationEngine& engine, std::ostream& out);
