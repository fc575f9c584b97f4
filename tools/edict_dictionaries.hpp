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

/// Meanings stay within the width of the verb menu's meaning column.
inline constexpr std::size_t kMeaningWidth = 45;
/// The adjective menu and rconj's candidate list show 50 columns of meaning.
inline constexpr std::size_t kAdjectiveMenuWidth = 50;

/// The word class an EDICT verb tag gives, or nothing for a tag that is not a
/// modern verb (the classical v2/v4 kinds, vs-c, vr, vn, and "vs", which marks
/// a noun taking suru rather than a verb).
std::optional<std::int16_t> verbClassOfTag(std::string_view tag);

/// True for the adjective tags whose entries conjugate as true adjectives.
bool isTrueAdjectiveTag(std::string_view tag);

/// The glosses joined by "; ", as many as fit in `width` bytes, then the
/// label if there is one. A first gloss too long loses its parenthesised
/// asides but is never cut: a cut phrase would mislead. The label goes
/// after the glosses, or before them where a first gloss that long would
/// push it out of sight.
std::string labelledMeaning(const std::vector<std::string>& glosses, std::string_view label = "",
                            std::size_t width = kMeaningWidth);

/// 1 for a sense tagged honorific, 2 for humble, else 0.
std::int32_t attitudeOf(const EdictSense& sense);

/// The label that warns a learner off a word whose senses are all archaic,
/// obsolete, slang, jocular or vulgar ("(archaic)", "(slang)", ...); empty
/// when some sense carries none of those tags.
std::string usageLabel(const std::vector<const EdictSense*>& senses);

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
  std::string label;      ///< the usage label ending the meaning, or empty
  std::string classNote;  ///< "(itidan)" or "(godan)" after the label, for words alike but for it
  std::vector<std::string> glosses;  ///< every gloss of the senses the line stands for
  std::vector<std::string> shown;    ///< the glosses the meaning shows
  // What orders homophones and picks the spelling a merge keeps (set by
  // rankSpellings):
  /// Place among the everyday spellings we list for the key, or
  /// kNotEveryday.
  std::size_t everydayRank = kNotEveryday;
  /// Not (P) itself but written like a (P) word of another reading, which
  /// a reader takes it for (進む read すさむ, 戻る read もとる).
  bool readsAsAnother = false;
  /// A compound adjective that writes its ending ない, にくい, がたい or
  /// づらい in kanji (揺るぎ無い, 見難い), which is usually kana.
  bool kanjiEnding = false;
  /// Written with katakana, which renders a word of other spellings for
  /// emphasis or slang (スゴイ of 凄い).
  bool katakana = false;
  /// Kanji of the written form found in many (P) headwords, less those
  /// found in few: 言い過ぎる over 言いすぎる, かき消す over 掻き消す.
  int commonKanji = 0;
  /// (P) headwords holding the word's stem as compounds write it (書き of
  /// 書く in 書き方, 暑 of 暑い), and holding its rarest kanji.
  std::size_t stemUses = 0;
  std::size_t kanjiUses = 0;
  static constexpr std::size_t kNotEveryday = SIZE_MAX;
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
  std::size_t unservedVerbs = 0;      ///< entries skipped: only verb kinds no rule serves
  std::map<std::string, std::size_t> unservedKinds;  ///< those entries by EDICT tag
  std::size_t corrected = 0;          ///< lines of a verb EDICT gives a classical kind
  std::size_t merged = 0;             ///< lines merged into another of their key
  std::size_t distinguished = 0;      ///< meanings lengthened to tell homophones apart
  std::size_t indistinct = 0;         ///< pairs of lines left alike (different classes)
  std::size_t marked = 0;             ///< lines with a usage label
  std::vector<std::string> skippedReadings;  ///< the readings of the skipped forms
  std::map<std::int16_t, std::size_t> verbsByClass;
  std::size_t suruNouns = 0;
  std::size_t adjectives = 0;
  std::size_t verbKeys = 0;
  std::size_t adjectiveKeys = 0;
};

struct ConvertedDictionaries {
  std::vector<DictionaryLine> verbs;
  std::vector<DictionaryLine> adjectives;
  ConversionStats stats;
};

/// Appends the verb and adjective lines of one entry, in EDICT order.
void addEntryLines(const EdictEntry& entry, const KanaConverter& converter,
                   ConvertedDictionaries& out);

/// What orderHomophones did to make a menu's lines tell its words apart.
struct HomophoneCounts {
  std::size_t merged = 0;         ///< lines merged into an earlier line of their key
  std::size_t distinguished = 0;  ///< meanings lengthened by a further gloss or a class note
  std::size_t indistinct = 0;     ///< pairs left alike: different classes, nothing to add
};

/// Orders lines by key; among equal keys unlabelled words first, then the
/// everyday spellings we list, then (P) lines, then spellings another
/// word's reading does not claim, a compound's ending in kana, more common
/// kanji, more stem and kanji uses, longer spellings (fuller okurigana),
/// EDICT order. Then, key by
/// key: a line with the class, attitude, label and glosses of an earlier
/// line is merged into it, keeping the spelling that order prefers (but a
/// katakana rendering yields to a kanji spelling); where two meanings still
/// read the same within `menuWidth` columns, the later takes a further
/// gloss that tells it apart, or is merged when all its glosses are the
/// earlier one's (a spelling used for some senses only), or the earlier
/// takes a further gloss; failing that, lines of one class are merged and
/// an itidan and a godan line say their class.
HomophoneCounts orderHomophones(std::vector<DictionaryLine>& lines,
                                std::size_t menuWidth = kMeaningWidth);

/// Sets the lines' ranking fields (everydayRank to kanjiUses) from our list
/// of everyday spellings, the written forms EDICT marks (P) and the lines
/// themselves.
void rankSpellings(const std::vector<std::string>& commonHeadwords, const KanaConverter& converter,
                   std::vector<DictionaryLine>& lines);

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
