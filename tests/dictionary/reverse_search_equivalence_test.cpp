// The reverse search builds only romaji and passes over words whose spelling
// cannot give the form; these tests hold it to the plain generate-and-test
// algorithm, kept here as the reference, on the bundled data with the
// extension test rules added.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/extension_rules.hpp"
#include "inflection/conjugation_engine.hpp"
#include "inflection/verb_engine.hpp"
#include "romaji/form_assembly.hpp"
#include "romaji/kana_converter.hpp"

namespace {

// ---- The reference: the plain algorithm, every candidate conjugated in full.

InflectionResult plainVerbCandidate(const DictionaryEntry& entry, std::int16_t wordClass) {
  InflectionResult word;
  word.romaji = entry.romaji;
  word.wordClass = wordClass;
  word.written = entry.written;
  word.reading = entry.reading;
  word.attitude = entry.attitude;
  word.gloss = entry.meaning;
  std::copy(entry.extended.begin(), entry.extended.end(), word.extended.begin());
  return word;
}

bool plainProducesForm(const std::vector<InflectionResult>& results, const std::string& form) {
  return std::any_of(results.begin(), results.end(), [&](const InflectionResult& result) {
    return equalIgnoringSpaces(form, result.romaji);
  });
}

/// The words that named-word rules serve: verb rules with bit 15 in their
/// appliesTo (restricted or not), adjective rules with bit 15 in their
/// resultClass, each with a word and not an exception.
std::set<std::string> plainNamedWords(const ConjugationEngine& engine) {
  std::set<std::string> words;
  for (const auto& [name, rule] : engine.verbRules().rules) {
    if ((rule.appliesTo & 32768) != 0 && !rule.word.empty() && rule.resultClass != 16384) {
      words.emplace(rule.word);
    }
  }
  return words;
}

std::set<std::string> plainNamedAdjectives(const ConjugationEngine& engine) {
  std::set<std::string> words;
  for (const auto& [name, rule] : engine.adjectiveRules().rules) {
    if ((rule.resultClass & 0x8000) != 0 && !rule.word.empty()) words.emplace(rule.word);
  }
  return words;
}

/// Whether the plain algorithm conjugates the entry for `form`: the
/// non-stem, letter and stem tests, which a named word skips.
bool plainTriesEntry(const ConjugationEngine& engine, const std::string& key,
                     std::int16_t wordClass, const std::string& stem, const std::string& form,
                     bool named) {
  if (named) return true;
  const auto& nonstem = engine.classLists().nonstemInflections;
  const bool isNonstemForm = std::any_of(nonstem.begin(), nonstem.end(), [&](const auto& w) {
    return equalIgnoringSpaces(form, w);
  });
  const bool stemless = (wordClass & (SuruAux | Irregular)) != 0;
  if (isNonstemForm) return stemless;
  if (key.empty()) return false;
  if (!(key[0] == form[0] || (form[0] == 'o' && key[0] == form[1]))) return false;
  return stemless || form.find(stem) != std::string::npos;
}

/// plainReverseSearchVerbs for many forms at once: the candidate lists are
/// those of running the plain search once per form, but each entry is
/// conjugated at most once, which keeps the reference affordable.
std::vector<std::vector<InflectionResult>> plainReverseSearchVerbs(
    const ConjugationEngine& engine, const std::vector<std::string>& forms) {
  std::vector<std::vector<InflectionResult>> found(forms.size());
  // Forms by the first letters a key may have to pass the letter test.
  std::map<char, std::vector<std::size_t>> byLetter;
  std::vector<std::size_t> everyLetter;
  for (std::size_t i = 0; i < forms.size(); ++i) {
    const std::string& f = forms[i];
    if (f.size() < 2) continue;
    everyLetter.push_back(i);  // a non-stem form may match any key
    byLetter[f[0]].push_back(i);
    if (f[0] == 'o' && f[1] != 'o') byLetter[f[1]].push_back(i);
  }
  const std::set<std::string> namedWords = plainNamedWords(engine);
  std::vector<InflectionResult> results;
  for (const DictionaryEntry& entry : engine.verbDictionary()) {
    const std::string key(entry.romaji);
    const std::int16_t wordClass =
        entry.wordClass != 0 ? entry.wordClass : engine.classifyVerb(key);
    const std::string stem = wordClass == Itidan ? splitItidan(key).first : splitGodan(key).first;
    const bool stemless = (wordClass & (SuruAux | Irregular)) != 0;
    const bool named = namedWords.contains(key);
    const auto letterForms = key.empty() ? byLetter.end() : byLetter.find(key[0]);
    const std::vector<std::size_t>& tried =
        stemless || named
            ? everyLetter
            : (letterForms == byLetter.end() ? std::vector<std::size_t>{} : letterForms->second);
    bool conjugated = false;
    const InflectionResult word = plainVerbCandidate(entry, wordClass);
    for (std::size_t i : tried) {
      if (!plainTriesEntry(engine, key, wordClass, stem, forms[i], named)) continue;
      if (!conjugated) {
        results.clear();
        engine.conjugateVerb(word, std::string(), 0, 0, results);
        conjugated = true;
      }
      if (plainProducesForm(results, forms[i])) found[i].push_back(word);
    }
  }
  return found;
}

std::vector<InflectionResult> plainReverseSearchAdjectives(const ConjugationEngine& engine,
                                                           const std::string& form) {
  std::vector<InflectionResult> found;
  if (form.size() < 2) return found;
  const std::set<std::string> namedWords = plainNamedAdjectives(engine);
  for (const DictionaryEntry& entry : engine.adjectiveDictionary()) {
    const std::string key(entry.romaji);
    if (!namedWords.contains(key)) {
      if (key.empty() || key[0] != form[0]) continue;
      if (form.find(key.substr(0, key.size() - 1)) == std::string::npos) continue;
    }
    InflectionResult word;
    word.romaji = entry.romaji;
    word.wordClass = TrueAdjective;
    word.written = entry.written;
    word.reading = entry.reading;
    word.attitude = entry.attitude;
    word.gloss = entry.meaning;
    std::vector<InflectionResult> results;
    engine.conjugateAdjective(word, std::string(), 0, 0, results);
    if (plainProducesForm(results, form)) found.push_back(word);
  }
  return found;
}

// ---- Fixtures.

/// Unoptimised and sanitizer builds run the plain search several times
/// slower, so they compare a fifth of the generated forms.
#ifdef NDEBUG
constexpr std::size_t kGeneratedShare = 5;
#else
constexpr std::size_t kGeneratedShare = 1;
#endif

struct BundledEngine {
  KanaConverter kana;
  ConjugationEngine engine{kana};
  bool loaded = false;

  BundledEngine()
      : loaded(loadDataDirectory(engine, std::string(ZUNOKA_SOURCE_DIR) + "/data/", true)) {}
};

const BundledEngine& bundled() {
  static const BundledEngine data;
  return data;
}

/// Every field of a candidate, so that lists compare whole and in order.
std::string describe(const InflectionResult& r) {
  std::ostringstream out;
  out << r.romaji << '|' << r.wordClass << '|' << r.gloss << '|' << r.written << '|' << r.reading
      << '|' << r.attitude << '|' << r.meaning << '|' << r.caseName << '|' << r.politeness << '|'
      << r.sense << '|' << int{r.colloquial} << '|' << r.appliedCases.size();
  for (const std::string& e : r.extended) out << '|' << e;
  return out.str();
}

std::vector<std::string> describeAll(const std::vector<InflectionResult>& list) {
  std::vector<std::string> lines;
  for (const InflectionResult& r : list) lines.push_back(describe(r));
  return lines;
}

struct Forms {
  std::vector<std::string> verbs;
  std::vector<std::string> adjectives;
};

Forms benchmarkForms() {
  Forms forms;
  std::ifstream file(std::string(ZUNOKA_SOURCE_DIR) + "/bench/rconj_forms.txt");
  std::string line;
  while (std::getline(file, line)) {
    if (line.size() < 3 || line[1] != '\t') continue;
    (line[0] == 'a' ? forms.adjectives : forms.verbs).push_back(line.substr(2));
  }
  return forms;
}

/// Forms of random dictionary entries (fixed seed): a random form of each,
/// sometimes with a space put in or a letter changed, so that near misses
/// are searched as well as hits.
Forms randomForms(const ConjugationEngine& engine, std::size_t verbCount,
                  std::size_t adjectiveCount) {
  std::mt19937 random(20261207);
  const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  const auto vary = [&](std::string form) {
    switch (pick(6)) {
      case 0:
        if (form.size() > 2) {
          const std::size_t at = 1 + pick(form.size() - 1);
          form = form.substr(0, at).append(1, ' ').append(form, at, std::string::npos);
        }
        break;
      case 1:
        form[pick(form.size())] = "aiueoknst"[pick(9)];
        break;
      default:
        break;
    }
    return form;
  };
  std::vector<const DictionaryEntry*> verbs;
  for (const DictionaryEntry& entry : engine.verbDictionary()) verbs.push_back(&entry);
  std::vector<const DictionaryEntry*> adjectives;
  for (const DictionaryEntry& entry : engine.adjectiveDictionary()) adjectives.push_back(&entry);

  Forms forms;
  std::vector<InflectionResult> results;
  while (!verbs.empty() && forms.verbs.size() < verbCount) {
    const DictionaryEntry& entry = *verbs[pick(verbs.size())];
    InflectionResult word;
    word.romaji = entry.romaji;
    word.wordClass = entry.wordClass != 0 ? entry.wordClass : engine.classifyVerb(entry.romaji);
    results.clear();
    engine.conjugateVerb(word, std::string(), 0, 0, results);
    if (results.empty()) continue;
    InflectionResult form = results[pick(results.size())];
    if (pick(4) == 0) {
      // A chained form: the form conjugated once more.
      results.clear();
      engine.conjugateVerb(form, std::string(), 0, 0, results);
      if (!results.empty()) form = results[pick(results.size())];
    }
    forms.verbs.push_back(vary(form.romaji));
  }
  while (!adjectives.empty() && forms.adjectives.size() < adjectiveCount) {
    InflectionResult word;
    word.romaji = adjectives[pick(adjectives.size())]->romaji;
    word.wordClass = TrueAdjective;
    results.clear();
    engine.conjugateAdjective(word, std::string(), 0, 0, results);
    if (!results.empty()) forms.adjectives.push_back(vary(results[pick(results.size())].romaji));
  }
  return forms;
}

/// The romaji the regular rules alone (neither exception nor irregular)
/// give `word` for all cases: with no rule to push them aside, every one
/// that applies makes its form.
std::vector<std::string> regularForms(const ConjugationEngine& engine,
                                      const InflectionResult& word) {
  std::vector<std::string> forms;
  const RuleSet<InflectionRule>& rules = engine.verbRules();
  for (const std::string& name : rules.caseOrder) {
    const auto [first, last] = rules.rules.equal_range(name);
    for (auto it = first; it != last; ++it) {
      const InflectionRule& rule = it->second;
      if (rule.resultClass == WordOverride || rule.appliesTo == Irregular) continue;
      if (!ruleApplies(rule, word, 0, 0, engine.classLists().auxiliaries)) continue;
      forms.push_back(applyRule(rule, word, engine.kana()).romaji);
    }
  }
  return forms;
}

/// The forms the exception and irregular rules push aside: what the words
/// they serve would give by the regular rules alone. A search that let a
/// pushed-aside rule produce a form would find these words for them.
Forms pushedAsideForms(const BundledEngine& data, std::size_t perWord) {
  std::set<std::string> excepted;
  for (const auto& [name, rule] : data.engine.verbRules().rules) {
    if (rule.resultClass == WordOverride) excepted.emplace(rule.word);
  }
  Forms forms;
  std::size_t irregular = 0;
  std::vector<InflectionResult> real;
  for (const DictionaryEntry& entry : data.engine.verbDictionary()) {
    const std::string key(entry.romaji);
    InflectionResult word;
    word.romaji = key;
    word.wordClass = entry.wordClass != 0 ? entry.wordClass : data.engine.classifyVerb(key);
    const bool isIrregular = (word.wordClass & Irregular) != 0;
    if (!excepted.contains(key) && !(isIrregular && irregular++ % 8 == 0)) continue;
    real.clear();
    data.engine.conjugateVerb(word, std::string(), 0, 0, real);
    std::size_t added = 0;
    for (const std::string& form : regularForms(data.engine, word)) {
      const bool produced = std::any_of(
          real.begin(), real.end(), [&](const InflectionResult& r) { return r.romaji == form; });
      if (!produced && added++ < perWord) forms.verbs.push_back(form);
    }
  }
  return forms;
}

/// The forms the extension rules give: of the named words and of a spread of
/// other words, and chained once more (mesiagaru conjugates on).
Forms extensionForms(const ConjugationEngine& engine) {
  Forms forms;
  const std::set<std::string> named = plainNamedWords(engine);
  const std::set<std::string> namedAdjectives = plainNamedAdjectives(engine);
  std::vector<InflectionResult> results;
  std::size_t entry = 0;
  for (const DictionaryEntry& dictionaryEntry : engine.verbDictionary()) {
    const std::string key(dictionaryEntry.romaji);
    if (entry++ % 1500 != 0 && !named.contains(key)) continue;
    InflectionResult word;
    word.romaji = key;
    word.wordClass = dictionaryEntry.wordClass != 0 ? dictionaryEntry.wordClass
                                                     : engine.classifyVerb(key);
    for (const char* caseName : {"Extension Contracted", "Extension Honorific"}) {
      results.clear();
      engine.conjugateVerb(word, caseName, 0, 0, results);
      for (const InflectionResult& form : results) {
        forms.verbs.push_back(form.romaji);
        std::vector<InflectionResult> chained;
        engine.conjugateVerb(form, std::string(), 0, 0, chained);
        for (std::size_t i = 0; i < chained.size(); i += 40) forms.verbs.push_back(chained[i].romaji);
      }
    }
  }
  entry = 0;
  for (const DictionaryEntry& dictionaryEntry : engine.adjectiveDictionary()) {
    const std::string key(dictionaryEntry.romaji);
    if (entry++ % 300 != 0 && !namedAdjectives.contains(key)) continue;
    results.clear();
    engine.conjugateAdjective(InflectionResult(key, TrueAdjective), "Extension Appearance", 0, 0,
                              results);
    for (const InflectionResult& form : results) forms.adjectives.push_back(form.romaji);
  }
  return forms;
}

/// Compares the two searches on every form; returns how many forms have
/// candidates.
std::size_t expectSameCandidates(const ConjugationEngine& engine, const Forms& forms) {
  const std::vector<std::vector<InflectionResult>> expected =
      plainReverseSearchVerbs(engine, forms.verbs);
  std::size_t withCandidates = 0;
  for (std::size_t i = 0; i < forms.verbs.size(); ++i) {
    std::vector<InflectionResult> found;
    engine.reverseSearchVerbs(forms.verbs[i], found);
    EXPECT_EQ(describeAll(found), describeAll(expected[i])) << "verb form " << forms.verbs[i];
    withCandidates += expected[i].empty() ? 0 : 1;
  }
  for (const std::string& form : forms.adjectives) {
    std::vector<InflectionResult> found;
    engine.reverseSearchAdjectives(form, found);
    const std::vector<InflectionResult> plain = plainReverseSearchAdjectives(engine, form);
    EXPECT_EQ(describeAll(found), describeAll(plain)) << "adjective form " << form;
    withCandidates += plain.empty() ? 0 : 1;
  }
  return withCandidates;
}

TEST(ReverseSearchEquivalence, BenchmarkAndExtensionFormsFindTheCandidatesOfThePlainSearch) {
  const BundledEngine& data = bundled();
  ASSERT_TRUE(data.loaded);
  Forms forms = benchmarkForms();
  ASSERT_GE(forms.verbs.size() + forms.adjectives.size(), 200u);
  const Forms extension = extensionForms(data.engine);
  ASSERT_GE(extension.verbs.size(), 150u);
  ASSERT_GE(extension.adjectives.size(), 10u);
  forms.verbs.insert(forms.verbs.end(), extension.verbs.begin(), extension.verbs.end());
  forms.adjectives.insert(forms.adjectives.end(), extension.adjectives.begin(),
                          extension.adjectives.end());
  // The comparison means something only if most forms are found.
  EXPECT_GT(expectSameCandidates(data.engine, forms) * 2,
            forms.verbs.size() + forms.adjectives.size());
}

TEST(ReverseSearchEquivalence, RandomDictionaryFormsFindTheCandidatesOfThePlainSearch) {
  const BundledEngine& data = bundled();
  ASSERT_TRUE(data.loaded);
  const Forms forms = randomForms(data.engine, 500 * kGeneratedShare, 100 * kGeneratedShare);
  EXPECT_GT(expectSameCandidates(data.engine, forms) * 2,
            forms.verbs.size() + forms.adjectives.size());
}

TEST(ReverseSearchEquivalence, FormsPushedAsideBySuppressionFindTheCandidatesOfThePlainSearch) {
  const BundledEngine& data = bundled();
  ASSERT_TRUE(data.loaded);
  const Forms forms = pushedAsideForms(data, 2 + 2 * kGeneratedShare);
  ASSERT_GE(forms.verbs.size(), 100u);
  expectSameCandidates(data.engine, forms);
}

}  // namespace
