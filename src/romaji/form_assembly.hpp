#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "inflection/inflection_result.hpp"
#include "inflection/inflection_rule.hpp"
#include "romaji/kana_converter.hpp"

/// `text` without its last `count` bytes (a final kana is two); kept whole
/// when shorter.
std::string_view withoutLastBytes(std::string_view text, std::size_t count);

/// Stem and dictionary ending of an itidan verb: the ending is the last two
/// characters (taberu: tabe + ru).
std::pair<std::string, std::string> splitItidan(const std::string& romaji);

/// Stem and ending of a godan verb: the last character after a vowel, else
/// the last two (kau: ka + u; kaku: ka + ku).
std::pair<std::string, std::string> splitGodan(const std::string& romaji);

/// Stem and dictionary ending of a verb of `wordClass`, as views of
/// `romaji`: split as by splitItidan for class 1 (Itidan), as by splitGodan
/// for any other class.
/// Inline: the reverse search splits every key it tries.
inline std::pair<std::string_view, std::string_view> splitVerb(std::string_view romaji,
                                                               std::int16_t wordClass) {
  // Irregular itidan verbs split as godan; for their "ru" ending both agree.
  std::size_t ending = 2;
  if (wordClass != Itidan && romaji.size() >= 2) {
    const char first = romaji[romaji.size() - 2];
    if (first == 'a' || first == 'e' || first == 'i' || first == 'o' || first == 'u') ending = 1;
  }
  if (romaji.size() <= ending) return {std::string_view{}, romaji};
  return {romaji.substr(0, romaji.size() - ending), romaji.substr(romaji.size() - ending)};
}

/// The form of a rule that serves any verb of its classes: stem, table
/// ending, prefix, suffix and auxiliary, in romaji, written form and kana.
/// The written form converts prefix, ending, suffix and auxiliary one by
/// one; for a stem column (8 and above) the ending and suffix as one.
InflectionResult assembleRegularForm(const InflectionRule& rule, const InflectionResult& verb,
                                     const KanaConverter& kana);

/// The form of a rule restricted to a word or ending: `ruleWord` is cut off
/// the verb and the rule's suffix put in its place. A named-word rule's form
/// is its suffix alone, written as its writtenTail or, when that is empty,
/// with the word's kanji kept (writtenKeepingKanji).
InflectionResult assembleWordForm(const InflectionRule& rule, std::string_view ruleWord,
                                  const InflectionResult& verb, const KanaConverter& kana);

/// The romaji alone of assembleRegularForm: lets a search compare forms
/// before paying for their kana.
std::string regularFormRomaji(const InflectionRule& rule, const InflectionResult& verb);

/// The romaji alone of assembleWordForm.
std::string wordFormRomaji(const InflectionRule& rule, std::string_view ruleWord,
                           const InflectionResult& verb);

/// The kana of the piece [begin, end) of a form's romaji `form`: toKana of
/// the piece, except that a word "wa" standing alone between spaces of the
/// form (and wholly inside the piece) is the particle, written as ha.
std::string formKana(const KanaConverter& kana, std::string_view form, std::size_t begin,
                     std::size_t end);

/// The written form of a named word's replacement, whose kana is
/// `formKana`: the kanji of the word's `written` are kept when the kana
/// begins with the reading they stand for (tou, kanji + u: toute keeps the
/// kanji and writes the rest, u-te, in kana).
/// The okurigana are the longest run of whole two-byte characters that
/// `written` and `reading` end in alike; what precedes them in each is the
/// kanji part and its reading. Without a kanji part, or when the kana does
/// not begin with its reading, the written form is `formKana` itself.
std::string writtenKeepingKanji(std::string_view written, std::string_view reading,
                                std::string_view formKana);
