#include "oracle/ipadic.hpp"

#include <algorithm>
#include <fstream>

#include "romaji/kana_converter.hpp"

namespace {

// Columns of a lexicon row.
constexpr std::size_t kSurfaceColumn = 0;
constexpr std::size_t kTypeColumn = 8;
constexpr std::size_t kFormColumn = 9;
constexpr std::size_t kBaseColumn = 10;
constexpr std::size_t kReadingColumn = 11;

// EUC-JP bytes are all 0x80 or above, so a plain comma split is safe.
std::vector<std::string> splitRow(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return fields;
}

void addReading(std::vector<std::string>& readings, const std::string& reading) {
  if (std::find(readings.begin(), readings.end(), reading) == readings.end()) {
    readings.push_back(reading);
  }
}

// Files the finished block, merging it into a word of the same written form,
// reading and conjugation type when the lexicon already has one.
void fileWord(IpadicWord word, const KanaConverter& kana, IpadicLexicon& lexicon) {
  const std::string key = ipadicKey(word.base, kana.toRomaji(word.baseReading));
  auto [first, last] = lexicon.equal_range(key);
  for (auto it = first; it != last; ++it) {
    if (it->second.conjugationType != word.conjugationType) continue;
    for (const auto& [form, readings] : word.stems) {
      for (const auto& reading : readings) addReading(it->second.stems[form], reading);
    }
    for (const auto& [form, written] : word.writtenStems) {
      for (const auto& stem : written) addReading(it->second.writtenStems[form], stem);
    }
    return;
  }
  lexicon.emplace(key, std::move(word));
}

}  // namespace

std::string ipadicKey(std::string_view written, std::string_view romaji) {
  std::string key(written);
  key += '\t';
  key += romaji;
  return key;
}

bool readIpadicFile(const std::string& path, const KanaConverter& kana, IpadicLexicon& lexicon) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  IpadicWord word;
  bool open = false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> fields = splitRow(line);
    if (fields.size() <= kReadingColumn) continue;
    const std::string& form = fields[kFormColumn];
    if (form == ipadic::kBaseForm) {
      if (open) fileWord(std::move(word), kana, lexicon);
      word = IpadicWord{fields[kBaseColumn], fields[kReadingColumn], fields[kTypeColumn], {}, {}};
      open = true;
    } else if (!open || fields[kBaseColumn] != word.base ||
               fields[kTypeColumn] != word.conjugationType) {
      continue;  // a row outside any block names no word we can key
    }
    addReading(word.stems[form], fields[kReadingColumn]);
    addReading(word.writtenStems[form], fields[kSurfaceColumn]);
  }
  if (open) fileWord(std::move(word), kana, lexicon);
  return true;
}
