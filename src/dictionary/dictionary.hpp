#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "inflection/inflection_result.hpp"

class KanaConverter;

/// One dictionary line, keyed by the romaji of its reading.
struct DictionaryEntry {
  std::string written;  ///< EUC-JP, usually kanji
  std::string reading;  ///< EUC-JP kana
  std::string romaji;   ///< computed from the reading; never read from the file
  std::int16_t wordClass = 0;  ///< 0: not given, classify by the rules
  std::int32_t attitude = 0;
  std::string meaning;
  std::array<std::string, 5> extended;
};

/// The keys and given classes of a dictionary's entries in key order,
/// packed together, so that a walk over many entries that reads only those
/// stays in two arrays instead of visiting every entry.
struct DictionaryKeyIndex {
  struct Record {
    const std::pair<const std::string, DictionaryEntry>* item = nullptr;
    std::uint32_t keyOffset = 0;  ///< the key's bytes in `keys`
    std::uint32_t keyLength = 0;
    std::int16_t wordClass = 0;   ///< the entry's class as given (0: classify)
  };
  std::vector<Record> records;
  std::string keys;

  std::string_view keyOf(const Record& record) const {
    return std::string_view(keys).substr(record.keyOffset, record.keyLength);
  }
};

/// The entry as a word for an engine: its spellings, class, attitude and
/// extended forms; where the meaning goes is the caller's to say.
InflectionResult wordFromEntry(const DictionaryEntry& entry, std::int16_t wordClass);

/// An ordered multimap from romaji to entries; equal keys keep file order.
class Dictionary {
 public:
  using Entries = std::multimap<std::string, DictionaryEntry>;

  /// Reads a verb dictionary file. False, leaving the dictionary as it was,
  /// only when the file cannot be opened. "EXTENDED ENTRY" goes to `console`.
  bool loadVerbFile(const std::string& fileName, const KanaConverter& kana,
                    std::ostream& console);

  /// Reads an adjective dictionary file; every entry gets class 256.
  bool loadAdjectiveFile(const std::string& fileName, const KanaConverter& kana,
                         std::ostream& console);

  /// Empties `found`, then copies every entry keyed exactly `romaji` into it,
  /// in file order. True when at least one was found.
  bool lookup(const std::string& romaji, std::vector<DictionaryEntry>& found) const;

  Entries::const_iterator begin() const { return entries.begin(); }
  Entries::const_iterator end() const { return entries.end(); }
  std::size_t size() const { return entries.size(); }

  /// The key index of `entries` as the last load left them, or null when
  /// `entries` has been changed since (by hand, as tests do).
  const DictionaryKeyIndex* keyIndex() const;

  Entries entries;

 private:
  void buildKeyIndex();

  DictionaryKeyIndex keyIndex_;
};
