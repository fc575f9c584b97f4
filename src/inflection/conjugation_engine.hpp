#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary.hpp"
#include "inflection/inflection_result.hpp"
#include "inflection/deferred_rules.hpp"
#include "inflection/inflection_rule.hpp"
#include "inflection/rule_file_reader.hpp"
#include "inflection/rule_index.hpp"

class KanaConverter;

/// The process-wide owner of the rule sets, the verb class lists and the two
/// dictionaries. Only its loaders fill it, each replacing what it loads;
/// everything else only reads it. What a loader read is parsed and indexed
/// on its first use (DeferredRules, Dictionary), which no caller can tell.
/// Warning: keeps a reference to the KanaConverter, which must outlive it.
class ConjugationEngine {
 public:
  explicit ConjugationEngine(const KanaConverter& kana);
  // The indexes point into the engine's own rule sets.
  ConjugationEngine(const ConjugationEngine&) = delete;
  ConjugationEngine& operator=(const ConjugationEngine&) = delete;

  /// Loaders of the three rule files. Each empties what it loads first; the
  /// file-name forms return false only when the file cannot be opened (and,
  /// for the class lists, when a section keyword is missing or out of
  /// order), the stream forms read the file's text from `in`.
  bool loadVerbRules(const std::string& fileName);
  void loadVerbRules(std::istream& in);
  bool loadVerbClasses(const std::string& fileName);
  bool loadVerbClasses(std::istream& in);
  bool loadAdjectiveRules(const std::string& fileName);
  void loadAdjectiveRules(std::istream& in);

  /// Loaders of the two dictionaries (Dictionary::loadVerbFile and
  /// loadAdjectiveFile); "EXTENDED ENTRY" goes to `console`.
  bool loadVerbDictionary(const std::string& fileName, std::ostream& console);
  void loadVerbDictionary(std::istream& in, std::ostream& console);
  bool loadAdjectiveDictionary(const std::string& fileName, std::ostream& console);
  void loadAdjectiveDictionary(std::istream& in, std::ostream& console);

  const Dictionary& verbDictionary() const { return verbDictionary_; }
  const Dictionary& adjectiveDictionary() const { return adjectiveDictionary_; }
  const RuleSet<InflectionRule>& verbRules() const { return verbRules_.get().set; }
  const RuleSet<AdjectiveRule>& adjectiveRules() const { return adjectiveRules_.get().set; }
  const VerbClassLists& classLists() const { return classLists_; }
  const KanaConverter& kana() const { return kana_; }

  /// The class of a romaji verb from its spelling and the class lists:
  /// 1, 2, 4, 8, 9, 10, 12, 32, or -1 (ItidanOrGodan).
  std::int16_t classifyVerb(std::string_view verb) const;

  /// Appends the forms of `word` for one case (empty: all cases) that pass
  /// the filters (0: any). Never empties `results`.
  void conjugateVerb(InflectionResult word, const std::string& caseName, std::int32_t senseFilter,
                     std::int16_t politenessFilter, std::vector<InflectionResult>& results) const;

  /// The romaji of the last form conjugateVerb would append for all cases
  /// without filters, in `romaji`; false, leaving it alone, when there is
  /// none. For callers that show that form alone.
  bool lastVerbFormRomaji(const InflectionResult& word, std::string& romaji) const;

  void conjugateAdjective(InflectionResult word, const std::string& caseName,
                          std::int32_t senseFilter, std::int16_t politenessFilter,
                          std::vector<InflectionResult>& results) const;

  /// Appends the dictionary words that produce `form` (spaces disregarded).
  void reverseSearchVerbs(std::string form, std::vector<InflectionResult>& candidates) const;
  void reverseSearchAdjectives(std::string form, std::vector<InflectionResult>& candidates) const;

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

  /// The reverse search's production check of one dictionary word: whether
  /// a form conjugateVerb would give for all cases equals `form` (`bare`
  /// without its spaces), `fitting` holding the groups of rules whose tails
  /// end it. `fitSlots` is scratch, all false on entry and exit.
  bool producesForm(const InflectionResult& word, std::string_view bare, const std::string& form,
                    const std::vector<const TailGroup*>& fitting,
                    std::vector<bool>& fitSlots) const;

  /// The reverse search's index of the verb rules, built on its first use:
  /// no other command needs it.
  const VerbSearchIndex& verbSearch() const;

  const KanaConverter& kana_;
  Dictionary verbDictionary_;
  Dictionary adjectiveDictionary_;
  DeferredRules<InflectionRule> verbRules_{parseVerbRules};
  DeferredRules<AdjectiveRule> adjectiveRules_{parseAdjectiveRules};
  VerbClassLists classLists_;
  mutable std::optional<VerbSearchIndex> verbSearch_;  ///< see verbSearch; emptied by loadVerbRules
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
