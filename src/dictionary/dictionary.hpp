#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "inflection/inflection_result.hpp"

class KanaConverter;

/// One dictionary line, keyed by the romaji of its reading. Its texts are
/// views of the dictionary's own copy of the file and of the romaji it
/// computed, so that loading allocates nothing per entry.
/// Warning: they are valid while the Dictionary that gave them lives and is
/// not loaded again.
struct DictionaryEntry {
  std::string_view written;    ///< EUC-JP, usually kanji
  std::string_view reading;    ///< EUC-JP kana
  std::string_view romaji;     ///< computed from the reading; never read from the file
  std::int16_t wordClass = 0;  ///< 0: not given, classify by the rules
  std::int32_t attitude = 0;
  std::string_view meaning;
  std::array<std::string_view, 5> extended;
};

/// The keys and given classes of a dictionary's entries in key order,
/// packed together, so that a walk over many entries that reads only those
/// stays in two arrays instead of visiting every entry.
/// Warning: a record's key runs to where the next record's begins, so
/// keyOf takes only records in place in `records`.
struct DictionaryKeyIndex {
  struct Record {
    const DictionaryEntry* entry = nullptr;
    std::size_t keyOffset = 0;   ///< where the key's bytes begin in `keys`
    std::int16_t wordClass = 0;  ///< the entry's class as given (0: classify)
  };
  std::vector<Record> records;
  std::string keys;

  std::string_view keyOf(const Record& record) const {
    const Record* next = &record + 1;
    const std::size_t end = next == records.data() + records.size() ? keys.size() : next->keyOffset;
    return std::string_view(keys).substr(record.keyOffset, end - record.keyOffset);
  }
};

/// The entry as a word for an engine: its spellings, class, attitude and
/// extended forms; where the meaning goes is the caller's to say.
InflectionResult wordFromEntry(const DictionaryEntry& entry, std::int16_t wordClass);

/// The entries of one dictionary file in key order, equal keys in file
/// order. Only its loaders change it; each replaces the whole content. A
/// loader keeps the file's bytes; the entries are parsed from them on first
/// use, or at once when parsing could print "EXTENDED ENTRY", so the console
/// shows what a parse at load shows.
/// Warning: keeps a pointer to the KanaConverter its loader was given,
/// which must outlive it; the key index points into the entries, so a
/// Dictionary moves but is never copied.
class Dictionary {
  using Entries = std::vector<DictionaryEntry>;  ///< in file order
  using Order = std::vector<std::uint32_t>;      ///< positions in Entries, in key order

 public:
  /// Walks the entries in key order.
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = DictionaryEntry;
    using difference_type = std::ptrdiff_t;
    using pointer = const DictionaryEntry*;
    using reference = const DictionaryEntry&;

    const_iterator() = default;
    reference operator*() const { return (*entries_)[*at_]; }
    pointer operator->() const { return &(*entries_)[*at_]; }
    const_iterator& operator++() {
      ++at_;
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator before = *this;
      ++at_;
      return before;
    }
    bool operator==(const const_iterator& other) const { return at_ == other.at_; }

   private:
    friend class Dictionary;
    const_iterator(const Entries& entries, Order::const_iterator at)
        : entries_(&entries), at_(at) {}
    const Entries* entries_ = nullptr;
    Order::const_iterator at_;
  };

  Dictionary() = default;
  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;
  Dictionary(Dictionary&&) = default;
  Dictionary& operator=(Dictionary&&) = default;

  /// Reads a verb dictionary file. False, leaving the dictionary as it was,
  /// only when the file cannot be opened. "EXTENDED ENTRY" goes to `console`.
  bool loadVerbFile(const std::string& fileName, const KanaConverter& kana, std::ostream& console);
  /// The same, reading the file's bytes from `in`.
  void loadVerbFile(std::istream& in, const KanaConverter& kana, std::ostream& console);

  /// Reads an adjective dictionary file; every entry gets class 256.
  bool loadAdjectiveFile(const std::string& fileName, const KanaConverter& kana,
                         std::ostream& console);
  void loadAdjectiveFile(std::istream& in, const KanaConverter& kana, std::ostream& console);

  /// Empties `found`, then copies every entry keyed exactly `romaji` into it,
  /// in file order. True when at least one was found.
  bool lookup(std::string_view romaji, std::vector<DictionaryEntry>& found) const;

  /// The entries in key order (file order among equal keys); an entry's
  /// romaji is its key.
  const_iterator begin() const { return const_iterator(contents().entries, contents().order.begin()); }
  const_iterator end() const { return const_iterator(contents().entries, contents().order.end()); }
  std::size_t size() const { return contents().entries.size(); }

  /// The keys and classes of the entries, in the same order; built on first
  /// use, since only the reverse search reads it.
  const DictionaryKeyIndex& keyIndex() const;

  /// How an entry line is read (one per file format).
  struct LineFormat;

 private:
  /// What the file's bytes hold, in the order a lookup needs it.
  struct Contents {
    Entries entries;
    std::string romaji;  ///< every entry's romaji, one after another
    Order order;
    DictionaryKeyIndex keyIndex;  ///< see keyIndex
    bool keyIndexBuilt = false;
  };

  bool loadFile(const std::string& fileName, const LineFormat& format, const KanaConverter& kana,
                std::ostream& console);
  void load(std::istream& in, const LineFormat& format, const KanaConverter& kana,
            std::ostream& console);
  /// Parses the bytes into contents_, "EXTENDED ENTRY" going to `console`.
  void parse(std::ostream& console) const;
  const Contents& contents() const;

  // Owned through pointers, so that the entries' views stay valid when the
  // dictionary moves.
  std::unique_ptr<const std::string> text_;  ///< the file's bytes, CR LF as LF
  const LineFormat* format_ = nullptr;       ///< of text_
  const KanaConverter* kana_ = nullptr;
  mutable std::unique_ptr<Contents> contents_;  ///< null until parsed
};
