#include "shell/startup.hpp"

#include <ostream>
#include <string_view>

#include "command/argument_type.hpp"
#include "inflection/conjugation_engine.hpp"
#include "shell/commands.hpp"

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

CommandHandler bind(bool (*handler)(const ParsedCommand&, ShellContext&),
                    ShellContext& context) {
  return [handler, &context](ParsedCommand command) { return handler(command, context); };
}

}  // namespace

void declareCommands(CommandTable& table, ShellContext& context) {
  table.addCommand("conj", bind(conjCommand, context))
      .addSwitch('-', "v", AnyText, RequiredArgument)
      .addSwitch('-', "a", AnyText, RequiredArgument)
      .addSwitch('-', "s", AnyText, RequiredArgument)
      .addSwitch('-', "p", AnyText, RequiredArgument)
      .addSwitch('-', "i", AnyText, NoArgument)
      .addSwitch('-', "g", AnyText, NoArgument)
      .addSwitch('-', "rs", AnyText, NoArgument)
      .addSwitch('-', "m", AnyText, OptionalArgument)
      .addSwitch('-', "f", AnyText, OptionalArgument)
      .addSwitch('-', "t", AnyText, RequiredArgument);
  table.addCommand("rconj", bind(rconjCommand, context))
      .addSwitch('-', "a", AnyText, NoArgument)
      .addSwitch('-', "b", AnyText, NoArgument)
      .addParameter("Inflected_Form", false, AnyText);
  table.addCommand("cw", bind(cwCommand, context))
      .addSwitch('-', "h", AnyText, NoArgument)
      .addSwitch('-', "r", AnyText, NoArgument);
  table.addCommand("dtest", bind(dtestCommand, context))
      .addSwitch('-', "v", AnyText, NoArgument)
      .addSwitch('-', "a", AnyText, NoArgument);
  table.addCommand("help", bind(helpCommand, context)).addParameter("Command", false, AnyText);
  table.addCommand("exit", bind(exitCommand, context));
}

void printBanner(std::ostream& out) {
  for (const std::string_view text : kBanner) line(out, text);
}

bool loadDataFiles(ConjugationEngine& engine, const KanaConverter& kana, std::ostream& out) {
  line(out, "Loading Verb Rules");
  if (!engine.loadVerbRules("Rules_Verbs.dat")) {
    line(out, "Zunokator Stopped: Verb rules file failed to load.");
    line(out, "Make sure file 'Rules_Verbs.dat' is in the same directory as the executable.");
    line(out, "");
    line(out, "");
    return false;
  }
  line(out, "Loading Verb Classes");
  if (!engine.loadVerbClasses("Rules_VClass.dat")) {
    line(out, "Zunokator Stopped: Verb classification rules file failed to load.");
    line(out, "Make sure file 'Rules_VClass.dat' is in the same directory as the executable.");
    line(out, "Also make sure the internal format of the file is correct.");
    line(out, "");
    line(out, "");
    return false;
  }
  line(out, "Loading Adjective Rules");
  if (!engine.loadAdjectiveRules("Rules_Adj.dat")) {
    line(out, "Zunokator Stopped: Adjective rules file failed to load.");
    line(out, "Make sure file 'Rules_Adj.dat' is in the same directory as the executable.");
    line(out, "");
    line(out, "");
    return false;
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
