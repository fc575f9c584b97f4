// Arbitrary contents for each of the three rule files in turn, the other two
// being the test data, then a few words conjugated with whatever was loaded.
// Loading must never fail or hang (the class lists may refuse a file with a
// missing section), and the engines must answer every word.

#include <sstream>
#include <string>
#include <vector>

#include "fuzz_support.hpp"
#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"

namespace {

const char* const kVerbs[] = {"taberu", "kaku", "suru", "ai suru", "kuru", "da", "kiru", "iku", "", "n"};
const char* const kAdjectives[] = {"takai", "ii", "yoi", "i", ""};

struct BaseFiles {
  std::string verbRules;
  std::string classes;
  std::string adjectiveRules;
};

const BaseFiles& baseFiles() {
  static const BaseFiles files = [] {
    const std::filesystem::path folder = std::filesystem::path(ZUNOKA_FUZZ_DATA_ROOT) / "search";
    BaseFiles read;
    read.verbRules = readWholeFile(folder / "Rules_Verbs.dat");
    read.classes = readWholeFile(folder / "Rules_VClass.dat");
    read.adjectiveRules = readWholeFile(folder / "Rules_Adj.dat");
    return read;
  }();
  return files;
}

// The most forms one word can get with all cases: a case name listed twice
// in the case order is visited twice.
template <typename Rule>
std::size_t mostForms(const RuleSet<Rule>& rules) {
  std::size_t most = 0;
  for (const std::string& name : rules.caseOrder) most += rules.rules.count(name);
  return most;
}

void conjugateSome(const ConjugationEngine& engine, const KanaConverter& kana) {
  // A huge count fills a rule set with thousands of empty rules; conjugating
  // every sample word with them all would only slow the search down.
  const bool manyRules =
      engine.verbRules().rules.size() + engine.adjectiveRules().rules.size() > 256;
  const std::size_t verbCount = manyRules ? 2 : std::size(kVerbs);
  const std::size_t adjectiveCount = manyRules ? 1 : std::size(kAdjectives);
  std::vector<std::string> cases{""};
  for (std::size_t i = 0; i < engine.verbRules().caseOrder.size() && i < 4; ++i) {
    cases.push_back(engine.verbRules().caseOrder[i]);
  }
  for (std::size_t v = 0; v < verbCount; ++v) {
    const char* verb = kVerbs[v];
    const std::int16_t wordClass = engine.classifyVerb(verb);
    FUZZ_CHECK(wordClass == 1 || wordClass == 2 || wordClass == 4 || wordClass == 8 ||
               wordClass == 9 || wordClass == 10 || wordClass == 12 || wordClass == 32 ||
               wordClass == -1);
    InflectionResult word;
    word.romaji = verb;
    word.reading = kana.toKana(verb);
    word.written = word.reading;
    word.wordClass = wordClass == -1 ? 1 : wordClass;
    for (const std::string& caseName : cases) {
      std::vector<InflectionResult> results;
      engine.conjugateVerb(word, caseName, 0, 0, results);
      // One form per surviving rule, each of the case asked for.
      FUZZ_CHECK(results.size() <= (caseName.empty() ? mostForms(engine.verbRules())
                                                     : engine.verbRules().rules.count(caseName)));
      for (const InflectionResult& result : results) {
        if (!caseName.empty()) FUZZ_CHECK(result.caseName == caseName);
      }
    }
  }
  for (std::size_t a = 0; a < adjectiveCount; ++a) {
    const char* adjective = kAdjectives[a];
    InflectionResult word;
    word.romaji = adjective;
    word.reading = kana.toKana(adjective);
    word.written = word.reading;
    word.wordClass = 256;
    std::vector<InflectionResult> results;
    engine.conjugateAdjective(word, "", 0, 0, results);
    FUZZ_CHECK(results.size() <= mostForms(engine.adjectiveRules()));
    results.clear();
    engine.conjugateAdjective(word, "Indicative", 2, 2, results);
    for (const InflectionResult& result : results) FUZZ_CHECK(result.caseName == "Indicative");
  }
  std::vector<InflectionResult> copula;
  conjugateCopula("", 0, 0, copula);
  FUZZ_CHECK(copula.size() == 4);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const KanaConverter kana;
  const BaseFiles& base = baseFiles();
  const std::string fuzzed(asText(data, size));

  for (int slot = 0; slot < 3; ++slot) {
    ConjugationEngine engine(kana);
    std::istringstream verbRules(slot == 0 ? fuzzed : base.verbRules);
    engine.loadVerbRules(verbRules);
    std::istringstream classes(slot == 1 ? fuzzed : base.classes);
    const bool classesLoaded = engine.loadVerbClasses(classes);
    if (slot != 1) FUZZ_CHECK(classesLoaded);
    std::istringstream adjectiveRules(slot == 2 ? fuzzed : base.adjectiveRules);
    engine.loadAdjectiveRules(adjectiveRules);
    conjugateSome(engine, kana);
  }
  return 0;
}
