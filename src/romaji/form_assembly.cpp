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

/// Appends the kana of the piece [begin, end) of the form's romaji;
/// `particles` tells whether the form may hold a particle at all.
void appendKana(std::string& out, const KanaConverter& kana, std::string_view form,
                std::size_t begin, std::size_t end, bool particles) {
  if (end <= begin) return;
  out += particles ? formKana(kana, form, begin, end) : kana.toKana(form.substr(begin, end - begin));
}

constexpr std::string_view kParticleHa = "\xA4\xCF";  // the kana ha

/// Whether the "wa" at `at` stands alone between spaces of the form.
bool isParticleAt(std::string_view form, std::size_t at) {
  return at > 0 && form[at - 1] == ' ' && at + 2 < form.size() && form[at] == 'w' &&
         form[at + 1] == 'a' && form[at + 2] == ' ';
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
  const auto [stem, dictionaryEnding] = splitVerb(verb.romaji, verb.wordClass);
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

std::string_view withoutLastBytes(std::string_view text, std::size_t count) {
  return text.size() < count ? text : text.substr(0, text.size() - count);
}

std::pair<std::string, std::string> splitItidan(const std::string& romaji) {
  const auto [stem, ending] = splitVerb(romaji, Itidan);
  return {std::string(stem), std::string(ending)};
}

std::pair<std::string, std::string> splitGodan(const std::string& romaji) {
  const auto [stem, ending] = splitVerb(romaji, Godan);
  return {std::string(stem), std::string(ending)};
}

std::string regularFormRomaji(const InflectionRule& rule, const InflectionResult& verb) {
  const auto [stem, ending] = regularParts(rule, verb);
  return regularRomaji(rule.formation, stem, ending);
}

std::string wordFormRomaji(const InflectionRule& rule, std::string_view ruleWord,
                           const InflectionResult& verb) {
  if (!namedWord(rule).empty()) return std::string(rule.formation.suffix);
  return wordRomaji(rule.formation, ruleWord, verb.romaji).first;
}

InflectionResult assembleRegularForm(const InflectionRule& rule, const InflectionResult& verb,
                                     const KanaConverter& kana) {
  const RuleFormation& formation = rule.formation;
  const auto [stem, ending] = regularParts(rule, verb);
  std::string romaji = regularRomaji(formation, stem, ending);

  const bool particles = romaji.find(" wa ") != std::string::npos;
  std::string reading = particles ? formKana(kana, romaji, 0, romaji.size()) : kana.toKana(romaji);
  std::string written;
  if (!verb.written.empty()) {
    // The kanji stay; the kana of the dictionary ending gives way to the new
    // one. Each piece is converted on its own (a stem column's ending, not a
    // syllable by itself, together with the suffix).
    const std::size_t endingBegin = formation.prefix.size() + stem.size();
    const std::size_t suffixBegin = endingBegin + ending.size();
    const std::size_t suffixEnd = suffixBegin + formation.suffix.size();
    appendKana(written, kana, romaji, 0, formation.prefix.size(), particles);
    written += withoutLastBytes(verb.written, 2);
    if (formation.endingColumn >= kFirstStemColumn) {
      appendKana(written, kana, romaji, endingBegin, suffixEnd, particles);
    } else {
      appendKana(written, kana, romaji, endingBegin, suffixBegin, particles);
      appendKana(written, kana, romaji, suffixBegin, suffixEnd, particles);
    }
    if (!formation.writtenTail.empty()) {
      written += formation.writtenTail;
    } else if (!formation.auxiliary.empty()) {
      appendKana(written, kana, romaji, suffixEnd + 1, romaji.size(), particles);
    }
  } else {
    written = reading;
  }
  return newForm(std::move(romaji), std::move(written), std::move(reading));
}

InflectionResult assembleWordForm(const InflectionRule& rule, std::string_view ruleWord,
                                  const InflectionResult& verb, const KanaConverter& kana) {
  if (!namedWord(rule).empty()) {
    // The whole named word gives way to the replacement.
    std::string romaji(rule.formation.suffix);
    std::string reading = formKana(kana, romaji, 0, romaji.size());
    std::string written = !rule.formation.writtenTail.empty()
                              ? std::string(rule.formation.writtenTail)
                              : writtenKeepingKanji(verb.written, verb.reading, reading);
    return newForm(std::move(romaji), std::move(written), std::move(reading));
  }
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

  std::string reading = formKana(kana, romaji, 0, romaji.size());
  return newForm(std::move(romaji), std::move(written), std::move(reading));
}

std::string formKana(const KanaConverter& kana, std::string_view form, std::size_t begin,
                     std::size_t end) {
  const std::string_view piece = form.substr(begin, end - begin);
  // A particle lying wholly inside the piece.
  const auto nextParticle = [&](std::size_t from) {
    std::size_t at = piece.find('w', from);
    while (at != std::string_view::npos &&
           !(at + 2 <= piece.size() && isParticleAt(form, begin + at))) {
      at = piece.find('w', at + 1);
    }
    return at;
  };
  std::size_t particle = nextParticle(0);
  if (particle == std::string_view::npos) return kana.toKana(piece);
  if (!kana.isWellFormedRomaji(piece)) return std::string(kResultNotValid);

  // Conversion never joins letters across a space, so the pieces between
  // the particles convert as they would in the whole.
  std::string out;
  std::size_t from = 0;
  for (; particle != std::string_view::npos; particle = nextParticle(particle + 2)) {
    out += kana.toKana(piece.substr(from, particle - from));
    out += kParticleHa;
    from = particle + 2;
  }
  out += kana.toKana(piece.substr(from));
  return out;
}

std::string writtenKeepingKanji(std::string_view written, std::string_view reading,
                                std::string_view formKana) {
  // The kana written and reading end alike in are the okurigana; what comes
  // before them is the kanji part and the reading it stands for.
  std::size_t kanji = written.size();
  std::size_t spoken = reading.size();
  while (kanji >= 2 && spoken >= 2 &&
         written.substr(kanji - 2, 2) == reading.substr(spoken - 2, 2)) {
    kanji -= 2;
    spoken -= 2;
  }
  if (kanji == 0 || spoken == 0 || !formKana.starts_with(reading.substr(0, spoken))) {
    return std::string(formKana);
  }
  std::string out(written.substr(0, kanji));
  out += formKana.substr(spoken);
  return out;
}
