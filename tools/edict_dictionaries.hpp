#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "edict_entry.hpp"

class KanaConverter;

/// Meanings stay within the width of the menu's meaning column.
inline constexpr std::size_t kMeaningWidth = 45;

/// The word class an EDICT verb tag gives, or nothing for a tag that is not a
/// modern verb (the classical v2/v4 kinds, vs-c, vr, vn, and "vs", which marks
/// a noun taking suru rather than a verb).
std::optional<std::int16_t> verbClassOfTag(std::string_view tag);

/// True for the adjective tags whose entries conjugate as true adjectives.
bool isTrueAdjectiveTag(std::string_view tag);

/// The glosses joined by "; ", as many as fit in `width` bytes. A first
/// gloss longer than that loses its parenthesised asides but is never cut:
/// a cut phrase would mislead.
std::string trimMeaning(const std::vector<std::string>& glosses, std::size_t width = kMeaningWidth);

/// A noun's glosses read as a verb ("study" becomes "to study"), then
/// trimmed as by trimMeaning.
std::string suruMeaning(const std::vector<std::string>& glosses, std::size_t width = kMeaningWidth);

/// 1 for a sense tagged honorific, 2 for humble, else 0.
std::int32_t attitudeOf(const EdictSense& sense);

/// The romaji key of a kana reading, or nothing when some character of the
/// reading is not in the syllable table or the romaji is not well formed.
std::optional<std::string> romajiKey(const KanaConverter& converter, std::string_view reading);

/// One output line of either dictionary, with what orders it among homophones.
struct DictionaryLine {
  std::string key;  ///< romaji of the reading
  std::string written;
  std::string reading;
  std::int16_t wordClass = 0;  ///< 256 for adjectives
  std::int32_t attitude = 0;
  std::string meaning;
  bool common = false;
  std::string sourceTag;  ///< the EDICT tag that made the line ("v5r", "vs", "adj-i", ...)
};

/// The verb classification lists the dictionary settles, as sorted sets of
/// romaji keys (named after their sections of the classification file).
struct EdictClassLists {
  std::set<std::string> suruEndingGodans;
  std::set<std::string> specialSuruConj;
  std::set<std::string> pureIrregular;
  std::set<std::string> irregularGodan;
  std::set<std::string> irregularItidan;
  std::set<std::string> itidanOrGodan;
  std::set<std::string> iruGodans;
  std::set<std::string> eruGodans;
};

/// What a conversion read, wrote and left out.
struct ConversionStats {
  std::size_t linesRead = 0;
  std::size_t entriesParsed = 0;
  std::size_t unreadableKana = 0;     ///< forms skipped: reading not in the syllable table
  std::size_t unexpectedEnding = 0;   ///< forms skipped: key cannot end such a word
  std::size_t variantSpellings = 0;   ///< forms skipped: irregular or outdated spelling
  std::size_t duplicates = 0;         ///< lines identical to an earlier one
  std::vector<std::string> skippedReadings;  ///< the readings of the skipped forms
  std::map<std::int16_t, std::size_t> verbsByClass;
  std::size_t suruNouns = 0;
  std::size_t adjectives = 0;
};

struct ConvertedDictionaries {
  std::vector<DictionaryLine> verbs;
  std::vector<DictionaryLine> adjectives;
  ConversionStats stats;
};

/// Appends the verb and adjective lines of one entry, in EDICT order.
void addEntryLines(const EdictEntry& entry, const KanaConverter& converter,
                   ConvertedDictionaries& out);

/// Orders lines by key, common words first among equal keys, EDICT order
/// otherwise; drops exact repeats. Returns how many were dropped.
std::size_t orderHomophones(std::vector<DictionaryLine>& lines);

/// Reads a whole EDICT file (EUC-JP) and returns both dictionaries ordered.
ConvertedDictionaries convertEdict(std::istream& edict, const KanaConverter& converter);

/// The class lists settled by the verb lines' EDICT tags; the lines must be
/// ordered as by orderHomophones.
EdictClassLists classListsOf(const std::vector<DictionaryLine>& verbs);

void writeVerbFile(std::ostream& out, const std::vector<DictionaryLine>& verbs);
void writeAdjectiveFile(std::ostream& out, const std::vector<DictionaryLine>& adjectives);

/// The lists in the keyword-section format of the classification file, in
/// that file's section order.
void writeClassLists(std::ostream& out, const EdictClassLists& lists);
