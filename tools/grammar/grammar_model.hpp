#pragma once

// The grammar as the generator holds it: what the readers take from the
// .grammar sources, and the rule lines the expansion makes of it for the
// writers.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "inflection/word_class.hpp"

/// Every verb class an exception rule is tested against (it matches one
/// exact word whatever its class).
constexpr int kAnyVerbClass = Itidan | Godan | SuruAux | Irregular;

/// Base and class keys of a form line ("N" -> "nai", "G" -> "-") in the
/// order the source gives them.
using Specs = std::map<std::string, std::string>;

/// The attributes every line of the sources starts with.
struct Attributes {
  int sense = Affirmative;
  int politeness = Plain;
  int attitude = Neutral;
  int colloquial = 0;
};

/// A form or para line of the verb grammar, as written.
struct SourceLine {
  enum Kind { Form, Para } kind = Form;
  std::string paradigm;  ///< para lines: the paradigm's name
  Attributes attributes;
  std::string added;     ///< added cases, bar-separated
  int resultClass = VerbInflection;
  std::string gloss;     ///< para lines: the four glosses separated by "/"
  Specs specs;
  int lineNo = 0;
};

struct SourceCase {
  std::string name;
  int id = 0;
  std::vector<SourceLine> lines;
};

/// The verb grammar as written: its cases and the words no rule may spell.
struct VerbSource {
  std::vector<SourceCase> cases;
  std::vector<std::string> unserved;
  std::string path;
};

/// One rule line of the adjective grammar.
struct AdjectiveSourceRule {
  Attributes attributes;
  std::string added;
  std::string resultClass;  ///< as written: copied into the rule file
  std::string gloss;
  std::string ending;       ///< "_" for a space
  std::vector<std::string> exceptions;
};

struct AdjectiveSourceCase {
  std::string name;
  int id = 0;
  std::vector<AdjectiveSourceRule> rules;
};

/// One rule line of Rules_Adj.dat.
struct AdjectiveRuleLine {
  int subCase = 0;
  std::string resultClass;
  Attributes attributes;
  std::string added, gloss, ending;
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

/// The three keyword-section lists of the classification file, merged.
struct ClassLists {
  std::vector<std::pair<std::string, std::vector<std::string>>> sections;
};

/// The section keywords of Rules_VClass.dat, in the order the file needs.
extern const std::vector<std::string> kClassSections;
