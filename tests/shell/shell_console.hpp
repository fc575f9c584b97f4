#pragma once

#include <sstream>
#include <string>

#include "inflection/conjugation_engine.hpp"
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

#include "dictionary/dictionary.hpp"

/// Files a dictionary entry under its romaji key, after any equal keys.
inline void addEntry(Dictionary& dictionary, const std::string& romaji, const std::string& written,
                     const std::string& meaning, std::int16_t wordClass = 0,
                     std::int32_t attitude = 0) {
  DictionaryEntry entry;
  entry.written = written;
  entry.reading = written + "-kana";
  entry.romaji = romaji;
  entry.wordClass = wordClass;
  entry.attitude = attitude;
  entry.meaning = meaning;
  entry.extended = {meaning + " [do]", meaning + " [does]", "x3", "x4", "x5"};
  dictionary.entries.emplace(romaji, entry);
}

/// True when `text` begins with `head`; on failure the test shows both.
inline bool beginsWith(const std::string& text, const std::string& head) {
  return text.compare(0, head.size(), head) == 0;
}
