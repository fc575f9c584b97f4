#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "inflection/conjugation_engine.hpp"
#include "inflection/rule_files.hpp"
#include "romaji/kana_converter.hpp"
#include "shell/shell_context.hpp"
#include "shell/shell_state.hpp"

/// A shell wired to string streams: `typed` is what the user will answer.
struct ShellConsole {
  explicit ShellConsole(const std::string& typed = {}) : input(typed) {}

  KanaConverter kana;
  ConjugationEngine engine{kana};
  ShellState state;
  std::istringstream input;
  std::ostringstream output;
  ShellContext context{kana, engine, state, input, output};
};

/// One dictionary line of a test: its reading is the kana of `romaji`, and
/// its extended forms are those of `meaning` ("to write [do]" and so on).
struct TestEntry {
  std::string romaji;
  std::string written;
  std::string meaning;
  std::int16_t wordClass = 0;  ///< verbs only
  std::int32_t attitude = 0;   ///< verbs only
};

/// Loads the entries, in this order, as the verb dictionary file.
inline void loadVerbs(ShellConsole& console, const std::vector<TestEntry>& entries) {
  std::ostringstream file;
  file << entries.size() << "\n";
  for (const TestEntry& e : entries) {
    file << e.written << '\t' << console.kana.toKana(e.romaji) << '\t' << e.wordClass << '\t'
         << e.attitude << '\t' << e.meaning << '\t' << e.meaning << " [do]\t" << e.meaning
         << " [does]\tx3\tx4\tx5\n";
  }
  std::istringstream in(file.str());
  std::ostringstream loading;
  console.engine.loadVerbDictionary(in, loading);
}

/// Loads the entries, in this order, as the adjective dictionary file.
inline void loadAdjectives(ShellConsole& console, const std::vector<TestEntry>& entries) {
  std::ostringstream file;
  file << entries.size() << "\n";
  for (const TestEntry& e : entries) {
    file << e.written << '\t' << console.kana.toKana(e.romaji) << '\t' << e.meaning << '\t'
         << e.meaning << " [do]\n";
  }
  std::istringstream in(file.str());
  std::ostringstream loading;
  console.engine.loadAdjectiveDictionary(in, loading);
}

/// True when `text` begins with `head`; on failure the test shows both.
inline bool beginsWith(const std::string& text, const std::string& head) {
  return text.compare(0, head.size(), head) == 0;
}
