#include <ostream>
#include <string_view>

#include "shell/commands.hpp"

namespace {

// Usage texts, one entry per printed line ("" is an empty line).
constexpr std::string_view kOverview[] = {
    "To use help, type \"help\" and then the name of the",
    "command you want to know about.  These are the available",
    "commands:",
    "",
    "conj  - Conjugate a supplied verb or adjective.",
    "",
    "rconj - Reverse conjugates a supplied inflected form back",
    "        to the dictionary form, provided that it exists in",
    "        one of the dictionary files.",
    "",
    "cw    - Display or select the current word.",
    "",
    "dtest - Perform a comprehensive test of one or both of",
    "        the dictionary files.",
    "",
    "",
};

constexpr std::string_view kConjHelp[] = {
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
};

constexpr std::string_view kRconjHelp[] = {
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
};

constexpr std::string_view kCwHelp[] = {
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
};

constexpr std::string_view kDtestHelp[] = {
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
};

template <std::size_t N>
void printLines(const std::string_view (&lines)[N], std::ostream& out) {
  for (const std::string_view line : lines) out << line << '\n' << std::flush;
}

}  // namespace

bool helpCommand(const ParsedCommand& command, ShellContext& context) {
  std::ostream& out = context.output;
  if (command.arguments.empty()) {
    printLines(kOverview, out);
    return true;
  }
  const std::string& topic = command.arguments.front();
  if (topic == "conj") {
    printLines(kConjHelp, out);
  } else if (topic == "rconj") {
    printLines(kRconjHelp, out);
  } else if (topic == "cw") {
    printLines(kCwHelp, out);
  } else if (topic == "dtest") {
    printLines(kDtestHelp, out);
  } else {
    out << "No such command: " << topic << '\n' << std::flush;
    out << '\n' << std::flush;
  }
  return true;
}

bool exitCommand(const ParsedCommand&, ShellContext&) { return false; }
