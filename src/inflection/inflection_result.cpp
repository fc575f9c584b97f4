#include "inflection/inflection_result.hpp"

#include <utility>

InflectionResult::InflectionResult(std::string romaji, std::int16_t wordClass,
                                   std::int32_t politeness, std::int32_t sense,
                                   std::int32_t attitude, std::uint8_t colloquial,
                                   std::string caseName, std::string gloss)
    : romaji(std::move(romaji)),
      wordClass(wordClass),
      politeness(politeness),
      attitude(attitude),
      colloquial(colloquial),
      sense(sense),
      caseName(std::move(caseName)),
      gloss(std::move(gloss)) {}
