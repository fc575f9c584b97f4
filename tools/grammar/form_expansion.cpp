#include "form_expansion.hpp"

#include <algorithm>
#include <cctype>
#include <set>

#include "grammar_text.hpp"
#include "romaji/kana_converter.hpp"

namespace {

const std::string kKuruKanji = "\xCD\xE8";  // 来
const std::string kIkuKanji = "\xB9\xD4";   // 行

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

std::string plainRomaji(const std::string& s) {
  std::string out;
  for (char c : spaces(s))
    if (c != '^') out += c;
  return out;
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

RuleLine wordRule(int mask, const std::string& word, const std::string& spec, const std::string& tail,
                  const KanaConverter& kana) {
  RuleLine r;
  r.mask = mask;
  r.word = word;
  r.suffix = plainRomaji(spec);
  r.tail = tail.empty() ? writtenOf(kana, spec) : tail;
  if (r.suffix.empty()) fail("empty replacement for " + word);
  return r;
}

RuleLine exceptionFor(const std::string& word) {
  RuleLine r;
  r.mask = kAnyVerbClass;
  r.word = word;
  r.resultClass = WordOverride;
  return r;
}

struct Honorific {
  std::string word, stem;
};
const std::vector<Honorific> kHonorifics = {{"kudasaru", "kudasa"}, {"irassyaru", "irassya"},
                                            {"rassyaru", "rassya"}, {"ossyaru", "ossya"},
                                            {"nasaru", "nasa"},     {"gozaru", "goza"}};

/// One form to expand: a form line, or one form of a para line.
struct FormLine {
  Attributes attributes;
  std::string added, gloss;
  int resultClass = VerbInflection;
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
  if (has("I")) add(regularRule(Itidan, spell["I"], prefix, kana));
  if (has("G")) add(regularRule(Godan, spell["G"], prefix, kana));
  if (has("S")) add(wordRule(SuruAux, "suru", spell["S"], "", kana));
  if (has("Z")) add(wordRule(Irregular, "zuru", spell["Z"], "", kana));
  if (has("A!")) add(wordRule(Irregular, "suru", spell["A!"], "", kana));
  if (has("K")) {
    if (spell["K"][0] != '^') fail("kuru spelling must start with ^: " + spell["K"]);
    add(wordRule(Irregular, "kuru", spell["K"], "", kana));
  }
  if (!ikuRest.empty() && spell.count("G") && spell["G"] != "-" && !s.count("G")) {
    // iku and yuku: the te and ta forms double the t.
    add(wordRule(Irregular, "iku", "it" + ikuRest, kIkuKanji + writtenOf(kana, "t" + ikuRest), kana));
    add(wordRule(Irregular, "yuku", "yut" + ikuRest, kIkuKanji + writtenOf(kana, "t" + ikuRest), kana));
    // teku and deku, the contracted -te iku, double the t as iku does.
    for (const char* contracted : {"teku", "deku"})
      add(wordRule(Irregular, contracted, std::string(1, contracted[0]) + "et" + ikuRest, "", kana));
    // tou and kou keep the u: toute, koute.
    add(wordRule(Irregular, "tou", "tou" + ikuRest, "", kana));
    add(wordRule(Irregular, "kou", "kou" + ikuRest, "", kana));
  } else if (!ikuRest.empty() && !startsWith(ikuRest, "te") && !startsWith(ikuRest, "ta") && !s.count("G")) {
    // contractions of the te form (tyau, toku, tya) exist for iku too
    add(wordRule(Irregular, "iku", "it" + ikuRest, kIkuKanji + writtenOf(kana, "t" + ikuRest), kana));
    for (const char* contracted : {"teku", "deku"})
      add(wordRule(Irregular, contracted, std::string(1, contracted[0]) + "et" + ikuRest, "", kana));
  }
  if (!aru.empty() && !s.count("G")) add(wordRule(Irregular, "aru", aru, "", kana));
  if (honorificMasu && !s.count("G"))
    for (const Honorific& h : kHonorifics) add(wordRule(Irregular, h.word, h.stem + "i" + x, "", kana));
  if (has("H"))
    for (const Honorific& h : kHonorifics) add(wordRule(Irregular, h.word, h.stem + spell["H"], "", kana));
  if (has("KR")) add(wordRule(Irregular, "kureru", spell["KR"], "", kana));
  if (s.count("X"))
    for (const std::string& w : splitOn(s.at("X"), ",")) rules.push_back(exceptionFor(w));
  if (!aisuruAlt.empty() && has("S")) {
    RuleLine r = wordRule(Irregular, "suru", aisuruAlt, "", kana);
    r.resultClass = form.resultClass;
    extra.push_back(r);
  }
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

void addForm(Case& c, const FormLine& f, const KanaConverter& kana) {
  Group g;
  g.attributes = f.attributes;
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

FormLine formOf(const SourceLine& line) {
  FormLine form;
  form.attributes = line.attributes;
  form.added = line.added;
  form.gloss = line.gloss;
  form.resultClass = line.resultClass;
  form.specs = line.specs;
  return form;
}

/// The forms of a para line: every ending of the paradigm after every stem;
/// only the dictionary form (and an adjective's plain negative) carries the
/// result class, the rest go no further.
void addParadigm(Case& c, const SourceLine& line, const KanaConverter& kana) {
  auto p = kParadigms.find(line.paradigm);
  if (p == kParadigms.end()) fail("no paradigm " + line.paradigm);
  std::vector<std::string> glosses = splitOn(line.gloss, "/");
  for (std::size_t i = 0; i < p->second.endings.size(); ++i) {
    FormLine form;
    form.attributes = line.attributes;
    form.attributes.sense = i % 2 == 0 ? Affirmative : Negative;
    form.attributes.politeness = i < 8 && (i / 2) % 2 == 1 ? Polite : Plain;
    form.added = line.added;
    const bool carriesClass = i == 0 || (line.paradigm == "adj" && i == 1);
    form.resultClass = carriesClass ? line.resultClass : VerbInflection;
    form.gloss = paradigmGloss(glosses, i);
    for (const auto& [k, v] : line.specs) {
      if (k == "X" || k == "P" || v == "-") form.specs[k] = v;
      else form.specs[k] = v + p->second.endings[i];
    }
    addForm(c, form, kana);
  }
}

// An exception rule in every slot: the word gets no form at all.
void suppressEverywhere(VerbRules& rules, const std::vector<std::string>& words) {
  for (Case& c : rules.cases)
    for (Group& gr : c.groups)
      for (const std::string& w : words) gr.rules.push_back(exceptionFor(w));
}

// Forms of the bare verb `verb` (suru, kuru, aru) made by the word rules for
// it, spaces removed: the forms in which no stem of the verb can be seen.
std::vector<std::string> nonstemForms(const VerbRules& rules, const std::string& verb) {
  std::vector<std::string> forms;
  for (const Case& c : rules.cases)
    for (const Group& gr : c.groups)
      for (const RuleLine& r : gr.rules)
        if (r.word == verb && r.resultClass != WordOverride) {
          std::string f;
          for (char ch : r.suffix)
            if (ch != ' ') f += ch;
          forms.push_back(f);
        }
  return forms;
}

}  // namespace

const std::vector<std::string> kClassSections = {
    "AUXILIARIES",      "COPULA",           "SURU_ENDING_GODANS", "SPECIAL_SURU_CONJ",
    "PURE_IRREGULAR",   "IRREGULAR_GODAN",  "IRREGULAR_ITIDAN",   "ITIDAN_OR_GODAN",
    "IRU_GODANS",       "ERU_GODANS",       "NONSTEM_INFLECTIONS"};

VerbRules expandVerbGrammar(const VerbSource& source, const KanaConverter& kana) {
  VerbRules rules;
  for (const SourceCase& sc : source.cases) {
    Case c;
    c.name = sc.name;
    c.id = sc.id;
    for (const SourceLine& line : sc.lines) {
      try {
        if (line.kind == SourceLine::Form) addForm(c, formOf(line), kana);
        else addParadigm(c, line, kana);
      } catch (const std::exception& e) {
        fail(source.path + ":" + std::to_string(line.lineNo) + ": " + e.what());
      }
    }
    rules.cases.push_back(c);
  }
  suppressEverywhere(rules, source.unserved);
  return rules;
}

std::vector<AdjectiveCase> expandAdjectiveGrammar(const std::vector<AdjectiveSourceCase>& source) {
  std::vector<AdjectiveCase> cases;
  for (const AdjectiveSourceCase& sc : source) {
    AdjectiveCase c;
    c.name = sc.name;
    c.id = sc.id;
    int sub = 0;
    for (const AdjectiveSourceRule& r : sc.rules) {
      ++sub;
      c.rules.push_back({sub, r.resultClass, r.attributes, r.added, r.gloss, spaces(r.ending)});
      for (const std::string& word : r.exceptions)
        c.rules.push_back({sub, std::to_string(WordOverride), r.attributes, "", r.gloss, word});
    }
    cases.push_back(c);
  }
  return cases;
}

ClassLists mergeClassLists(const VerbRules& rules, const ClassSections& hand, const ClassSections& edict) {
  auto section = [](const ClassSections& s, const std::string& key) {
    auto it = s.find(key);
    return it == s.end() ? std::vector<std::string>{} : it->second;
  };
  const std::vector<std::string> edictExcluded = section(hand, "EDICT_EXCLUDE");
  const std::vector<std::string> nonstemExcluded = section(hand, "NONSTEM_EXCLUDE");
  auto excluded = [&](const std::string& form) {
    for (const std::string& p : nonstemExcluded)
      if (startsWith(form, p)) return true;
    return false;
  };
  ClassLists lists;
  for (const std::string& key : kClassSections) {
    std::vector<std::string> words = section(hand, key);
    for (const std::string& w : section(edict, key))
      if (std::find(edictExcluded.begin(), edictExcluded.end(), w) == edictExcluded.end()) words.push_back(w);
    if (key == "NONSTEM_INFLECTIONS")
      for (const char* verb : {"suru", "kuru", "aru"})
        for (const std::string& f : nonstemForms(rules, verb))
          if (f[0] != verb[0] && !excluded(f)) words.push_back(f);
    std::vector<std::string> unique;
    std::set<std::string> seen;
    for (const std::string& w : words)
      if (seen.insert(w).second) unique.push_back(w);
    lists.sections.emplace_back(key, unique);
  }
  return lists;
}
