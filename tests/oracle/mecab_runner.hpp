#pragma once

#include <string>
#include <vector>

/// One morpheme of a MeCab analysis; texts in the dictionary's encoding.
struct Morpheme {
  std::string surface;
  std::string partOfSpeech;
  std::string baseForm;  ///< the surface itself when the analyser lists none
};

/// The morphemes of each input line, in order.
using Analyses = std::vector<std::vector<Morpheme>>;

/// True when `mecab` can be started and `dictionaryDir` holds a compiled
/// dictionary; otherwise `reason` says what is missing.
bool mecabAvailable(const std::string& dictionaryDir, std::string& reason);

/// Analyses each line (which must hold no line feed) with the dictionary in
/// `dictionaryDir`, through the files `workPrefix`.in and `workPrefix`.out.
/// False, with `error` set, when the analyser fails or its output does not
/// hold one analysis per line.
bool analyseLines(const std::vector<std::string>& lines, const std::string& dictionaryDir,
                  const std::string& workPrefix, Analyses& analyses, std::string& error);

/// Parses MeCab's default output: one TAB-separated morpheme per line, each
/// sentence ended by "EOS".
Analyses parseMecabOutput(const std::string& output);
