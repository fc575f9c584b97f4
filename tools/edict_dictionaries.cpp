#include "edict_dictionaries.hpp"

#include <algorithm>
#include <istream>
#include <ostream>
#include <tuple>

#include "inflection/word_class.hpp"
#include "romaji/kana_converter.hpp"

namespace {

// EUC-JP kana appended to a noun that takes suru.
constexpr std::string_view kSuruKana = "\xA4\xB9\xA4\xEB";
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

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool hasTag(const std::vector<std::string>& tags, std::string_view tag) {
  return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

// The first sense carrying `tag`, whose glosses make the line's meaning.
const EdictSense* firstSenseTagged(const EdictEntry& entry, std::string_view tag) {
  for (const EdictSense& sense : entry.senses)
    if (hasTag(sense.partsOfSpeech, tag)) return &sense;
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

}  // namespace

std::optional<std::int16_t> verbClassOfTag(std::string_view tag) {
  for (const VerbTag& known : kVerbTags)
    if (known.tag == tag) return known.wordClass;
  return std::nullopt;
}

bool isTrueAdjectiveTag(std::string_view tag) { return tag == "adj-i" || tag == "adj-ix"; }

std::string trimMeaning(const std::vector<std::string>& glosses, std::size_t width) {
  std::string meaning;
  for (const std::string& gloss : glosses) {
    if (meaning.empty()) {
      meaning = gloss.size() > width ? withoutAsides(gloss) : gloss;
      continue;
    }
    if (meaning.size() + 2 + gloss.size() > width) break;
    meaning += "; ";
    meaning += gloss;
  }
  return fieldText(std::move(meaning));
}

std::string suruMeaning(const std::vector<std::string>& glosses, std::size_t width) {
  std::vector<std::string> verbal;
  for (const std::string& gloss : glosses)
    verbal.push_back(startsWith(gloss, "to ") ? gloss : "to " + gloss);
  return trimMeaning(verbal, width);
}

std::int32_t attitudeOf(const EdictSense& sense) {
  if (hasTag(sense.tags, "hon")) return Honorific;
  if (hasTag(sense.tags, "hum")) return Humble;
  return Neutral;
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
  auto verbTags = tagsInOrder(entry, [](std::string_view tag) {
    return verbClassOfTag(tag).has_value() || tag == "vs";
  });
  auto adjectiveTags = tagsInOrder(entry, isTrueAdjectiveTag);
  if (verbTags.empty() && adjectiveTags.empty()) return;

  auto addPair = [&](const EdictForm& written, const EdictForm& reading) {
    bool common = isCommonPair(entry, written, reading);
    for (const std::string& tag : verbTags) {
      const EdictSense& sense = *firstSenseTagged(entry, tag);
      DictionaryLine line;
      line.written = fieldText(written.text);
      line.reading = fieldText(reading.text);
      line.attitude = attitudeOf(sense);
      line.common = common;
      line.sourceTag = tag;
      if (tag == "vs") {
        line.written += kSuruKana;
        line.reading += kSuruKana;
        line.wordClass = SuruAux;
        line.meaning = suruMeaning(sense.glosses);
      } else {
        line.wordClass = *verbClassOfTag(tag);
        line.meaning = trimMeaning(sense.glosses);
      }
      appendLine(std::move(line), false, converter, out.verbs, out.stats);
    }
    for (const std::string& tag : adjectiveTags) {
      const EdictSense& sense = *firstSenseTagged(entry, tag);
      DictionaryLine line;
      line.written = fieldText(written.text);
      line.reading = fieldText(reading.text);
      line.wordClass = TrueAdjective;
      line.meaning = trimMeaning(sense.glosses);
      line.common = common;
      line.sourceTag = tag;
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

std::size_t orderHomophones(std::vector<DictionaryLine>& lines) {
  std::stable_sort(lines.begin(), lines.end(), [](const DictionaryLine& a, const DictionaryLine& b) {
    return std::tie(a.key, b.common) < std::tie(b.key, a.common);
  });
  auto same = [](const DictionaryLine& a, const DictionaryLine& b) {
    return std::tie(a.key, a.written, a.reading, a.wordClass, a.attitude, a.meaning) ==
           std::tie(b.key, b.written, b.reading, b.wordClass, b.attitude, b.meaning);
  };
  // Repeats of one key sit together after sorting, but not always next to
  // each other, so each line is compared with the earlier lines of its key.
  std::vector<DictionaryLine> kept;
  kept.reserve(lines.size());
  std::size_t keyStart = 0;
  for (DictionaryLine& line : lines) {
    if (keyStart < kept.size() && kept[keyStart].key != line.key) keyStart = kept.size();
    bool repeat = std::any_of(kept.begin() + static_cast<std::ptrdiff_t>(keyStart), kept.end(),
                              [&](const DictionaryLine& earlier) { return same(earlier, line); });
    if (!repeat) kept.push_back(std::move(line));
  }
  std::size_t dropped = lines.size() - kept.size();
  lines = std::move(kept);
  return dropped;
}

ConvertedDictionaries convertEdict(std::istream& edict, const KanaConverter& converter) {
  ConvertedDictionaries out;
  std::string text;
  while (std::getline(edict, text)) {
    ++out.stats.linesRead;
    std::optional<EdictEntry> entry = parseEdictLine(text);
    if (!entry) continue;
    ++out.stats.entriesParsed;
    addEntryLines(*entry, converter, out);
  }
  out.stats.duplicates = orderHomophones(out.verbs) + orderHomophones(out.adjectives);
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
