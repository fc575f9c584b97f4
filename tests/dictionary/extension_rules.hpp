#pragma once

// Rules that use the extensions of the rule model (the stem columns 8 to 11
// and rules for one named word), in cases of their own, added to a loaded
// engine so that the searches and fast paths are checked with them too.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "inflection/conjugation_engine.hpp"

// Contracted forms of every regular verb (an exception silences them for
// iku); an honorific whose regular form gives way, for taberu and miru, to
// named-word rules in a slot of their own. kiru is ambiguous in the search
// data; the last named word is in no dictionary.
inline constexpr const char* kExtensionVerbRules =
    "2 cases using the extensions\n"
    "Extension Contracted, 900, 1\n"
    "1, 5, 1, 2, 0, 1, , Test contracted\n"
    "3, , 16, 8, , yau, ,\n"
    "3, , 16, 9, , oku, ,\n"
    "3, , 16, 10, , a, ,\n"
    "3, , 16, 11, , kka, ,\n"
    "0, iku, 16384, 0, , , ,\n"
    "Extension Honorific, 901, 2\n"
    "1, 3, 1, 2, 1, 0, , Test honorific\n"
    "3, , 16, 2, o, , ni naru,\n"
    "0, taberu, 16384, 0, , , ,\n"
    "0, miru, 16384, 0, , , ,\n"
    "2, 6, 1, 2, 1, 0, , Test honorific\n"
    "32768, taberu, 2, 0, , mesiagaru, ,\n"
    "32768, nomu, 2, 0, , mesiagaru, ,\n"
    "32768, miru, 16, 0, , goran ni naru, ,\n"
    "32768, tou, 16, 0, , toute, ,\n"
    "32768, kiru, 16, 0, , kirareru, ,\n"
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

template <typename Rule>
void appendRuleSet(RuleSet<Rule>& to, const RuleSet<Rule>& from) {
  for (const auto& [name, rule] : from.rules) {
    to.rules.emplace_hint(to.rules.upper_bound(name), name, rule);
  }
  to.caseOrder.insert(to.caseOrder.end(), from.caseOrder.begin(), from.caseOrder.end());
}

/// Files the extension rules after the engine's own, as if their cases
/// ended the rule files; reindexes unless told not to. False when they
/// could not be read.
inline bool addExtensionRules(ConjugationEngine& engine, bool reindex = true) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path();
  const std::string tag = std::to_string(::getpid());
  const std::string verbs = (dir / ("zunoka_extension_verbs_" + tag + ".dat")).string();
  const std::string adjectives = (dir / ("zunoka_extension_adjectives_" + tag + ".dat")).string();
  std::ofstream(verbs, std::ios::binary) << kExtensionVerbRules;
  std::ofstream(adjectives, std::ios::binary) << kExtensionAdjectiveRules;
  ConjugationEngine extension(engine.kana());
  const bool loaded = extension.loadVerbRules(verbs) && extension.loadAdjectiveRules(adjectives);
  std::filesystem::remove(verbs);
  std::filesystem::remove(adjectives);
  appendRuleSet(engine.verbRules, extension.verbRules);
  appendRuleSet(engine.adjectiveRules, extension.adjectiveRules);
  if (reindex) engine.reindexRules();
  return loaded && extension.verbRules.rules.size() == 14 &&
         extension.adjectiveRules.rules.size() == 5;
}
