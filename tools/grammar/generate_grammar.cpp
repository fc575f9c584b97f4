// Expands the readable grammar tables (verbs.grammar, adjectives.grammar,
// verb_classes.grammar) into the three rule files the program reads.
//
// A verb form line names one base the way a learner thinks of it (negative
// stem, masu stem, te form...) and the generator spells it for every verb
// class, including the irregular rules for suru, kuru, the zuru and aisuru
// kinds, iku/yuku, tou/kou, aru, the -aru honorifics and kureru.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "romaji/kana_converter.hpp"

namespace {

const std::string kKuruKanji = "\xCD\xE8";  // 来
const std::string kIkuKanji = "\xB9\xD4";   // 行

struct RuleLine {
  int mask = 0;
  std::string word;
  int resultClass = 16;
  int column = 0;
  std::string prefix, suffix, auxiliary, tail;
};

struct Group {
  int sense = 1, politeness = 2, attitude = 0, colloquial = 0;
  std::string added, gloss;
  std::vector<RuleLine> rules;
};

struct Case {
  std::string name;
  int id = 0;
  std::vector<Group> groups;
};

std::string trim(const std::string& s) {
  std::size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  std::size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

std::vector<std::string> splitOn(const std::string& s, const std::string& sep) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (;;) {
    std::size_t at = s.find(sep, start);
    out.push_back(trim(s.substr(start, at - start)));
    if (at == std::string::npos) break;
    start = at + sep.size();
  }
  return out;
}

bool startsWith(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }

std::string spaces(std::string s) {
  for (char& c : s)
    if (c == '_') c = ' ';
  return s;
}

[[noreturn]] void fail(const std::string& what) { throw std::runtime_error(what); }

// Kana of the particles that are not written as they sound: wa is は, e is
// へ and o is を when they stand as words of their own.
std::string particleKana(const std::string& word) {
  if (word == "wa") return "\xA4\xCF";  // は
  if (word == "he") return "\xA4\xD8";  // へ
  if (word == "wo") return "\xA4\xF2";  // を
  return "";
}

bool hasParticle(const std::string& romaji) {
  for (const std::string& w : splitOn(romaji, "_"))
    if (!particleKana(w).empty()) return true;
  return false;
}

// Written form of a romaji replacement ("_" between words): kana, except that
// "^" marks the next syllable (ko, ki or ku) as the kanji of kuru and that the
// particles wa, he and wo take their own kana. No space is written.
std::string writtenOf(const KanaConverter& kana, const std::string& romaji) {
  std::string out;
  for (const std::string& word : splitOn(romaji, "_")) {
    if (!particleKana(word).empty()) {
      out += particleKana(word);
      continue;
    }
    std::string pending;
    for (std::size_t i = 0; i < word.size(); ++i) {
      if (word[i] == '^') {
        out += kana.toKana(pending);
        pending.clear();
        out += kKuruKanji;
        i += 2;  // the two letters of ko/ki/ku
        continue;
      }
      pending += word[i];
    }
    out += kana.toKana(pending);
  }
  if (out.find(kResultNotValid) != std::string::npos) fail("not valid romaji: " + romaji);
  return out;
}

std::string plainRomaji(std::string s) {
  std::string out;
  for (char c : spaces(s))
    if (c != '^') out += c;
  return out;
}

// Specs of one form: base keys (N M E V D T) and per-class keys.
using Specs = std::map<std::string, std::string>;

Specs parseSpecs(const std::string& text) {
  Specs specs;
  std::istringstream in(text);
  std::string token;
  while (in >> token) {
    std::size_t eq = token.find('=');
    if (eq == std::string::npos) fail("spec without '=': " + token);
    specs[token.substr(0, eq)] = token.substr(eq + 1);
  }
  return specs;
}

const std::vector<std::string> kBaseKeys = {"N", "M", "E", "V", "D", "T"};
const std::vector<std::string> kClassKeys = {"I", "G", "S", "K", "Z", "A", "A!", "H", "KR"};

// Regular spec "[prefix:]column[+rest]", rest = suffix[_auxiliary].
RuleLine regularRule(int mask, const std::string& spec, const std::string& prefixKey,
                     const KanaConverter& kana) {
  RuleLine r;
  r.mask = mask;
  std::string body = spec;
  r.prefix = prefixKey;
  std::size_t colon = body.find(':');
  if (colon != std::string::npos) {
    r.prefix = body.substr(0, colon);
    body = body.substr(colon + 1);
  }
  if (body.empty() || !std::isdigit(static_cast<unsigned char>(body[0]))) fail("bad regular spec: " + spec);
  r.column = body[0] - '0';
  std::string rest = body.size() > 1 && body[1] == '+' ? body.substr(2) : body.substr(1);
  std::size_t us = rest.find('_');
  r.suffix = rest.substr(0, us);
  if (us != std::string::npos) {
    std::string aux = rest.substr(us + 1);
    r.auxiliary = plainRomaji(aux);
    if (aux.find('^') != std::string::npos || hasParticle(aux)) r.tail = writtenOf(kana, aux);
  }
  if (r.suffix.find('^') != std::string::npos) fail("kanji mark in a suffix: " + spec);
  return r;
}

RuleLine wordRule(int mask, const std::string& word, const std::string& spec, std::string tail,
                  const KanaConverter& kana) {
  RuleLine r;
  r.mask = mask;
  r.word = word;
  r.suffix = plainRomaji(spec);
  r.tail = tail.empty() ? writtenOf(kana, spec) : tail;
  if (r.suffix.empty()) fail("empty replacement for " + word);
  return r;
}

RuleLine exceptionFor(const std::string& word);

struct Honorific {
  std::string word, stem;
};
const std::vector<Honorific> kHonorifics = {{"kudasaru", "kudasa"}, {"irassyaru", "irassya"},
                                            {"rassyaru", "rassya"}, {"ossyaru", "ossya"},
                                            {"nasaru", "nasa"},     {"gozaru", "goza"}};

struct FormLine {
  int sense = 1, politeness = 2, attitude = 0, colloquial = 0;
  std::string added, gloss;
  int resultClass = 16;
  Specs specs;
};

/// How each base is spelled per class: itidan and godan as a column of the
/// verb ending table, suru and kuru as the text the suffix follows, and the
/// aisuru-kind alternative (empty for none). T's godan spelling depends on
/// its suffix and is settled apart.
struct BaseSpelling {
  std::string_view base, itidan, godan, suru, kuru, aisuru;
};
constexpr BaseSpelling kBaseSpellings[] = {
    {"N", "0+", "1+", "si", "^ko", ""},      {"M", "0+", "2+", "si", "^ki", ""},
    {"E", "4+", "4+", "sure", "^kure", "se"}, {"V", "5+", "5+", "siyou", "^koyou", "sou"},
    {"D", "3+", "3+", "suru", "^kuru", ""},  {"T", "0+", "", "si", "^ki", ""},
};

// Every rule of one form; alternatives of the aisuru kind go to `extra`.
void expandForm(const FormLine& form, const KanaConverter& kana, std::vector<RuleLine>& rules,
                std::vector<RuleLine>& extra) {
  const Specs& s = form.specs;
  std::string base, x;
  for (const std::string& k : kBaseKeys)
    if (s.count(k)) {
      if (!base.empty()) fail("two bases in one form");
      base = k;
      x = s.at(k);
    }
  std::map<std::string, std::string> spell;  // class key -> spec, "-" none
  std::string aisuruAlt, aru, ikuRest;
  bool honorificMasu = false;
  for (const BaseSpelling& b : kBaseSpellings) {
    if (b.base != base) continue;
    spell["I"] = std::string(b.itidan) + x;
    if (!b.godan.empty()) spell["G"] = std::string(b.godan) + x;
    spell["S"] = std::string(b.suru) + x;
    spell["K"] = std::string(b.kuru) + x;
    if (!b.aisuru.empty()) aisuruAlt = std::string(b.aisuru) + x;
  }
  if (base == "N") {
    // -zu, -nu and -n follow se- (sezu); every other negative si- (sinai).
    bool zu = startsWith(x, "zu") || startsWith(x, "nu") || x == "n" || startsWith(x, "n_");
    if (zu) spell["S"] = "se" + x;
    if (startsWith(x, "na")) {
      aru = x;
      aisuruAlt = "sa" + x;
    }
  } else if (base == "M") {
    honorificMasu = startsWith(x, "mas");
  } else if (base == "T") {
    // The godan te and ta endings come from the table's own columns.
    if (startsWith(x, "te")) spell["G"] = "6+" + x.substr(2);
    else if (startsWith(x, "ta")) spell["G"] = "7+" + x.substr(2);
    ikuRest = x;
  }
  for (const std::string& k : kClassKeys)
    if (s.count(k)) spell[k] = s.at(k);
  auto has = [&](const std::string& k) { return spell.count(k) && spell[k] != "-" && !spell[k].empty(); };
  if (has("A") && s.count("A")) aisuruAlt = spell["A"];
  if (s.count("A") && s.at("A") == "-") aisuruAlt.clear();
  if (has("S") && !s.count("Z")) {
    const std::string& sv = spell["S"];
    if (startsWith(sv, "si") || startsWith(sv, "se") || startsWith(sv, "su")) spell["Z"] = "z" + sv.substr(1);
    else fail("explicit Z needed beside S=" + sv);
  }
  if (has("S") != has("Z")) fail("S and Z must come together (" + form.gloss + ")");
  std::string prefix = s.count("P") ? s.at("P") : "";

  auto add = [&](RuleLine r) {
    r.resultClass = form.resultClass;
    rules.push_back(r);
  };
  if (has("I")) add(regularRule(1, spell["I"], prefix, kana));
  if (has("G")) add(regularRule(2, spell["G"], prefix, kana));
  if (has("S")) add(wordRule(4, "suru", spell["S"], "", kana));
  if (has("Z")) add(wordRule(8, "zuru", spell["Z"], "", kana));
  if (has("A!")) add(wordRule(8, "suru", spell["A!"], "", kana));
  if (has("K")) {
    if (spell["K"][0] != '^') fail("kuru spelling must start with ^: " + spell["K"]);
    add(wordRule(8, "kuru", spell["K"], "", kana));
  }
  if (!ikuRest.empty() && spell.count("G") && spell["G"] != "-" && !s.count("G")) {
    // iku and yuku: the te and ta forms double the t.
    add(wordRule(8, "iku", "it" + ikuRest, kIkuKanji + writtenOf(kana, "t" + ikuRest), kana));
    add(wordRule(8, "yuku", "yut" + ikuRest, kIkuKanji + writtenOf(kana, "t" + ikuRest), kana));
    // teku and deku, the contracted -te iku, double the t as iku does.
    for (const char* contracted : {"teku", "deku"})
      add(wordRule(8, contracted, std::string(1, contracted[0]) + "et" + ikuRest, "", kana));
    // tou and kou keep the u: toute, koute.
    add(wordRule(8, "tou", "tou" + ikuRest, "", kana));
    add(wordRule(8, "kou", "kou" + ikuRest, "", kana));
  } else if (!ikuRest.empty() && !startsWith(ikuRest, "te") && !startsWith(ikuRest, "ta") && !s.count("G")) {
    // contractions of the te form (tyau, toku, tya) exist for iku too
    add(wordRule(8, "iku", "it" + ikuRest, kIkuKanji + writtenOf(kana, "t" + ikuRest), kana));
    for (const char* contracted : {"teku", "deku"})
      add(wordRule(8, contracted, std::string(1, contracted[0]) + "et" + ikuRest, "", kana));
  }
  if (!aru.empty() && !s.count("G")) add(wordRule(8, "aru", aru, "", kana));
  if (honorificMasu && !s.count("G"))
    for (const Honorific& h : kHonorifics) add(wordRule(8, h.word, h.stem + "i" + x, "", kana));
  if (has("H"))
    for (const Honorific& h : kHonorifics) add(wordRule(8, h.word, h.stem + spell["H"], "", kana));
  if (has("KR")) add(wordRule(8, "kureru", spell["KR"], "", kana));
  if (s.count("X"))
    for (const std::string& w : splitOn(s.at("X"), ",")) rules.push_back(exceptionFor(w));
  if (!aisuruAlt.empty() && has("S")) {
    RuleLine r = wordRule(8, "suru", aisuruAlt, "", kana);
    r.resultClass = form.resultClass;
    extra.push_back(r);
  }
}

int parseSense(const std::string& w) {
  if (w == "aff") return 1;
  if (w == "neg") return 2;
  fail("sense: " + w);
}
int parsePoliteness(const std::string& w) {
  if (w == "abr") return 1;
  if (w == "pl") return 2;
  if (w == "pol") return 3;
  fail("politeness: " + w);
}

// "sense politeness [hon|hum] [col]"
void parseAttributes(const std::string& text, FormLine& f) {
  std::istringstream in(text);
  std::string w;
  std::vector<std::string> words;
  while (in >> w) words.push_back(w);
  if (words.size() < 2) fail("attributes: " + text);
  f.sense = parseSense(words[0]);
  f.politeness = parsePoliteness(words[1]);
  for (std::size_t i = 2; i < words.size(); ++i) {
    if (words[i] == "hon") f.attitude = 1;
    else if (words[i] == "hum") f.attitude = 2;
    else if (words[i] == "col") f.colloquial = 1;
    else fail("attribute: " + words[i]);
  }
}

// Added cases are written with commas in the grammar, bars in the rule files.
std::string caseList(std::string s) {
  for (char& c : s)
    if (c == ',') c = '|';
  return s;
}

struct Paradigm {
  // plain, neg, polite, polite neg, then the four past forms; then the
  // chaining forms a derived verb is met in: te, neg te, -ba, neg -ba, -tara,
  // neg -tara (all plain)
  std::vector<std::string> endings;
};

const std::map<std::string, Paradigm> kParadigms = {
    {"itidan", {{"ru", "nai", "masu", "masen", "ta", "nakatta", "masita", "masen_desita",
                 "te", "nakute", "reba", "nakereba", "tara", "nakattara"}}},
    {"godan-u", {{"u", "wanai", "imasu", "imasen", "tta", "wanakatta", "imasita", "imasen_desita",
                  "tte", "wanakute", "eba", "wanakereba", "ttara", "wanakattara"}}},
    {"godan-ru", {{"ru", "ranai", "rimasu", "rimasen", "tta", "ranakatta", "rimasita",
                   "rimasen_desita", "tte", "ranakute", "reba", "ranakereba", "ttara",
                   "ranakattara"}}},
    {"godan-su", {{"su", "sanai", "simasu", "simasen", "sita", "sanakatta", "simasita",
                   "simasen_desita", "site", "sanakute", "seba", "sanakereba", "sitara",
                   "sanakattara"}}},
    {"godan-ku", {{"ku", "kanai", "kimasu", "kimasen", "ita", "kanakatta", "kimasita",
                   "kimasen_desita", "ite", "kanakute", "keba", "kanakereba", "itara",
                   "kanakattara"}}},
    {"iku", {{"ku", "kanai", "kimasu", "kimasen", "tta", "kanakatta", "kimasita", "kimasen_desita",
              "tte", "kanakute", "keba", "kanakereba", "ttara", "kanakattara"}}},
    {"kuru", {{"^kuru", "^konai", "^kimasu", "^kimasen", "^kita", "^konakatta", "^kimasita",
               "^kimasen_desita", "^kite", "^konakute", "^kureba", "^konakereba", "^kitara",
               "^konakattara"}}},
    {"aru", {{"aru", "nai", "arimasu", "arimasen", "atta", "nakatta", "arimasita",
              "arimasen_desita", "atte", "nakute", "areba", "nakereba", "attara", "nakattara"}}},
    {"suru", {{"suru", "sinai", "simasu", "simasen", "sita", "sinakatta", "simasita",
               "simasen_desita", "site", "sinakute", "sureba", "sinakereba", "sitara",
               "sinakattara"}}},
    {"nasaru", {{"ru", "ranai", "imasu", "imasen", "tta", "ranakatta", "imasita",
                 "imasen_desita", "tte", "ranakute", "reba", "ranakereba", "ttara",
                 "ranakattara"}}},
    {"adj", {{"i", "kunai", "i_desu", "ku_arimasen", "katta", "kunakatta", "katta_desu",
              "ku_arimasen_desita", "kute", "kunakute", "kereba", "kunakereba", "kattara",
              "kunakattara"}}},
};

/// "Can do" as it reads after "If": "can do".
std::string lowerFirst(std::string text) {
  if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] = static_cast<char>(text[0] - 'A' + 'a');
  return text;
}

/// Applies `change` to each alternative of a gloss ("Makes do; Lets do").
template <typename Change>
std::string eachAlternative(const std::string& gloss, Change change) {
  std::string out;
  for (const std::string& alternative : splitOn(gloss, ";")) {
    if (!out.empty()) out += "; ";
    out += change(trim(alternative));
  }
  return out;
}

/// The gloss of paradigm form i from the four glosses of a para line.
std::string paradigmGloss(const std::vector<std::string>& glosses, std::size_t i) {
  if (i < 8) return glosses[(i % 2) + (i >= 4 ? 2 : 0)];
  if (i < 10) return eachAlternative(glosses[i % 2], [](const std::string& g) { return g + " and"; });
  if (i < 12) {
    return eachAlternative(glosses[i % 2], [](const std::string& g) { return "If " + lowerFirst(g); });
  }
  return eachAlternative(glosses[2 + i % 2],
                         [](const std::string& g) { return "When " + lowerFirst(g); });
}

struct Grammar {
  std::vector<Case> cases;
  std::vector<std::string> unserved;  // words no rule may spell
};

RuleLine exceptionFor(const std::string& word) {
  RuleLine r;
  r.mask = 15;
  r.word = word;
  r.resultClass = 16384;
  return r;
}

// An exception rule in every slot: the word gets no form at all.
void suppressEverywhere(Grammar& g) {
  for (Case& c : g.cases)
    for (Group& gr : c.groups)
      for (const std::string& w : g.unserved) gr.rules.push_back(exceptionFor(w));
}

void addForm(Case& c, const FormLine& f, const KanaConverter& kana) {
  Group g;
  g.sense = f.sense;
  g.politeness = f.politeness;
  g.attitude = f.attitude;
  g.colloquial = f.colloquial;
  g.added = f.added;
  g.gloss = f.gloss;
  std::vector<RuleLine> extra;
  expandForm(f, kana, g.rules, extra);
  c.groups.push_back(g);
  if (!extra.empty()) {
    Group alt = g;
    alt.rules = extra;
    c.groups.push_back(alt);
  }
}

Grammar readVerbGrammar(const std::string& path, const KanaConverter& kana) {
  std::ifstream in(path);
  if (!in) fail("cannot open " + path);
  Grammar g;
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    try {
      line = trim(line);
      if (line.empty() || line[0] == '#') continue;
      std::istringstream words(line);
      std::string kind;
      words >> kind;
      std::string rest = trim(line.substr(kind.size()));
      if (kind == "case") {
        Case c;
        std::istringstream r(rest);
        r >> c.id;
        std::getline(r, c.name);
        c.name = trim(c.name);
        g.cases.push_back(c);
        continue;
      }
      if (kind == "unserved") {
        std::istringstream r(rest);
        std::string w;
        while (r >> w) g.unserved.push_back(w);
        continue;
      }
      if (g.cases.empty()) fail("form before any case");
      std::vector<std::string> f = splitOn(rest, "|");
      if (kind == "form") {
        // attributes | added | result | gloss | specs
        if (f.size() != 5) fail("form needs 5 fields");
        FormLine form;
        parseAttributes(f[0], form);
        form.added = caseList(f[1]);
        form.resultClass = std::stoi(f[2]);
        form.gloss = f[3];
        form.specs = parseSpecs(f[4]);
        addForm(g.cases.back(), form, kana);
      } else if (kind == "para") {
        // paradigm [hon|hum] [col] | added | result | glosses a / n / past / past n | stem specs
        if (f.size() != 5) fail("para needs 5 fields");
        std::istringstream a(f[0]);
        std::string name, w;
        a >> name;
        FormLine base;
        while (a >> w) {
          if (w == "hon") base.attitude = 1;
          else if (w == "hum") base.attitude = 2;
          else if (w == "col") base.colloquial = 1;
          else fail("attribute: " + w);
        }
        auto p = kParadigms.find(name);
        if (p == kParadigms.end()) fail("no paradigm " + name);
        std::vector<std::string> glosses = splitOn(f[3], "/");
        if (glosses.size() != 4) fail("para needs four glosses");
        Specs stems = parseSpecs(f[4]);
        for (std::size_t i = 0; i < p->second.endings.size(); ++i) {
          FormLine form = base;
          form.sense = i % 2 == 0 ? 1 : 2;
          form.politeness = i < 8 && (i / 2) % 2 == 1 ? 3 : 2;
          form.added = caseList(f[1]);
          form.resultClass = i == 0 || (name == "adj" && i == 1) ? std::stoi(f[2]) : 16;
          form.gloss = paradigmGloss(glosses, i);
          for (const auto& [k, v] : stems) {
            if (k == "X" || k == "P" || v == "-") form.specs[k] = v;
            else form.specs[k] = v + p->second.endings[i];
          }
          addForm(g.cases.back(), form, kana);
        }
      } else {
        fail("unknown line kind " + kind);
      }
    } catch (const std::exception& e) {
      fail(path + ":" + std::to_string(lineNo) + ": " + e.what());
    }
  }
  suppressEverywhere(g);
  return g;
}

std::string writeVerbRules(const Grammar& g) {
  std::ostringstream out;
  out << g.cases.size() << " verb cases, generated from tools/grammar/verbs.grammar\n";
  for (const Case& c : g.cases) {
    out << c.name << ", " << c.id << ", " << c.groups.size() << "\n";
    int sub = 0;
    for (const Group& gr : c.groups) {
      out << ++sub << ", " << gr.rules.size() << ", " << gr.sense << ", " << gr.politeness << ", "
          << gr.attitude << ", " << gr.colloquial << ", " << gr.added << ", " << gr.gloss << "\n";
      for (const RuleLine& r : gr.rules)
        out << r.mask << ", " << r.word << ", " << r.resultClass << ", " << r.column << ", " << r.prefix << ", "
            << r.suffix << ", " << r.auxiliary << ", " << r.tail << "\n";
    }
  }
  return out.str();
}

// Adjective lines: "rule sense pol | added | result | gloss | ending [X=words]"
std::string writeAdjectiveRules(const std::string& path) {
  std::ifstream in(path);
  if (!in) fail("cannot open " + path);
  struct AdjCase {
    std::string name;
    int id = 0;
    std::vector<std::string> lines;
  };
  std::vector<AdjCase> cases;
  std::string line;
  int lineNo = 0;
  int sub = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    try {
      line = trim(line);
      if (line.empty() || line[0] == '#') continue;
      std::string kind = line.substr(0, line.find(' '));
      std::string rest = trim(line.substr(kind.size()));
      if (kind == "case") {
        AdjCase c;
        std::istringstream r(rest);
        r >> c.id;
        std::getline(r, c.name);
        c.name = trim(c.name);
        cases.push_back(c);
        sub = 0;
        continue;
      }
      if (kind != "rule" || cases.empty()) fail("unexpected line");
      std::vector<std::string> f = splitOn(rest, "|");
      if (f.size() != 5) fail("rule needs 5 fields");
      FormLine attrs;
      parseAttributes(f[0], attrs);
      std::istringstream spec(f[4]);
      std::string ending, w;
      spec >> ending;
      ++sub;
      cases.back().lines.push_back(std::to_string(sub) + ", " + f[2] + ", " + std::to_string(attrs.sense) + ", " +
                                   std::to_string(attrs.politeness) + ", " + caseList(f[1]) + ", " + f[3] + ", " +
                                   spaces(ending));
      while (spec >> w) {
        if (!startsWith(w, "X=")) fail("unknown spec " + w);
        for (const std::string& word : splitOn(w.substr(2), ","))
          cases.back().lines.push_back(std::to_string(sub) + ", 16384, " + std::to_string(attrs.sense) + ", " +
                                       std::to_string(attrs.politeness) + ", , " + f[3] + ", " + word);
      }
    } catch (const std::exception& e) {
      fail(path + ":" + std::to_string(lineNo) + ": " + e.what());
    }
  }
  std::ostringstream out;
  out << cases.size() << " adjective cases, generated from tools/grammar/adjectives.grammar\n";
  for (const AdjCase& c : cases) {
    out << c.name << ", " << c.id << ", " << c.lines.size() << "\n";
    for (const std::string& l : c.lines) out << l << "\n";
  }
  return out.str();
}

const std::vector<std::string> kSections = {"AUXILIARIES",     "COPULA",           "SURU_ENDING_GODANS",
                                            "SPECIAL_SURU_CONJ", "PURE_IRREGULAR",   "IRREGULAR_GODAN",
                                            "IRREGULAR_ITIDAN",  "ITIDAN_OR_GODAN",  "IRU_GODANS",
                                            "ERU_GODANS",        "NONSTEM_INFLECTIONS"};

// Reads keyword sections (free text before each keyword is a comment).
std::map<std::string, std::vector<std::string>> readSections(const std::string& path) {
  std::map<std::string, std::vector<std::string>> sections;
  std::ifstream in(path);
  if (!in) return sections;
  std::string word;
  std::set<std::string> keywords(kSections.begin(), kSections.end());
  keywords.insert("NONSTEM_EXCLUDE");
  keywords.insert("EDICT_EXCLUDE");
  std::vector<std::string>* current = nullptr;
  int remaining = 0;
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

// Forms of the bare verb `verb` (suru, kuru, aru) made by the word rules for
// it, spaces removed: the forms in which no stem of the verb can be seen.
std::vector<std::string> nonstemForms(const Grammar& g, const std::string& verb) {
  std::vector<std::string> forms;
  for (const Case& c : g.cases)
    for (const Group& gr : c.groups)
      for (const RuleLine& r : gr.rules)
        if (r.word == verb && r.resultClass != 16384) {
          std::string f;
          for (char ch : r.suffix)
            if (ch != ' ') f += ch;
          forms.push_back(f);
        }
  return forms;
}

std::string writeVerbClasses(const Grammar& g, const std::string& handPath, const std::string& edictPath) {
  auto hand = readSections(handPath);
  auto edict = readSections(edictPath);
  auto excluded = [&](const std::string& form) {
    for (const std::string& p : hand["NONSTEM_EXCLUDE"])
      if (startsWith(form, p)) return true;
    return false;
  };
  std::ostringstream out;
  for (const std::string& key : kSections) {
    std::vector<std::string> words = hand[key];
    for (const std::string& w : edict[key])
      if (std::find(hand["EDICT_EXCLUDE"].begin(), hand["EDICT_EXCLUDE"].end(), w) == hand["EDICT_EXCLUDE"].end())
        words.push_back(w);
    if (key == "NONSTEM_INFLECTIONS")
      for (const char* verb : {"suru", "kuru", "aru"})
        for (const std::string& f : nonstemForms(g, verb))
          if (f[0] != verb[0] && !excluded(f)) words.push_back(f);
    std::vector<std::string> unique;
    std::set<std::string> seen;
    for (const std::string& w : words)
      if (seen.insert(w).second) unique.push_back(w);
    out << "\n" << key << " " << unique.size() << "\n";
    std::size_t width = 0;
    for (const std::string& w : unique) {
      if (width + w.size() > 72) {
        out << "\n";
        width = 0;
      }
      out << (width ? " " : "") << w;
      width += w.size() + 1;
    }
    if (!unique.empty()) out << "\n";
  }
  return "Verb classification lists, generated from tools/grammar/verb_classes.grammar\n"
         "and the EDICT-derived lists.\n" +
         out.str();
}

void save(const std::string& path, const std::string& text) {
  std::istringstream lines(text);
  std::string l;
  while (std::getline(lines, l))
    if (l.size() > 255) fail("line over 255 characters in " + path + ": " + l);
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (!out) fail("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: generate_grammar <grammar dir> <edict class lists file> <output dir>\n";
    return 2;
  }
  try {
    KanaConverter kana;
    std::string dir = argv[1], out = argv[3];
    Grammar verbs = readVerbGrammar(dir + "/verbs.grammar", kana);
    save(out + "/Rules_Verbs.dat", writeVerbRules(verbs));
    save(out + "/Rules_Adj.dat", writeAdjectiveRules(dir + "/adjectives.grammar"));
    save(out + "/Rules_VClass.dat", writeVerbClasses(verbs, dir + "/verb_classes.grammar", argv[2]));
  } catch (const std::exception& e) {
    std::cerr << "generate_grammar: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
