// Converts the EDICT dictionary file into the bundled verb and adjective
// dictionaries and the verb class lists EDICT settles.
//
//   edict_converter [EDICT-FILE [OUTPUT-DIR [CLASS-LISTS-FILE]]]
//
// Defaults: /usr/share/edict/edict (Debian's edict package), the current
// directory and edict_class_lists.txt in it. Writes Words_Verbs.dat and
// Words_Adj.dat to the output directory and the class lists (an input of the
// grammar generator, kept in tools/grammar) to their own file, then prints
// what it converted and what it left out.
#include <fstream>
#include <iostream>
#include <string>

#include "edict_dictionaries.hpp"
#include "romaji/kana_converter.hpp"

namespace {

bool writeFile(const std::string& path, auto write) {
  std::ofstream out(path, std::ios::binary);
  if (!out) {
    std::cerr << "cannot write " << path << '\n';
    return false;
  }
  write(out);
  out.flush();
  if (!out) {
    std::cerr << "error writing " << path << '\n';
    return false;
  }
  return true;
}

void printStats(std::ostream& out, const ConversionStats& stats) {
  out << "EDICT lines read: " << stats.linesRead << ", entries: " << stats.entriesParsed << '\n';
  std::size_t verbs = 0;
  for (auto [wordClass, count] : stats.verbsByClass) {
    out << "  class " << wordClass << ": " << count << '\n';
    verbs += count;
  }
  out << "verb lines: " << verbs << " (of which noun + suru: " << stats.suruNouns << "), keys: "
      << stats.verbKeys << '\n';
  out << "adjective lines: " << stats.adjectives << ", keys: " << stats.adjectiveKeys << '\n';
  out << "lines merged into another of their key: " << stats.merged << '\n';
  out << "meanings lengthened or noted to tell homophones apart: " << stats.distinguished << '\n';
  out << "homophones of different classes left alike: " << stats.indistinct << '\n';
  out << "lines with a usage label: " << stats.marked << '\n';
  out << "lines of a classical kind conjugated as a modern one: " << stats.corrected << '\n';
  out << "skipped, reading outside the syllable table: " << stats.unreadableKana << '\n';
  out << "skipped, key with an ending no rule serves: " << stats.unexpectedEnding << '\n';
  out << "skipped, irregular or outdated spelling: " << stats.variantSpellings << '\n';
  out << "skipped, entries of verb kinds no rule serves: " << stats.unservedVerbs << '\n';
  for (const auto& [tag, count] : stats.unservedKinds) out << "  " << tag << ": " << count << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  std::string edictPath = argc > 1 ? argv[1] : "/usr/share/edict/edict";
  std::string outputDir = argc > 2 ? argv[2] : ".";
  std::string classListsPath = argc > 3 ? argv[3] : outputDir + "/edict_class_lists.txt";
  std::ifstream edict(edictPath, std::ios::binary);
  if (!edict) {
    std::cerr << "cannot open " << edictPath << " (install the edict package)\n";
    return 1;
  }
  const KanaConverter converter;
  ConvertedDictionaries dictionaries = convertEdict(edict, converter);
  bool written =
      writeFile(outputDir + "/Words_Verbs.dat",
                [&](std::ostream& out) { writeVerbFile(out, dictionaries.verbs); }) &&
      writeFile(outputDir + "/Words_Adj.dat",
                [&](std::ostream& out) { writeAdjectiveFile(out, dictionaries.adjectives); }) &&
      writeFile(classListsPath, [&](std::ostream& out) {
        writeClassLists(out, classListsOf(dictionaries.verbs));
      });
  if (!written) return 1;
  printStats(std::cout, dictionaries.stats);
  return 0;
}
