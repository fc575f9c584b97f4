// Checks the bundled grammar and dictionaries against an independent
// analyser, and against a teacher's table. Three modes:
//   forms  - for every dictionary verb and adjective the IPADIC lexicon also
//            lists, the standard forms built from IPADIC's stems must be
//            among the forms the engine produces;
//   mecab  - the written forms the engine produces for a sample of those
//            words must each analyse, under MeCab, as a form of its own word;
//   tables - the forms of the teacher's table (teacher_tables.cpp) that a
//            word must have are produced, and none of those it lacks.
// The forms check expects no form the table says a word lacks.
// Exit status 0 passes, 1 fails, 77 reports the check skipped (the lexicon
// or the analyser is not installed).
#include <iconv.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "inflection/conjugation_engine.hpp"
#include "oracle/expected_forms.hpp"
#include "oracle/ipadic.hpp"
#include "oracle/mecab_runner.hpp"
#include "oracle/teacher_tables.hpp"
#include "romaji/kana_converter.hpp"

namespace {

constexpr int kPass = 0;
constexpr int kFail = 1;
constexpr int kSkip = 77;

// The MeCab sample takes every kFormStride-th form of a sampled word.
constexpr std::size_t kFormStride = 8;

constexpr std::string_view kPrefixPos = "\xc0\xdc\xc6\xac\xbb\xec";  // 接頭詞

struct Options {
  std::string mode = "forms";
  std::string dataDir = "data";
  std::string ipadicDir = "/usr/share/mecab/dic/ipadic";
  std::string mecabDic = "/var/lib/mecab/dic/ipadic";
  std::string missesFile;
  std::size_t sampleForms = 5000;
  std::size_t minVerbs = 2000;
  std::size_t minAdjectives = 500;
  double minProducedPercent = 99.5;
  double minAnalysedPercent = 99.0;
  std::size_t shownMisses = 8;
};

bool parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const std::string value = argv[i + 1];
    if (name == "--mode") {
      options.mode = value;
    } else if (name == "--data") {
      options.dataDir = value;
    } else if (name == "--ipadic") {
      options.ipadicDir = value;
    } else if (name == "--mecab-dic") {
      options.mecabDic = value;
    } else if (name == "--misses") {
      options.missesFile = value;
    } else if (name == "--sample") {
      options.sampleForms = std::strtoul(value.c_str(), nullptr, 10);
    } else if (name == "--shown") {
      options.shownMisses = std::strtoul(value.c_str(), nullptr, 10);
    } else if (name == "--min-verbs") {
      options.minVerbs = std::strtoul(value.c_str(), nullptr, 10);
    } else if (name == "--min-adjectives") {
      options.minAdjectives = std::strtoul(value.c_str(), nullptr, 10);
    } else {
      std::cerr << "unknown option " << name << '\n';
      return false;
    }
  }
  return (argc % 2) == 1 &&
         (options.mode == "forms" || options.mode == "mecab" || options.mode == "tables");
}

// EUC-JP to UTF-8 for the report only; bytes that do not convert become '?'.
std::string toUtf8(std::string_view euc) {
  iconv_t cd = iconv_open("UTF-8", "EUC-JP");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(euc);
  std::string out(euc.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(euc.data());
  std::size_t inLeft = euc.size();
  char* dst = out.data();
  std::size_t outLeft = out.size();
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &dst, &outLeft) == static_cast<std::size_t>(-1)) {
      if (outLeft == 0) break;
      *dst++ = '?';
      --outLeft;
      ++in;
      --inLeft;
    }
  }
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

std::string withoutSpaces(std::string text) {
  std::erase(text, ' ');
  return text;
}

std::string percent(std::size_t part, std::size_t whole) {
  std::ostringstream out;
  out << std::fixed << std::setprecision(2) << (whole ? 100.0 * part / whole : 0.0) << '%';
  return out.str();
}

// A dictionary word the lexicon also lists, with the lexicon's view of it:
// every block of the same written form and reading whose conjugation type
// agrees with the dictionary's class (IPADIC lists some words under two
// types, such as suu with both the tt and the u sound change), and the
// standard forms of all of them, merged.
struct MatchedWord {
  DictionaryEntry entry;
  std::vector<const IpadicWord*> blocks;
  std::vector<ExpectedForm> expected;
  bool classesAgree = true;
};

struct Matches {
  std::vector<MatchedWord> words;
  std::size_t dictionaryWords = 0;  ///< distinct written form and reading pairs
  std::size_t listedButUnbuildable = 0;
};

bool typeAgrees(std::int16_t wordClass, const IpadicWord& word) {
  const std::string_view type = word.conjugationType;
  switch (wordClass) {
    case Itidan:
    case IrregularItidan:
      return type.starts_with(ipadic::kItidan) || type.starts_with(ipadic::kKahen);
    case Godan:
    case IrregularGodan:
      return type.starts_with(ipadic::kGodan);
    case SuruAux:
    case IrregularSuru:
      return type == ipadic::kSuru || type == ipadic::kSuruCompound || type == ipadic::kZuru;
    default:
      return true;
  }
}

void mergeForms(std::vector<ExpectedForm>& into, const std::vector<ExpectedForm>& forms) {
  for (const auto& form : forms) {
    auto same = std::find_if(into.begin(), into.end(),
                             [&](const ExpectedForm& f) { return f.caseLabel == form.caseLabel; });
    if (same == into.end()) {
      into.push_back(form);
      continue;
    }
    for (const auto& spelling : form.spellings) {
      if (std::find(same->spellings.begin(), same->spellings.end(), spelling) ==
          same->spellings.end()) {
        same->spellings.push_back(spelling);
      }
    }
  }
}

// Drops the spellings the teacher's table says the word lacks (aru has no
// passive, dekiru no potential), and forms left with none.
void withoutLackedForms(const std::string& romaji, std::vector<ExpectedForm>& expected) {
  for (ExpectedForm& form : expected) {
    std::erase_if(form.spellings, [&](const std::string& s) { return neverProduced(romaji, s); });
  }
  std::erase_if(expected, [](const ExpectedForm& form) { return form.spellings.empty(); });
}

Matches matchWords(const Dictionary& dictionary, const IpadicLexicon& lexicon, bool verbs,
                   const ConjugationEngine& engine) {
  const KanaConverter& kana = engine.kana();
  Matches matches;
  std::set<std::string> seen;
  for (const DictionaryEntry& entry : dictionary) {
    const std::string romaji(entry.romaji);
    const std::string key = ipadicKey(entry.written, romaji);
    if (!seen.insert(key).second) continue;
    ++matches.dictionaryWords;
    auto [first, last] = lexicon.equal_range(key);
    if (first == last) continue;
    const std::int16_t wordClass =
        !verbs ? std::int16_t{TrueAdjective}
               : (entry.wordClass != 0 ? entry.wordClass : engine.classifyVerb(romaji));
    std::vector<std::pair<const IpadicWord*, std::vector<ExpectedForm>>> usable;
    for (auto it = first; it != last; ++it) {
      std::vector<ExpectedForm> expected =
          verbs ? expectedVerbForms(it->second, kana) : expectedAdjectiveForms(it->second, kana);
      withoutLackedForms(romaji, expected);
      if (!expected.empty()) usable.emplace_back(&it->second, std::move(expected));
    }
    if (usable.empty()) {
      ++matches.listedButUnbuildable;
      continue;
    }
    MatchedWord matched{entry, {}, {}, true};
    for (const auto& [block, expected] : usable) {
      if (!typeAgrees(wordClass, *block)) continue;
      matched.blocks.push_back(block);
      mergeForms(matched.expected, expected);
    }
    if (matched.blocks.empty()) {
      // The two dictionaries disagree on the class: expect what IPADIC says.
      matched.classesAgree = false;
      for (const auto& [block, expected] : usable) {
        matched.blocks.push_back(block);
        mergeForms(matched.expected, expected);
      }
    }
    matches.words.push_back(std::move(matched));
  }
  return matches;
}

InflectionResult wordToConjugate(const MatchedWord& matched, const ConjugationEngine& engine,
                                 bool verb) {
  const DictionaryEntry& entry = matched.entry;
  InflectionResult word;
  word.written = entry.written;
  word.reading = entry.reading;
  word.romaji = entry.romaji;
  word.attitude = entry.attitude;
  word.meaning = entry.meaning;
  std::copy(entry.extended.begin(), entry.extended.end(), word.extended.begin());
  if (!verb) {
    word.wordClass = TrueAdjective;
    // The adjective flow conjugates ii through yoi.
    if (word.romaji == "ii") word.romaji = "yoi";
    return word;
  }
  word.wordClass = entry.wordClass != 0 ? entry.wordClass : engine.classifyVerb(entry.romaji);
  if (word.wordClass == ItidanOrGodan) {
    // The user settles this with a forcing switch; the lexicon knows which.
    word.wordClass =
        matched.blocks.front()->conjugationType.starts_with(ipadic::kItidan) ? Itidan : Godan;
  }
  return word;
}

std::vector<InflectionResult> conjugateAll(const MatchedWord& matched,
                                           const ConjugationEngine& engine, bool verb) {
  std::vector<InflectionResult> results;
  const InflectionResult word = wordToConjugate(matched, engine, verb);
  if (verb) {
    engine.conjugateVerb(word, "", 0, 0, results);
  } else {
    engine.conjugateAdjective(word, "", 0, 0, results);
  }
  return results;
}

std::string describeWord(const MatchedWord& matched, const ConjugationEngine& engine, bool verb) {
  const InflectionResult word = wordToConjugate(matched, engine, verb);
  std::string types;
  for (const IpadicWord* block : matched.blocks) {
    types += (types.empty() ? "" : " / ") + toUtf8(block->conjugationType);
  }
  return toUtf8(matched.entry.written) + " " + std::string(matched.entry.romaji) + " (class " +
         std::to_string(word.wordClass) + ", IPADIC " + types +
         (matched.classesAgree ? "" : ", classes disagree") + ")";
}

struct Miss {
  std::string category;
  std::string text;
};

struct Tally {
  std::size_t expected = 0;
  std::size_t produced = 0;
  std::map<std::string, std::pair<std::size_t, std::size_t>> byCase;  // produced, expected
};

Tally checkForms(const Matches& matches, const ConjugationEngine& engine, bool verb,
                 std::vector<Miss>& misses) {
  Tally tally;
  const std::string kind = verb ? "verb " : "adjective ";
  for (const MatchedWord& matched : matches.words) {
    std::set<std::string> produced;
    for (const auto& result : conjugateAll(matched, engine, verb)) {
      produced.insert(withoutSpaces(result.romaji));
    }
    for (const ExpectedForm& form : matched.expected) {
      auto& [caseProduced, caseExpected] = tally.byCase[form.caseLabel];
      ++tally.expected;
      ++caseExpected;
      const bool hit = std::any_of(form.spellings.begin(), form.spellings.end(),
                                   [&](const std::string& s) { return produced.count(s) > 0; });
      if (hit) {
        ++tally.produced;
        ++caseProduced;
        continue;
      }
      std::string spellings;
      for (const auto& s : form.spellings) spellings += (spellings.empty() ? "" : " or ") + s;
      misses.push_back({kind + form.caseLabel,
                        describeWord(matched, engine, verb) + ": expected " + spellings});
    }
  }
  return tally;
}

void printTally(std::ostream& out, const std::string& title, const Matches& matches,
                const Tally& tally) {
  out << title << ": " << matches.words.size() << " words checked of "
      << matches.dictionaryWords << " in the dictionary (" << matches.listedButUnbuildable
      << " more listed by IPADIC with a classical type); " << tally.produced << " of "
      << tally.expected << " expected forms produced (" << percent(tally.produced, tally.expected)
      << ")\n";
  for (const auto& [label, counts] : tally.byCase) {
    out << "  " << std::left << std::setw(11) << label << std::right << std::setw(6)
        << counts.first << " / " << std::setw(6) << counts.second << "  "
        << percent(counts.first, counts.second) << '\n';
  }
}

void reportMisses(const std::vector<Miss>& misses, const Options& options,
                  const std::string& heading) {
  std::map<std::string, std::vector<std::string>> byCategory;
  for (const auto& miss : misses) byCategory[miss.category].push_back(miss.text);
  for (const auto& [category, texts] : byCategory) {
    std::cout << "misses, " << category << ": " << texts.size() << '\n';
    for (std::size_t i = 0; i < texts.size() && i < options.shownMisses; ++i) {
      std::cout << "  " << texts[i] << '\n';
    }
  }
  if (options.missesFile.empty()) return;
  std::ofstream file(options.missesFile, std::ios::trunc);
  file << heading << '\n';
  for (const auto& [category, texts] : byCategory) {
    file << "\n== " << category << " (" << texts.size() << ")\n";
    for (const auto& text : texts) file << text << '\n';
  }
  std::cout << "all misses written to " << options.missesFile << '\n';
}

int runFormsCheck(const Matches& verbs, const Matches& adjectives, const ConjugationEngine& engine,
                  const Options& options) {
  std::vector<Miss> misses;
  const Tally verbTally = checkForms(verbs, engine, true, misses);
  const Tally adjectiveTally = checkForms(adjectives, engine, false, misses);
  printTally(std::cout, "verbs", verbs, verbTally);
  printTally(std::cout, "adjectives", adjectives, adjectiveTally);
  const std::size_t expected = verbTally.expected + adjectiveTally.expected;
  const std::size_t produced = verbTally.produced + adjectiveTally.produced;
  std::ostringstream summary;
  summary << "IPADIC forms check: " << verbs.words.size() << " verbs, " << adjectives.words.size()
          << " adjectives; " << produced << " of " << expected << " expected forms produced ("
          << percent(produced, expected) << ")";
  std::cout << summary.str() << '\n';
  reportMisses(misses, options, summary.str());

  bool pass = true;
  if (verbs.words.size() < options.minVerbs || adjectives.words.size() < options.minAdjectives) {
    std::cout << "FAIL: fewer than " << options.minVerbs << " verbs or " << options.minAdjectives
              << " adjectives could be checked\n";
    pass = false;
  }
  if (expected == 0 || 100.0 * produced / expected < options.minProducedPercent) {
    std::cout << "FAIL: fewer than " << options.minProducedPercent
              << "% of the expected forms produced\n";
    pass = false;
  }
  return pass ? kPass : kFail;
}

struct SampledForm {
  std::string written;
  std::string caseName;
  const MatchedWord* word = nullptr;
  bool verb = true;
};

/// True when an EUC-JP text holds a kanji (JIS rows 16 and up).
bool hasKanji(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    if (static_cast<unsigned char>(text[i]) >= 0xB0) return true;
  }
  return false;
}

// A spread of written forms: every k-th of the checkable words, and of its
// forms every m-th (the offset turning with the word, so that every case is
// seen), with k and m chosen so that about `target` forms are analysed.
void sampleForms(const std::vector<const MatchedWord*>& words, const ConjugationEngine& engine,
                 bool verb, std::size_t target, std::vector<SampledForm>& sample) {
  if (words.empty() || target == 0) return;
  const std::size_t perWord =
      std::max<std::size_t>(1, conjugateAll(*words.front(), engine, verb).size());
  const std::size_t formStride = std::min<std::size_t>(kFormStride, perWord);
  const std::size_t wordStride =
      std::max<std::size_t>(1, words.size() * perWord / (formStride * target));
  for (std::size_t i = 0; i < words.size(); i += wordStride) {
    std::set<std::string> seen;
    const std::vector<InflectionResult> results = conjugateAll(*words[i], engine, verb);
    for (std::size_t j = (i / wordStride) % formStride; j < results.size(); j += formStride) {
      const InflectionResult& result = results[j];
      if (result.written.empty() || result.written.find(kResultNotValid) != std::string::npos ||
          result.written.find('\n') != std::string::npos || !seen.insert(result.written).second) {
        continue;
      }
      sample.push_back({result.written, result.caseName, words[i], verb});
    }
  }
}

// The godan verbs IPADIC lists as words of their own, derived from the
// dictionary form `verb` (EUC-JP): the potential (kaku: kakeru), the
// short causative (kaku: kakasu) and the causative (saku: sakaseru, which
// IPADIC also lists as a verb of its own, as it does awaseru).
std::vector<std::string> derivedGodanVerbs(const std::string& verb, const KanaConverter& kana) {
  std::vector<std::string> derived;
  if (verb.size() < 4) return derived;
  const std::string stem = verb.substr(0, verb.size() - 2);
  std::string ending = kana.toRomaji(verb.substr(verb.size() - 2));
  if (ending.empty() || ending.back() != 'u') return derived;
  ending.pop_back();
  const std::string eRow = kana.toKana(ending + "e");
  const std::string aRow = kana.toKana(ending == "" ? "wa" : ending + "a");
  if (eRow != kResultNotValid) derived.push_back(stem + eRow + kana.toKana("ru"));
  if (aRow != kResultNotValid) {
    derived.push_back(stem + aRow + kana.toKana("su"));
    derived.push_back(stem + aRow + kana.toKana("seru"));
  }
  return derived;
}

// The written stems of `form` in every lexicon block of the word.
void addStems(const MatchedWord& word, std::string_view form, std::vector<std::string>& stems) {
  for (const IpadicWord* block : word.blocks) {
    const auto found = block->writtenStems.find(std::string(form));
    if (found != block->writtenStems.end()) {
      stems.insert(stems.end(), found->second.begin(), found->second.end());
    }
  }
}

// Replaces the ending `from` of `text` by `to`; false when it does not end so.
bool replaceEnding(const std::string& text, const std::string& from, const std::string& to,
                   std::string& replaced) {
  if (text.size() < from.size() || text.compare(text.size() - from.size(), from.size(), from) != 0) {
    return false;
  }
  replaced = text.substr(0, text.size() - from.size()) + to;
  return true;
}

// A form analyses as a form of its word when, after any prefix morphemes
// (the o- of the humble and honorific forms), the surfaces of the leading
// morphemes followed by the dictionary form of the next one spell the word,
// or the leading surfaces are a stem of the word. The word may span several
// morphemes, since MeCab splits compound verbs (iiau: ii + a-). Counted as
// the word too, because MeCab's lexicon lists them as words of their own:
// a godan verb's potential and short causative (kakeru, kakasu); the twin
// of another conjugation type (ronzuru and ronziru, sousu and sousuru); an
// adjective's -garu verb (kowagaru). Counted as its stems: the continuative
// of a verb, read as the noun made from it (o-kakinaosi suru), the noun of
// a suru compound (ase nasaru), an adjective's adverbial form and stem,
// read as an adverb or noun (tikaku, kiiro-garu).
bool analysesAsOwnWord(const std::vector<Morpheme>& morphemes, const MatchedWord& word,
                       bool verb, const ConjugationEngine& engine) {
  const KanaConverter& kana = engine.kana();
  const DictionaryEntry& entry = word.entry;
  std::vector<std::string> accepted = {std::string(entry.written), std::string(entry.reading)};
  std::vector<std::string> stems;  // need more after them
  std::vector<std::string> wholeStems;  // may stand alone
  const std::string suru = kana.toKana("suru");
  for (const std::string& spelling : {std::string(entry.written), std::string(entry.reading)}) {
    std::string twin;
    if (!verb) {
      if (replaceEnding(spelling, kana.toKana("i"), kana.toKana("garu"), twin)) {
        accepted.push_back(twin);
      }
      continue;
    }
    if ((wordToConjugate(word, engine, true).wordClass & Godan) != 0) {
      for (auto& derived : derivedGodanVerbs(spelling, kana)) accepted.push_back(std::move(derived));
    }
    if (replaceEnding(spelling, kana.toKana("zuru"), kana.toKana("ziru"), twin)) {
      accepted.push_back(twin);
      // The lexicon lists no continuative for the -zuru type: it is -zi.
      if (replaceEnding(spelling, kana.toKana("zuru"), kana.toKana("zi"), twin)) {
        stems.push_back(twin);
      }
    }
    if (replaceEnding(spelling, suru, kana.toKana("su"), twin)) {
      accepted.push_back(twin);
      if (replaceEnding(spelling, suru, "", twin) && !twin.empty()) stems.push_back(twin);
    } else if (replaceEnding(spelling, kana.toKana("su"), suru, twin)) {
      accepted.push_back(twin);
    }
  }
  if (verb) {
    addStems(word, ipadic::kContinuative, stems);
  } else {
    addStems(word, ipadic::kContinuativeTe, wholeStems);
    addStems(word, ipadic::kGaruStem, stems);
  }
  const auto listed = [](const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
  };
  auto it = std::find_if(morphemes.begin(), morphemes.end(),
                         [](const Morpheme& m) { return m.partOfSpeech != kPrefixPos; });
  std::string leading;
  for (; it != morphemes.end() && leading.size() < entry.written.size() + entry.reading.size();
       ++it) {
    if (listed(accepted, leading + it->baseForm)) return true;
    leading += it->surface;
    if (listed(wholeStems, leading)) return true;
    if (std::next(it) != morphemes.end() && listed(stems, leading)) return true;
  }
  return false;
}

// The te form of a word as the lexicon spells it (書いて, 食べて, 高くて),
// or its dictionary form when the lexicon lists no stem for it.
std::string lexiconTeForm(const MatchedWord& word, bool verb, const KanaConverter& kana) {
  const IpadicWord& block = *word.blocks.front();
  auto stem = [&](std::string_view form) {
    const auto found = block.writtenStems.find(std::string(form));
    return found == block.writtenStems.end() || found->second.empty() ? std::string()
                                                                       : found->second.front();
  };
  if (!verb) {
    const std::string adverbial = stem(ipadic::kContinuativeTe);
    return adverbial.empty() ? std::string(word.entry.written) : adverbial + kana.toKana("te");
  }
  // The lexicon lists no continuative for the suru and -zuru types.
  const std::string_view type = block.conjugationType;
  std::string te;
  if ((type == ipadic::kSuru || type == ipadic::kSuruCompound) &&
      replaceEnding(block.base, kana.toKana("suru"), kana.toKana("site"), te))
    return te;
  if (type == ipadic::kZuru &&
      replaceEnding(block.base, kana.toKana("zuru"), kana.toKana("zite"), te))
    return te;
  const bool voiced = std::any_of(
      std::begin(ipadic::kVoicedGodanRows), std::end(ipadic::kVoicedGodanRows),
      [&](std::string_view row) { return block.conjugationType.starts_with(row); });
  for (std::string_view form : {ipadic::kContinuativeTa, ipadic::kContinuative}) {
    const std::string continuative = stem(form);
    if (!continuative.empty()) return continuative + kana.toKana(voiced ? "de" : "te");
  }
  return std::string(word.entry.written);
}

// The words written with kanji (a form in kana alone says nothing MeCab can
// check) whose dictionary form and te form, as the lexicon spells them, MeCab
// reads as the word itself. A word it reads otherwise even there is one it
// cannot tell from a homograph (若く siku read as 若い, 改めて and 極めて as
// adverbs, 過って as 過る, 行って of okonau as 行く), and most forms are
// built on the te form, so its forms would measure MeCab rather than the
// engine.
bool checkableWords(const Matches& matches, const ConjugationEngine& engine, bool verb,
                    const Options& options, std::vector<const MatchedWord*>& words,
                    std::size_t& unreadable, std::string& error) {
  std::vector<const MatchedWord*> written;
  std::vector<std::string> lines;
  for (const MatchedWord& word : matches.words) {
    if (!hasKanji(word.entry.written)) continue;
    written.push_back(&word);
    lines.emplace_back(word.entry.written);
    lines.push_back(lexiconTeForm(word, verb, engine.kana()));
  }
  Analyses analyses;
  if (!analyseLines(lines, options.mecabDic, "oracle_mecab_words", analyses, error)) return false;
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (analysesAsOwnWord(analyses[2 * i], *written[i], verb, engine) &&
        analysesAsOwnWord(analyses[2 * i + 1], *written[i], verb, engine)) {
      words.push_back(written[i]);
    } else {
      ++unreadable;
    }
  }
  return true;
}

int runMecabCheck(const Matches& verbs, const Matches& adjectives,
                  const ConjugationEngine& engine, const Options& options) {
  std::string reason;
  if (!mecabAvailable(options.mecabDic, reason)) {
    std::cout << "SKIPPED: " << reason << '\n';
    return kSkip;
  }
  std::vector<const MatchedWord*> verbWords;
  std::vector<const MatchedWord*> adjectiveWords;
  std::size_t unreadable = 0;
  std::string error;
  if (!checkableWords(verbs, engine, true, options, verbWords, unreadable, error) ||
      !checkableWords(adjectives, engine, false, options, adjectiveWords, unreadable, error)) {
    std::cout << "FAIL: " << error << '\n';
    return kFail;
  }
  std::vector<SampledForm> sample;
  const std::size_t adjectiveShare = options.sampleForms / 5;
  sampleForms(verbWords, engine, true, options.sampleForms - adjectiveShare, sample);
  const std::size_t verbForms = sample.size();
  sampleForms(adjectiveWords, engine, false, adjectiveShare, sample);
  std::vector<std::string> lines;
  lines.reserve(sample.size());
  for (const auto& form : sample) lines.push_back(form.written);

  Analyses analyses;
  if (!analyseLines(lines, options.mecabDic, "oracle_mecab", analyses, error)) {
    std::cout << "FAIL: " << error << '\n';
    return kFail;
  }
  std::vector<Miss> misses;
  std::size_t analysed = 0;
  for (std::size_t i = 0; i < sample.size(); ++i) {
    const auto& morphemes = analyses[i];
    if (analysesAsOwnWord(morphemes, *sample[i].word, sample[i].verb, engine)) {
      ++analysed;
      continue;
    }
    const DictionaryEntry& entry = sample[i].word->entry;
    std::string analysis;
    for (const auto& m : morphemes) {
      analysis += (analysis.empty() ? "" : " | ") + toUtf8(m.surface) + " <" + toUtf8(m.baseForm) +
                  " " + toUtf8(m.partOfSpeech) + ">";
    }
    misses.push_back({std::string(i < verbForms ? "verb " : "adjective ") + sample[i].caseName,
                      toUtf8(sample[i].written) + " of " + toUtf8(entry.written) + " " +
                          std::string(entry.romaji) + ": " + analysis});
  }
  std::ostringstream summary;
  summary << "MeCab check: " << analysed << " of " << sample.size() << " written forms ("
          << verbForms << " verb, " << sample.size() - verbForms
          << " adjective) analysed as forms of their own word (" << percent(analysed, sample.size())
          << "); " << unreadable
          << " words left out whose dictionary or te form MeCab reads as another word";
  std::cout << summary.str() << '\n';
  reportMisses(misses, options, summary.str());
  if (sample.empty() || 100.0 * analysed / sample.size() < options.minAnalysedPercent) {
    std::cout << "FAIL: fewer than " << options.minAnalysedPercent
              << "% analysed as forms of their own word\n";
    return kFail;
  }
  return kPass;
}

// The teacher's table: every form a word must have is produced, none of
// those it lacks.
int runTablesCheck(const ConjugationEngine& engine) {
  std::size_t mustSeen = 0, mustTotal = 0, neverSeen = 0, neverTotal = 0;
  for (const TeacherRow& row : teacherTable()) {
    InflectionResult word;
    word.romaji = row.word;
    word.wordClass = row.wordClass;
    word.written = row.written;
    std::vector<InflectionResult> results;
    if (row.wordClass == TrueAdjective) engine.conjugateAdjective(word, "", 0, 0, results);
    else engine.conjugateVerb(word, "", 0, 0, results);
    std::set<std::string> produced;
    for (const auto& result : results) produced.insert(withoutSpaces(result.romaji));
    for (const std::string& form : row.must) {
      ++mustTotal;
      if (produced.count(withoutSpaces(form))) ++mustSeen;
      else std::cout << "missing: " << row.word << " -> " << form << '\n';
    }
    for (const std::string& form : row.never) {
      ++neverTotal;
      if (!produced.count(withoutSpaces(form))) continue;
      ++neverSeen;
      std::cout << "wrong: " << row.word << " -> " << form << '\n';
    }
  }
  std::cout << "teacher's table: " << mustSeen << " of " << mustTotal << " expected forms produced, "
            << neverSeen << " of " << neverTotal << " forms Japanese lacks produced\n";
  return mustSeen == mustTotal && neverSeen == 0 ? kPass : kFail;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    std::cerr << "usage: oracle_check [--mode forms|mecab|tables] [--data DIR] [--ipadic DIR]\n"
                 "       [--mecab-dic DIR] [--misses FILE] [--sample N]\n";
    return kFail;
  }
  const auto start = std::chrono::steady_clock::now();
  const KanaConverter kana;
  ConjugationEngine engine(kana);
  const std::string data = options.dataDir + "/";
  if (!engine.loadVerbRules(data + "Rules_Verbs.dat") ||
      !engine.loadVerbClasses(data + "Rules_VClass.dat") ||
      !engine.loadAdjectiveRules(data + "Rules_Adj.dat")) {
    std::cout << "FAIL: the rule files in " << options.dataDir << " do not load\n";
    return kFail;
  }
  std::ostringstream console;  // "EXTENDED ENTRY" notices are of no interest here
  if (!engine.loadVerbDictionary(data + "Words_Verbs.dat", console) ||
      !engine.loadAdjectiveDictionary(data + "Words_Adj.dat", console)) {
    std::cout << "FAIL: the dictionaries in " << options.dataDir << " do not load\n";
    return kFail;
  }
  if (options.mode == "tables") return runTablesCheck(engine);

  const std::string verbCsv = options.ipadicDir + "/Verb.csv";
  const std::string adjectiveCsv = options.ipadicDir + "/Adj.csv";
  std::error_code ec;
  if (!std::filesystem::exists(verbCsv, ec) || !std::filesystem::exists(adjectiveCsv, ec)) {
    std::cout << "SKIPPED: the IPADIC lexicon (" << verbCsv << ", " << adjectiveCsv
              << ") is not installed (package mecab-ipadic)\n";
    return kSkip;
  }

  IpadicLexicon verbLexicon;
  IpadicLexicon adjectiveLexicon;
  readIpadicFile(verbCsv, kana, verbLexicon);
  readIpadicFile(adjectiveCsv, kana, adjectiveLexicon);
  const Matches verbs = matchWords(engine.verbDictionary(), verbLexicon, true, engine);
  const Matches adjectives =
      matchWords(engine.adjectiveDictionary(), adjectiveLexicon, false, engine);

  const int status = options.mode == "forms" ? runFormsCheck(verbs, adjectives, engine, options)
                                             : runMecabCheck(verbs, adjectives, engine, options);
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "took " << std::fixed << std::setprecision(1) << seconds << " s\n";
  return status;
}
