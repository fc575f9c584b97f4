#include "shell/startup.hpp"

#include <initializer_list>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "inflection/conjugation_engine.hpp"
#include "shell/shell_commands.hpp"

namespace {

constexpr std::string_view kBanner[] = {
    "Zunoka",
    "Release 1.0, 7 December 2026",
    "Japanese Verb and Adjective Inflection/Analysis Engine",
    "",
    "Written by the Zunoka developers",
    "",
    "Software and rules data copyright (C) 2026 the Zunoka developers.",
    "Dictionary data derived from the EDICT file of the Electronic Dictionary",
    "Research and Development Group (EDRDG), http://www.edrdg.org/",
    "Dictionary data licensed under Creative Commons Attribution-ShareAlike 4.0.",
    "",
    "Please send me questions, suggestions, bugs, content corrections, etc.",
    "",
    "Current version and documentation can be found at:",
    "     https://zunoka.org/docs/",
    "",
    "Type \"help\" for a list of commands.",
    "",
    "Stretch the window, if necessary, until all the dashes fit on one line.",
    "--------------------------------------------------------------------------------",
    "",
    "",
};

void line(std::ostream& out, std::string_view text) { out << text << '\n' << std::flush; }

/// Prints the messages of a rule file that failed to load and two empty
/// lines; false, since the program cannot go on without it.
bool stopStartup(std::ostream& out, std::initializer_list<std::string_view> messages) {
  for (const std::string_view text : messages) line(out, text);
  line(out, "");
  line(out, "");
  return false;
}

}  // namespace

void declareCommands(CommandTable& table, ShellContext& context) {
  for (const ShellCommand& command : shellCommands()) {
    const ShellCommandHandler handler = command.handler;
    if (handler == nullptr) {
      throw std::logic_error("command declared without a handler: " + std::string(command.name));
    }
    CommandSpec& spec =
        table.addCommand(std::string(command.name), [handler, &context](ParsedCommand parsed) {
          return handler(parsed, context);
        });
    for (const SwitchDeclaration& declared : command.switches) {
      spec.addSwitch(declared.prefix, std::string(declared.name), declared.type,
                     declared.argument);
    }
    for (const ParameterDeclaration& declared : command.parameters) {
      spec.addParameter(std::string(declared.name), declared.required, declared.type);
    }
  }
}

void printBanner(std::ostream& out) {
  for (const std::string_view text : kBanner) line(out, text);
}

bool loadDataFiles(ConjugationEngine& engine, const KanaConverter& kana, std::ostream& out) {
  line(out, "Loading Verb Rules");
  if (!engine.loadVerbRules("Rules_Verbs.dat")) {
    return stopStartup(
        out, {"Zunokator Stopped: Verb rules file failed to load.",
              "Make sure file 'Rules_Verbs.dat' is in the same directory as the executable."});
  }
  line(out, "Loading Verb Classes");
  if (!engine.loadVerbClasses("Rules_VClass.dat")) {
    return stopStartup(
        out, {"Zunokator Stopped: Verb classification rules file failed to load.",
              "Make sure file 'Rules_VClass.dat' is in the same directory as the executable.",
              "Also make sure the internal format of the file is correct."});
  }
  line(out, "Loading Adjective Rules");
  if (!engine.loadAdjectiveRules("Rules_Adj.dat")) {
    return stopStartup(
        out, {"Zunokator Stopped: Adjective rules file failed to load.",
              "Make sure file 'Rules_Adj.dat' is in the same directory as the executable."});
  }
  line(out, "Loading Verb Dictionary");
  if (!engine.verbDictionary.loadVerbFile("Words_Verbs.dat", kana, out)) {
    line(out, "No verb dictionary file found.");
    line(out, "");
  }
  line(out, "Loading Adjective Dictionary");
  if (!engine.adjectiveDictionary.loadAdjectiveFile("Words_Adj.dat", kana, out)) {
    line(out, "No adjective dictionary file found.");
    line(out, "");
  }
  line(out, "");
  return true;
}
