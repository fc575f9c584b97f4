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

std::vector<std::string> wordsOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

/// The optional marks after the leading words: hon, hum, col (and, where
/// `line` is given, a para line's imp and vol).
void parseMarks(const std::vector<std::string>& words, std::size_t from, Attributes& a,
                SourceLine* line = nullptr) {
  for (std::size_t i = from; i < words.size(); ++i) {
    if (words[i] == "hon") a.attitude = Honorific;
    else if (words[i] == "hum") a.attitude = Humble;
    else if (words[i] == "col") a.colloquial = 1;
    else if (line && words[i] == "imp") line->imperative = true;
    else if (line && words[i] == "vol") line->volitional = true;
    else if (line && words[i] == "rya") line->contractedBa = true;
    else fail("attribute: " + words[i]);
  }
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

/// Named word lists ("words humble matu=mati:待ち ..."), used as @name.
using WordLists = std::map<std::string, std::vector<std::string>>;

/// A comma-separated word list with each @name replaced by its words (the
/// part of each before any "=").
std::vector<std::string> expandWords(const std::string& text, const WordLists& lists) {
  std::vector<std::string> words;
  for (const std::string& item : splitOn(text, ",")) {
    if (item.empty()) continue;
    if (item[0] != '@') {
      words.push_back(item);
      continue;
    }
    auto list = lists.find(item.substr(1));
    if (list == lists.end()) fail("no word list " + item);
    for (const std::string& w : list->second) words.push_back(w.substr(0, w.find('=')));
  }
  return words;
}

std::string joinWords(const std::vector<std::string>& words) {
  std::string joined;
  for (const std::string& w : words) joined += (joined.empty() ? "" : ",") + w;
  return joined;
}

// W=words:romaji[:written] - the named words and what replaces each.
void parseNamed(const std::string& value, const WordLists& lists, std::vector<NamedReplacement>& named) {
  std::vector<std::string> parts = splitOn(value, ":");
  if (parts.size() < 2 || parts.size() > 3 || parts[1].empty()) fail("W= needs words:romaji[:written]");
  const std::string written = parts.size() == 3 ? eucFromUtf8(parts[2]) : "";
  for (const std::string& word : expandWords(parts[0], lists)) named.push_back({word, parts[1], written});
}

// O=@list[:text] - "o" + each listed word's masu stem + text; the list's
// items are word=stem:written stem.
void parseHumbleList(const std::string& value, const WordLists& lists, std::vector<NamedReplacement>& named) {
  std::vector<std::string> parts = splitOn(value, ":");
  if (parts.empty() || parts[0].size() < 2 || parts[0][0] != '@') fail("O= needs @list[:text]");
  auto list = lists.find(parts[0].substr(1));
  if (list == lists.end()) fail("no word list " + parts[0]);
  const std::string text = parts.size() > 1 ? parts[1] : "";
  for (const std::string& item : list->second) {
    const std::size_t eq = item.find('='), colon = item.find(':');
    if (eq == std::string::npos || colon == std::string::npos || colon < eq) fail("O= list item: " + item);
    std::string romaji = "o";  // built in steps: GCC 12 warns falsely on literal + temporary
    romaji += item.substr(eq + 1, colon - eq - 1);
    romaji += text;
    std::string written = "\xE3\x81\x8A";  // お
    written += item.substr(colon + 1);
    named.push_back({item.substr(0, eq), romaji, eucFromUtf8(written)});
  }
}

void parseSpecs(const std::string& text, const WordLists& lists, SourceLine& line) {
  for (const std::string& token : wordsOf(text)) {
    std::size_t eq = token.find('=');
    if (eq == std::string::npos) fail("spec without '=': " + token);
    const std::string key = token.substr(0, eq), value = token.substr(eq + 1);
    if (key == "W") parseNamed(value, lists, line.named);
    else if (key == "O") parseHumbleList(value, lists, line.named);
    else if (key == "X" || key == "XI" || key == "XG") line.specs[key] = joinWords(expandWords(value, lists));
    else if (line.specs.count(key)) fail("spec given twice: " + key);
    else line.specs[key] = value;
  }
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
// para: paradigm [hon|hum] [col] [imp] [vol] [rya] | added | result | glosses | stems
SourceLine parseFormOrPara(const std::string& kind, const std::string& rest, const WordLists& lists) {
  std::vector<std::string> f = splitOn(rest, "|");
  if (f.size() != 5) fail(kind + " needs 5 fields");
  SourceLine s;
  if (kind == "form") {
    s.attributes = parseAttributes(f[0]);
    s.glosses = {f[3]};
  } else {
    s.kind = SourceLine::Para;
    std::vector<std::string> words = wordsOf(f[0]);
    if (words.empty()) fail("para without a paradigm");
    s.paradigm = words[0];
    parseMarks(words, 1, s.attributes, &s);
    s.glosses = splitOn(f[3], "/");
    const std::size_t wanted = s.imperative || s.volitional ? 6 : 4;
    if (s.glosses.size() != wanted) fail("para needs " + std::to_string(wanted) + " glosses");
  }
  s.added = caseList(f[1]);
  s.resultClass = parseClass(f[2]);
  parseSpecs(f[4], lists, s);
  return s;
}

// paradigm <name> <14 endings> [imp=] [vol=] [polvol=] [rya=] [negpol=] [pastnegpol=]
std::pair<std::string, Paradigm> parseParadigm(const std::string& rest) {
  std::vector<std::string> words = wordsOf(rest);
  if (words.size() < 15) fail("paradigm needs a name and 14 endings");
  Paradigm p;
  p.endings.assign(words.begin() + 1, words.begin() + 15);
  const std::map<std::string, std::string*> extras = {
      {"imp", &p.imperative},  {"vol", &p.volitional},          {"polvol", &p.politeVolitional},
      {"rya", &p.contractedBa}, {"negpol", &p.politeNegative}, {"pastnegpol", &p.pastPoliteNegative}};
  for (std::size_t i = 15; i < words.size(); ++i) {
    const std::size_t eq = words[i].find('=');
    auto extra = eq == std::string::npos ? extras.end() : extras.find(words[i].substr(0, eq));
    if (extra == extras.end()) fail("paradigm extra: " + words[i]);
    *extra->second = words[i].substr(eq + 1);
  }
  return {words[0], p};
}

// kind <kind> <word>[:<kanji>] ...
void parseKind(const std::string& rest, VerbSource& source) {
  static const std::set<std::string> kKinds = {"kuru", "iku", "teku", "tou", "aru", "honorific", "kureru", "zuru"};
  std::vector<std::string> words = wordsOf(rest);
  if (words.size() < 2 || !kKinds.count(words[0])) fail("kind: " + rest);
  if (source.kinds.count(words[0])) fail("kind declared twice: " + words[0]);
  source.kindOrder.push_back(words[0]);
  std::vector<IrregularWord>& kind = source.kinds[words[0]];
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::size_t colon = words[i].find(':');
    kind.push_back({words[i].substr(0, colon),
                    colon == std::string::npos ? "" : eucFromUtf8(words[i].substr(colon + 1))});
  }
}

}  // namespace

/// A result class by the name of its word class (or as a number).
int parseClass(const std::string& text) {
  static const std::map<std::string, int> kNames = {
      {"Itidan", Itidan},
      {"Godan", Godan},
      {"SuruAux", SuruAux},
      {"Irregular", Irregular},
      {"IrregularItidan", IrregularItidan},
      {"IrregularGodan", IrregularGodan},
      {"IrregularSuru", IrregularSuru},
      {"VerbInflection", VerbInflection},
      {"TrueAdjective", TrueAdjective},
      {"AdjectiveInflection", AdjectiveInflection},
      {"Noun", Noun},
  };
  auto named = kNames.find(text);
  if (named != kNames.end()) return named->second;
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) fail("class: " + text);
  return std::stoi(text);
}

VerbSource readVerbSource(const std::string& path) {
  VerbSource source;
  source.path = path;
  WordLists lists;
  forEachLine(path, [&](const std::string& kind, const std::string& rest, int lineNo) {
    if (kind == "case") {
      source.cases.push_back(parseCase<SourceCase>(rest));
    } else if (kind == "unserved") {
      for (const std::string& w : wordsOf(rest)) source.unserved.push_back(w);
    } else if (kind == "kind") {
      parseKind(rest, source);
      // A kind's words are also a list: @honorific.
      for (const IrregularWord& w : source.kinds[wordsOf(rest)[0]]) lists[wordsOf(rest)[0]].push_back(w.word);
    } else if (kind == "words") {
      std::vector<std::string> words = wordsOf(rest);
      if (words.size() < 2 || lists.count(words[0])) fail("words: a new list name and its words");
      for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i][0] != '@') lists[words[0]].push_back(words[i]);
        else for (const std::string& w : expandWords(words[i], lists)) lists[words[0]].push_back(w);
      }
    } else if (kind == "paradigm") {
      auto [name, paradigm] = parseParadigm(rest);
      if (!source.paradigms.emplace(name, paradigm).second) fail("paradigm declared twice: " + name);
    } else if (kind == "form" || kind == "para") {
      if (source.cases.empty()) fail("form before any case");
      SourceLine line = parseFormOrPara(kind, rest, lists);
      if (line.kind == SourceLine::Para && !source.paradigms.count(line.paradigm)) {
        fail("no paradigm " + line.paradigm);
      }
      line.lineNo = lineNo;
      source.cases.back().lines.push_back(line);
    } else {
      fail("unknown line kind " + kind);
    }
  });
  return source;
}

// words <name> <words>
// rule sense pol | added | result | gloss | ending [X=words] [W=words[:replacement]]
std::vector<AdjectiveSourceCase> readAdjectiveSource(const std::string& path) {
  std::vector<AdjectiveSourceCase> cases;
  WordLists lists;
  forEachLine(path, [&](const std::string& kind, const std::string& rest, int) {
    if (kind == "case") {
      cases.push_back(parseCase<AdjectiveSourceCase>(rest));
      return;
    }
    if (kind == "words") {
      std::vector<std::string> words = wordsOf(rest);
      if (words.size() < 2 || lists.count(words[0])) fail("words: a new list name and its words");
      lists[words[0]].assign(words.begin() + 1, words.end());
      return;
    }
    if (kind != "rule" || cases.empty()) fail("unexpected line");
    std::vector<std::string> f = splitOn(rest, "|");
    if (f.size() != 5) fail("rule needs 5 fields");
    AdjectiveSourceRule rule;
    rule.attributes = parseAttributes(f[0]);
    rule.added = caseList(f[1]);
    rule.resultClass = parseClass(f[2]);
    rule.gloss = f[3];
    std::vector<std::string> spec = wordsOf(f[4]);
    if (spec.empty()) fail("rule without an ending");
    rule.ending = spec[0];
    for (std::size_t i = 1; i < spec.size(); ++i) {
      if (startsWith(spec[i], "X=")) {
        for (const std::string& word : expandWords(spec[i].substr(2), lists)) rule.exceptions.push_back(word);
      } else if (startsWith(spec[i], "W=")) {
        // W=words: each word less its final i, then the ending; W=word:romaji
        // names the whole replacement.
        std::vector<std::string> parts = splitOn(spec[i].substr(2), ":");
        const std::string ending = rule.ending[0] == '!' ? rule.ending.substr(1) : rule.ending;
        for (const std::string& word : expandWords(parts[0], lists)) {
          if (parts.size() > 1) rule.named.push_back({word, parts[1], ""});
          else rule.named.push_back({word, word.substr(0, word.size() - 1) + ending, ""});
        }
      } else {
        fail("unknown spec " + spec[i]);
      }
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
