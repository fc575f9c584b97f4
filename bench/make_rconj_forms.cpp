// Writes the fixed rconj form list of the benchmarks and of the equivalence
// test: forms of every case for sample verbs of every class, chained forms,
// suru compounds typed with the space, the non-stem forms and adjective forms.
// Usage: make_rconj_forms DATA_DIR > rconj_forms.txt
//        make_rconj_forms DATA_DIR --words   (the conj sample words instead)

#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bench_data.hpp"

namespace {

struct FormWriter {
  std::set<std::string> seen;
  std::size_t written = 0;

  void add(const std::string& form, bool adjective) {
    if (form.size() < 2) return;
    const std::string line = std::string(adjective ? "a" : "v") + '\t' + form;
    if (!seen.insert(line).second) return;
    std::cout << line << '\n';
    ++written;
  }
};

/// The results of one word grouped by case name, in result order.
std::map<std::string, std::vector<InflectionResult>> byCase(
    const std::vector<InflectionResult>& results) {
  std::map<std::string, std::vector<InflectionResult>> cases;
  for (const InflectionResult& result : results) cases[result.caseName].push_back(result);
  return cases;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::cerr << "usage: make_rconj_forms DATA_DIR [--words]\n";
    return 2;
  }
  BundledData data;
  if (!data.load(argv[1])) {
    std::cerr << "cannot load the rule files from " << argv[1] << '\n';
    return 1;
  }
  const ConjugationEngine& engine = data.engine;
  if (argc == 3) {
    for (const InflectionResult& word : sampleWords(engine, 12)) {
      std::cout << (word.wordClass == TrueAdjective ? "a" : "v") << '\t' << word.romaji << '\n';
    }
    return 0;
  }
  const std::vector<InflectionResult> words = sampleWords(engine, 3);
  FormWriter out;

  // Every case of every class: the case's forms rotate over the class's words.
  std::map<std::int16_t, std::vector<const InflectionResult*>> classWords;
  for (const InflectionResult& word : words) classWords[word.wordClass].push_back(&word);
  for (const auto& [wordClass, members] : classWords) {
    const bool adjective = wordClass == TrueAdjective;
    std::vector<std::map<std::string, std::vector<InflectionResult>>> cases;
    for (const InflectionResult* word : members) {
      std::vector<InflectionResult> results;
      if (adjective) {
        engine.conjugateAdjective(*word, std::string(), 0, 0, results);
      } else {
        engine.conjugateVerb(*word, std::string(), 0, 0, results);
      }
      cases.push_back(byCase(results));
    }
    // Case c is taken from word c mod n; plain and polite, affirmative and
    // negative forms of a case alternate with c.
    const std::vector<std::string>& caseOrder =
        adjective ? engine.adjectiveRules().caseOrder : engine.verbRules().caseOrder;
    for (std::size_t c = 0; c < caseOrder.size(); ++c) {
      const auto& wordCases = cases[c % cases.size()];
      const auto found = wordCases.find(caseOrder[c]);
      if (found == wordCases.end() || found->second.empty()) continue;
      const std::vector<InflectionResult>& forms = found->second;
      out.add(forms[(c / cases.size()) % forms.size()].romaji, adjective);
    }
    if (adjective || cases.empty()) continue;

    std::vector<InflectionResult> results;
    engine.conjugateVerb(*members.front(), std::string(), 0, 0, results);
    // Chained forms: a few verb results that are verbs themselves, once more.
    std::size_t chain = 0;
    for (const InflectionResult& result : results) {
      if ((result.wordClass != Itidan && result.wordClass != Godan) || chain >= 4) continue;
      std::vector<InflectionResult> chained;
      engine.conjugateVerb(result, std::string(), 0, 0, chained);
      if (!chained.empty()) out.add(chained[(chain * 7 + 3) % chained.size()].romaji, false);
      ++chain;
    }
    // Suru compounds typed with the space before the suru part.
    const std::string& key = members.front()->romaji;
    if (wordClass != SuruAux || key.size() <= 4) continue;
    const std::string noun = key.substr(0, key.size() - 4);
    std::size_t every = 0;
    for (const InflectionResult& result : results) {
      if (result.romaji.size() > noun.size() && result.romaji.compare(0, noun.size(), noun) == 0 &&
          every++ % 6 == 0) {
        out.add(noun + ' ' + result.romaji.substr(noun.size()), false);
      }
    }
  }

  for (const std::string& form : engine.classLists().nonstemInflections) out.add(form, false);
  std::cerr << out.written << " forms\n";
  return 0;
}
