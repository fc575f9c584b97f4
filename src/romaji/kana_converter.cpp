#include "romaji/kana_converter.hpp"

#include "romaji/syllable_table.hpp"

namespace {

constexpr std::string_view kHiraganaSmallTsu = "\xA4\xC3";
constexpr std::string_view kKatakanaSmallTsu = "\xA5\xC3";
constexpr char kDoublingMarker = 'q';

bool isWhiteSpace(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

/// The `count` characters of `word` from `pos`, or empty when the word ends
/// first: looking past the end must never match a syllable.
std::string_view pieceAt(std::string_view word, std::size_t pos, std::size_t count) {
  if (pos >= word.size() || word.size() - pos < count) return {};
  return word.substr(pos, count);
}

/// The character at `pos`, or a space past the end, so lookahead is safe.
char charAt(std::string_view word, std::size_t pos) {
  return pos < word.size() ? word[pos] : ' ';
}

/// The romaji of one or two kana, or a view of the marker for a small tsu;
/// empty when unknown. The view points into the converter's maps.
std::string_view lookUpKanaUnit(const KanaConverter& kana, std::string_view unit) {
  if (auto it = kana.hiraganaToRomaji.find(unit); it != kana.hiraganaToRomaji.end()) {
    return it->second;
  }
  if (auto it = kana.katakanaToRomaji.find(unit); it != kana.katakanaToRomaji.end()) {
    return it->second;
  }
  if (unit == kHiraganaSmallTsu || unit == kKatakanaSmallTsu) {
    static constexpr char marker[] = {kDoublingMarker};
    return {marker, 1};
  }
  return {};
}

/// Replaces every doubling marker by the character after it, working from
/// the end so that a run of markers all take the final consonant. A marker
/// with nothing after it doubles nothing and is dropped.
void resolveDoublingMarkers(std::string& romaji) {
  if (!romaji.empty() && romaji.back() == kDoublingMarker) {
    std::size_t end = romaji.size();
    while (end > 0 && romaji[end - 1] == kDoublingMarker) --end;
    romaji.resize(end);
  }
  for (std::size_t i = romaji.size(); i-- > 1;) {
    if (romaji[i - 1] == kDoublingMarker) romaji[i - 1] = romaji[i];
  }
}

}  // namespace

KanaConverter::KanaConverter() {
  for (const SyllableRow& row : SyllableTable) {
    if (row.romaji == kSyllableTableEnd) break;
    syllables.emplace(row.romaji);
    romajiToKana.emplace(row.romaji, row.hiragana);
    hiraganaToRomaji.emplace(row.hiragana, row.romaji);
    katakanaToRomaji.emplace(row.katakana, row.romaji);
  }
}

bool KanaConverter::isWellFormedRomaji(std::string_view word) const {
  const std::size_t len = word.size();
  bool afterWhiteSpace = false;
  std::size_t p = 0;
  while (p < len) {
    const char c = word[p];
    if (isWhiteSpace(c)) {
      if (afterWhiteSpace) return false;
      afterWhiteSpace = true;
      ++p;
      continue;
    }
    afterWhiteSpace = false;
    if (isDoublingConsonant(c) && charAt(word, p + 1) == c) {
      // The first letter stands for a small tsu; the second starts the next
      // syllable and is tested on the next pass.
      ++p;
    } else if (c == 'n') {
      // "n" alone is always a syllable, so it never fails the word.
      if (syllables.contains(pieceAt(word, p, 3))) {
        p += 3;
      } else if (syllables.contains(pieceAt(word, p, 2))) {
        p += 2;
      } else {
        p += 1;
      }
    } else if (syllables.contains(word.substr(p, 1))) {
      p += 1;
    } else if (syllables.contains(pieceAt(word, p, 2))) {
      p += 2;
    } else if (syllables.contains(pieceAt(word, p, 3))) {
      p += 3;
    } else {
      return false;
    }
  }
  return true;
}

std::string KanaConverter::toKana(std::string_view romaji) const {
  if (!isWellFormedRomaji(romaji)) return std::string(kResultNotValid);
  std::string kana;
  kana.reserve(romaji.size() * 2);
  const std::size_t len = romaji.size();
  std::size_t i = 0;
  while (i < len) {
    const char c = romaji[i];
    if (isWhiteSpace(c)) {
      ++i;
    } else if (isDoublingConsonant(c) && charAt(romaji, i + 1) == c) {
      kana += kHiraganaSmallTsu;
      ++i;
    } else if (auto it = romajiToKana.find(pieceAt(romaji, i, 3)); it != romajiToKana.end()) {
      kana += it->second;
      i += 3;
    } else if (auto it2 = romajiToKana.find(pieceAt(romaji, i, 2)); it2 != romajiToKana.end()) {
      kana += it2->second;
      i += 2;
    } else {
      // Well-formedness guarantees a one-letter syllable here.
      if (auto it1 = romajiToKana.find(romaji.substr(i, 1)); it1 != romajiToKana.end()) {
        kana += it1->second;
      }
      ++i;
    }
  }
  return kana;
}

std::string KanaConverter::kanaUnitToRomaji(std::string_view kana) const {
  return std::string(lookUpKanaUnit(*this, kana));
}

std::string KanaConverter::toRomaji(std::string_view kana) const {
  std::string romaji;
  romaji.reserve(kana.size() * 2);
  std::size_t i = 0;
  // An odd last byte is no kana and is dropped.
  while (i + 1 < kana.size()) {
    if (kana.size() - i >= 4) {
      const std::string_view pair = lookUpKanaUnit(*this, kana.substr(i, 4));
      if (!pair.empty()) {
        romaji += pair;
        i += 4;
        continue;
      }
    }
    romaji += lookUpKanaUnit(*this, kana.substr(i, 2));
    i += 2;
  }
  resolveDoublingMarkers(romaji);
  return romaji;
}
