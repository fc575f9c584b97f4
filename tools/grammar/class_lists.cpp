#include "class_lists.hpp"

#include <algorithm>
#include <set>

#include "grammar_text.hpp"

namespace {

// Forms of the bare verb `verb` (suru, kuru, aru) made by the word rules for
// it, spaces removed: the forms in which no stem of the verb can be seen.
// Named-word rules are left out: the reverse search tries their words anyway.
std::vector<std::string> nonstemForms(const VerbRules& rules, const std::string& verb) {
  std::vector<std::string> forms;
  for (const Case& c : rules.cases)
    for (const Group& gr : c.groups)
      for (const RuleLine& r : gr.rules)
        if (r.word == verb && r.resultClass != WordOverride && (r.mask & kNamedWord) == 0) {
          std::string f;
          for (char ch : r.suffix)
            if (ch != ' ') f += ch;
          forms.push_back(f);
        }
  return forms;
}

std::vector<std::string> sectionOf(const ClassSections& s, const std::string& key) {
  auto it = s.find(key);
  return it == s.end() ? std::vector<std::string>{} : it->second;
}

/// The class lists each kind of irregular verb belongs to.
std::vector<std::string> sectionsOfKind(const std::string& kind) {
  if (kind == "kuru") return {"AUXILIARIES", "PURE_IRREGULAR"};
  if (kind == "iku" || kind == "tou" || kind == "aru" || kind == "honorific") {
    return {"AUXILIARIES", "IRREGULAR_GODAN"};
  }
  if (kind == "teku") return {"IRREGULAR_GODAN"};
  if (kind == "kureru") return {"IRREGULAR_ITIDAN"};
  return {"AUXILIARIES"};  // zuru: an ending only
}

}  // namespace

const std::vector<std::string> kClassSections = {
    "AUXILIARIES",      "COPULA",           "SURU_ENDING_GODANS", "SPECIAL_SURU_CONJ",
    "PURE_IRREGULAR",   "IRREGULAR_GODAN",  "IRREGULAR_ITIDAN",   "ITIDAN_OR_GODAN",
    "IRU_GODANS",       "ERU_GODANS",       "NONSTEM_INFLECTIONS"};

std::vector<std::string> ssuruVerbs(const ClassSections& hand, const ClassSections& edict) {
  std::vector<std::string> words;
  for (const ClassSections* s : {&hand, &edict})
    for (const std::string& w : sectionOf(*s, "SPECIAL_SURU_CONJ"))
      if (w.size() > 5 && w.compare(w.size() - 5, 5, "ssuru") == 0 &&
          std::find(words.begin(), words.end(), w) == words.end())
        words.push_back(w);
  return words;
}

ClassLists mergeClassLists(const VerbSource& source, const VerbRules& rules, const ClassSections& hand,
                           const ClassSections& edict) {
  const std::vector<std::string> edictExcluded = sectionOf(hand, "EDICT_EXCLUDE");
  const std::vector<std::string> nonstemExcluded = sectionOf(hand, "NONSTEM_EXCLUDE");
  auto excluded = [&](const std::string& form) {
    for (const std::string& p : nonstemExcluded)
      if (startsWith(form, p)) return true;
    return false;
  };
  ClassLists lists;
  for (const std::string& key : kClassSections) {
    std::vector<std::string> words;
    for (const std::string& kind : source.kindOrder) {
      const std::vector<std::string> sections = sectionsOfKind(kind);
      if (std::find(sections.begin(), sections.end(), key) == sections.end()) continue;
      for (const IrregularWord& w : source.kinds.at(kind)) words.push_back(w.word);
    }
    for (const std::string& w : sectionOf(hand, key)) words.push_back(w);
    for (const std::string& w : sectionOf(edict, key))
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
