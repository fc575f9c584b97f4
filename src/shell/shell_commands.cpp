#include "shell/shell_commands.hpp"

// The handlers, each defined in its own file (conj_command.cpp, ...).
bool conjCommand(const ParsedCommand& command, ShellContext& context);
bool rconjCommand(const ParsedCommand& command, ShellContext& context);
bool cwCommand(const ParsedCommand& command, ShellContext& context);
bool dtestCommand(const ParsedCommand& command, ShellContext& context);
bool helpCommand(const ParsedCommand& command, ShellContext& context);

const std::vector<ShellCommand>& shellCommands() {
  // Usage texts hold one entry per printed line ("" is an empty line).
  static const std::vector<ShellCommand> commands = {
      {"conj",
       conjCommand,
       {{"v", RequiredArgument},
        {"a", RequiredArgument},
        {"s", RequiredArgument},
        {"p", RequiredArgument},
        {"i", NoArgument},
        {"g", NoArgument},
        {"rs", NoArgument},
        {"m", OptionalArgument},
        {"f", OptionalArgument},
        {"t", RequiredArgument}},
       {},
       {"conj  - Conjugate a supplied verb or adjective."},
       {
           "conj - Conjugate a supplied verb or adjective.",
           "",
           "Syntax:",
           "   conj [[-v <verb>]|[-a <adj>]] [-s <sense>] [-p <politeness>]",
           "   [-i|-g|-rs] [-f <filename>] [[-m <numlist>]|[-t <inflection-type>]]",
           "",
           "Switches:",
           "   -v   Conjugate a supplied verb.",
           "   -a   Conjugate a supplied adjective.",
           "   -s   Limit to the supplied sense.",
           "   -p   Limit to the supplied politeness level.",
           "   -i   Force itidan conjugation (verbs only).",
           "   -g   Force godan conjugation (verbs only).",
           "   -rs  Force normal suru conjugation (suru verbs only).",
           "   -f   Output results with kanji/kana to an EUC coded file.",
           "   -m   Select inflections from the menu.",
           "   -t   Specify the inflection by name.",
           "",
           "(Switches may be used in any order)",
           "",
           "Examples:",
           "   conj -v taberu -s aff -p pol -m 2|5|7",
           "   conj -v iru -i -t \"Past Indicative\"",
           "   conj -v \"ai suru\" -p plain -mf",
           "   conj -a samui -s neg -p pl",
           "   conj -a uresii -t Indicative -f my_result",
           "",
           "",
       }},
      {"rconj",
       rconjCommand,
       {{"a", NoArgument}, {"b", NoArgument}},
       {{"Inflected_Form", false}},
       {"rconj - Reverse conjugates a supplied inflected form back",
        "        to the dictionary form, provided that it exists in",
        "        one of the dictionary files."},
       {
           "rconj - Reverse conjugates a supplied inflected form back",
           "        to the dictionary form, provided that it exists in",
           "        one of the dictionary files. (Default checks against",
           "        verb file).",
           "",
           "Syntax:",
           "   rconj [-a] [-b] <inflected_form>",
           "",
           "Switches:",
           "   -a   Check against the adjective dictionary.",
           "   -b   Check against both dictionaries.",
           "",
           "Optional Argument:",
           "   inflected_form  -  the word to reverse conjugate.",
           "",
           "Examples:",
           "   rconj taberarenai",
           "   rconj \"ai simasu\"",
           "   rconj -a oisikunai",
           "   rconj -b tabeyasui",
           "",
           "",
       }},
      {"cw",
       cwCommand,
       {{"h", NoArgument}, {"r", NoArgument}},
       {},
       {"cw    - Display or select the current word."},
       {
           "cw - View or set the current word. (Default is to view).",
           "",
           "Syntax:",
           "   cw [-h|-r]",
           "",
           "Switches:",
           "   -h   Set current to one of last 10 conjugated.",
           "   -r   Set current word to one of the last set of results.",
           "",
           "",
       }},
      {"dtest",
       dtestCommand,
       {{"v", NoArgument}, {"a", NoArgument}},
       {},
       {"dtest - Perform a comprehensive test of one or both of", "        the dictionary files."},
       {
           "dtest - Execute a comprehensive test of one or both of the",
           "        dictionary files.",
           "",
           "Syntax:",
           "   dtest [-v] [-a]",
           "",
           "Switches:",
           "   -v  Test the verbs file Words_Verbs.dat.",
           "   -a  Test the adjectives file Words_Adj.dat.",
           "",
           "",
       }},
      // help and exit are not in the overview and have no usage text.
      {"help", helpCommand, {}, {{"Command", false}}, {}, {}},
      {"exit", [](const ParsedCommand&, ShellContext&) { return false; }, {}, {}, {}, {}},
  };
  return commands;
}

const ShellCommand* findShellCommand(std::string_view name) {
  for (const ShellCommand& command : shellCommands()) {
    if (command.name == name) return &command;
  }
  return nullptr;
}
