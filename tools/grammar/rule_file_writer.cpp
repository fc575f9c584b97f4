#include "rule_file_writer.hpp"

#include <fstream>
#include <sstream>

#include "grammar_text.hpp"

namespace {

/// A gloss is the last field of its line and read up to a comma.
const std::string& checkedGloss(const std::string& gloss) {
  if (gloss.find(',') != std::string::npos) fail("comma in the gloss \"" + gloss + "\"");
  return gloss;
}

}  // namespace

std::string verbRulesText(const VerbRules& rules) {
  std::ostringstream out;
  out << rules.cases.size() << " verb cases, generated from tools/grammar/verbs.grammar\n";
  for (const Case& c : rules.cases) {
    out << c.name << ", " << c.id << ", " << c.groups.size() << "\n";
    int sub = 0;
    for (const Group& gr : c.groups) {
      const Attributes& a = gr.attributes;
      out << ++sub << ", " << gr.rules.size() << ", " << a.sense << ", " << a.politeness << ", "
          << a.attitude << ", " << a.colloquial << ", " << gr.added << ", " << checkedGloss(gr.gloss) << "\n";
      for (const RuleLine& r : gr.rules)
        out << r.mask << ", " << r.word << ", " << r.resultClass << ", " << r.column << ", " << r.prefix << ", "
            << r.suffix << ", " << r.auxiliary << ", " << r.tail << "\n";
    }
  }
  return out.str();
}

std::string adjectiveRulesText(const std::vector<AdjectiveCase>& cases) {
  std::ostringstream out;
  out << cases.size() << " adjective cases, generated from tools/grammar/adjectives.grammar\n";
  for (const AdjectiveCase& c : cases) {
    out << c.name << ", " << c.id << ", " << c.rules.size() << "\n";
    for (const AdjectiveRuleLine& r : c.rules)
      out << r.subCase << ", " << r.resultClass << ", " << r.attributes.sense << ", " << r.attributes.politeness
          << ", " << r.added << ", " << checkedGloss(r.gloss) << ", " << r.ending
          << (r.namedWord.empty() ? "" : ", " + r.namedWord) << "\n";
  }
  return out.str();
}

std::string classListsText(const ClassLists& lists) {
  std::ostringstream out;
  for (const auto& [key, words] : lists.sections) {
    out << "\n" << key << " " << words.size() << "\n";
    std::size_t width = 0;
    for (const std::string& w : words) {
      if (width + w.size() > 72) {
        out << "\n";
        width = 0;
      }
      out << (width ? " " : "") << w;
      width += w.size() + 1;
    }
    if (!words.empty()) out << "\n";
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
