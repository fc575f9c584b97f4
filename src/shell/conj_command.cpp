#include <ostream>
#include <string>
#include <string_view>

#include "shell/shell_commands.hpp"
#include "shell/conj_request.hpp"
#include "shell/conjugation_flows.hpp"
#include "shell/shell_state.hpp"

namespace {

enum class FlowKind { None, Verb, Adjective };

constexpr std::string_view kExclusiveWordSwitches =
    "Switches -v (verb) and -a (adj) are exclusive.  Use only one.";
constexpr std::string_view kBadSense = "Unrecognized argument for switch -s (sense).";
constexpr std::string_view kBadPoliteness =
    "Unrecognized or ambiguous argument for switch -p (politeness level).";
constexpr std::string_view kExclusiveForces =
    "Switches -i (force itidan), -g (force godan) and -rs (force regular suru) are mutually "
    "exclusive.  Use only one.";
constexpr std::string_view kExclusiveCaseSwitches =
    "Switches -t (specify inflection) and -m (pick inflection from menu) are mutually "
    "exclusive, use only one.";
constexpr std::string_view kNotConjugable = "Current word is not conjugable.";
constexpr std::string_view kForceNeedsVerb =
    "Switches -i (force itidan), -g (force godan) and -rs (force regular suru) can be used only "
    "with conjugable verbs.";
constexpr std::string_view kSuruOnly = "Switch -rs can only be used with a -suru verb.";

// Verb classes carry one of the four low bits; the adjective class its own.
constexpr int kVerbClassBits = 0x000F;
constexpr int kAdjectiveClassBit = 0x0100;

/// An argument no longer than the keyword that equals its first characters.
bool isPrefixOf(std::string_view argument, std::string_view keyword) {
  return argument.size() <= keyword.size() && keyword.substr(0, argument.size()) == argument;
}

/// Any part of "affirmative" is affirmative, so text both words contain
/// ("a", "ative") means affirmative.
bool parseSense(const std::string& argument, std::int32_t& sense) {
  const std::string_view affirmative = "affirmative";
  const std::string_view negative = "negative";
  if (argument == "1" || affirmative.find(argument) != std::string_view::npos) {
    sense = Affirmative;
  } else if (argument == "2" || negative.find(argument) != std::string_view::npos) {
    sense = Negative;
  } else {
    return false;
  }
  return true;
}

/// A single "p" could be plain or polite, so one-character arguments must
/// be exact.
bool parsePoliteness(const std::string& argument, std::int16_t& politeness) {
  if (argument == "1" || isPrefixOf(argument, "abrupt")) {
    politeness = Abrupt;
  } else if (argument == "2" || (argument.size() >= 2 && isPrefixOf(argument, "plain"))) {
    politeness = Plain;
  } else if (argument == "3" || argument == "np") {
    politeness = Polite;
  } else if (argument.size() <= 1) {
    return false;
  } else if (isPrefixOf(argument, "polite")) {
    politeness = Polite;
  } else {
    return false;
  }
  return true;
}

/// Applies the switches in typed order; the first conflict is reported.
bool readSwitches(const ParsedCommand& command, ConjRequest& request, FlowKind& flow,
                  std::string_view& error) {
  for (const ParsedSwitch& parsed : command.switches) {
    const std::string& name = parsed.name;
    if (name == "v" || name == "a") {
      if (flow != FlowKind::None) {
        error = kExclusiveWordSwitches;
        return false;
      }
      flow = name == "v" ? FlowKind::Verb : FlowKind::Adjective;
      request.word.romaji = parsed.argument;
      if (flow == FlowKind::Adjective) request.word.wordClass = TrueAdjective;
    } else if (name == "s") {
      if (!parseSense(parsed.argument, request.senseFilter)) {
        error = kBadSense;
        return false;
      }
    } else if (name == "p") {
      if (!parsePoliteness(parsed.argument, request.politenessFilter)) {
        error = kBadPoliteness;
        return false;
      }
    } else if (name == "i" || name == "g" || name == "rs") {
      if (request.force != NoForce) {
        error = kExclusiveForces;
        return false;
      }
      request.force = name == "i" ? ForceItidan : name == "g" ? ForceGodan : ForceRegularSuru;
    } else if (name == "m") {
      if (!request.caseNames.empty()) {
        error = kExclusiveCaseSwitches;
        return false;
      }
      request.menuRequested = true;
      request.menuList = parsed.argument;
    } else if (name == "f") {
      request.fileOutput = true;
      request.fileName = parsed.argument;
    } else if (name == "t") {
      if (request.menuRequested) {
        error = kExclusiveCaseSwitches;
        return false;
      }
      request.caseNames.push_back(parsed.argument);
    }
  }
  return true;
}

/// Settles the word and the flow when neither -v nor -a named one, then
/// checks that the forcing switches fit the word.
bool checkRequest(ConjRequest& request, FlowKind& flow, const ShellState& state,
                  std::string_view& error) {
  if (flow == FlowKind::None) {
    request.word = state.currentWord;
    request.usedCurrentWord = true;
    if ((request.word.wordClass & kVerbClassBits) != 0) {
      flow = FlowKind::Verb;
    } else if ((request.word.wordClass & kAdjectiveClassBit) != 0) {
      flow = FlowKind::Adjective;
    } else {
      error = kNotConjugable;
      return false;
    }
  }
  if (request.force != NoForce && flow != FlowKind::Verb) {
    error = kForceNeedsVerb;
    return false;
  }
  if (request.force == ForceRegularSuru &&
      (request.word.romaji.size() < 4 || !request.word.romaji.ends_with("suru"))) {
    error = kSuruOnly;
    return false;
  }
  return true;
}

}  // namespace

bool conjCommand(const ParsedCommand& command, ShellContext& context) {
  ConjRequest request;
  FlowKind flow = FlowKind::None;
  std::string_view error;
  if (!readSwitches(command, request, flow, error) ||
      !checkRequest(request, flow, context.state, error)) {
    context.output << error << "\n\n" << std::flush;
    return true;
  }
  if (flow == FlowKind::Verb) {
    runVerbFlow(request, context);
  } else {
    runAdjectiveFlow(request, context);
  }
  context.output << '\n' << std::flush;
  return true;
}
