#pragma once

// Rules that use the extensions of the rule model (the stem columns 8 to 11
// and rules for one named word), in cases of their own that end the rule
// files, so that the searches and fast paths are checked with them too.

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "inflection/conjugation_engine.hpp"
#include "inflection/field_reader.hpp"

// Contracted forms of every regular verb (an exception silences them for
// iku, and restricted exceptions for the godan verbs in -su and for the
// aisuru kind); an honorific whose regular form gives way, for taberu, miru
// and 書く alone of the kaku, to named-word rules in a slot of their own.
// kiru is ambiguous in the search data, and its restricted rule serves 着る
// (itidan) alone; the last named word is in no dictionary.
inline constexpr const char* kExtensionVerbRules =
    "2 cases using the extensions\n"
    "Extension Contracted, 900, 1\n"
    "1, 7, 1, 2, 0, 1, , Test contracted\n"
    "3, , 16, 8, , yau, ,\n"
    "3, , 16, 9, , oku, ,\n"
    "3, , 16, 10, , a, ,\n"
    "3, , 16, 11, , kka, ,\n"
    "0, iku, 16384, 0, , , ,\n"
    "32770, *su, 16384, 0, , , ,\n"
    "32780, , 16384, 0, , , ,\n"
    "Extension Honorific, 901, 2\n"
    "1, 4, 1, 2, 1, 0, , Test honorific\n"
    "3, , 16, 2, o, , ni naru,\n"
    "0, taberu, 16384, 0, , , ,\n"
    "0, miru, 16384, 0, , , ,\n"
    "32768, kaku, 16384, 0, \xBD\xF1\xA4\xAF, , ,\n"
    "2, 8, 1, 2, 1, 0, , Test honorific\n"
    "32768, taberu, 2, 0, , mesiagaru, ,\n"
    "32768, nomu, 2, 0, , mesiagaru, ,\n"
    "32768, miru, 16, 0, , goran ni naru, ,\n"
    "32768, tou, 16, 0, , toute, ,\n"
    "32768, kiru, 16, 0, , kirareru, ,\n"
    "32769, kiru, 16, 0, \xC3\xE5\xA4\xEB, omesi ni naru, ,\n"
    "32770, kaku, 16, 0, \xBD\xF1\xA4\xAF, okaki suru, ,\n"
    "32768, nosuchword, 16, 0, , mesiagaru, ,\n";

// The appearance -sou, and in its own slot yosasou and nasasou (34816: the
// NamedWord bit with class 2048) where exceptions silence yosou and nasou.
inline constexpr const char* kExtensionAdjectiveRules =
    "1 case using the extensions\n"
    "Extension Appearance, 900, 5\n"
    "1, 2048, 1, 2, , Looks, sou\n"
    "1, 16384, 1, 2, , , yoi\n"
    "1, 16384, 1, 2, , , nai\n"
    "2, 34816, 1, 2, , Looks, yosasou, yoi\n"
    "2, 34816, 1, 2, , Looks, nasasou, nai\n";

/// The rule file `fileName` with the cases of the rule-file text `extra`
/// after its own, as if they ended the file: one header counting both.
inline std::string withCasesAppended(const std::string& fileName, const std::string& extra) {
  std::ifstream file(fileName, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const std::size_t body = text.find('\n') + 1;
  const std::size_t extraBody = extra.find('\n') + 1;
  const std::int32_t count = toInt32(text.substr(0, body)) + toInt32(extra.substr(0, extraBody));
  return std::to_string(count) + "\n" + text.substr(body) + extra.substr(extraBody);
}

/// Loads the five data files of `dir` (ending in '/') as start-up does; with
/// `extensions`, the rule files end in the extension cases. False when a
/// file is missing or the extension rules were not all read.
inline bool loadDataDirectory(ConjugationEngine& engine, const std::string& dir, bool extensions) {
  std::ostringstream console;
  bool loaded = engine.loadVerbClasses(dir + "Rules_VClass.dat") &&
                engine.loadVerbDictionary(dir + "Words_Verbs.dat", console) &&
                engine.loadAdjectiveDictionary(dir + "Words_Adj.dat", console);
  if (!extensions) {
    return loaded && engine.loadVerbRules(dir + "Rules_Verbs.dat") &&
           engine.loadAdjectiveRules(dir + "Rules_Adj.dat");
  }
  std::istringstream verbs(withCasesAppended(dir + "Rules_Verbs.dat", kExtensionVerbRules));
  engine.loadVerbRules(verbs);
  std::istringstream adjectives(withCasesAppended(dir + "Rules_Adj.dat", kExtensionAdjectiveRules));
  engine.loadAdjectiveRules(adjectives);
  const auto& verbRules = engine.verbRules().rules;
  return loaded &&
         verbRules.count("Extension Contracted") + verbRules.count("Extension Honorific") == 19 &&
         engine.adjectiveRules().rules.count("Extension Appearance") == 5;
}
