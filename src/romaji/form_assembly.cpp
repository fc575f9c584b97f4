#include "romaji/form_assembly.hpp"

#include <string_view>

#include "inflection/word_class.hpp"
#include "romaji/verb_ending_table.hpp"

namespace {

using StemAndEnding = std::pair<std::string_view, std::string_view>;

/// Splits off the last `endingLength` characters; a shorter word is all
/// ending.
StemAndEnding splitLast(std::string_view romaji, std::size_t endingLength) {
  if (romaji.size() <= endingLength) return {std::string_view{}, romaji};
  const std::size_t stemLength = romaji.size() - endingLength;
  return {romaji.substr(0, stemLength), romaji.substr(stemLength)};
}

StemAndEnding itidanParts(std::string_view romaji) { return splitLast(romaji, 2); }

StemAndEnding godanParts(std::string_view romaji) {
  if (romaji.size() < 2) return splitLast(romaji, romaji.size());
  const char first = romaji[romaji.size() - 2];
  const bool afterVowel = first == 'a' || first == 'e' || first == 'i' || first == 'o' || first == 'u';
  return splitLast(romaji, afterVowel ? 1 : 2);
}

/// `text` without its last `count` bytes; kept whole when shorter.
std::string_view withoutLastBytes(std::string_view text, std::size_t count) {
  return text.size() < count ? text : text.substr(0, text.size() - count);
}

void appendKana(std::string& out, std::string_view romaji, const KanaConverter& kana) {
  if (!romaji.empty()) out += kana.toKana(romaji);
}

/// A fresh plain affirmative verb inflection holding only its spellings.
InflectionResult newForm(std::string romaji, std::string written, std::string reading) {
  InflectionResult form;
  form.wordClass = VerbInflection;
  form.romaji = std::move(romaji);
  form.written = std::move(written);
  form.reading = std::move(reading);
  return form;
}

/// Stem and table ending of a regular form.
StemAndEnding regularParts(const InflectionRule& rule, const InflectionResult& verb) {
  // Irregular itidan verbs split as godan; for their "ru" ending both agree.
  const auto [stem, dictionaryEnding] =
      verb.wordClass == Itidan ? itidanParts(verb.romaji) : godanParts(verb.romaji);
  return {stem, verbEnding(verbEndingRow(verb.wordClass, dictionaryEnding),
                           rule.formation.endingColumn)};
}

std::string regularRomaji(const RuleFormation& formation, std::string_view stem,
                          std::string_view ending) {
  std::string romaji;
  romaji.reserve(formation.prefix.size() + stem.size() + ending.size() + formation.suffix.size() +
                 1 + formation.auxiliary.size());
  romaji += formation.prefix;
  romaji += stem;
  romaji += ending;
  romaji += formation.suffix;
  if (!formation.auxiliary.empty()) {
    romaji += ' ';
    romaji += formation.auxiliary;
  }
  return romaji;
}

/// The romaji of a word form and the stem the rule word leaves.
std::pair<std::string, std::string_view> wordRomaji(const RuleFormation& formation,
                                                    std::string_view ruleWord,
                                                    std::string_view verbRomaji) {
  constexpr std::string_view kSuruCompound = " suru";
  std::string_view stem;
  std::string romaji;
  if (verbRomaji.size() > kSuruCompound.size() - 1 && verbRomaji.ends_with(kSuruCompound)) {
    // A noun + suru compound keeps its noun and the space; a suffix that
    // repeats the noun does not repeat it in the form.
    stem = verbRomaji.substr(0, verbRomaji.size() - kSuruCompound.size());
    std::string_view replacement = formation.suffix;
    if (replacement.starts_with(stem)) replacement.remove_prefix(stem.size());
    romaji.reserve(stem.size() + 1 + replacement.size());
    romaji += stem;
    romaji += ' ';
    romaji += replacement;
  } else {
    stem = splitLast(verbRomaji, ruleWord.size()).first;
    if (verbRomaji.size() < ruleWord.size()) stem = verbRomaji;
    romaji.reserve(stem.size() + formation.suffix.size());
    romaji += stem;
    romaji += formation.suffix;
  }
  return {std::move(romaji), stem};
}

}  // namespace

std::pair<std::string, std::string> splitItidan(const std::string& romaji) {
  const auto [stem, ending] = itidanParts(romaji);
  return {std::string(stem), std::string(ending)};
}

std::pair<std::string, std::string> splitGodan(const std::string& romaji) {
  const auto [stem, ending] = godanParts(romaji);
  return {std::string(stem), std::string(ending)};
}

std::string regularFormRomaji(const InflectionRule& rule, const InflectionResult& verb) {
  const auto [stem, ending] = regularParts(rule, verb);
  return regularRomaji(rule.formation, stem, ending);
}

std::string wordFormRomaji(const InflectionRule& rule, const std::string& ruleWord,
                           const InflectionResult& verb) {
  return wordRomaji(rule.formation, ruleWord, verb.romaji).first;
}

InflectionResult assembleRegularForm(const InflectionRule& rule, const InflectionResult& verb,
                                     const KanaConverter& kana) {
  const RuleFormation& formation = rule.formation;
  const auto [stem, ending] = regularParts(rule, verb);
  std::string romaji = regularRomaji(formation, stem, ending);

  std::string reading = kana.toKana(romaji);
  std::string written;
  if (!verb.written.empty()) {
    // The kanji stay; the kana of the dictionary ending gives way to the new one.
    appendKana(written, formation.prefix, kana);
    written += withoutLastBytes(verb.written, 2);
    appendKana(written, ending, kana);
    appendKana(written, formation.suffix, kana);
    if (!formation.writtenTail.empty()) {
      written += formation.writtenTail;
    } else {
      appendKana(written, formation.auxiliary, kana);
    }
  } else {
    written = reading;
  }
  return newForm(std::move(romaji), std::move(written), std::move(reading));
}

InflectionResult assembleWordForm(const InflectionRule& rule, const std::string& ruleWord,
                                  const InflectionResult& verb, const KanaConverter& kana) {
  auto [romaji, stem] = wordRomaji(rule.formation, ruleWord, verb.romaji);

  std::string written;
  if (!stem.empty()) {
    if (!verb.written.empty()) {
      written += withoutLastBytes(verb.written, 4);
    } else {
      written += kana.toKana(stem);
    }
  }
  written += rule.formation.writtenTail;

  std::string reading = kana.toKana(romaji);
  return newForm(std::move(romaji), std::move(written), std::move(reading));
}
