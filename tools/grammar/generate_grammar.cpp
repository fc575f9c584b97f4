// Expands the readable grammar tables (verbs.grammar, adjectives.grammar,
// verb_classes.grammar) into the three rule files the program reads: the
// sources are read (grammar_reader), expanded into rule lines
// (form_expansion, class_lists) and written (rule_file_writer).
#include <iostream>
#include <string>

#include "class_lists.hpp"
#include "form_expansion.hpp"
#include "grammar_reader.hpp"
#include "rule_file_writer.hpp"
#include "romaji/kana_converter.hpp"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: generate_grammar <grammar dir> <edict class lists file> <output dir>\n";
    return 2;
  }
  try {
    const KanaConverter kana;
    const std::string dir = argv[1], out = argv[3];
    const ClassSections hand = readClassSections(dir + "/verb_classes.grammar");
    const ClassSections edict = readClassSections(argv[2]);
    const VerbSource source = readVerbSource(dir + "/verbs.grammar");
    const VerbRules verbs = expandVerbGrammar(source, ssuruVerbs(hand, edict), kana);
    save(out + "/Rules_Verbs.dat", verbRulesText(verbs));
    const auto adjectives = expandAdjectiveGrammar(readAdjectiveSource(dir + "/adjectives.grammar"));
    save(out + "/Rules_Adj.dat", adjectiveRulesText(adjectives));
    save(out + "/Rules_VClass.dat", classListsText(mergeClassLists(source, verbs, hand, edict)));
  } catch (const std::exception& e) {
    std::cerr << "generate_grammar: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
