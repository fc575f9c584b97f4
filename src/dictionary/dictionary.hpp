#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

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

  Entries entries;
};
