#include "grammar_reader.hpp"

#include <fstream>
#include <set>
#include <sstream>

#include "grammar_text.hpp"

namespace {

int parseSense(const std::string& w) {
  if (w == "aff") return Affirmative;
  if (w == "neg") return Negative;
  fail("sense: " + w);
}

int parsePoliteness(const std::string& w) {
  if (w == "abr") return Abrupt;
  if (w == "pl") return Plain;
  if (w == "pol") return Polite;
  fail("politeness: " + w);
}

/// The optional attributes after the leading words: hon, hum, col.
void parseMarks(const std::vector<std::string>& words, std::size_t from, Attributes& a) {
  for (std::size_t i = from; i < words.size(); ++i) {
    if (words[i] == "hon") a.attitude = Honorific;
    else if (words[i] == "hum") a.attitude = Humble;
    else if (words[i] == "col") a.colloquial = 1;
    else fail("attribute: " + words[i]);
  }
}

std::vector<std::string> wordsOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

// "sense politeness [hon|hum] [col]"
Attributes parseAttributes(const std::string& text) {
  std::vector<std::string> words = wordsOf(text);
  if (words.size() < 2) fail("attributes: " + text);
  Attributes a;
  a.sense = parseSense(words[0]);
  a.politeness = parsePoliteness(words[1]);
  parseMarks(words, 2, a);
  return a;
}

Specs parseSpecs(const std::string& text) {
  Specs specs;
  for (const std::string& token : wordsOf(text)) {
    std::size_t eq = token.find('=');
    if (eq == std::string::npos) fail("spec without '=': " + token);
    specs[token.substr(0, eq)] = token.substr(eq + 1);
  }
  return specs;
}

/// "case <id> <name>"
template <typename CaseType>
CaseType parseCase(const std::string& rest) {
  CaseType c;
  std::istringstream r(rest);
  r >> c.id;
  std::getline(r, c.name);
  c.name = trim(c.name);
  return c;
}

/// Calls `read(kind, rest, lineNo)` for every line that is not blank or a
/// comment, naming the file and line in any complaint.
template <typename Read>
void forEachLine(const std::string& path, Read read) {
  std::ifstream in(path);
  if (!in) fail("cannot open " + path);
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    try {
      line = trim(line);
      if (line.empty() || line[0] == '#') continue;
      std::string kind = line.substr(0, line.find(' '));
      read(kind, trim(line.substr(kind.size())), lineNo);
    } catch (const std::exception& e) {
      fail(path + ":" + std::to_string(lineNo) + ": " + e.what());
    }
  }
}

// form: attributes | added | result | gloss | specs
// para: paradigm [hon|hum] [col] | added | result | a / neg / past / past neg | stems
SourceLine parseFormOrPara(const std::string& kind, const std::string& rest) {
  std::vector<std::string> f = splitOn(rest, "|");
  SourceLine s;
  if (kind == "form") {
    if (f.size() != 5) fail("form needs 5 fields");
    s.attributes = parseAttributes(f[0]);
  } else {
    if (f.size() != 5) fail("para needs 5 fields");
    s.kind = SourceLine::Para;
    std::vector<std::string> words = wordsOf(f[0]);
    if (words.empty()) fail("para without a paradigm");
    s.paradigm = words[0];
    parseMarks(words, 1, s.attributes);
    if (splitOn(f[3], "/").size() != 4) fail("para needs four glosses");
  }
  s.added = caseList(f[1]);
  s.resultClass = std::stoi(f[2]);
  s.gloss = f[3];
  s.specs = parseSpecs(f[4]);
  return s;
}

}  // namespace

VerbSource readVerbSource(const std::string& path) {
  VerbSource source;
  source.path = path;
  forEachLine(path, [&](const std::string& kind, const std::string& rest, int lineNo) {
    if (kind == "case") {
      source.cases.push_back(parseCase<SourceCase>(rest));
    } else if (kind == "unserved") {
      for (const std::string& w : wordsOf(rest)) source.unserved.push_back(w);
    } else if (kind == "form" || kind == "para") {
      if (source.cases.empty()) fail("form before any case");
      SourceLine line = parseFormOrPara(kind, rest);
      line.lineNo = lineNo;
      source.cases.back().lines.push_back(line);
    } else {
      fail("unknown line kind " + kind);
    }
  });
  return source;
}

// rule sense pol | added | result | gloss | ending [X=words]
std::vector<AdjectiveSourceCase> readAdjectiveSource(const std::string& path) {
  std::vector<AdjectiveSourceCase> cases;
  forEachLine(path, [&](const std::string& kind, const std::string& rest, int) {
    if (kind == "case") {
      cases.push_back(parseCase<AdjectiveSourceCase>(rest));
      return;
    }
    if (kind != "rule" || cases.empty()) fail("unexpected line");
    std::vector<std::string> f = splitOn(rest, "|");
    if (f.size() != 5) fail("rule needs 5 fields");
    AdjectiveSourceRule rule;
    rule.attributes = parseAttributes(f[0]);
    rule.added = caseList(f[1]);
    rule.resultClass = f[2];
    rule.gloss = f[3];
    std::vector<std::string> spec = wordsOf(f[4]);
    if (spec.empty()) fail("rule without an ending");
    rule.ending = spec[0];
    for (std::size_t i = 1; i < spec.size(); ++i) {
      if (!startsWith(spec[i], "X=")) fail("unknown spec " + spec[i]);
      for (const std::string& word : splitOn(spec[i].substr(2), ",")) rule.exceptions.push_back(word);
    }
    cases.back().rules.push_back(rule);
  });
  return cases;
}

ClassSections readClassSections(const std::string& path) {
  ClassSections sections;
  std::ifstream in(path);
  if (!in) return sections;
  std::set<std::string> keywords(kClassSections.begin(), kClassSections.end());
  keywords.insert("NONSTEM_EXCLUDE");
  keywords.insert("EDICT_EXCLUDE");
  std::vector<std::string>* current = nullptr;
  int remaining = 0;
  std::string word;
  while (in >> word) {
    if (remaining > 0 && current) {
      current->push_back(word);
      --remaining;
      continue;
    }
    if (keywords.count(word)) {
      current = &sections[word];
      if (!(in >> remaining)) fail("no count after " + word + " in " + path);
    }
  }
  return sections;
}
