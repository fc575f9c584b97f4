#include "dictionary/dictionary.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <istream>
#include <iterator>
#include <memory>
#include <ostream>
#include <utility>

#include "inflection/rule_file_reader.hpp"
#include "inflection/word_class.hpp"
#include "romaji/kana_converter.hpp"
#include "romaji/syllable_table.hpp"

namespace {

using Entries = std::vector<DictionaryEntry>;  // as the Dictionary holds them: in file order

/// Lines may end in CR LF: the CR directly before each LF is dropped, the
/// way a text-mode read would on systems that write CR LF.
std::string dropCarriageReturns(std::string text) {
  if (text.find('\r') == std::string::npos) return text;
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out.push_back(text[i]);
  }
  return out;
}

/// A cursor over the file's bytes that reads fields the way formatted and
/// unformatted stream extraction would, without ever reading past the end.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}

  bool atEnd() const { return pos_ >= text_.size(); }
  std::size_t position() const { return pos_; }

  /// The bytes up to the next `stop` (consumed, not kept). False when the
  /// text ends first; `field` then holds what was read.
  bool readUntil(char stop, std::string_view& field) {
    const std::size_t found = text_.find(stop, pos_);
    if (found == std::string::npos) {
      field = text_.substr(pos_);
      pos_ = text_.size();
      return false;
    }
    field = text_.substr(pos_, found - pos_);
    pos_ = found + 1;
    return true;
  }

  /// The bytes up to a TAB or a LF, whichever comes first (consumed, not
  /// kept). Returns the terminator, or '\0' when the text ends first.
  char readUntilTabOrLineFeed(std::string_view& field) {
    // The line's end, then a TAB before it: two searches of one byte each
    // (find_first_of would search its set once per byte).
    const std::size_t lineFeed = text_.find('\n', pos_);
    const std::size_t lineEnd = lineFeed == std::string_view::npos ? text_.size() : lineFeed;
    const std::size_t tab = text_.substr(0, lineEnd).find('\t', pos_);
    const std::size_t found = tab == std::string_view::npos ? lineEnd : tab;
    if (found == text_.size()) {
      field = text_.substr(pos_);
      pos_ = text_.size();
      return '\0';
    }
    field = text_.substr(pos_, found - pos_);
    pos_ = found + 1;
    return text_[found];
  }

  /// A formatted decimal integer within [low, high]: leading white space
  /// skipped, an optional sign, then digits. False (nothing consumed beyond
  /// what was scanned) when there are no digits or the value is out of range.
  bool readInteger(std::int64_t low, std::int64_t high, std::int64_t& value) {
    while (pos_ < text_.size() && isWhiteSpace(text_[pos_])) ++pos_;
    bool negative = false;
    if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
      negative = text_[pos_] == '-';
      ++pos_;
    }
    bool anyDigit = false;
    bool outOfRange = false;
    std::int64_t magnitude = 0;
    const std::int64_t limit = negative ? -low : high;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
      anyDigit = true;
      const int digit = text_[pos_] - '0';
      if (!outOfRange && magnitude > (limit - digit) / 10) outOfRange = true;
      if (!outOfRange) magnitude = magnitude * 10 + digit;
      ++pos_;
    }
    if (!anyDigit || outOfRange) return false;
    value = negative ? -magnitude : magnitude;
    return true;
  }

  /// Consumes exactly one byte, whatever it is.
  void skipOne() {
    if (pos_ < text_.size()) ++pos_;
  }

  /// Discards the rest of the line, its LF included. False when it holds
  /// more than `limit` bytes before the LF, which is outside the format.
  bool skipLine(std::size_t limit) {
    const std::size_t found = text_.find('\n', pos_);
    const std::size_t lineEnd = found == std::string::npos ? text_.size() : found;
    if (lineEnd - pos_ > limit) return false;
    pos_ = found == std::string::npos ? text_.size() : found + 1;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

/// The longest remainder of the header line the format allows.
constexpr std::size_t kHeaderRemainderLimit = 255;

enum class LineOutcome {
  Complete,      ///< a whole entry line was read
  LastComplete,  ///< the file ended inside the meaning or extended fields: keep the entry, stop
  Broken,        ///< the line cannot be read as an entry: drop it, stop
};

/// Reads one verb entry line into `entry`.
LineOutcome readVerbLine(FieldReader& reader, DictionaryEntry& entry, std::ostream& console) {
  if (!reader.readUntil('\t', entry.written)) return LineOutcome::Broken;
  if (!reader.readUntil('\t', entry.reading)) return LineOutcome::Broken;
  std::int64_t value = 0;
  if (!reader.readInteger(INT16_MIN, INT16_MAX, value)) return LineOutcome::Broken;
  entry.wordClass = static_cast<std::int16_t>(value);
  reader.skipOne();
  if (!reader.readInteger(INT32_MIN, INT32_MAX, value)) return LineOutcome::Broken;
  entry.attitude = static_cast<std::int32_t>(value);
  reader.skipOne();
  const char end = reader.readUntilTabOrLineFeed(entry.meaning);
  if (end == '\0') return LineOutcome::LastComplete;
  if (end == '\n') return LineOutcome::Complete;
  console << "EXTENDED ENTRY\n";
  for (std::size_t i = 0; i < 4; ++i) {
    if (!reader.readUntil('\t', entry.extended[i])) return LineOutcome::LastComplete;
  }
  if (!reader.readUntil('\n', entry.extended[4])) return LineOutcome::LastComplete;
  return LineOutcome::Complete;
}

/// Reads one adjective entry line into `entry`.
LineOutcome readAdjectiveLine(FieldReader& reader, DictionaryEntry& entry, std::ostream& console) {
  if (!reader.readUntil('\t', entry.written)) return LineOutcome::Broken;
  if (!reader.readUntil('\t', entry.reading)) return LineOutcome::Broken;
  entry.wordClass = TrueAdjective;
  entry.attitude = 0;
  const char end = reader.readUntilTabOrLineFeed(entry.meaning);
  if (end == '\0') return LineOutcome::LastComplete;
  if (end == '\n') return LineOutcome::Complete;
  console << "EXTENDED ENTRY\n";
  if (!reader.readUntil('\n', entry.extended[0])) return LineOutcome::LastComplete;
  return LineOutcome::Complete;
}

using LineReader = LineOutcome (*)(FieldReader&, DictionaryEntry&, std::ostream&);

/// Reads the count line and then at most that many entry lines. A file that
/// ends early or a line that cannot be read stops loading; the entries read
/// before it are kept. Their romaji go one after another into `romaji`.
void parseDictionary(std::string_view text, const KanaConverter& kana, std::ostream& console,
                     LineReader readLine, Entries& entries, std::string& romaji) {
  FieldReader reader(text);
  std::int64_t count = 0;
  if (!reader.readInteger(INT32_MIN, INT32_MAX, count)) return;
  if (!reader.skipLine(kHeaderRemainderLimit)) return;
  // One allocation: no more entries than the count or the lines left.
  const auto lines = static_cast<std::int64_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  if (count > 0) entries.reserve(static_cast<std::size_t>(std::min(count, lines)));
  std::vector<std::size_t> romajiEnds;  // the views are taken once `romaji` has stopped growing
  romajiEnds.reserve(entries.capacity());
  romaji.reserve(text.size() / 4);  // a guess; the romaji is about a seventh of a line
  for (std::int64_t line = 0; line < count && !reader.atEnd(); ++line) {
    DictionaryEntry& entry = entries.emplace_back();  // fresh each line: nothing carries over
    const LineOutcome outcome = readLine(reader, entry, console);
    if (outcome == LineOutcome::Broken) {
      entries.pop_back();
      break;
    }
    kana.appendRomaji(entry.reading, romaji);
    romajiEnds.push_back(romaji.size());
    if (outcome == LineOutcome::LastComplete) break;
  }
  std::size_t begin = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    entries[i].romaji = std::string_view(romaji).substr(begin, romajiEnds[i] - begin);
    begin = romajiEnds[i];
  }
}

/// Whether `line` begins with `tabs` fields each ended by a TAB, the third
/// and fourth (where `numbers`) digits alone, no more than a 16-bit and a
/// 32-bit value can hold. Only those fields are read.
bool hasPlainFields(std::string_view line, std::size_t tabs, bool numbers) {
  const std::size_t texts = numbers ? 2 : tabs;  // fields of any bytes, TABs found by memchr
  std::size_t at = 0;
  for (std::size_t field = 0; field < texts; ++field) {
    at = line.find('\t', at);
    if (at == std::string_view::npos) return false;
    ++at;
  }
  for (std::size_t field = texts; field < tabs; ++field) {
    const std::size_t first = at;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9') ++at;
    if (at == first || at - first > (field == 2 ? 4u : 9u)) return false;
    if (at == line.size() || line[at] != '\t') return false;
    ++at;
  }
  return true;
}

/// How many bytes of `text` are TABs. Counted in blocks short enough for a
/// count per byte lane, which the compiler keeps in vector registers.
std::size_t countTabs(std::string_view text) {
  constexpr std::size_t kLanes = 16;
  constexpr std::size_t kBlock = 255 * kLanes;  // a lane counts at most 255
  std::size_t total = 0;
  while (!text.empty()) {
    const std::size_t length = std::min(text.size(), kBlock);
    std::array<std::uint8_t, kLanes> lanes{};
    std::size_t i = 0;
    for (; i + kLanes <= length; i += kLanes) {
      for (std::size_t lane = 0; lane < kLanes; ++lane) {
        lanes[lane] = static_cast<std::uint8_t>(lanes[lane] + (text[i + lane] == '\t'));
      }
    }
    for (const std::uint8_t lane : lanes) total += lane;
    for (; i < length; ++i) total += text[i] == '\t';
    text.remove_prefix(length);
  }
  return total;
}

/// The positions of `entries` in key order, equal keys in file order.
/// Sorted by the first eight bytes of each key as one number first, so that
/// most comparisons read neither entry; romaji hold no zero byte, so a
/// shorter key's padding sorts it first, as a string comparison would.
std::vector<std::uint32_t> keyOrder(const Entries& entries) {
  std::vector<std::uint32_t> order(entries.size());
  // The bundled files are written in key order: then file order is the order.
  const auto keyBefore = [](const DictionaryEntry& a, const DictionaryEntry& b) {
    return a.romaji < b.romaji;
  };
  if (std::is_sorted(entries.begin(), entries.end(), keyBefore)) {
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<std::uint32_t>(i);
    return order;
  }
  struct Keyed {
    std::uint64_t head;
    std::uint32_t position;
  };
  std::vector<Keyed> keyed(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string_view key = entries[i].romaji;
    std::uint64_t head = 0;
    for (std::size_t b = 0; b < 8; ++b) {
      head = head << 8 | (b < key.size() ? static_cast<unsigned char>(key[b]) : 0u);
    }
    keyed[i] = {head, static_cast<std::uint32_t>(i)};
  }
  std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
    if (a.head != b.head) return a.head < b.head;
    const int comparison = entries[a.position].romaji.compare(entries[b.position].romaji);
    return comparison != 0 ? comparison < 0 : a.position < b.position;
  });
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = keyed[i].position;
  return order;
}

}  // namespace

/// How the lines of one file format are read, and the shape of a plain
/// line: `tabs` TABs, class and attitude written as digits where `numbers`.
struct Dictionary::LineFormat {
  LineReader readLine;
  std::size_t tabs;
  bool numbers;
};

namespace {

const Dictionary::LineFormat kVerbLines{readVerbLine, 4, true};
const Dictionary::LineFormat kAdjectiveLines{readAdjectiveLine, 2, false};

/// True when parsing `text` is sure to print nothing: every entry line it
/// would read begins with the plain fields and has no TAB after them, so
/// each is read on its own and its meaning ends at its line feed, never at a
/// TAB. The TABs of all those lines are counted in one sweep: a line with a
/// TAB in its meaning makes the count exceed the plain fields' TABs. Any
/// other text is left to the parse.
bool parsePrintsNothing(std::string_view text, const Dictionary::LineFormat& format) {
  FieldReader header(text);
  std::int64_t count = 0;
  if (!header.readInteger(INT32_MIN, INT32_MAX, count)) return true;  // no entry is read
  if (!header.skipLine(kHeaderRemainderLimit)) return true;
  const std::size_t first = header.position();
  std::size_t pos = first;
  std::size_t lines = 0;
  for (; static_cast<std::int64_t>(lines) < count && pos < text.size(); ++lines) {
    const std::size_t lineFeed = text.find('\n', pos);
    const std::size_t end = lineFeed == std::string_view::npos ? text.size() : lineFeed;
    if (!hasPlainFields(text.substr(pos, end - pos), format.tabs, format.numbers)) return false;
    pos = end + 1;
  }
  const std::string_view read = text.substr(first, std::min(pos, text.size()) - first);
  return countTabs(read) == lines * format.tabs;
}

}  // namespace

bool Dictionary::loadFile(const std::string& fileName, const LineFormat& format,
                          const KanaConverter& kana, std::ostream& console) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file.is_open()) return false;
  load(file, format, kana, console);
  return true;
}

void Dictionary::load(std::istream& in, const LineFormat& format, const KanaConverter& kana,
                      std::ostream& console) {
  text_ = std::make_unique<const std::string>(dropCarriageReturns(readRest(in)));
  format_ = &format;
  kana_ = &kana;
  contents_.reset();
  if (!parsePrintsNothing(*text_, format)) parse(console);
  console.flush();
}

void Dictionary::parse(std::ostream& console) const {
  auto contents = std::make_unique<Contents>();
  if (text_ != nullptr) {
    parseDictionary(*text_, *kana_, console, format_->readLine, contents->entries,
                    contents->romaji);
    contents->order = keyOrder(contents->entries);
  }
  contents_ = std::move(contents);
}

const Dictionary::Contents& Dictionary::contents() const {
  if (contents_ == nullptr) {
    std::ostream nowhere(nullptr);  // the load found that the parse prints nothing
    parse(nowhere);
  }
  return *contents_;
}

bool Dictionary::loadVerbFile(const std::string& fileName, const KanaConverter& kana,
                              std::ostream& console) {
  return loadFile(fileName, kVerbLines, kana, console);
}

void Dictionary::loadVerbFile(std::istream& in, const KanaConverter& kana, std::ostream& console) {
  load(in, kVerbLines, kana, console);
}

bool Dictionary::loadAdjectiveFile(const std::string& fileName, const KanaConverter& kana,
                                   std::ostream& console) {
  return loadFile(fileName, kAdjectiveLines, kana, console);
}

void Dictionary::loadAdjectiveFile(std::istream& in, const KanaConverter& kana,
                                   std::ostream& console) {
  load(in, kAdjectiveLines, kana, console);
}

const DictionaryKeyIndex& Dictionary::keyIndex() const {
  const Contents& built = contents();
  DictionaryKeyIndex& index = contents_->keyIndex;
  if (built.keyIndexBuilt) return index;
  contents_->keyIndexBuilt = true;
  index.records.reserve(built.entries.size());
  for (const DictionaryEntry& entry : *this) {
    DictionaryKeyIndex::Record& record = index.records.emplace_back();
    record.entry = &entry;
    record.keyOffset = index.keys.size();
    record.wordClass = entry.wordClass;
    index.keys += entry.romaji;
  }
  return index;
}

bool Dictionary::lookup(std::string_view romaji, std::vector<DictionaryEntry>& found) const {
  found.clear();
  const Contents& built = contents();
  struct KeyLess {
    const Entries& entries;
    bool operator()(std::uint32_t a, std::string_view key) const { return entries[a].romaji < key; }
    bool operator()(std::string_view key, std::uint32_t a) const { return key < entries[a].romaji; }
  };
  const auto [first, last] =
      std::equal_range(built.order.begin(), built.order.end(), romaji, KeyLess{built.entries});
  for (auto it = first; it != last; ++it) found.push_back(built.entries[*it]);
  return !found.empty();
}

InflectionResult wordFromEntry(const DictionaryEntry& entry, std::int16_t wordClass) {
  InflectionResult word;
  word.romaji = entry.romaji;
  word.wordClass = wordClass;
  word.written = entry.written;
  word.reading = entry.reading;
  word.attitude = entry.attitude;
  std::copy(entry.extended.begin(), entry.extended.end(), word.extended.begin());
  return word;
}
