#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "inflection/word_class.hpp"

/// One word form: the word handed to an engine and every form it returns.
/// A plain value; copies are deep.
struct InflectionResult {
  std::string written;  ///< EUC-JP kanji with kana endings, or kana; may be empty
  std::string reading;  ///< EUC-JP hiragana
  std::string romaji;   ///< Nihon-shiki romaji; what every rule matches against
  std::int16_t wordClass = 0;
  std::int32_t politeness = Plain;
  std::int32_t attitude = Neutral;
  std::uint8_t colloquial = 0;
  std::int32_t sense = Affirmative;
  std::vector<std::int16_t> appliedCases;  ///< cases already applied to reach this form
  std::string caseName = "Infinitive (Dict Form)";
  std::string gloss;
  std::string meaning;
  std::array<std::string, 5> extended;  ///< English forms for [do] [does] [doing] [did] [done]

  /// The empty record: class 0, the initial current word.
  InflectionResult() = default;

  /// A form built from its romaji; unspecified values take the defaults of a
  /// plain affirmative verb inflection.
  explicit InflectionResult(std::string romaji, std::int16_t wordClass = VerbInflection,
                            std::int32_t politeness = Plain, std::int32_t sense = Affirmative,
                            std::int32_t attitude = Neutral, std::uint8_t colloquial = 0,
                            std::string caseName = "Infinitive (Dict Form)",
                            std::string gloss = {});
};
