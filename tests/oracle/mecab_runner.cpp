#include "oracle/mecab_runner.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// Feature columns of an analysed morpheme.
constexpr std::size_t kBaseFormColumn = 6;

std::string shellQuote(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

Morpheme parseMorpheme(const std::string& line) {
  Morpheme morpheme;
  const std::size_t tab = line.find('\t');
  morpheme.surface = line.substr(0, tab);
  morpheme.baseForm = morpheme.surface;
  if (tab == std::string::npos) return morpheme;
  std::vector<std::string> features;
  std::istringstream in(line.substr(tab + 1));
  std::string field;
  while (std::getline(in, field, ',')) features.push_back(field);
  if (!features.empty()) morpheme.partOfSpeech = features[0];
  if (features.size() > kBaseFormColumn && features[kBaseFormColumn] != "*") {
    morpheme.baseForm = features[kBaseFormColumn];
  }
  return morpheme;
}

}  // namespace

bool mecabAvailable(const std::string& dictionaryDir, std::string& reason) {
  if (std::system("mecab -v >/dev/null 2>&1") != 0) {
    reason = "the mecab program is not installed (package mecab)";
    return false;
  }
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::path(dictionaryDir) / "sys.dic", ec)) {
    reason = "no compiled MeCab dictionary in " + dictionaryDir + " (package mecab-ipadic)";
    return false;
  }
  return true;
}

Analyses parseMecabOutput(const std::string& output) {
  Analyses analyses;
  std::vector<Morpheme> sentence;
  std::istringstream in(output);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "EOS") {
      analyses.push_back(std::move(sentence));
      sentence.clear();
    } else if (!line.empty()) {
      sentence.push_back(parseMorpheme(line));
    }
  }
  return analyses;
}

bool analyseLines(const std::vector<std::string>& lines, const std::string& dictionaryDir,
                  const std::string& workPrefix, Analyses& analyses, std::string& error) {
  const std::string inPath = workPrefix + ".in";
  const std::string outPath = workPrefix + ".out";
  {
    std::ofstream in(inPath, std::ios::binary | std::ios::trunc);
    for (const auto& line : lines) in << line << '\n';
    if (!in) {
      error = "cannot write " + inPath;
      return false;
    }
  }
  const std::string command = "mecab -d " + shellQuote(dictionaryDir) + " -o " +
                              shellQuote(outPath) + " " + shellQuote(inPath) + " 2>&1";
  if (std::system(command.c_str()) != 0) {
    error = "mecab failed: " + command;
    return false;
  }
  std::ifstream out(outPath, std::ios::binary);
  std::ostringstream text;
  text << out.rdbuf();
  analyses = parseMecabOutput(text.str());
  if (analyses.size() != lines.size()) {
    error = "mecab gave " + std::to_string(analyses.size()) + " analyses for " +
            std::to_string(lines.size()) + " lines";
    return false;
  }
  return true;
}
