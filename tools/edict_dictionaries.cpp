#include "edict_dictionaries.hpp"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <istream>
#include <ostream>
#include <tuple>

#include "inflection/word_class.hpp"
#include "romaji/kana_converter.hpp"

namespace {

// EUC-JP kana appended to a noun that takes suru.
constexpr std::string_view kSuruKana = "\xA4\xB9\xA4\xEB";
// The ending of the -zuru verbs (kanzuru).
constexpr std::string_view kZuruKana = "\xA4\xBA\xA4\xEB";
constexpr std::string_view kSmallTsu = "\xA4\xC3";
constexpr std::string_view kSmallTsuKatakana = "\xA5\xC3";

struct VerbTag {
  std::string_view tag;
  std::int16_t wordClass;
};

// Modern verb kinds only: the classical v2/v4 kinds, vs-c, vr and vn have no
// rules to conjugate them. The -zuru kind (vz) conjugates like the special
// suru kind, with z for s, so it shares its class.
constexpr VerbTag kVerbTags[] = {
    {"v1", Itidan},          {"v1-s", IrregularItidan}, {"v5b", Godan},
    {"v5g", Godan},          {"v5k", Godan},            {"v5m", Godan},
    {"v5n", Godan},          {"v5r", Godan},            {"v5s", Godan},
    {"v5t", Godan},          {"v5u", Godan},            {"v5k-s", IrregularGodan},
    {"v5r-i", IrregularGodan}, {"v5aru", IrregularGodan}, {"v5u-s", IrregularGodan},
    {"vk", Irregular},       {"vs-i", SuruAux},         {"vs-s", IrregularSuru},
    {"vz", IrregularSuru},
};

// Verbs the grammar conjugates that EDICT files under a classical kind only.
// gozaru lives on in gozaimasu, gozaimasen, gozaimasita, conjugated like the
// -aru honorifics (kudasaru, nasaru), and its plain forms are archaic: the
// label says so instead of EDICT's (arch), which would warn a learner off
// gozaimasu too. kieyuku is a compound of yuku and conjugates like it.
struct KindCorrection {
  std::string_view key;        // romaji of the reading
  std::string_view edictTag;   // the classical kind EDICT gives
  std::string_view modernTag;  // the kind whose rules it follows today
  std::int32_t attitude;
  std::string_view label;  // replaces the label EDICT's tags would give
};

constexpr KindCorrection kKindCorrections[] = {
    {"gozaru", "v4r", "v5aru", Honorific, "(polite forms only)"},
    {"degozaru", "v4r", "v5aru", Honorific, "(polite forms only)"},
    {"kieyuku", "v4k", "v5k-s", Neutral, ""},
};

// Usage tags that make a word one a learner should not take for the everyday
// word, most serious first: a word with several says the first.
struct UsageMark {
  std::string_view tag;
  std::string_view label;
};

constexpr UsageMark kUsageMarks[] = {
    {"vulg", "(vulgar)"}, {"X", "(vulgar)"},     {"sl", "(slang)"},     {"net-sl", "(slang)"},
    {"joc", "(jocular)"}, {"obs", "(obsolete)"}, {"arch", "(archaic)"},
};

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool hasTag(const std::vector<std::string>& tags, std::string_view tag) {
  return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

// The senses carrying `tag`: the first makes the line's meaning, the others
// supply glosses that tell homophones apart.
std::vector<const EdictSense*> sensesTagged(const EdictEntry& entry, std::string_view tag) {
  std::vector<const EdictSense*> senses;
  for (const EdictSense& sense : entry.senses)
    if (hasTag(sense.partsOfSpeech, tag)) senses.push_back(&sense);
  return senses;
}

// A noun's gloss read as a verb: "study" becomes "to study".
std::string verbalGloss(const std::string& gloss) {
  return startsWith(gloss, "to ") ? gloss : "to " + gloss;
}

std::vector<std::string> glossesOf(const std::vector<const EdictSense*>& senses, bool verbal) {
  std::vector<std::string> glosses;
  for (const EdictSense* sense : senses)
    for (const std::string& gloss : sense->glosses)
      glosses.push_back(verbal ? verbalGloss(gloss) : gloss);
  return glosses;
}

// True for a verb kind the converter has no class for (classical kinds,
// vs-c, vr, vn, v5uru, v-unspec); "vs" marks a noun taking suru.
bool isUnservedVerbTag(std::string_view tag) {
  return tag.size() > 1 && tag[0] == 'v' && isPartOfSpeechTag(tag) && tag != "vi" && tag != "vt" &&
         tag != "vs" && !verbClassOfTag(tag);
}

const KindCorrection* kindCorrection(const EdictEntry& entry, const KanaConverter& converter) {
  for (const KindCorrection& correction : kKindCorrections) {
    bool tagged = std::any_of(entry.senses.begin(), entry.senses.end(), [&](const EdictSense& sense) {
      return hasTag(sense.partsOfSpeech, correction.edictTag);
    });
    if (!tagged) continue;
    for (const EdictForm& reading : entry.readings)
      if (romajiKey(converter, reading.text) == correction.key) return &correction;
  }
  return nullptr;
}

// The distinct tags of one kind in the order the entry's senses name them.
template <typename Predicate>
std::vector<std::string> tagsInOrder(const EdictEntry& entry, Predicate wanted) {
  std::vector<std::string> tags;
  for (const EdictSense& sense : entry.senses)
    for (const std::string& tag : sense.partsOfSpeech)
      if (wanted(tag) && !hasTag(tags, tag)) tags.push_back(tag);
  return tags;
}

// A dictionary word must end where its rules expect: verbs in u, true
// adjectives in i.
bool hasExpectedEnding(std::string_view key, bool adjective) {
  return !key.empty() && key.back() == (adjective ? 'i' : 'u');
}

void appendLine(DictionaryLine line, bool adjective, const KanaConverter& converter,
                std::vector<DictionaryLine>& lines, ConversionStats& stats) {
  std::optional<std::string> key = romajiKey(converter, line.reading);
  if (!key) {
    ++stats.unreadableKana;
    stats.skippedReadings.push_back(line.reading);
    return;
  }
  if (!hasExpectedEnding(*key, adjective)) {
    ++stats.unexpectedEnding;
    stats.skippedReadings.push_back(line.reading);
    return;
  }
  line.key = std::move(*key);
  lines.push_back(std::move(line));
}

// The gloss without its parenthesised asides, spaces closed up; the gloss
// itself when nothing else would remain.
std::string withoutAsides(std::string_view gloss) {
  std::string plain;
  int depth = 0;
  for (char c : gloss) {
    if (c == '(') {
      ++depth;
    } else if (c == ')' && depth > 0) {
      --depth;
    } else if (depth == 0 && !(c == ' ' && (plain.empty() || plain.back() == ' '))) {
      plain += c;
    }
  }
  while (!plain.empty() && plain.back() == ' ') plain.pop_back();
  return plain.empty() ? std::string(gloss) : plain;
}

std::string fieldText(std::string text) {
  std::replace(text.begin(), text.end(), '\t', ' ');
  return text;
}

// The glosses labelledMeaning shows: as many as fit in `width` bytes joined by
// "; ", the first always, without its asides when it alone is too long.
std::vector<std::string> fittingGlosses(const std::vector<std::string>& glosses, std::size_t width) {
  std::vector<std::string> shown;
  std::size_t size = 0;
  for (const std::string& gloss : glosses) {
    if (shown.empty()) {
      shown.push_back(gloss.size() > width ? withoutAsides(gloss) : gloss);
      size = shown.back().size();
      continue;
    }
    if (size + 2 + gloss.size() > width) break;
    shown.push_back(gloss);
    size += 2 + gloss.size();
  }
  return shown;
}

// The room the glosses leave for a label and the space before it.
std::size_t roomBeside(std::string_view label, std::size_t width) {
  if (label.empty()) return width;
  return width > label.size() + 1 ? width - label.size() - 1 : 0;
}

std::string meaningText(const std::vector<std::string>& shown, std::string_view label,
                        std::size_t width) {
  std::string text;
  for (const std::string& gloss : shown) {
    if (!text.empty()) text += "; ";
    text += gloss;
  }
  text = fieldText(std::move(text));
  if (label.empty()) return text;
  if (text.size() + 1 + label.size() <= width) return text + " " + std::string(label);
  return std::string(label) + " " + text;
}

bool contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// What follows a line's glosses: its usage label, then its class note.
std::string suffixOf(const DictionaryLine& line) {
  if (line.classNote.empty()) return line.label;
  if (line.label.empty()) return line.classNote;
  return line.label + " " + line.classNote;
}

// The line's shown glosses with `gloss` added, dropping shown glosses from
// the end (never the first, though it may lose its asides) until the
// meaning fits in `width`.
std::optional<std::vector<std::string>> showingAlso(const DictionaryLine& line,
                                                    const std::string& gloss, std::size_t width) {
  const std::string suffix = suffixOf(line);
  for (std::size_t kept = line.shown.size(); kept >= 1; --kept) {
    std::vector<std::string> shown(line.shown.begin(),
                                   line.shown.begin() + static_cast<std::ptrdiff_t>(kept));
    shown.push_back(gloss);
    if (meaningText(shown, suffix, width).size() <= width) return shown;
  }
  std::vector<std::string> shown = {withoutAsides(line.shown.front()), gloss};
  if (meaningText(shown, suffix, width).size() <= width) return shown;
  return std::nullopt;
}

// The bytes of the EUC-JP character that starts with `lead`: one for ASCII,
// three for the supplementary kanji (0x8F), else two.
std::size_t eucCharSize(unsigned char lead) {
  if (lead < 0x80) return 1;
  return lead == 0x8F ? 3 : 2;
}

// True for the lead byte of a kanji: JIS rows 16 and up, and the
// supplementary kanji.
bool isKanjiLead(unsigned char lead) { return lead >= 0xB0 || lead == 0x8F; }

// The kanji of a text, one per string.
std::vector<std::string_view> kanjiOf(std::string_view text) {
  std::vector<std::string_view> kanji;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t size = eucCharSize(lead);
    if (isKanjiLead(lead)) kanji.push_back(text.substr(i, size));
    i += size;
  }
  return kanji;
}

bool hasKatakana(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); i += eucCharSize(static_cast<unsigned char>(text[i])))
    if (static_cast<unsigned char>(text[i]) == 0xA5) return true;
  return false;
}

// How the menu tells apart two words alike but for their class.
std::string classNoteOf(std::int16_t wordClass) {
  if (wordClass == Itidan) return "(itidan)";
  if (wordClass == Godan) return "(godan)";
  return "";
}

// One key's lines as a menu shows them. `dropped` marks lines merged away.
struct KeyLines {
  std::vector<DictionaryLine>& lines;
  std::vector<bool> dropped;
  std::size_t width;

  bool alike(const std::string& a, const std::string& b) const {
    return a.compare(0, width, b, 0, width) == 0;
  }

  // True when `meaning` reads as some line's other than lines `index` and `also`.
  bool clashesWithAnother(std::size_t index, const std::string& meaning,
                          std::size_t also = SIZE_MAX) const {
    for (std::size_t other = 0; other < lines.size(); ++other)
      if (other != index && other != also && !dropped[other] && alike(lines[other].meaning, meaning))
        return true;
    return false;
  }

  // The first earlier line whose meaning reads as line `index`'s does.
  std::optional<std::size_t> earlierAlike(std::size_t index) const {
    for (std::size_t other = 0; other < index; ++other)
      if (!dropped[other] && alike(lines[other].meaning, lines[index].meaning)) return other;
    return std::nullopt;
  }

  // Adds to line `index` its first gloss that the `rival` line lacks, if
  // the meaning then fits and reads differently from every other line's. A
  // gloss both have would make the texts differ without telling the words
  // apart.
  bool lengthen(std::size_t index, std::size_t rival) {
    DictionaryLine& line = lines[index];
    for (const std::string& gloss : line.glosses) {
      const std::string plain = withoutAsides(gloss);
      if (contains(lines[rival].glosses, gloss) || contains(line.shown, gloss) ||
          contains(line.shown, plain))
        continue;
      for (const std::string& candidate : {gloss, plain}) {
        std::optional<std::vector<std::string>> shown = showingAlso(line, candidate, width);
        if (!shown) continue;
        std::string meaning = meaningText(*shown, suffixOf(line), width);
        if (clashesWithAnother(index, meaning)) continue;
        line.shown = std::move(*shown);
        line.meaning = std::move(meaning);
        return true;
      }
    }
    return false;
  }

  // Lines alike but for their class say their class, when both have a note.
  bool noteClasses(std::size_t index, std::size_t other) {
    std::vector<DictionaryLine> noted = {lines[index], lines[other]};
    for (DictionaryLine& line : noted) {
      line.classNote = classNoteOf(line.wordClass);
      if (line.classNote.empty()) return false;
      const std::string suffix = suffixOf(line);
      line.shown = fittingGlosses(line.shown, roomBeside(suffix, width));
      line.meaning = meaningText(line.shown, suffix, width);
    }
    if (alike(noted[0].meaning, noted[1].meaning) ||
        clashesWithAnother(index, noted[0].meaning, other) ||
        clashesWithAnother(other, noted[1].meaning, index))
      return false;
    lines[index] = std::move(noted[0]);
    lines[other] = std::move(noted[1]);
    return true;
  }

  // Line `index` joins line `into`, an earlier line, keeping the spelling
  // the order of the key prefers; but a katakana rendering of a word (スゴイ)
  // gives way to a kanji spelling (凄い), however marked.
  void merge(std::size_t index, std::size_t into) {
    DictionaryLine& kept = lines[into];
    const DictionaryLine& other = lines[index];
    if (kept.katakana && !kanjiOf(other.written).empty()) {
      kept.written = other.written;
      kept.reading = other.reading;
      kept.katakana = false;
    }
    dropped[index] = true;
  }
};

bool sameKind(const DictionaryLine& a, const DictionaryLine& b) {
  return std::tie(a.wordClass, a.attitude, a.label) == std::tie(b.wordClass, b.attitude, b.label);
}

bool sameWord(const DictionaryLine& a, const DictionaryLine& b) {
  return sameKind(a, b) && a.glosses == b.glosses;
}

bool containsAll(const std::vector<std::string>& texts, const std::vector<std::string>& some) {
  return std::all_of(some.begin(), some.end(),
                     [&](const std::string& text) { return contains(texts, text); });
}

void settleKey(KeyLines& key, HomophoneCounts& counts) {
  std::vector<DictionaryLine>& lines = key.lines;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (key.dropped[j] || !sameWord(lines[j], lines[i])) continue;
      key.merge(i, j);
      ++counts.merged;
      break;
    }
  }
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (key.dropped[i]) continue;
    // Each pass settles one earlier line that reads alike, so it ends.
    while (std::optional<std::size_t> j = key.earlierAlike(i)) {
      if (key.lengthen(i, *j)) {
        ++counts.distinguished;
        break;
      }
      // A spelling EDICT gives some senses of a word only (云う of 言う)
      // is that word.
      if (sameKind(lines[i], lines[*j]) && containsAll(lines[*j].glosses, lines[i].glosses)) {
        key.merge(i, *j);
        ++counts.merged;
        break;
      }
      if (key.lengthen(*j, i)) {
        ++counts.distinguished;
        continue;
      }
      if (lines[i].wordClass == lines[*j].wordClass) {
        key.merge(i, *j);
        ++counts.merged;
      } else if (key.noteClasses(i, *j)) {
        ++counts.distinguished;
      } else {
        ++counts.indistinct;
      }
      break;
    }
  }
}

// The stem of a word as compounds write it: the continuative of a godan
// verb (書き of 書く), an itidan verb or adjective without its ending
// (着 of 着る, 暑 of 暑い), the noun of a suru verb. Empty for a word
// written without kanji, whose kana would match everywhere.
std::string stemOf(const DictionaryLine& line, const KanaConverter& converter) {
  std::string_view written = line.written;
  if (kanjiOf(written).empty()) return "";
  for (std::string_view suffix : {kSuruKana, kZuruKana})
    if ((line.wordClass == SuruAux || line.wordClass == IrregularSuru) && endsWith(written, suffix))
      return std::string(written.substr(0, written.size() - suffix.size()));
  if (written.size() < 2 || static_cast<unsigned char>(written[written.size() - 2]) != 0xA4)
    return std::string(written);  // no kana ending
  const std::string_view body = written.substr(0, written.size() - 2);
  if (line.wordClass == TrueAdjective || line.wordClass == Itidan ||
      line.wordClass == IrregularItidan || line.wordClass == Irregular)
    return std::string(body);
  std::string ending = converter.toRomaji(written.substr(written.size() - 2));
  if (ending.empty() || ending.back() != 'u') return std::string(written);
  ending.back() = 'i';
  return std::string(body) + converter.toKana(ending);
}

// True for a compound adjective written with the kanji of an ending that is
// usually kana: 揺るぎ無い (yurugi-nai), 見難い and 聞き悪い (-nikui),
// 言い難い (-gatai), 見辛い (-zurai).
bool hasKanjiEnding(const DictionaryLine& line) {
  struct Ending {
    std::string_view reading;
    std::string_view written;
  };
  static constexpr Ending kEndings[] = {
      {"\xA4\xCA\xA4\xA4", "\xCC\xB5\xA4\xA4"},          // nai: 無い
      {"\xA4\xCB\xA4\xAF\xA4\xA4", "\xC6\xF1\xA4\xA4"},  // nikui: 難い
      {"\xA4\xCB\xA4\xAF\xA4\xA4", "\xB0\xAD\xA4\xA4"},  // nikui: 悪い
      {"\xA4\xAC\xA4\xBF\xA4\xA4", "\xC6\xF1\xA4\xA4"},  // gatai: 難い
      {"\xA4\xC5\xA4\xE9\xA4\xA4", "\xBF\xC9\xA4\xA4"},  // zurai: 辛い
  };
  if (line.wordClass != TrueAdjective) return false;
  return std::any_of(std::begin(kEndings), std::end(kEndings), [&](const Ending& ending) {
    return line.reading.size() > ending.reading.size() && endsWith(line.reading, ending.reading) &&
           line.written.size() > ending.written.size() && endsWith(line.written, ending.written);
  });
}

// A kanji found in fewer (P) headwords than this is one a reader rarely
// meets outside the word itself (掻 of 掻き消す, 齧 of 齧る).
constexpr std::size_t kCommonKanjiUses = 8;

// The everyday spellings of the keys a first- and second-year learner looks
// up most, in the order a teacher would give them: our own list, since this
// EDICT marks most of them (P) and lists them in character-code order. A
// spelling listed first is also the one kept when spellings of one word merge
// (言う over 云う, 聞く over 聴く).
struct EverydaySpelling {
  std::string_view key;
  std::string_view spellings;  // EUC-JP, most everyday first, separated by spaces
};

constexpr EverydaySpelling kEverydaySpellings[] = {
    // 開ける 空ける 明ける
    {"akeru", "\xB3\xAB\xA4\xB1\xA4\xEB \xB6\xF5\xA4\xB1\xA4\xEB \xCC\xC0\xA4\xB1\xA4\xEB"},
    // 開く 空く
    {"aku", "\xB3\xAB\xA4\xAF \xB6\xF5\xA4\xAF"},
    // 表す 現す 著す
    {"arawasu", "\xC9\xBD\xA4\xB9 \xB8\xBD\xA4\xB9 \xC3\xF8\xA4\xB9"},
    // 暖かい 温かい
    {"atatakai", "\xC3\xC8\xA4\xAB\xA4\xA4 \xB2\xB9\xA4\xAB\xA4\xA4"},
    // 暑い 熱い 厚い
    {"atui", "\xBD\xEB\xA4\xA4 \xC7\xAE\xA4\xA4 \xB8\xFC\xA4\xA4"},
    // 会う 合う
    {"au", "\xB2\xF1\xA4\xA6 \xB9\xE7\xA4\xA6"},
    // 謝る 誤る
    {"ayamaru", "\xBC\xD5\xA4\xEB \xB8\xED\xA4\xEB"},
    // で御座る
    {"degozaru", "\xA4\xC7\xB8\xE6\xBA\xC2\xA4\xEB"},
    // 御座る
    {"gozaru", "\xB8\xE6\xBA\xC2\xA4\xEB"},
    // 履く 吐く 掃く
    {"haku", "\xCD\xFA\xA4\xAF \xC5\xC7\xA4\xAF \xC1\xDD\xA4\xAF"},
    // 早い 速い
    {"hayai", "\xC1\xE1\xA4\xA4 \xC2\xAE\xA4\xA4"},
    // 減る 経る
    {"heru", "\xB8\xBA\xA4\xEB \xB7\xD0\xA4\xEB"},
    // 引く 弾く
    {"hiku", "\xB0\xFA\xA4\xAF \xC3\xC6\xA4\xAF"},
    // 掘る 彫る
    {"horu", "\xB7\xA1\xA4\xEB \xC4\xA6\xA4\xEB"},
    // 降る 振る
    {"huru", "\xB9\xDF\xA4\xEB \xBF\xB6\xA4\xEB"},
    // 居る 要る 入る
    {"iru", "\xB5\xEF\xA4\xEB \xCD\xD7\xA4\xEB \xC6\xFE\xA4\xEB"},
    // 言う
    {"iu", "\xB8\xC0\xA4\xA6"},
    // 帰る 変える 返る 替える
    {"kaeru",
     "\xB5\xA2\xA4\xEB \xCA\xD1\xA4\xA8\xA4\xEB \xCA\xD6\xA4\xEB \xC2\xD8\xA4\xA8\xA4\xEB"},
    // 返す 帰す
    {"kaesu", "\xCA\xD6\xA4\xB9 \xB5\xA2\xA4\xB9"},
    // 書く 描く 掻く
    {"kaku", "\xBD\xF1\xA4\xAF \xC9\xC1\xA4\xAF \xC1\xDF\xA4\xAF"},
    // 噛む
    {"kamu", "\xB3\xFA\xA4\xE0"},
    // 固い 硬い 堅い
    {"katai", "\xB8\xC7\xA4\xA4 \xB9\xC5\xA4\xA4 \xB7\xF8\xA4\xA4"},
    // 買う 飼う
    {"kau", "\xC7\xE3\xA4\xA6 \xBB\xF4\xA4\xA6"},
    // 変わる 代わる
    {"kawaru", "\xCA\xD1\xA4\xEF\xA4\xEB \xC2\xE5\xA4\xEF\xA4\xEB"},
    // 聞く 効く
    {"kiku", "\xCA\xB9\xA4\xAF \xB8\xFA\xA4\xAF"},
    // 切る 着る
    {"kiru", "\xC0\xDA\xA4\xEB \xC3\xE5\xA4\xEB"},
    // 呉れる 暮れる
    {"kureru", "\xB8\xE2\xA4\xEC\xA4\xEB \xCA\xEB\xA4\xEC\xA4\xEB"},
    // 丸い
    {"marui", "\xB4\xDD\xA4\xA4"},
    // 泣く 鳴く
    {"naku", "\xB5\xE3\xA4\xAF \xCC\xC4\xA4\xAF"},
    // 憎い
    {"nikui", "\xC1\xFE\xA4\xA4"},
    // 降りる 下りる
    {"oriru", "\xB9\xDF\xA4\xEA\xA4\xEB \xB2\xBC\xA4\xEA\xA4\xEB"},
    // 咲く 裂く 割く
    {"saku", "\xBA\xE9\xA4\xAF \xCE\xF6\xA4\xAF \xB3\xE4\xA4\xAF"},
    // 閉まる 締まる
    {"simaru", "\xCA\xC4\xA4\xDE\xA4\xEB \xC4\xF9\xA4\xDE\xA4\xEB"},
    // 閉める 締める
    {"simeru", "\xCA\xC4\xA4\xE1\xA4\xEB \xC4\xF9\xA4\xE1\xA4\xEB"},
    // 染める
    {"someru", "\xC0\xF7\xA4\xE1\xA4\xEB"},
    // 住む 済む
    {"sumu", "\xBD\xBB\xA4\xE0 \xBA\xD1\xA4\xE0"},
    // 進める 勧める
    {"susumeru", "\xBF\xCA\xA4\xE1\xA4\xEB \xB4\xAB\xA4\xE1\xA4\xEB"},
    // 立つ 経つ 建つ
    {"tatu", "\xCE\xA9\xA4\xC4 \xB7\xD0\xA4\xC4 \xB7\xFA\xA4\xC4"},
    // 止まる 泊まる
    {"tomaru", "\xBB\xDF\xA4\xDE\xA4\xEB \xC7\xF1\xA4\xDE\xA4\xEB"},
    // 取る 撮る 捕る
    {"toru", "\xBC\xE8\xA4\xEB \xBB\xA3\xA4\xEB \xCA\xE1\xA4\xEB"},
    // 使える 仕える
    {"tukaeru", "\xBB\xC8\xA4\xA8\xA4\xEB \xBB\xC5\xA4\xA8\xA4\xEB"},
    // 付ける 点ける
    {"tukeru", "\xC9\xD5\xA4\xB1\xA4\xEB \xC5\xC0\xA4\xB1\xA4\xEB"},
    // 着く 付く 点く
    {"tuku", "\xC3\xE5\xA4\xAF \xC9\xD5\xA4\xAF \xC5\xC0\xA4\xAF"},
    // 止む 病む
    {"yamu", "\xBB\xDF\xA4\xE0 \xC9\xC2\xA4\xE0"},
    // 言う
    {"yuu", "\xB8\xC0\xA4\xA6"},
};

}  // namespace

void rankSpellings(const std::vector<std::string>& commonHeadwords, const KanaConverter& converter,
                   std::vector<DictionaryLine>& lines) {
  std::map<std::string, std::size_t> stemUses;
  std::size_t longest = 0;
  std::vector<std::string> stems;
  stems.reserve(lines.size());
  for (const DictionaryLine& line : lines) {
    stems.push_back(stemOf(line, converter));
    longest = std::max(longest, stems.back().size());
    if (!stems.back().empty()) stemUses.emplace(stems.back(), 0);
  }
  // Each run of whole characters of a headword that is some stem counts
  // once, and so does each of its kanji.
  std::map<std::string, std::size_t, std::less<>> kanjiUses;
  for (const std::string& headword : commonHeadwords) {
    std::set<std::string_view> counted;
    for (std::size_t start = 0; start < headword.size();
         start += eucCharSize(static_cast<unsigned char>(headword[start]))) {
      for (std::size_t end = start; end < headword.size() && end - start < longest;) {
        end = std::min(headword.size(), end + eucCharSize(static_cast<unsigned char>(headword[end])));
        std::string_view run = std::string_view(headword).substr(start, end - start);
        auto found = stemUses.find(std::string(run));
        if (found != stemUses.end() && counted.insert(run).second) ++found->second;
      }
    }
    std::vector<std::string_view> kanji = kanjiOf(headword);
    std::sort(kanji.begin(), kanji.end());
    kanji.erase(std::unique(kanji.begin(), kanji.end()), kanji.end());
    for (std::string_view k : kanji) ++kanjiUses[std::string(k)];
  }
  std::map<std::string_view, std::set<std::string_view>> commonKeysOf;
  for (const DictionaryLine& line : lines)
    if (line.common) commonKeysOf[line.written].insert(line.key);
  std::map<std::string_view, std::vector<std::string_view>> everyday;
  for (const EverydaySpelling& listed : kEverydaySpellings) {
    for (std::string_view rest = listed.spellings; !rest.empty();) {
      const std::size_t space = std::min(rest.find(' '), rest.size());
      everyday[listed.key].push_back(rest.substr(0, space));
      rest.remove_prefix(std::min(space + 1, rest.size()));
    }
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    DictionaryLine& line = lines[i];
    if (!stems[i].empty()) line.stemUses = stemUses[stems[i]];
    line.kanjiUses = 0;
    line.commonKanji = 0;
    auto claimed = commonKeysOf.find(line.written);
    line.readsAsAnother = !line.common && claimed != commonKeysOf.end() &&
                          (claimed->second.size() > 1 || !claimed->second.count(line.key));
    line.kanjiEnding = hasKanjiEnding(line);
    line.katakana = hasKatakana(line.written);
    bool first = true;
    for (std::string_view k : kanjiOf(line.written)) {
      auto found = kanjiUses.find(k);
      const std::size_t uses = found == kanjiUses.end() ? 0 : found->second;
      line.kanjiUses = first ? uses : std::min(line.kanjiUses, uses);
      line.commonKanji += uses >= kCommonKanjiUses ? 1 : -1;
      first = false;
    }
    auto listed = everyday.find(line.key);
    if (listed == everyday.end()) continue;
    auto place = std::find(listed->second.begin(), listed->second.end(), line.written);
    if (place != listed->second.end())
      line.everydayRank = static_cast<std::size_t>(place - listed->second.begin());
  }
}

std::optional<std::int16_t> verbClassOfTag(std::string_view tag) {
  for (const VerbTag& known : kVerbTags)
    if (known.tag == tag) return known.wordClass;
  return std::nullopt;
}

bool isTrueAdjectiveTag(std::string_view tag) { return tag == "adj-i" || tag == "adj-ix"; }

std::string labelledMeaning(const std::vector<std::string>& glosses, std::string_view label,
                            std::size_t width) {
  return meaningText(fittingGlosses(glosses, roomBeside(label, width)), label, width);
}

std::int32_t attitudeOf(const EdictSense& sense) {
  if (hasTag(sense.tags, "hon")) return Honorific;
  if (hasTag(sense.tags, "hum")) return Humble;
  return Neutral;
}

std::string usageLabel(const std::vector<const EdictSense*>& senses) {
  auto marked = [](const EdictSense* sense) {
    return std::any_of(std::begin(kUsageMarks), std::end(kUsageMarks),
                       [&](const UsageMark& mark) { return hasTag(sense->tags, mark.tag); });
  };
  if (senses.empty() || !std::all_of(senses.begin(), senses.end(), marked)) return "";
  for (const UsageMark& mark : kUsageMarks)
    for (const EdictSense* sense : senses)
      if (hasTag(sense->tags, mark.tag)) return std::string(mark.label);
  return "";
}

std::optional<std::string> romajiKey(const KanaConverter& converter, std::string_view reading) {
  if (reading.empty() || reading.size() % 2 != 0) return std::nullopt;
  // Walk the reading as the conversion does, but refuse to drop anything.
  for (std::size_t i = 0; i < reading.size();) {
    if (reading.size() - i >= 4 && !converter.kanaUnitToRomaji(reading.substr(i, 4)).empty()) {
      i += 4;
    } else if (!converter.kanaUnitToRomaji(reading.substr(i, 2)).empty()) {
      i += 2;
    } else {
      return std::nullopt;
    }
  }
  // A final small tsu doubles nothing.
  if (endsWith(reading, kSmallTsu) || endsWith(reading, kSmallTsuKatakana)) return std::nullopt;
  std::string key = converter.toRomaji(reading);
  if (key.empty() || key.find('q') != std::string::npos || !converter.isWellFormedRomaji(key))
    return std::nullopt;
  return key;
}

void addEntryLines(const EdictEntry& entry, const KanaConverter& converter,
                   ConvertedDictionaries& out) {
  const KindCorrection* correction = kindCorrection(entry, converter);
  auto corrected = [correction](std::string_view tag) {
    return correction && tag == correction->edictTag ? correction->modernTag : tag;
  };
  auto verbTags = tagsInOrder(entry, [&](std::string_view tag) {
    return verbClassOfTag(corrected(tag)).has_value() || tag == "vs";
  });
  auto adjectiveTags = tagsInOrder(entry, isTrueAdjectiveTag);
  if (verbTags.empty()) {
    auto unserved = tagsInOrder(entry, isUnservedVerbTag);
    if (!unserved.empty()) ++out.stats.unservedVerbs;
    for (const std::string& tag : unserved) ++out.stats.unservedKinds[tag];
  }
  if (verbTags.empty() && adjectiveTags.empty()) return;

  // What a line of `tag` says: its senses' glosses, the first sense's as its
  // meaning, with the label that warns of an unusual word.
  auto describe = [&](DictionaryLine& line, const std::string& tag, bool verbal) {
    std::vector<const EdictSense*> senses = sensesTagged(entry, tag);
    line.label = usageLabel(senses);
    line.glosses = glossesOf(senses, verbal);
    line.attitude = attitudeOf(*senses.front());
    if (correction && tag == correction->edictTag) {
      line.label = std::string(correction->label);
      line.attitude = correction->attitude;
      ++out.stats.corrected;
    }
    const std::vector<std::string> first = glossesOf({senses.front()}, verbal);
    line.shown = fittingGlosses(first, roomBeside(line.label, kMeaningWidth));
    line.meaning = labelledMeaning(first, line.label);
  };

  auto addPair = [&](const EdictForm& written, const EdictForm& reading) {
    bool common = isCommonPair(entry, written, reading);
    for (const std::string& tag : verbTags) {
      DictionaryLine line;
      line.written = fieldText(written.text);
      line.reading = fieldText(reading.text);
      line.common = common;
      line.sourceTag = corrected(tag);
      describe(line, tag, tag == "vs");
      if (tag == "vs") {
        line.written += kSuruKana;
        line.reading += kSuruKana;
        line.wordClass = SuruAux;
      } else {
        line.wordClass = *verbClassOfTag(corrected(tag));
      }
      appendLine(std::move(line), false, converter, out.verbs, out.stats);
    }
    for (const std::string& tag : adjectiveTags) {
      DictionaryLine line;
      line.written = fieldText(written.text);
      line.reading = fieldText(reading.text);
      line.wordClass = TrueAdjective;
      line.common = common;
      line.sourceTag = tag;
      describe(line, tag, false);
      line.attitude = Neutral;
      appendLine(std::move(line), true, converter, out.adjectives, out.stats);
    }
  };

  std::vector<const EdictForm*> readingsKept;
  std::vector<const EdictForm*> readingsOfVariants;
  for (auto [written, reading] : writtenReadingPairs(entry)) {
    // The standard spelling has an entry of its own; a variant would only
    // repeat it in the menus.
    if (isVariantSpelling(entry, *written, *reading)) {
      ++out.stats.variantSpellings;
      readingsOfVariants.push_back(reading);
      continue;
    }
    readingsKept.push_back(reading);
    addPair(*written, *reading);
  }
  // A word usually written in kana whose only kanji spelling is a variant
  // (such as 為る for suru, marked outdated) is still a word: it is listed
  // in kana, its usual spelling.
  if (!isUsuallyKana(entry)) return;
  for (const EdictForm* reading : readingsOfVariants) {
    const bool kept = std::any_of(readingsKept.begin(), readingsKept.end(),
                                  [&](const EdictForm* r) { return r->text == reading->text; });
    if (kept || !isPlainReading(*reading)) continue;
    readingsKept.push_back(reading);
    addPair(*reading, *reading);
  }
}

namespace {

// The order of a key's lines, as orderHomophones describes it: for the
// fields where more comes first, b's is compared to a's.
bool precedes(const DictionaryLine& a, const DictionaryLine& b) {
  auto rank = [](const DictionaryLine& x, const DictionaryLine& y) {
    return std::make_tuple(std::string_view(x.key), !x.label.empty(), x.everydayRank, y.common,
                           x.readsAsAnother, x.kanjiEnding, y.commonKanji, y.stemUses, y.kanjiUses,
                           y.written.size());
  };
  return rank(a, b) < rank(b, a);
}

}  // namespace

HomophoneCounts orderHomophones(std::vector<DictionaryLine>& lines, std::size_t menuWidth) {
  std::stable_sort(lines.begin(), lines.end(), precedes);
  HomophoneCounts counts;
  std::vector<DictionaryLine> kept;
  kept.reserve(lines.size());
  for (auto start = lines.begin(); start != lines.end();) {
    auto end = std::find_if(start, lines.end(),
                            [&](const DictionaryLine& line) { return line.key != start->key; });
    std::vector<DictionaryLine> sameKey(std::make_move_iterator(start), std::make_move_iterator(end));
    KeyLines key{sameKey, std::vector<bool>(sameKey.size(), false), menuWidth};
    settleKey(key, counts);
    for (std::size_t i = 0; i < sameKey.size(); ++i)
      if (!key.dropped[i]) kept.push_back(std::move(sameKey[i]));
    start = end;
  }
  lines = std::move(kept);
  return counts;
}

ConvertedDictionaries convertEdict(std::istream& edict, const KanaConverter& converter) {
  ConvertedDictionaries out;
  // The written forms EDICT marks (P): of spellings that merge, the one kept
  // is the one more of them are written with.
  std::vector<std::string> commonHeadwords;
  std::string text;
  while (std::getline(edict, text)) {
    ++out.stats.linesRead;
    std::optional<EdictEntry> entry = parseEdictLine(text);
    if (!entry) continue;
    ++out.stats.entriesParsed;
    addEntryLines(*entry, converter, out);
    for (auto [written, reading] : writtenReadingPairs(*entry))
      if (isCommonPair(*entry, *written, *reading)) commonHeadwords.push_back(fieldText(written->text));
  }
  rankSpellings(commonHeadwords, converter, out.verbs);
  rankSpellings(commonHeadwords, converter, out.adjectives);
  for (auto [lines, width] : {std::pair{&out.verbs, kMeaningWidth},
                              std::pair{&out.adjectives, kAdjectiveMenuWidth}}) {
    HomophoneCounts counts = orderHomophones(*lines, width);
    out.stats.merged += counts.merged;
    out.stats.distinguished += counts.distinguished;
    out.stats.indistinct += counts.indistinct;
    for (std::size_t i = 0; i < lines->size(); ++i) {
      if (!(*lines)[i].label.empty()) ++out.stats.marked;
      if (i == 0 || (*lines)[i - 1].key != (*lines)[i].key)
        ++(lines == &out.verbs ? out.stats.verbKeys : out.stats.adjectiveKeys);
    }
  }
  for (const DictionaryLine& line : out.verbs) {
    ++out.stats.verbsByClass[line.wordClass];
    if (line.sourceTag == "vs") ++out.stats.suruNouns;
  }
  out.stats.adjectives = out.adjectives.size();
  return out;
}

EdictClassLists classListsOf(const std::vector<DictionaryLine>& verbs) {
  EdictClassLists lists;
  std::set<std::string> itidanKeys;
  std::set<std::string> godanRuKeys;
  std::set<std::string> suruKeys;
  for (const DictionaryLine& line : verbs) {
    const std::string& key = line.key;
    std::string_view tag = line.sourceTag;
    if (line.wordClass == Godan && endsWith(key, "suru")) lists.suruEndingGodans.insert(key);
    if (line.wordClass == IrregularSuru) lists.specialSuruConj.insert(key);
    bool firstOfKey = &line == &verbs.front() || (&line)[-1].key != key;
    if (firstOfKey && (line.wordClass == SuruAux || line.wordClass == IrregularSuru))
      suruKeys.insert(key);
    if (line.wordClass == Irregular) lists.pureIrregular.insert(key);
    if (line.wordClass == IrregularGodan) lists.irregularGodan.insert(key);
    if (line.wordClass == IrregularItidan) lists.irregularItidan.insert(key);
    if (tag == "v1") itidanKeys.insert(key);
    if (tag == "v5r") {
      godanRuKeys.insert(key);
      if (endsWith(key, "iru")) lists.iruGodans.insert(key);
      if (endsWith(key, "eru")) lists.eruGodans.insert(key);
    }
  }
  // A spelling that is also a suru verb is listed as godan only when the
  // godan verb is the one the menu offers first (the more common one).
  std::erase_if(lists.suruEndingGodans, [&](const std::string& key) { return suruKeys.count(key) > 0; });
  std::set_intersection(itidanKeys.begin(), itidanKeys.end(), godanRuKeys.begin(),
                        godanRuKeys.end(),
                        std::inserter(lists.itidanOrGodan, lists.itidanOrGodan.end()));
  return lists;
}

void writeVerbFile(std::ostream& out, const std::vector<DictionaryLine>& verbs) {
  out << verbs.size() << " verbs derived from EDICT (EDRDG, CC BY-SA 4.0): see DICTIONARY_LICENSE\n";
  for (const DictionaryLine& line : verbs)
    out << line.written << '\t' << line.reading << '\t' << line.wordClass << '\t' << line.attitude
        << '\t' << line.meaning << '\n';
}

void writeAdjectiveFile(std::ostream& out, const std::vector<DictionaryLine>& adjectives) {
  out << adjectives.size()
      << " true adjectives derived from EDICT (EDRDG, CC BY-SA 4.0): see DICTIONARY_LICENSE\n";
  for (const DictionaryLine& line : adjectives)
    out << line.written << '\t' << line.reading << '\t' << line.meaning << '\n';
}

void writeClassLists(std::ostream& out, const EdictClassLists& lists) {
  auto section = [&out](std::string_view keyword, const std::set<std::string>& words) {
    out << keyword << ' ' << words.size() << '\n';
    std::size_t column = 0;
    for (const std::string& word : words) {
      if (column > 0 && column + 1 + word.size() > 78) {
        out << '\n';
        column = 0;
      }
      if (column > 0) {
        out << ' ';
        ++column;
      }
      out << word;
      column += word.size();
    }
    if (column > 0) out << '\n';
  };
  out << "# Verb classes settled by EDICT (EDRDG, CC BY-SA 4.0), romaji keys.\n";
  section("SURU_ENDING_GODANS", lists.suruEndingGodans);
  section("SPECIAL_SURU_CONJ", lists.specialSuruConj);
  section("PURE_IRREGULAR", lists.pureIrregular);
  section("IRREGULAR_GODAN", lists.irregularGodan);
  section("IRREGULAR_ITIDAN", lists.irregularItidan);
  section("ITIDAN_OR_GODAN", lists.itidanOrGodan);
  section("IRU_GODANS", lists.iruGodans);
  section("ERU_GODANS", lists.eruGodans);
}
