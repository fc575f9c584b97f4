// The verb class lists, the classification of a verb from its spelling and
// the screening of words that cannot be verbs.

#include <algorithm>
#include <array>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "inflection/conjugation_engine.hpp"

namespace {

bool endsWith(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

bool listed(const std::vector<std::string>& list, const std::string& word) {
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

bool ConjugationEngine::loadVerbClasses(const std::string& fileName) {
  classLists = VerbClassLists{};
  std::ifstream file(fileName);
  if (!file) return false;

  // The sections, in the one order the file must follow.
  const std::array<std::pair<std::string_view, std::vector<std::string>*>, 11> sections{{
      {"AUXILIARIES", &classLists.auxiliaries},
      {"COPULA", &classLists.copulas},
      {"SURU_ENDING_GODANS", &classLists.suruEndingGodans},
      {"SPECIAL_SURU_CONJ", &classLists.specialSuruConj},
      {"PURE_IRREGULAR", &classLists.pureIrregular},
      {"IRREGULAR_GODAN", &classLists.irregularGodan},
      {"IRREGULAR_ITIDAN", &classLists.irregularItidan},
      {"ITIDAN_OR_GODAN", &classLists.itidanOrGodan},
      {"IRU_GODANS", &classLists.iruGodans},
      {"ERU_GODANS", &classLists.eruGodans},
      {"NONSTEM_INFLECTIONS", &classLists.nonstemInflections},
  }};
  for (const auto& [keyword, list] : sections) {
    if (!seekKeyword(file, keyword)) return false;
    readSection(file, *list);
  }
  return true;
}

std::int16_t ConjugationEngine::classifyVerb(const std::string& verb) const {
  const VerbClassLists& lists = classLists;
  if (listed(lists.copulas, verb)) return Copula;
  if (listed(lists.suruEndingGodans, verb)) return Godan;

  // Compounds such as "ai suru" are listed without their space.
  std::string joined = verb;
  if (verb.size() >= 6 && endsWith(verb, " suru")) joined.erase(verb.size() - 5, 1);
  if (listed(lists.specialSuruConj, joined)) return IrregularSuru;

  if (verb.size() > 3 && endsWith(verb, "suru")) return SuruAux;
  if (listed(lists.pureIrregular, verb)) return Irregular;
  if (verb.size() > 5 && endsWith(verb, "nasaru")) return IrregularGodan;
  if (listed(lists.irregularGodan, verb)) return IrregularGodan;
  if (listed(lists.irregularItidan, verb)) return IrregularItidan;
  if (listed(lists.itidanOrGodan, verb)) return ItidanOrGodan;
  if (listed(lists.iruGodans, verb)) return Godan;
  if (listed(lists.eruGodans, verb)) return Godan;
  if (verb.size() < 3) return Godan;
  if (endsWith(verb, "iru") || endsWith(verb, "eru")) return Itidan;
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
