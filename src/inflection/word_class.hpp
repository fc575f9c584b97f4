#pragma once

#include <cstdint>
#include <string_view>

/// Word classes are a small bit set: rules test membership with AND, labels
/// are chosen by exact value.
enum WordClass : std::int16_t {
  ItidanOrGodan = -1,  ///< only from classification: may be either
  Itidan = 1,
  Godan = 2,
  SuruAux = 4,
  Irregular = 8,
  IrregularItidan = 9,
  IrregularGodan = 10,
  IrregularSuru = 12,
  VerbInflection = 16,
  Copula = 32,
  TrueAdjective = 256,
  QuasiAdjective = 512,
  AdjectiveInflection = 2048,
  Noun = 4096,
  WordOverride = 16384,  ///< only a rule's resultClass: marks an exception rule
};

/// A bit no word class carries. Set in a verb rule's appliesTo, the rule is
/// restricted (see ruleApplies): with a word and not an exception it serves
/// that one word whatever its class, and the low bits and the prefix field
/// restrict it further; set in an adjective rule's resultClass (with a
/// word), the rule serves that one adjective.
inline constexpr std::uint16_t NamedWord = 0x8000;

enum Sense : std::int32_t { AnySense = 0, Affirmative = 1, Negative = 2 };

enum Politeness : std::int32_t { AnyPoliteness = 0, Abrupt = 1, Plain = 2, Polite = 3 };

enum Attitude : std::int32_t { Neutral = 0, Honorific = 1, Humble = 2 };

/// The label printed after a result, such as "(Itidan)"; empty for a value
/// that has none.
std::string_view classLabel(std::int16_t wordClass);

/// The part-of-speech name of the result file header, such as "Itidan Verb";
/// empty for a value that has none.
std::string_view partOfSpeechName(std::int16_t wordClass);
