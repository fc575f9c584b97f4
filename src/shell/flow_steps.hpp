#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary.hpp"
#include "shell/conj_request.hpp"
#include "shell/shell_context.hpp"

class ConjugationEngine;

enum class Outcome { Continue, End };

/// What a word kind does its own way inside the conj flow; the order of the
/// steps and everything else is shared (runConjugationFlow). A null step is
/// one the kind does not have.
struct FlowSteps {
  bool (*hasBadEnding)(const std::string& romaji);
  std::string_view badEndingMessage;
  /// Respells the word before it is looked up or conjugated.
  void (*respell)(InflectionResult& word, std::ostream& out);
  /// Runs unless the word is the current word: finds it in the kind's
  /// dictionary and copies in the entry taken; `choice` is the answer given
  /// at the homophone menu (0 when there was none).
  Outcome (*dictionaryPhase)(ConjRequest& request, ShellContext& context, long& choice);
  /// Settles the word's class once the dictionary phase is over.
  Outcome (*classPhase)(ConjRequest& request, long choice, ShellContext& context);
  /// The names the case menu offers.
  const std::vector<std::string>& (*caseNames)(const ConjugationEngine& engine);
  /// Appends to the request's results the forms of its word for one case
  /// (empty: all cases).
  void (*conjugateCase)(const ConjugationEngine& engine, const std::string& caseName,
                        ConjRequest& request);
};

/// conj for one word kind: checks, dictionary, class, case selection, the
/// engine, recording and rendering. Every step that fails prints its message
/// and ends the command before anything is recorded.
void runConjugationFlow(const FlowSteps& steps, ConjRequest& request, ShellContext& context);

/// How a kind lists its homophones and which answers it takes.
struct HomophoneMenu {
  std::string_view heading;
  int meaningWidth;
  bool marksAttitude;         ///< " Hon." or " Hum." after the meaning
  std::string_view question;  ///< the line before the prompt
  long lowestAnswer;          ///< 0 when 0 is an answer
  std::string_view afterAnswer;
};

/// Lists the entries and reads answers until one is a menu number. False
/// when input ran out before an answer.
bool chooseHomophone(const HomophoneMenu& menu, const std::vector<DictionaryEntry>& entries,
                     ShellContext& context, long& choice);

/// The notice that the word is not in its dictionary, and that a result
/// file will then have no kanji.
void reportNotInDictionary(std::string_view notice, const ConjRequest& request,
                           std::ostream& out);

/// Copies the texts every kind takes from an entry: written form, reading
/// and meaning.
void copyEntryTexts(const DictionaryEntry& entry, InflectionResult& word);
