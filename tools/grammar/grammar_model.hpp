#pragma once

// The grammar as the generator holds it: what the readers take from the
// .grammar sources, and the rule lines the expansion makes of it for the
// writers.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "inflection/word_class.hpp"

/// Every verb class an exception rule is tested against (it matches one
/// exact word whatever its class).
constexpr int kAnyVerbClass = Itidan | Godan | SuruAux | Irregular;

/// The bit of appliesTo that makes a verb rule restricted: a rule that
/// serves one named word whatever its class, or an exception limited to a
/// class, a written form or an ending; the adjective rules mark a named-word
/// rule with this bit of their result class.
constexpr int kNamedWord = 0x8000;

/// Base and class keys of a form line ("N" -> "nai", "G" -> "-").
using Specs = std::map<std::string, std::string>;

/// The attributes every line of the sources starts with.
struct Attributes {
  int sense = Affirmative;
  int politeness = Plain;
  int attitude = Neutral;
  int colloquial = 0;
};

/// A word a named-word spec serves (with the restrictions of its spec:
/// kiru/着る/Itidan), and what replaces it: romaji ("_" for a space) and,
/// when the word's own kanji cannot be kept, the written form (EUC-JP; empty
/// to let the engine keep the word's kanji).
struct NamedReplacement {
  std::string word, romaji, written;
};

/// A form or para line of the verb grammar, as written.
struct SourceLine {
  enum Kind { Form, Para } kind = Form;
  std::string paradigm;  ///< para lines: the paradigm's name
  bool imperative = false, volitional = false;  ///< para lines: also those forms
  bool contractedBa = false;                    ///< para lines: also the colloquial -ba
  Attributes attributes;
  std::string added;     ///< added cases, bar-separated
  int resultClass = VerbInflection;
  std::vector<std::string> glosses;  ///< one for a form; four or six for a para
  Specs specs;
  std::vector<NamedReplacement> named;  ///< W= and O= specs, in order
  int lineNo = 0;
};

struct SourceCase {
  std::string name;
  int id = 0;
  std::vector<SourceLine> lines;
};

/// The forms of a derived verb: the 14 endings every para line spells
/// (plain, negative, polite, polite negative, then the same four in the
/// past; te and negative te; -ba and negative -ba; -tara and negative
/// -tara), and the ones only some paradigms have (empty: none).
struct Paradigm {
  std::vector<std::string> endings;
  std::string imperative, volitional, politeVolitional;
  std::string contractedBa;                   ///< colloquial -ba (-rya, -kerya)
  std::string politeNegative, pastPoliteNegative;  ///< adjectives' -kunai desu
};

/// The irregular verbs, each listed once, by the kind whose rules the
/// expansion spells for them: kuru, iku, teku, tou, aru, honorific, kureru
/// and zuru. A word may carry its kanji (kuru:来).
struct IrregularWord {
  std::string word, kanji;
};
using IrregularKinds = std::map<std::string, std::vector<IrregularWord>>;

/// The verb grammar as written.
struct VerbSource {
  std::vector<SourceCase> cases;
  std::vector<std::string> unserved;
  IrregularKinds kinds;
  std::vector<std::string> kindOrder;  ///< kinds in the order declared
  std::map<std::string, Paradigm> paradigms;
  std::string path;
};

/// One rule line of the adjective grammar.
struct AdjectiveSourceRule {
  Attributes attributes;
  std::string added;
  int resultClass = AdjectiveInflection;
  std::string gloss;
  std::string ending;       ///< "_" for a space; after "!" only for the named words
  std::vector<std::string> exceptions;
  std::vector<NamedReplacement> named;  ///< whole replacements
};

struct AdjectiveSourceCase {
  std::string name;
  int id = 0;
  std::vector<AdjectiveSourceRule> rules;
};

/// One rule line of Rules_Adj.dat.
struct AdjectiveRuleLine {
  int subCase = 0;
  int resultClass = AdjectiveInflection;
  Attributes attributes;
  std::string added, gloss, ending;
  std::string namedWord;  ///< the 8th field of a named-word rule
};

struct AdjectiveCase {
  std::string name;
  int id = 0;
  std::vector<AdjectiveRuleLine> rules;
};

/// Keyword sections of a class list file, each in file order.
using ClassSections = std::map<std::string, std::vector<std::string>>;

/// One rule line of Rules_Verbs.dat.
struct RuleLine {
  int mask = 0;
  std::string word;
  int resultClass = VerbInflection;
  int column = 0;
  std::string prefix, suffix, auxiliary, tail;
};

/// One group line of Rules_Verbs.dat with its rules (one slot).
struct Group {
  Attributes attributes;
  std::string added, gloss;
  std::vector<RuleLine> rules;
};

struct Case {
  std::string name;
  int id = 0;
  std::vector<Group> groups;
};

/// The expanded verb grammar, ready to be written.
struct VerbRules {
  std::vector<Case> cases;
};

/// The classification lists, merged, in the file's section order.
struct ClassLists {
  std::vector<std::pair<std::string, std::vector<std::string>>> sections;
};

/// The section keywords of Rules_VClass.dat, in the order the file needs.
extern const std::vector<std::string> kClassSections;
