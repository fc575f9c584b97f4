#include "romaji/kana_converter.hpp"

#include <algorithm>
#include <cstring>

#include "romaji/syllable_table.hpp"

namespace {

constexpr std::string_view kHiraganaSmallTsu = "\xA4\xC3";
constexpr std::string_view kKatakanaSmallTsu = "\xA5\xC3";
constexpr char kDoublingMarker = 'q';

/// The `count` characters of `word` from `pos`, or empty when the word ends
/// first: looking past the end must never match a syllable.
std::string_view pieceAt(std::string_view word, std::size_t pos, std::size_t count) {
  if (pos >= word.size() || word.size() - pos < count) return {};
  return word.substr(pos, count);
}

/// The character at `pos`, or a space past the end, so lookahead is safe.
char charAt(std::string_view word, std::size_t pos) { return pos < word.size() ? word[pos] : ' '; }

/// Replaces every doubling marker of `romaji` from `start` on by the
/// character after it, working from the end so that a run of markers all
/// take the final consonant. A marker with nothing after it doubles nothing
/// and is dropped.
void resolveDoublingMarkers(std::string& romaji, std::size_t start) {
  if (romaji.size() > start && romaji.back() == kDoublingMarker) {
    std::size_t end = romaji.size();
    while (end > start && romaji[end - 1] == kDoublingMarker) --end;
    romaji.resize(end);
  }
  for (std::size_t i = romaji.size(); i-- > start + 1;) {
    if (romaji[i - 1] == kDoublingMarker) romaji[i - 1] = romaji[i];
  }
}

/// The bytes of a unit of one to four bytes with its length above them, so
/// that no unit packs to 0; 0 for any other length.
std::uint64_t packUnit(std::string_view unit) {
  if (unit.empty() || unit.size() > 4) return 0;
  std::uint64_t key = unit.size();
  for (char ch : unit) key = (key << 8) | static_cast<unsigned char>(ch);
  return key;
}

/// The two bytes of one EUC-JP kana as a 16-bit number.
std::size_t packKana(std::string_view kana) {
  return (std::size_t{static_cast<unsigned char>(kana[0])} << 8) |
         static_cast<unsigned char>(kana[1]);
}

std::size_t slotOf(std::uint64_t key, std::size_t slots) {
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> 40) % slots;
}

}  // namespace

void KanaConverter::UnitIndex::insert(std::string_view unit, std::uint16_t row) {
  const std::uint64_t key = packUnit(unit);
  for (std::size_t slot = slotOf(key, kSlots);; slot = (slot + 1) % kSlots) {
    if (keys_[slot] == 0 || keys_[slot] == key) {
      keys_[slot] = key;
      rows_[slot] = row;
      return;
    }
  }
}

std::uint16_t KanaConverter::UnitIndex::find(std::string_view unit) const {
  const std::uint64_t key = packUnit(unit);
  if (key == 0) return kNoRow;
  for (std::size_t slot = slotOf(key, kSlots);; slot = (slot + 1) % kSlots) {
    if (keys_[slot] == key) return rows_[slot];
    if (keys_[slot] == 0) return kNoRow;
  }
}

KanaConverter::KanaConverter() {
  for (std::uint16_t index = 0; index < SyllableTable.size(); ++index) {
    const SyllableRow& row = SyllableTable[index];
    if (row.romaji == kSyllableTableEnd) break;
    romajiIndex_.insert(row.romaji, index);
    hiraganaIndex_.insert(row.hiragana, index);
    katakanaIndex_.insert(row.katakana, index);
    for (std::string_view unit : {std::string_view(row.hiragana), std::string_view(row.katakana)}) {
      if (unit.size() == 4) endsAPair_[packKana(unit.substr(2))] = true;
    }
  }
  for (std::size_t i = 0; i < kanaRows_.size(); ++i) {
    const char unit[] = {static_cast<char>(0xA4 + i / 256), static_cast<char>(i % 256)};
    const std::string_view kana(unit, 2);
    std::uint16_t row = hiraganaIndex_.find(kana);
    if (row == UnitIndex::kNoRow) row = katakanaIndex_.find(kana);
    kanaRows_[i] = row;
    const std::string_view romaji = kanaUnitRomaji(kana);
    kanaLetters_[i].count = static_cast<std::uint8_t>(romaji.size());
    std::copy(romaji.begin(), romaji.end(), kanaLetters_[i].letters.begin());
  }
}

bool KanaConverter::isSyllable(std::string_view romaji) const {
  return romajiIndex_.find(romaji) != UnitIndex::kNoRow;
}

std::string_view KanaConverter::kanaUnitRomaji(std::string_view kana) const {
  if (kana.size() == 2) {
    const std::size_t packed = packKana(kana);
    if (packed >= 0xA400 && packed < 0xA600) {
      if (const std::uint16_t row = kanaRows_[packed - 0xA400]; row != UnitIndex::kNoRow) {
        return SyllableTable[row].romaji;
      }
    }
  }
  if (std::uint16_t row = hiraganaIndex_.find(kana); row != UnitIndex::kNoRow) {
    return SyllableTable[row].romaji;
  }
  if (std::uint16_t row = katakanaIndex_.find(kana); row != UnitIndex::kNoRow) {
    return SyllableTable[row].romaji;
  }
  if (kana == kHiraganaSmallTsu || kana == kKatakanaSmallTsu) {
    static constexpr char marker[] = {kDoublingMarker};
    return {marker, 1};
  }
  return {};
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
      if (isSyllable(pieceAt(word, p, 3))) {
        p += 3;
      } else if (isSyllable(pieceAt(word, p, 2))) {
        p += 2;
      } else {
        p += 1;
      }
    } else if (isSyllable(word.substr(p, 1))) {
      p += 1;
    } else if (isSyllable(pieceAt(word, p, 2))) {
      p += 2;
    } else if (isSyllable(pieceAt(word, p, 3))) {
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
    } else if (std::uint16_t row3 = romajiIndex_.find(pieceAt(romaji, i, 3));
               row3 != UnitIndex::kNoRow) {
      kana += SyllableTable[row3].hiragana;
      i += 3;
    } else if (std::uint16_t row2 = romajiIndex_.find(pieceAt(romaji, i, 2));
               row2 != UnitIndex::kNoRow) {
      kana += SyllableTable[row2].hiragana;
      i += 2;
    } else {
      // Well-formedness guarantees a one-letter syllable here.
      if (std::uint16_t row1 = romajiIndex_.find(romaji.substr(i, 1)); row1 != UnitIndex::kNoRow) {
        kana += SyllableTable[row1].hiragana;
      }
      ++i;
    }
  }
  return kana;
}

std::string KanaConverter::kanaUnitToRomaji(std::string_view kana) const {
  return std::string(kanaUnitRomaji(kana));
}

std::string KanaConverter::toRomaji(std::string_view kana) const {
  std::string romaji;
  // Most kana take two letters: a short reading's romaji stays in the
  // string itself, with no allocation.
  romaji.reserve(kana.size());
  appendRomaji(kana, romaji);
  return romaji;
}

void KanaConverter::appendRomaji(std::string_view kana, std::string& out) const {
  const std::size_t start = out.size();
  // The letters gather in a buffer that goes to `out` in one append (more
  // for a reading too long for it); a plain kana's letters are copied as
  // one four-byte block, so the buffer keeps four bytes of slack.
  std::array<char, 256> letters;
  std::size_t count = 0;
  const auto makeRoom = [&] {
    if (letters.size() - count < sizeof(KanaLetters::letters)) {
      out.append(letters.data(), count);
      count = 0;
    }
  };
  std::size_t i = 0;
  // An odd last byte is no kana and is dropped.
  while (i + 1 < kana.size()) {
    makeRoom();
    const auto lead = static_cast<unsigned char>(kana[i]);
    if (kana.size() - i >= 4 && endsAPair_[packKana(kana.substr(i + 2, 2))]) {
      const std::string_view pair = kanaUnitRomaji(kana.substr(i, 4));
      if (!pair.empty()) {
        for (const char letter : pair) letters[count++] = letter;
        i += 4;
        continue;
      }
    }
    if (lead == 0xA4 || lead == 0xA5) {
      const KanaLetters& plain = kanaLetters_[packKana(kana.substr(i, 2)) - 0xA400];
      std::memcpy(letters.data() + count, plain.letters.data(), plain.letters.size());
      count += plain.count;
    } else {
      for (const char letter : kanaUnitRomaji(kana.substr(i, 2))) letters[count++] = letter;
    }
    i += 2;
  }
  out.append(letters.data(), count);
  resolveDoublingMarkers(out, start);
}
