// The verb class lists, the classification of a verb from its spelling and
// the screening of words that cannot be verbs.

#include <algorithm>
#include <array>
#include <istream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "inflection/conjugation_engine.hpp"
#include "inflection/rule_file_reader.hpp"

namespace {

bool listed(const std::vector<std::string>& list, std::string_view word) {
  return std::find(list.begin(), list.end(), word) != list.end();
}

/// Reads words until one equals `keyword`; false when the input gives out.
bool seekKeyword(std::istream& in, std::string_view keyword) {
  std::string word;
  while (in >> word) {
    if (word == keyword) return true;
  }
  return false;
}

/// Reads the entry count and that many words into `list`. A read that fails
/// ends the section early; the next keyword search then fails the load.
void readSection(std::istream& in, std::vector<std::string>& list) {
  long long count = 0;
  in >> count;
  for (long long i = 0; i < count; ++i) {
    std::string word;
    if (!(in >> word)) return;
    list.push_back(std::move(word));
  }
}

}  // namespace

bool ConjugationEngine::loadVerbClasses(std::istream& in) {
  classLists_ = VerbClassLists{};
  for (const VerbClassSection& section : kVerbClassSections) {
    if (!seekKeyword(in, section.keyword)) return false;
    readSection(in, classLists_.*section.list);
  }
  return true;
}

bool ConjugationEngine::loadVerbClasses(const std::string& fileName) {
  bool complete = false;
  const bool opened =
      readRuleFile(fileName, [&](std::istream& in) { complete = loadVerbClasses(in); });
  return opened && complete;
}

std::int16_t ConjugationEngine::classifyVerb(std::string_view verb) const {
  const VerbClassLists& lists = classLists_;
  if (listed(lists.copulas, verb)) return Copula;
  if (listed(lists.suruEndingGodans, verb)) return Godan;

  // Compounds such as "ai suru" are listed without their space.
  std::string joined(verb);
  if (verb.size() >= 6 && verb.ends_with(" suru")) joined.erase(verb.size() - 5, 1);
  if (listed(lists.specialSuruConj, joined)) return IrregularSuru;

  if (verb.size() > 3 && verb.ends_with("suru")) return SuruAux;
  if (listed(lists.pureIrregular, verb)) return Irregular;
  if (verb.size() > 5 && verb.ends_with("nasaru")) return IrregularGodan;
  if (listed(lists.irregularGodan, verb)) return IrregularGodan;
  if (listed(lists.irregularItidan, verb)) return IrregularItidan;
  if (listed(lists.itidanOrGodan, verb)) return ItidanOrGodan;
  if (listed(lists.iruGodans, verb)) return Godan;
  if (listed(lists.eruGodans, verb)) return Godan;
  if (verb.size() < 3) return Godan;
  if (verb.ends_with("iru") || verb.ends_with("eru")) return Itidan;
  return Godan;
}

bool hasBadVerbEnding(const std::string& verb) {
  if (verb.size() < 2) return true;
  if (verb == "da") return false;
  static constexpr std::array<std::string_view, 13> kVerbEndings{
      "ru", "su", "ku", "gu", "bu", "mu", "nu", "tu", "au", "iu", "uu", "eu", "ou"};
  const std::string_view last(verb.data() + verb.size() - 2, 2);
  return std::find(kVerbEndings.begin(), kVerbEndings.end(), last) == kVerbEndings.end();
}
