#include <iomanip>
#include <ostream>
#include <string>
#include <vector>

#include "command/console_input.hpp"
#include "inflection/conjugation_engine.hpp"
#include "shell/shell_commands.hpp"

namespace {

constexpr const char* kRule = "----------------------------------------------------------";

void line(std::ostream& out, const std::string& text) { out << text << '\n' << std::flush; }

/// Asks for "yes"; anything else (end of input too) cancels.
bool confirmed(ShellContext& context) {
  std::ostream& out = context.output;
  line(out, "This test can take a long time, especially for verbs.");
  line(out, "It involves FULLY conjugating EVERY entry.");
  line(out, "(On a PII 300 MHz machine, the verb test takes ~13 minutes.)");
  line(out, "");
  line(out, "Do you still want to proceed? (Type \"yes\" if so).");
  line(out, "");
  out << ">>" << std::flush;
  std::string answer;
  readConsoleLine(context.input, answer, 254);
  if (answer == "yes") return true;
  if (!answer.empty() && answer[0] == 'y') {
    line(out, "You must verify using the whole word \"yes\".");
    line(out, "");
  }
  return false;
}

void printHeading(std::ostream& out, const char* title) {
  out << "\n\n" << title << '\n' << kRule << "\n\n\n" << std::flush;
  out << std::left;
}

InflectionResult testWord(const DictionaryEntry& entry) {
  InflectionResult word;
  word.written = entry.written;
  word.reading = entry.reading;
  word.romaji = entry.romaji;
  word.attitude = entry.attitude;
  return word;
}

void printLastForm(std::ostream& out, const std::vector<InflectionResult>& results) {
  if (!results.empty()) out << results.back().romaji;
  out << '\n' << std::flush;
}

void testVerbs(ShellContext& context) {
  std::ostream& out = context.output;
  const ConjugationEngine& engine = context.engine;
  printHeading(out, "VERBS");
  // Only the romaji of the last form is shown, so only it is built.
  std::string last;
  for (const DictionaryEntry& entry : engine.verbDictionary()) {
    InflectionResult word = testWord(entry);
    word.wordClass = entry.wordClass != 0 ? entry.wordClass : engine.classifyVerb(entry.romaji);
    if (word.wordClass == ItidanOrGodan) {
      line(out, "Doing itidan for following:");
      word.wordClass = Itidan;
    }
    out << std::setw(25) << word.romaji;
    if (engine.lastVerbFormRomaji(word, last)) out << last;
    out << '\n' << std::flush;
  }
  out << "\n\n" << std::flush;
}

void testAdjectives(ShellContext& context) {
  std::ostream& out = context.output;
  const ConjugationEngine& engine = context.engine;
  printHeading(out, "ADJECTIVES");
  std::vector<InflectionResult> results;
  for (const DictionaryEntry& entry : engine.adjectiveDictionary()) {
    if (entry.wordClass == 0) {
      line(out, "\t\tERROR in classification");
      line(out, "");
      return;
    }
    InflectionResult word = testWord(entry);
    word.wordClass = entry.wordClass;
    out << std::setw(25) << word.romaji;
    results.clear();
    engine.conjugateAdjective(word, std::string(), 0, 0, results);
    printLastForm(out, results);
  }
  out << "\n\n" << std::flush;
}

}  // namespace

bool dtestCommand(const ParsedCommand& command, ShellContext& context) {
  bool verbs = false;
  bool adjectives = false;
  for (const ParsedSwitch& s : command.switches) {
    verbs |= s.name == "v";
    adjectives |= s.name == "a";
  }
  if (!verbs && !adjectives) return true;
  if (!confirmed(context)) return true;
  if (verbs) testVerbs(context);
  if (adjectives) testAdjectives(context);
  return true;
}
