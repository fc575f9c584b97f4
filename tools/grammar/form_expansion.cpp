#include "form_expansion.hpp"

#include <algorithm>
#include <cctype>
#include <tuple>

#include "grammar_reader.hpp"
#include "grammar_text.hpp"
#include "romaji/kana_converter.hpp"

namespace {

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

const std::vector<std::string> kBaseKeys = {"N", "M", "E", "V", "D", "T"};
const std::vector<std::string> kClassKeys = {"I", "G", "S", "K", "Z", "A", "A!", "H", "KR"};

/// One form to expand: a form line, or one form of a para line.
struct FormLine {
  Attributes attributes;
  std::string added, gloss;
  int resultClass = VerbInflection;
  Specs specs;
  std::vector<NamedReplacement> named;  ///< whole replacements, spelled
  bool ofParadigm = false;               ///< one form of a para line
};

struct ClassSpellings;
struct FormRules;

/// The grammar-wide facts the expansion of one form needs.
class Expander {
 public:
  Expander(const VerbSource& source, const std::vector<std::string>& ssuruVerbs, const KanaConverter& kana)
      : source_(source), ssuruVerbs_(ssuruVerbs), kana_(kana) {}

  void addForm(Case& c, const FormLine& f) const;
  void addParadigm(Case& c, const SourceLine& line) const;

  // Written form of a romaji replacement ("_" between words): kana, except
  // that "^" marks the next syllable (ko, ki or ku) as the kanji of kuru and
  // that the particles wa, he and wo take their own kana. No space is written.
  std::string writtenOf(const std::string& romaji) const;

 private:
  const std::vector<IrregularWord>& kind(const std::string& name) const {
    static const std::vector<IrregularWord> kNone;
    auto it = source_.kinds.find(name);
    return it == source_.kinds.end() ? kNone : it->second;
  }

  RuleLine regularRule(int mask, const std::string& spec, const std::string& prefix) const;
  RuleLine wordRule(int mask, const std::string& word, const std::string& spec,
                    const std::string& tail = "") const;
  void addClassRules(const ClassSpellings& c, FormRules& rules) const;
  void addKindRules(const ClassSpellings& c, const Specs& specs, bool ofParadigm,
                    FormRules& rules) const;
  void expandForm(const FormLine& form, std::vector<std::vector<RuleLine>>& slots,
                  std::vector<RuleLine>& alternatives, std::vector<RuleLine>& named) const;

  const VerbSource& source_;
  const std::vector<std::string>& ssuruVerbs_;
  const KanaConverter& kana_;
};

std::string Expander::writtenOf(const std::string& romaji) const {
  const std::vector<IrregularWord>& kuru = kind("kuru");
  std::string out;
  for (const std::string& word : splitOn(romaji, "_")) {
    if (!particleKana(word).empty()) {
      out += particleKana(word);
      continue;
    }
    std::string pending;
    for (std::size_t i = 0; i < word.size(); ++i) {
      if (word[i] == '^') {
        if (kuru.empty() || kuru.front().kanji.empty()) fail("^ without the kanji of kuru");
        out += kana_.toKana(pending);
        pending.clear();
        out += kuru.front().kanji;
        i += 2;  // the two letters of ko/ki/ku
        continue;
      }
      pending += word[i];
    }
    out += kana_.toKana(pending);
  }
  if (out.find(kResultNotValid) != std::string::npos) fail("not valid romaji: " + romaji);
  return out;
}

/// A word as the lists of a form name it: its romaji, then after each "/"
/// a class it must have (a class name or number) or its written form
/// (kiru/着る/Itidan). An exception may name "*" and an ending (*su/Godan),
/// or no word at all (/IrregularSuru).
struct RestrictedWord {
  std::string word;
  std::string written;  ///< EUC-JP; empty: any
  int wordClass = 0;    ///< the bits the word must all have; 0: any
  bool restricted = false;
};

RestrictedWord restrictedWord(const std::string& item) {
  const std::vector<std::string> parts = splitOn(item, "/");
  RestrictedWord w;
  w.word = parts[0];
  w.restricted = parts.size() > 1 || w.word.empty() || w.word[0] == '*';
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    if (part.empty()) fail("empty restriction in " + item);
    const bool isClass = std::isupper(static_cast<unsigned char>(part[0])) ||
                         std::isdigit(static_cast<unsigned char>(part[0]));
    if (isClass ? w.wordClass != 0 : !w.written.empty()) fail("restriction given twice in " + item);
    if (isClass) w.wordClass = parseClass(part);
    else w.written = eucFromUtf8(part);
  }
  if ((w.wordClass & ~0x7FFF) != 0) fail("not a word class in " + item);
  return w;
}

RuleLine exceptionFor(const std::string& item) {
  const RestrictedWord w = restrictedWord(item);
  RuleLine r;
  r.mask = w.restricted ? kNamedWord | w.wordClass : kAnyVerbClass;
  r.word = w.word;
  r.prefix = w.written;
  r.resultClass = WordOverride;
  return r;
}

// Regular spec "[prefix:]column[+rest]", rest = suffix[_auxiliary].
RuleLine Expander::regularRule(int mask, const std::string& spec, const std::string& prefix) const {
  RuleLine r;
  r.mask = mask;
  std::string body = spec;
  r.prefix = prefix;
  std::size_t colon = body.find(':');
  if (colon != std::string::npos) {
    r.prefix = body.substr(0, colon);
    body = body.substr(colon + 1);
  }
  std::size_t digits = 0;
  while (digits < body.size() && std::isdigit(static_cast<unsigned char>(body[digits]))) ++digits;
  if (digits == 0) fail("bad regular spec: " + spec);
  r.column = std::stoi(body.substr(0, digits));
  std::string rest = body.substr(digits);
  if (!rest.empty() && rest[0] == '+') rest = rest.substr(1);
  std::size_t us = rest.find('_');
  r.suffix = rest.substr(0, us);
  if (us != std::string::npos) {
    std::string aux = rest.substr(us + 1);
    r.auxiliary = plainRomaji(aux);
    if (aux.find('^') != std::string::npos || hasParticle(aux)) r.tail = writtenOf(aux);
  }
  if (r.suffix.find('^') != std::string::npos) fail("kanji mark in a suffix: " + spec);
  return r;
}

RuleLine Expander::wordRule(int mask, const std::string& word, const std::string& spec,
                            const std::string& tail) const {
  RuleLine r;
  r.mask = mask;
  r.word = word;
  r.suffix = plainRomaji(spec);
  r.tail = tail.empty() ? writtenOf(spec) : tail;
  if (r.suffix.empty()) fail("empty replacement for " + word);
  return r;
}

RuleLine namedRule(const NamedReplacement& n) {
  const RestrictedWord w = restrictedWord(n.word);
  if (w.word.empty() || w.word[0] == '*') fail("a named-word rule needs a whole word: " + n.word);
  RuleLine r;
  r.mask = kNamedWord | w.wordClass;
  r.word = w.word;
  r.prefix = w.written;
  r.suffix = plainRomaji(n.romaji);
  r.tail = n.written;
  return r;
}

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

/// The godan spelling of a te-form suffix: the te and ta columns, or the
/// contracted te stems (tyau, tya, timau: column 8; toku, toru: column 9)
/// with the suffix's t left to the table.
std::string godanTeSpelling(const std::string& x) {
  if (startsWith(x, "te")) return "6+" + x.substr(2);
  if (startsWith(x, "ta")) return "7+" + x.substr(2);
  if (startsWith(x, "ty") || startsWith(x, "ti")) return "8+" + x.substr(1);
  if (startsWith(x, "to")) return "9+" + x.substr(1);
  fail("te-form suffix must start with te, ta, ty, ti or to: " + x);
}

/// The classes a verb so spelled may have, as far as the slots of a split
/// form go: only an -iru or -eru verb can be itidan (or of the kureru kind),
/// only a -suru, -zuru or -kuru verb of the suru or kuru kinds; the rest are
/// godan of some kind.
int mayBeOfClass(const std::string& item) {
  const RestrictedWord restricted = restrictedWord(item);
  if (restricted.wordClass != 0) return restricted.wordClass;
  const std::string& word = restricted.word;
  if (word.empty() || word[0] == '*') return Itidan | Godan | SuruAux | Irregular;
  auto endsIn = [&](const char* e) {
    const std::size_t n = std::char_traits<char>::length(e);
    return word.size() >= n && word.compare(word.size() - n, n, e) == 0;
  };
  if (endsIn("suru") || endsIn("zuru")) return SuruAux | Irregular | Godan;
  if (endsIn("kuru")) return Irregular | Godan;
  if (endsIn("iru") || endsIn("eru")) return Itidan | Godan;
  return Godan;
}

/// suru's negative stem: se- before the literary endings (sezu, seneba,
/// sen to suru), si- before the rest (sinai, sinee).
bool takesSe(const std::string& x) {
  for (const char* e : {"zu", "za", "nu", "nya"})
    if (startsWith(x, e)) return true;
  if (startsWith(x, "ne") && !startsWith(x, "nee")) return true;
  return x == "n" || startsWith(x, "n_");
}

/// What one form spells for each class key ("I" -> "0+nai", "-" none):
/// from its base, then its own keys.
struct ClassSpellings {
  std::string base, suffix;  ///< the base key (N, M, E, V, D, T) and its suffix
  std::map<std::string, std::string> spell;
  std::string aisuruAlternative;
  std::string prefix;
  bool godanFromBase = false;  ///< the godan spelling is the base's, not a G= of its own

  bool has(const std::string& key) const {
    auto it = spell.find(key);
    return it != spell.end() && it->second != "-" && !it->second.empty();
  }
  const std::string& of(const std::string& key) const { return spell.at(key); }
};

ClassSpellings spellingsOf(const FormLine& form) {
  const Specs& s = form.specs;
  ClassSpellings c;
  for (const std::string& k : kBaseKeys)
    if (s.count(k)) {
      if (!c.base.empty()) fail("two bases in one form");
      c.base = k;
      c.suffix = s.at(k);
    }
  const std::string& x = c.suffix;
  for (const BaseSpelling& b : kBaseSpellings) {
    if (b.base != c.base) continue;
    c.spell["I"] = std::string(b.itidan) + x;
    if (!b.godan.empty()) c.spell["G"] = std::string(b.godan) + x;
    c.spell["S"] = std::string(b.suru) + x;
    c.spell["K"] = std::string(b.kuru) + x;
    if (!b.aisuru.empty()) c.aisuruAlternative = std::string(b.aisuru) + x;
  }
  if (c.base == "N") {
    if (takesSe(x)) c.spell["S"] = "se" + x;
    if (startsWith(x, "na") && !startsWith(x, "naide")) c.aisuruAlternative = "sa" + x;
  } else if (c.base == "T") {
    c.spell["G"] = godanTeSpelling(x);
  }
  for (const std::string& k : kClassKeys)
    if (s.count(k)) c.spell[k] = s.at(k);
  // The aisuru kind's alternative is made where a line asks for it: A=+
  // spells it from the base (aisanai, aiseba, aisou), A=<text> names it.
  if (!s.count("A") || s.at("A") == "-") c.aisuruAlternative.clear();
  else if (s.at("A") != "+") c.aisuruAlternative = s.at("A");
  if (c.has("S") && !s.count("Z")) {
    const std::string& sv = c.spell["S"];
    if (startsWith(sv, "si") || startsWith(sv, "se") || startsWith(sv, "su")) c.spell["Z"] = "z" + sv.substr(1);
    else fail("explicit Z needed beside S=" + sv);
  }
  if (c.has("S") != c.has("Z")) fail("S and Z must come together (" + form.gloss + ")");
  c.prefix = s.count("P") ? s.at("P") : "";
  // The kinds spelled from the base follow the godan spelling the base
  // gives; an explicit G= (or none) leaves them out.
  c.godanFromBase = c.has("G") && !s.count("G");
  return c;
}

/// The rules of one form before they are put in slots.
struct FormRules {
  std::vector<RuleLine> itidan, godan, other;  ///< by the slot they belong in when split
  std::vector<RuleLine> named;
  std::vector<std::string> replaced;  ///< words (with restrictions) a named rule serves instead
};

void Expander::addClassRules(const ClassSpellings& c, FormRules& rules) const {
  if (c.has("I")) rules.itidan.push_back(regularRule(Itidan, c.of("I"), c.prefix));
  if (c.has("KR"))
    for (const IrregularWord& w : kind("kureru")) rules.itidan.push_back(wordRule(Irregular, w.word, c.of("KR")));
  if (c.has("G")) rules.godan.push_back(regularRule(Godan, c.of("G"), c.prefix));
  if (c.has("S")) rules.other.push_back(wordRule(SuruAux, "suru", c.of("S")));
  if (c.has("Z"))
    for (const IrregularWord& w : kind("zuru")) rules.other.push_back(wordRule(Irregular, w.word, c.of("Z")));
  if (c.has("A!")) rules.other.push_back(wordRule(Irregular, "suru", c.of("A!")));
  if (c.has("K"))
    for (const IrregularWord& w : kind("kuru")) rules.other.push_back(wordRule(Irregular, w.word, c.of("K")));
  if (c.has("H"))
    for (const IrregularWord& w : kind("honorific"))
      rules.godan.push_back(wordRule(Irregular, w.word, w.word.substr(0, w.word.size() - 2) + c.of("H")));
}

void Expander::addKindRules(const ClassSpellings& c, const Specs& specs, bool ofParadigm,
                            FormRules& rules) const {
  if (!c.godanFromBase) return;
  const std::string& x = c.suffix;
  if (c.base == "T") {
    std::vector<std::string> excepted;
    for (const char* key : {"X", "XG"})
      if (specs.count(key))
        for (const std::string& w : splitOn(specs.at(key), ",")) excepted.push_back(w);
    for (const IrregularWord& w : kind("iku")) {
      // iku and yuku: the te form doubles the t. Their compounds are written
      // with the kind's kanji (出て行った); the words themselves keep their
      // own (逝った beside 行った) through a named-word rule.
      const std::string stem = w.word.substr(0, w.word.size() - 2);
      rules.godan.push_back(wordRule(Irregular, w.word, stem + "t" + x, w.kanji + writtenOf("t" + x)));
      if (std::find(excepted.begin(), excepted.end(), w.word) != excepted.end()) continue;
      rules.named.push_back(namedRule({w.word, stem + "t" + x, ""}));
      rules.replaced.push_back(w.word);
    }
    for (const IrregularWord& w : kind("teku")) {
      // teku and deku, the contracted -te iku, double the t as iku does.
      rules.godan.push_back(wordRule(Irregular, w.word, w.word.substr(0, 1) + "et" + x));
    }
    for (const IrregularWord& w : kind("tou")) {
      // tou and kou keep the u (toute); in the te and ta forms themselves
      // the word keeps its kanji (問うて) through a rule of its own.
      rules.godan.push_back(wordRule(Irregular, w.word, w.word + x));
      if (ofParadigm) continue;  // a derived verb's forms keep to the rule above
      rules.named.push_back(namedRule({w.word, w.word + x, ""}));
      rules.replaced.push_back(w.word);
    }
  } else if (c.base == "N" && ((startsWith(x, "na") && !startsWith(x, "naide")) || x == "nee")) {
    // aru's negative drops the stem: nai.
    for (const IrregularWord& w : kind("aru")) rules.godan.push_back(wordRule(Irregular, w.word, x));
  } else if (c.base == "M" && startsWith(x, "mas")) {
    // The -aru honorifics take -masu on their -ai stem: kudasaimasu.
    for (const IrregularWord& w : kind("honorific"))
      rules.godan.push_back(wordRule(Irregular, w.word, w.word.substr(0, w.word.size() - 2) + "i" + x));
  }
}

/// The regular and irregular rules in their slots, each slot with the
/// exceptions of X= (where a rule could serve the word) and of its own XI=
/// or XG=; one slot, or three when XI or XG split the classes apart.
std::vector<std::vector<RuleLine>> slotsOf(const Specs& s, const FormRules& rules) {
  std::vector<std::string> everywhere = s.count("X") ? splitOn(s.at("X"), ",") : std::vector<std::string>{};
  for (const std::string& w : rules.replaced)
    if (std::find(everywhere.begin(), everywhere.end(), w) == everywhere.end()) everywhere.push_back(w);
  auto withExceptions = [&](std::vector<RuleLine> slot, const std::string& key, int slotClass) {
    for (const std::string& w : everywhere)
      if (slotClass == 0 || (mayBeOfClass(w) & slotClass) != 0) slot.push_back(exceptionFor(w));
    if (!key.empty() && s.count(key))
      for (const std::string& w : splitOn(s.at(key), ",")) slot.push_back(exceptionFor(w));
    return slot;
  };
  std::vector<std::vector<RuleLine>> slots;
  if (s.count("XI") || s.count("XG")) {
    for (auto [slot, key, slotClass] : {std::tuple{rules.itidan, "XI", int{Itidan}},
                                        std::tuple{rules.godan, "XG", int{Godan}},
                                        std::tuple{rules.other, "", SuruAux | Irregular}})
      if (!slot.empty()) slots.push_back(withExceptions(slot, key, slotClass));
    return slots;
  }
  std::vector<RuleLine> all = rules.itidan;
  all.insert(all.end(), rules.godan.begin(), rules.godan.end());
  all.insert(all.end(), rules.other.begin(), rules.other.end());
  if (!all.empty()) slots.push_back(withExceptions(all, "", 0));
  return slots;
}

// The rules of one form: `slots` gets the groups of regular and irregular
// rules, `alternatives` the aisuru kind's extra forms and `named` the
// named-word rules; every rule makes forms of the form's result class.
void Expander::expandForm(const FormLine& form, std::vector<std::vector<RuleLine>>& slots,
                          std::vector<RuleLine>& alternatives, std::vector<RuleLine>& named) const {
  const ClassSpellings spellings = spellingsOf(form);
  FormRules rules;
  addClassRules(spellings, rules);
  addKindRules(spellings, form.specs, form.ofParadigm, rules);
  for (const NamedReplacement& n : form.named) {
    rules.named.push_back(namedRule(n));
    rules.replaced.push_back(n.word);
  }
  for (std::vector<RuleLine>* group : {&rules.itidan, &rules.godan, &rules.other, &rules.named})
    for (RuleLine& r : *group) r.resultClass = form.resultClass;
  slots = slotsOf(form.specs, rules);
  named = rules.named;
  if (!spellings.aisuruAlternative.empty() && spellings.has("S")) {
    RuleLine r = wordRule(Irregular, "suru", spellings.aisuruAlternative);
    r.resultClass = form.resultClass;
    alternatives.push_back(r);
    // The -ssuru verbs conjugate as suru does: tassinai, never tassanai.
    for (const std::string& w : ssuruVerbs_) alternatives.push_back(exceptionFor(w));
  }
}

void Expander::addForm(Case& c, const FormLine& f) const {
  Group g;
  g.attributes = f.attributes;
  g.added = f.added;
  g.gloss = f.gloss;
  std::vector<std::vector<RuleLine>> slots;
  std::vector<RuleLine> alternatives, named;
  expandForm(f, slots, alternatives, named);
  for (std::vector<RuleLine>& rules : slots) {
    g.rules = rules;
    c.groups.push_back(g);
  }
  for (std::vector<RuleLine>* rules : {&alternatives, &named}) {
    if (rules->empty()) continue;
    g.rules = *rules;
    c.groups.push_back(g);
  }
}

FormLine formOf(const SourceLine& line) {
  FormLine form;
  form.attributes = line.attributes;
  form.added = line.added;
  form.gloss = line.glosses.front();
  form.resultClass = line.resultClass;
  form.specs = line.specs;
  form.named = line.named;
  return form;
}

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

/// One form of a derived verb: which ending of the paradigm, with what
/// attributes and gloss.
struct ParadigmForm {
  std::string ending;
  int sense = Affirmative, politeness = Plain, colloquial = 0;
  std::string gloss;
  bool carriesClass = false;
};

/// The forms a para line spells, from its paradigm and its glosses (plain,
/// negative, past, past negative; then imperative and volitional).
std::vector<ParadigmForm> paradigmForms(const Paradigm& p, const SourceLine& line) {
  const std::vector<std::string>& g = line.glosses;
  auto withAnd = [](const std::string& gloss) {
    return eachAlternative(gloss, [](const std::string& a) { return a + " and"; });
  };
  auto withIf = [](const std::string& gloss, const char* lead) {
    return eachAlternative(gloss, [&](const std::string& a) { return lead + lowerFirst(a); });
  };
  std::vector<ParadigmForm> forms;
  for (std::size_t i = 0; i < p.endings.size(); ++i) {
    if (p.endings[i] == "-") continue;  // a form the derived verb lacks
    ParadigmForm f;
    f.ending = p.endings[i];
    f.sense = i % 2 == 0 ? Affirmative : Negative;
    f.politeness = i < 8 && (i / 2) % 2 == 1 ? Polite : Plain;
    // The dictionary form goes on as the derived verb it is, and so does an
    // adjective's negative (-kunai is an adjective too).
    f.carriesClass = i == 0 || (i == 1 && line.resultClass == TrueAdjective);
    if (i < 8) f.gloss = g[(i % 2) + (i >= 4 ? 2 : 0)];
    else if (i < 10) f.gloss = withAnd(g[i % 2]);
    else if (i < 12) f.gloss = withIf(g[i % 2], "If ");
    else f.gloss = withIf(g[i % 2], "If/When ");
    forms.push_back(f);
  }
  auto extra = [&](const std::string& ending, int sense, int politeness, int colloquial, std::string gloss) {
    if (!ending.empty()) forms.push_back({ending, sense, politeness, colloquial, std::move(gloss), false});
  };
  extra(p.politeNegative, Negative, Polite, 0, g[1]);
  extra(p.pastPoliteNegative, Negative, Polite, 0, g[3]);
  if (line.imperative) extra(p.imperative, Affirmative, Abrupt, 0, g[4]);
  if (line.volitional) {
    extra(p.volitional, Affirmative, Plain, 0, g[5]);
    extra(p.politeVolitional, Affirmative, Polite, 0, g[5]);
  }
  return forms;
}

/// The forms of a para line: every ending of the paradigm after every stem;
/// only the dictionary form (and an adjective's plain negative) carries the
/// result class, the rest go no further.
void Expander::addParadigm(Case& c, const SourceLine& line) const {
  const Paradigm& p = source_.paradigms.at(line.paradigm);
  std::vector<ParadigmForm> forms = paradigmForms(p, line);
  if (line.contractedBa) {
    // The colloquial -ba (taberarerya, tabetakerya), where the line asks.
    if (p.contractedBa.empty()) fail("paradigm " + line.paradigm + " has no contracted -ba");
    ParadigmForm f{p.contractedBa, Affirmative, Plain, 1, "", false};
    f.gloss = eachAlternative(line.glosses[0], [](const std::string& a) { return "If " + lowerFirst(a); });
    forms.push_back(f);
  }
  for (const ParadigmForm& pf : forms) {
    FormLine form;
    form.ofParadigm = true;
    form.attributes = line.attributes;
    form.attributes.sense = pf.sense;
    form.attributes.politeness = pf.politeness;
    form.attributes.colloquial = line.attributes.colloquial | pf.colloquial;
    form.added = line.added;
    form.resultClass = pf.carriesClass ? line.resultClass : VerbInflection;
    form.gloss = pf.gloss;
    for (const auto& [k, v] : line.specs) {
      if (k == "X" || k == "XI" || k == "XG" || k == "P" || v == "-") form.specs[k] = v;
      else form.specs[k] = v + pf.ending;
    }
    for (const NamedReplacement& n : line.named) {
      NamedReplacement spelled = n;
      spelled.romaji = n.romaji + pf.ending;
      if (!n.written.empty()) spelled.written = n.written + writtenOf(pf.ending);
      form.named.push_back(spelled);
    }
    addForm(c, form);
  }
}

// An exception rule in every slot that could serve the words: they get no
// form at all. They are of the aisuru kind, which only the suru rules (and
// named-word rules, which name other words) reach.
void suppressEverywhere(VerbRules& rules, const std::vector<std::string>& words) {
  for (Case& c : rules.cases)
    for (Group& gr : c.groups) {
      const bool suru = std::any_of(gr.rules.begin(), gr.rules.end(), [](const RuleLine& r) {
        return r.resultClass != WordOverride && (r.mask & SuruAux) != 0;
      });
      if (suru)
        for (const std::string& w : words) gr.rules.push_back(exceptionFor(w));
    }
}

}  // namespace

VerbRules expandVerbGrammar(const VerbSource& source, const std::vector<std::string>& ssuru,
                            const KanaConverter& kana) {
  const Expander expander(source, ssuru, kana);
  VerbRules rules;
  for (const SourceCase& sc : source.cases) {
    Case c;
    c.name = sc.name;
    c.id = sc.id;
    for (const SourceLine& line : sc.lines) {
      try {
        if (line.kind == SourceLine::Form) expander.addForm(c, formOf(line));
        else expander.addParadigm(c, line);
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
      if (r.ending[0] != '!') c.rules.push_back({sub, r.resultClass, r.attributes, r.added, r.gloss, spaces(r.ending), ""});
      for (const std::string& word : r.exceptions)
        c.rules.push_back({sub, WordOverride, r.attributes, "", r.gloss, word, ""});
    }
    // Named-word rules in slots of their own, after the case's others, so
    // that an exception for their word does not silence them.
    for (const AdjectiveSourceRule& r : sc.rules) {
      if (r.named.empty()) continue;
      ++sub;
      for (const NamedReplacement& n : r.named)
        c.rules.push_back({sub, kNamedWord | r.resultClass, r.attributes, r.added, r.gloss, spaces(n.romaji), n.word});
    }
    cases.push_back(c);
  }
  return cases;
}
