#include "shell/result_renderer.hpp"

#include <array>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <string_view>
#include <utility>

#include "inflection/word_class.hpp"
#include "romaji/kana_converter.hpp"
#include "shell/result_file.hpp"
#include "shell/shell_state.hpp"

namespace {

/// Byte column where the reading starts in a file block.
constexpr std::size_t kReadingColumn = 30;
/// Spaces between a written form that reaches the reading column and the reading.
constexpr std::size_t kOverlongGap = 3;

/// Replaces every occurrence of `tag` in one left-to-right pass; text just
/// inserted is never scanned again, so a replacement holding its own tag
/// cannot make the expansion run forever.
std::string replaceAll(const std::string& text, std::string_view tag,
                       const std::string& replacement) {
  std::string out;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t found = text.find(tag, pos);
    if (found == std::string::npos) break;
    out.append(text, pos, found - pos);
    out += replacement;
    pos = found + tag.size();
  }
  out.append(text, pos, std::string::npos);
  return out;
}

std::string attributeText(const InflectionResult& result) {
  std::string text;
  if (result.sense == Affirmative) text += "Aff. ";
  if (result.sense == Negative) text += "Neg. ";
  if (result.politeness == Abrupt) text += "Abr. ";
  if (result.politeness == Plain) text += "Pl. ";
  if (result.politeness == Polite) text += "Pol. ";
  if (result.attitude == Honorific) text += "Hon. ";
  if (result.attitude == Humble) text += "Hum. ";
  if (result.colloquial != 0) text += "Col. ";
  text += result.caseName;
  return text;
}

std::string_view attitudeName(std::int32_t attitude) {
  switch (attitude) {
    case Neutral: return "Neutral";
    case Honorific: return "Honorific";
    case Humble: return "Humble";
    default: return "";
  }
}

std::string_view senseScreenLine(std::int32_t sense) {
  switch (sense) {
    case Affirmative: return "Screening for AFFIRMATIVE sense.\n";
    case Negative: return "Screening for NEGATIVE sense.\n";
    default: return "";
  }
}

std::string_view politenessScreenText(std::int16_t politeness) {
  switch (politeness) {
    case Abrupt: return "Screening for ABRUPT politeness.";
    case Plain: return "Screening for PLAIN politeness.";
    case Polite: return "Screening for POLITE politeness.";
    default: return "";
  }
}

/// ".euc" is appended unless the name already ends in ".euc" or ".EUC"; an
/// empty name becomes the word's romaji.
void adjustFileName(const std::string& romaji, std::string& fileName) {
  if (fileName.empty()) {
    fileName = romaji + ".euc";
    return;
  }
  if (!fileName.ends_with(".euc") && !fileName.ends_with(".EUC")) fileName += ".euc";
}

void writeFileHeader(const InflectionResult& word, std::int32_t sense, std::int16_t politeness,
                     const std::vector<std::string>& selectedCases, const KanaConverter& kana,
                     std::ostream& out) {
  out << '\n';
  out << "Conjugation of:      " << word.romaji << '\n';
  out << "Meaning:             "
      << (word.meaning.empty() ? std::string("NO DICTIONARY LISTING") : word.meaning) << "\n\n";
  out << "Kanji:               "
      << (word.written.empty() ? std::string("NOT AVAILABLE") : word.written) << '\n';
  out << "Reading:             "
      << (word.reading.empty() ? kana.toKana(word.romaji) : word.reading) << "\n\n";
  out << "Part of Speech:      " << partOfSpeechName(word.wordClass) << '\n';
  out << "Inherent Attitude:   " << attitudeName(word.attitude) << "\n\n";
  if (!selectedCases.empty()) {
    out << "Screening inflection cases:\n";
    for (const auto& name : selectedCases) out << "\tIncluding " << name << " case.\n";
  }
  out << senseScreenLine(sense);
  // The politeness text has no line end of its own, so two line feeds
  // follow whether or not it was written.
  out << politenessScreenText(politeness) << "\n\n";
}

/// The bytes of a result file: the header, then a file block per result.
std::string resultFileBytes(const InflectionResult& word,
                            const std::vector<InflectionResult>& results, std::int32_t sense,
                            std::int16_t politeness, const std::vector<std::string>& selectedCases,
                            const KanaConverter& kana) {
  std::ostringstream content;
  writeFileHeader(word, sense, politeness, selectedCases, kana, content);
  for (const auto& result : results) {
    formatResultFileBlock(result, content);
    content << '\n';
  }
  return std::move(content).str();
}

}  // namespace

std::string expandGloss(const InflectionResult& result) {
  if (result.extended[0].empty()) return result.gloss;
  struct Tag {
    std::string_view text;
    std::size_t field;
  };
  static constexpr std::array<Tag, 6> kTags = {{
      {"[do]", 0},
      {"[X]", 0},
      {"[does]", 1},
      {"[doing]", 2},
      {"[did]", 3},
      {"[done]", 4},
  }};
  std::string line = result.gloss;
  for (const auto& tag : kTags) line = replaceAll(line, tag.text, result.extended[tag.field]);
  return line;
}

void formatResultBlock(const InflectionResult& result, std::ostream& stream) {
  const std::ios::fmtflags saved = stream.flags();
  stream << std::left << std::setw(25) << result.romaji << std::setw(40) << attributeText(result)
         << std::setw(15) << classLabel(result.wordClass) << '\n';
  stream.flags(saved);
  stream << expandGloss(result) << '\n';
  stream << std::string(80, '-');
}

void formatResultFileBlock(const InflectionResult& result, std::ostream& stream) {
  stream << result.written;
  const std::size_t gap = result.written.size() >= kReadingColumn
                              ? kOverlongGap
                              : kReadingColumn - result.written.size();
  stream << std::string(gap, ' ') << result.reading << '\n';
  formatResultBlock(result, stream);
}

void renderResults(ConjRequest& request, ShellContext& context) {
  const InflectionResult& word = request.word;
  const std::vector<InflectionResult>& results = request.results;
  std::ostream& out = context.output;
  if (results.empty()) {
    out << "No Matching Rule(s).\n" << std::flush;
    context.state.currentWord = word;
    out << "Last word \"" << word.romaji << "\" is available for further operations.\n\n"
        << std::flush;
    return;
  }
  for (const auto& result : results) {
    formatResultBlock(result, out);
    out << '\n' << std::flush;
  }
  if (request.fileOutput) {
    adjustFileName(word.romaji, request.fileName);
    const std::string bytes = resultFileBytes(word, results, request.senseFilter,
                                              request.politenessFilter, request.caseNames,
                                              context.kana);
    if (!writeResultFile(request.fileName, bytes)) {
      out << "Error writing output to file: " << request.fileName << "\n\n" << std::flush;
    }
  }
  if (results.size() == 1) {
    context.state.currentWord = results.front();
    out << "\nResult \"" << results.front().romaji
        << "\" is available for further operations, if applicable.\n\n";
  } else {
    context.state.currentWord = word;
    out << "\nLast word \"" << word.romaji << "\" is available for further operations.\n\n";
  }
  out << std::flush;
}
