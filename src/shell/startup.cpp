#include "shell/startup.hpp"

#include <array>
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

/// The rule files in load order; the program cannot go on without any of them.
struct RuleFile {
  std::string_view announcement;
  const char* name;
  bool (ConjugationEngine::*load)(const std::string& fileName);
  std::array<std::string_view, 3> failure;  ///< printed when it fails to load; unused: empty
};

const RuleFile kRuleFiles[] = {
    {"Loading Verb Rules",
     "Rules_Verbs.dat",
     &ConjugationEngine::loadVerbRules,
     {"Zunokator Stopped: Verb rules file failed to load.",
      "Make sure file 'Rules_Verbs.dat' is in the same directory as the executable."}},
    {"Loading Verb Classes",
     "Rules_VClass.dat",
     &ConjugationEngine::loadVerbClasses,
     {"Zunokator Stopped: Verb classification rules file failed to load.",
      "Make sure file 'Rules_VClass.dat' is in the same directory as the executable.",
      "Also make sure the internal format of the file is correct."}},
    {"Loading Adjective Rules",
     "Rules_Adj.dat",
     &ConjugationEngine::loadAdjectiveRules,
     {"Zunokator Stopped: Adjective rules file failed to load.",
      "Make sure file 'Rules_Adj.dat' is in the same directory as the executable."}},
};

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

bool loadDataFiles(ConjugationEngine& engine, std::ostream& out) {
  for (const RuleFile& file : kRuleFiles) {
    line(out, file.announcement);
    if ((engine.*file.load)(file.name)) continue;
    for (const std::string_view text : file.failure) {
      if (!text.empty()) line(out, text);
    }
    line(out, "");
    line(out, "");
    return false;
  }
  line(out, "Loading Verb Dictionary");
  if (!engine.loadVerbDictionary("Words_Verbs.dat", out)) {
    line(out, "No verb dictionary file found.");
    line(out, "");
  }
  line(out, "Loading Adjective Dictionary");
  if (!engine.loadAdjectiveDictionary("Words_Adj.dat", out)) {
    line(out, "No adjective dictionary file found.");
    line(out, "");
  }
  line(out, "");
  return true;
}
