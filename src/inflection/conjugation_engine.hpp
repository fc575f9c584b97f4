#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary.hpp"
#include "inflection/inflection_result.hpp"
#include "inflection/inflection_rule.hpp"
#include "inflection/rule_index.hpp"

class KanaConverter;

/// The process-wide owner of the rule sets, the verb class lists and the two
/// dictionaries. Filled once at start-up, then only read.
/// Warning: keeps a reference to the KanaConverter, which must outlive it.
class ConjugationEngine {
 public:
  explicit ConjugationEngine(const KanaConverter& kana);

  Dictionary verbDictionary;
  Dictionary adjectiveDictionary;
  RuleSet<InflectionRule> verbRules;
  RuleSet<AdjectiveRule> adjectiveRules;
  VerbClassLists classLists;

  /// Loaders: false only when the file cannot be opened (and, for the class
  /// lists, when a section keyword is missing or out of order).
  bool loadVerbRules(const std::string& fileName);
  bool loadVerbClasses(const std::string& fileName);
  bool loadAdjectiveRules(const std::string& fileName);

  /// The class of a romaji verb from its spelling and the class lists:
  /// 1, 2, 4, 8, 9, 10, 12, 32, or -1 (ItidanOrGodan).
  std::int16_t classifyVerb(const std::string& verb) const;

  /// Appends the forms of `word` for one case (empty: all cases) that pass
  /// the filters (0: any). Never empties `results`.
  void conjugateVerb(InflectionResult word, const std::string& caseName,
                     std::int32_t senseFilter, std::int16_t politenessFilter,
                     std::vector<InflectionResult>& results) const;

  /// The romaji alone of the forms conjugateVerb would append, in the same
  /// order: for callers that show no more than the romaji.
  void conjugateVerbRomaji(const InflectionResult& word, const std::string& caseName,
                           std::int32_t senseFilter, std::int16_t politenessFilter,
                           std::vector<std::string>& forms) const;

  void conjugateAdjective(InflectionResult word, const std::string& caseName,
                          std::int32_t senseFilter, std::int16_t politenessFilter,
                          std::vector<InflectionResult>& results) const;

  /// Appends the dictionary words that produce `form` (spaces disregarded).
  void reverseSearchVerbs(std::string form, std::vector<InflectionResult>& candidates) const;
  void reverseSearchAdjectives(std::string form,
                               std::vector<InflectionResult>& candidates) const;

  const KanaConverter& kana() const { return kana_; }

  /// Rebuilds the per-case rule lists after verbRules or adjectiveRules were
  /// changed by hand; the loaders do it themselves. Without it the engines
  /// still give the same forms, only by searching the rule sets per call.
  void reindexRules();

 private:
  /// The rules whose forms conjugateVerb builds, in order: those that serve
  /// the word and survive the suppression within their slots.
  void chooseVerbRules(const InflectionResult& word, const std::string& caseName,
                       std::int32_t senseFilter, std::int16_t politenessFilter,
                       std::vector<const InflectionRule*>& chosen) const;
  /// The same for adjective rules: those whose forms conjugateAdjective builds.
  void chooseAdjectiveRules(const InflectionResult& word, const std::string& caseName,
                            std::int32_t senseFilter, std::int16_t politenessFilter,
                            std::vector<const AdjectiveRule*>& chosen) const;
  /// chooseVerbRules for all cases, through the index built at load.
  void chooseFromIndex(const InflectionResult& word, std::int32_t senseFilter,
                       std::int16_t politenessFilter,
                       std::vector<const InflectionRule*>& chosen) const;

  /// The reverse search's test of one spaceless dictionary word: whether a
  /// form conjugateVerb would give for all cases equals `form` (`bare`
  /// without its spaces). `fitSlots` is scratch, all false on entry and exit.
  bool someSlotSpells(const InflectionResult& word, std::string_view bare,
                      const std::string& form, std::vector<bool>& fitSlots) const;

  const KanaConverter& kana_;
  RuleIndex<InflectionRule> verbIndex_;
  RuleIndex<AdjectiveRule> adjectiveIndex_;
};

/// The four copula forms answering to "Indicative" (or to all cases).
void conjugateCopula(const std::string& caseName, std::int32_t senseFilter,
                     std::int16_t politenessFilter, std::vector<InflectionResult>& results);

/// True when the romaji word cannot be a verb in dictionary form.
bool hasBadVerbEnding(const std::string& verb);

/// True when the romaji word cannot be a true adjective in dictionary form.
bool hasBadAdjectiveEnding(const std::string& adjective);

/// True when the texts are equal once every space (0x20 only) is removed.
bool equalIgnoringSpaces(const std::string& a, const std::string& b);
