// Arbitrary contents for the verb and the adjective dictionary files: both
// loaders must read them without failing or hanging, key every entry by the
// romaji of its reading, and answer lookups for every key they filed.

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/dictionary.hpp"
#include "fuzz_support.hpp"
#include "romaji/kana_converter.hpp"

namespace {

std::size_t countLines(const std::string& text, const std::string& line) {
  std::size_t count = 0;
  for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) {
    ++count;
  }
  return count;
}

void checkDictionary(const Dictionary& dictionary, const KanaConverter& kana,
                     const std::string& console, bool adjectives) {
  // Entries come in key order, each keyed by its reading.
  const std::string_view* previous = nullptr;
  std::size_t extendedEntries = 0;
  for (const DictionaryEntry& entry : dictionary) {
    const std::string_view& key = entry.romaji;
    FUZZ_CHECK(key == kana.toRomaji(entry.reading));
    if (previous != nullptr) FUZZ_CHECK(*previous <= key);
    previous = &key;
    if (adjectives) {
      FUZZ_CHECK(entry.wordClass == 256);
      FUZZ_CHECK(entry.attitude == 0);
      for (std::size_t i = 1; i < entry.extended.size(); ++i) FUZZ_CHECK(entry.extended[i].empty());
    }
    bool extended = false;
    for (const std::string_view field : entry.extended) extended = extended || !field.empty();
    if (extended) ++extendedEntries;
  }
  // Every extended entry was announced (an announced one may have empty fields).
  FUZZ_CHECK(countLines(console, "EXTENDED ENTRY\n") >= extendedEntries);
  FUZZ_CHECK(countLines(console, "EXTENDED ENTRY\n") <= dictionary.size());

  // The key index lists every entry, in the same order.
  const DictionaryKeyIndex& index = dictionary.keyIndex();
  FUZZ_CHECK(index.records.size() == dictionary.size());
  std::size_t looked = 0;
  std::vector<DictionaryEntry> found;
  for (const DictionaryEntry& entry : dictionary) {
    FUZZ_CHECK(index.records[looked].entry == &entry);
    FUZZ_CHECK(index.keyOf(index.records[looked]) == entry.romaji);
    if (looked++ >= 64) continue;
    FUZZ_CHECK(dictionary.lookup(entry.romaji, found));
    const auto count = std::count_if(index.records.begin(), index.records.end(),
                                     [&](const auto& r) { return index.keyOf(r) == entry.romaji; });
    FUZZ_CHECK(found.size() == static_cast<std::size_t>(count));
    for (const DictionaryEntry& same : found) FUZZ_CHECK(same.romaji == entry.romaji);
  }
  FUZZ_CHECK(!dictionary.lookup("not a key\x01", found));
  FUZZ_CHECK(found.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const KanaConverter kana;
  const std::string text(asText(data, size));

  Dictionary verbs;
  std::ostringstream verbConsole;
  std::istringstream verbFile(text);
  verbs.loadVerbFile(verbFile, kana, verbConsole);
  checkDictionary(verbs, kana, verbConsole.str(), false);

  Dictionary adjectives;
  std::ostringstream adjectiveConsole;
  std::istringstream adjectiveFile(text);
  adjectives.loadAdjectiveFile(adjectiveFile, kana, adjectiveConsole);
  checkDictionary(adjectives, kana, adjectiveConsole.str(), true);

  // A second load replaces the content rather than adding to it.
  const std::size_t loaded = verbs.size();
  std::ostringstream again;
  std::istringstream sameFile(text);
  verbs.loadVerbFile(sameFile, kana, again);
  FUZZ_CHECK(verbs.size() == loaded);
  return 0;
}
