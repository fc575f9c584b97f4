// The reverse search generates and tests: each dictionary word that passes
// the spelling tests is conjugated in every case, and kept when one of its
// forms spells the typed form. Only the romaji of the forms is built, and a
// word or a rule whose fixed spelling cannot give the form is passed over
// before any form is built; the candidates are those of conjugating in full.
// A word named by a named-word rule skips the spelling tests: its form owes
// nothing to its own spelling.

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "inflection/adjective_engine.hpp"
#include "inflection/conjugation_engine.hpp"
#include "inflection/verb_engine.hpp"
#include "romaji/form_assembly.hpp"

namespace {

/// Suru and the irregular kinds (and -1, which has every bit) are tried
/// without a stem test: their stems change.
constexpr std::int16_t kStemlessClasses = SuruAux | Irregular;

/// The dictionary word as a candidate: its meaning travels in `gloss`.
InflectionResult candidateFromVerbEntry(const DictionaryEntry& entry, std::int16_t wordClass) {
  InflectionResult word = wordFromEntry(entry, wordClass);
  word.gloss = entry.meaning;
  return word;
}

/// An adjective candidate carries no extended forms.
InflectionResult candidateFromAdjectiveEntry(const DictionaryEntry& entry) {
  InflectionResult word = candidateFromVerbEntry(entry, TrueAdjective);
  word.extended = {};
  return word;
}

/// The stem splitItidan (class 1) or splitGodan (any other class) gives,
/// as a view of the key: the key less its dictionary ending.
std::string_view stemOf(std::string_view key, std::int16_t wordClass) {
  std::size_t ending = 2;
  if (wordClass != Itidan) {
    if (key.size() < 2) return {};
    const char c = key[key.size() - 2];
    if (c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u') ending = 1;
  }
  return key.size() <= ending ? std::string_view{} : key.substr(0, key.size() - ending);
}

/// The first-letter test, allowing for an honorific o- before the verb.
bool firstLetterFits(std::string_view key, const std::string& form) {
  if (key.empty()) return false;
  return key[0] == form[0] || (form[0] == 'o' && key[0] == form[1]);
}

std::string withoutSpaces(std::string_view text) {
  std::string bare;
  bare.reserve(text.size());
  for (char c : text) {
    if (c != ' ') bare.push_back(c);
  }
  return bare;
}

/// True when `bare` (no spaces) ends in `head` followed by `tail`, spaces in
/// those two left out. Compares from the end, without building anything.
bool endsWithIgnoringSpaces(std::string_view bare, std::string_view head, std::string_view tail) {
  std::size_t end = bare.size();
  for (std::string_view part : {tail, head}) {
    for (std::size_t i = part.size(); i-- > 0;) {
      if (part[i] == ' ') continue;
      if (end == 0 || bare[end - 1] != part[i]) return false;
      --end;
    }
  }
  return true;
}

/// Whether some rule shape of the word's class lets a form of `key` begin
/// the way `bare` does. Every form is the shape's prefix, then a stem that
/// is `key` less at most `cut` characters, so a key that fits no shape
/// produces no form equal to the typed one. `key` must hold no space (the
/// dictionary's keys come from kana and never do).
bool someShapeFits(const std::vector<StemShape>& shapes, std::int16_t wordClass,
                   std::string_view key, std::string_view bare) {
  const auto bits = static_cast<std::uint16_t>(wordClass);
  for (const StemShape& shape : shapes) {
    if ((shape.appliesTo & bits) == 0) continue;
    if (!key.ends_with(shape.requiredEnding)) continue;
    const std::size_t stemLength = key.size() > shape.cut ? key.size() - shape.cut : 0;
    if (bare.size() < shape.prefix.size() + stemLength) continue;
    if (!bare.starts_with(shape.prefix)) continue;
    if (bare.substr(shape.prefix.size(), stemLength) == key.substr(0, stemLength)) return true;
  }
  return false;
}

/// Whether the rule's form of a spaceless word can end the way `bare`
/// does: the suffix and auxiliary (or, for a word rule, the replacement)
/// are the form's last letters.
bool tailFits(const InflectionRule& rule, std::string_view bare) {
  if (!rule.word.empty()) return endsWithIgnoringSpaces(bare, {}, rule.formation.suffix);
  return endsWithIgnoringSpaces(bare, rule.formation.suffix, rule.formation.auxiliary);
}

/// Walks sorted keys in rising order alongside the sorted named words and
/// tells whether each key is one of them.
class NamedWordCursor {
 public:
  explicit NamedWordCursor(const std::vector<std::string>& words) : words_(words) {}

  /// For keys given in rising order.
  bool names(std::string_view key) {
    while (next_ < words_.size() && std::string_view(words_[next_]) < key) ++next_;
    return next_ < words_.size() && words_[next_] == key;
  }

 private:
  const std::vector<std::string>& words_;
  std::size_t next_ = 0;
};

/// The romaji of the rule's form, as applyRule spells it.
std::string formRomaji(const InflectionRule& rule, const InflectionResult& word) {
  return rule.word.empty() ? regularFormRomaji(rule, word) : wordFormRomaji(rule, rule.word, word);
}

}  // namespace

bool ConjugationEngine::someSlotSpells(const InflectionResult& word, std::string_view bare,
                                       const std::string& form,
                                       std::vector<bool>& fitSlots) const {
  // Suppression acts only within a slot, so only the slots holding a rule
  // of the word's classes whose tail fits the form need choosing: no other
  // rule can produce the form. Their rules are chosen exactly as
  // chooseVerbRules would, and the survivors' romaji compared.
  const auto wordBits = static_cast<std::uint16_t>(word.wordClass);
  std::vector<std::uint32_t> slots;
  for (const IndexedRule<InflectionRule>& visit : verbIndex_.visits) {
    if (visit.anyClass) {
      // An exception makes no form; a named-word rule serves its word alone.
      if (visit.exception || visit.rule->word != word.romaji) continue;
    } else if ((visit.appliesTo & wordBits) == 0) {
      continue;
    }
    if (fitSlots[visit.slot] || !tailFits(*visit.rule, bare)) continue;
    fitSlots[visit.slot] = true;
    slots.push_back(visit.slot);
  }
  bool spells = false;
  std::vector<const IndexedRule<InflectionRule>*> applying;
  for (std::uint32_t slot : slots) {
    fitSlots[slot] = false;  // left clear for the next word
    if (spells) continue;
    applying.clear();
    bool exception = false;
    bool irregular = false;
    std::size_t longest = 0;
    for (std::uint32_t position : verbIndex_.visitsOfSlot[slot]) {
      const IndexedRule<InflectionRule>& visit = verbIndex_.visits[position];
      if (!visit.anyClass && (visit.appliesTo & wordBits) == 0) continue;
      if (!ruleApplies(*visit.rule, word, 0, 0, classLists.auxiliaries)) continue;
      applying.push_back(&visit);
      if (visit.exception) {
        exception = true;
      } else if (visit.rule->appliesTo == Irregular) {
        irregular = true;
        longest = std::max(longest, visit.rule->word.size());
      }
    }
    if (exception) continue;  // the slot gives no form
    for (const IndexedRule<InflectionRule>* visit : applying) {
      const InflectionRule& rule = *visit->rule;
      if (irregular && !(rule.appliesTo == Irregular && rule.word.size() == longest)) continue;
      if (tailFits(rule, bare) && equalIgnoringSpaces(form, formRomaji(rule, word))) {
        spells = true;
        break;
      }
    }
  }
  return spells;
}

void ConjugationEngine::reverseSearchVerbs(std::string form,
                                           std::vector<InflectionResult>& candidates) const {
  if (form.size() < 2) return;
  const auto& nonstem = classLists.nonstemInflections;
  const bool isNonstemForm = std::any_of(nonstem.begin(), nonstem.end(), [&](const auto& w) {
    return equalIgnoringSpaces(form, w);
  });
  const std::string bare = withoutSpaces(form);
  // The shapes describe the rules only while the index is current.
  const bool mayPrune = verbIndex_.isCurrentFor(verbRules);
  std::vector<std::string> unindexedNames;
  if (!mayPrune) unindexedNames = namedWordsOf(verbRules);
  const std::vector<std::string>& namedWords = mayPrune ? verbIndex_.namedWords : unindexedNames;

  InflectionResult word;  // only what choosing rules and spelling romaji read
  std::vector<const InflectionRule*> chosen;
  std::vector<bool> fitSlots(mayPrune ? verbIndex_.slotCount : 0, false);
  NamedWordCursor named(namedWords);
  const auto tryEntry = [&](std::string_view key, std::int16_t givenClass,
                            const std::pair<const std::string, DictionaryEntry>& item) {
    const bool isNamed = !namedWords.empty() && named.names(key);
    const std::int16_t wordClass = givenClass != 0 ? givenClass : classifyVerb(item.first);
    const bool stemless = (wordClass & kStemlessClasses) != 0;
    if (isNamed) {
      // Always conjugated, whatever the form.
    } else if (isNonstemForm) {
      if (!stemless) return;
    } else {
      if (!firstLetterFits(key, form)) return;
      if (!stemless && form.find(stemOf(key, wordClass)) == std::string::npos) return;
    }
    const bool spaceless = key.find(' ') == std::string_view::npos;
    const bool prunable = mayPrune && spaceless;
    if (prunable && !isNamed && !someShapeFits(verbIndex_.stemShapes, wordClass, key, bare)) {
      return;
    }

    word.romaji.assign(key);
    word.wordClass = wordClass;
    bool produces = false;
    if (prunable) {
      produces = someSlotSpells(word, bare, form, fitSlots);
    } else {
      chosen.clear();
      chooseVerbRules(word, std::string(), 0, 0, chosen);
      produces = std::any_of(chosen.begin(), chosen.end(), [&](const InflectionRule* rule) {
        if (spaceless && !tailFits(*rule, bare)) return false;
        return equalIgnoringSpaces(form, formRomaji(*rule, word));
      });
    }
    if (produces) candidates.push_back(candidateFromVerbEntry(item.second, wordClass));
  };

  // Only keys beginning with the form's first letter (or, after an o, its
  // second) pass the letter test; each such run is contiguous in key order,
  // and the runs, with the keys of named words, are walked in key order. A
  // non-stem form tries every key.
  std::vector<char> letters{form[0]};
  if (form[0] == 'o' && form[1] != 'o') {
    letters.push_back(form[1]);
    if (static_cast<unsigned char>(form[1]) < static_cast<unsigned char>('o')) {
      std::swap(letters[0], letters[1]);
    }
  }
  const auto beginsWith = [](std::string_view key, char letter) {
    return !key.empty() && key[0] == letter;
  };

  if (const DictionaryKeyIndex* index = verbDictionary.keyIndex()) {
    const auto& records = index->records;
    if (isNonstemForm) {
      for (const auto& record : records) tryEntry(index->keyOf(record), record.wordClass, *record.item);
      return;
    }
    // Runs of records, which are in key order: those of each letter, then
    // those of each named word; walked in key order, each record once.
    using Run = std::pair<const DictionaryKeyIndex::Record*, const DictionaryKeyIndex::Record*>;
    const auto runFrom = [&](std::string_view from, const auto& belongs) {
      const DictionaryKeyIndex::Record* first = std::lower_bound(
          records.data(), records.data() + records.size(), from,
          [&](const DictionaryKeyIndex::Record& record, std::string_view key) {
            return index->keyOf(record) < key;
          });
      const DictionaryKeyIndex::Record* last = first;
      while (last != records.data() + records.size() && belongs(index->keyOf(*last))) ++last;
      return Run(first, last);
    };
    std::vector<Run> runs;
    for (char letter : letters) {
      runs.push_back(runFrom(std::string_view(&letter, 1),
                             [&](std::string_view key) { return beginsWith(key, letter); }));
    }
    for (const std::string& name : namedWords) {
      runs.push_back(runFrom(name, [&](std::string_view key) { return key == name; }));
    }
    std::sort(runs.begin(), runs.end());
    const DictionaryKeyIndex::Record* done = records.data();
    for (const auto& [first, last] : runs) {
      for (const DictionaryKeyIndex::Record* it = std::max(first, done); it < last; ++it) {
        tryEntry(index->keyOf(*it), it->wordClass, *it->item);
      }
      done = std::max(done, last);
    }
    return;
  }

  // Entries changed by hand since loading: walk the multimap itself, all of
  // it when some word is named.
  const Dictionary::Entries& entries = verbDictionary.entries;
  if (isNonstemForm || !namedWords.empty()) {
    for (const auto& item : entries) tryEntry(item.first, item.second.wordClass, item);
    return;
  }
  for (char letter : letters) {
    for (auto it = entries.lower_bound(std::string(1, letter));
         it != entries.end() && beginsWith(it->first, letter); ++it) {
      tryEntry(it->first, it->second.wordClass, *it);
    }
  }
}

void ConjugationEngine::reverseSearchAdjectives(std::string form,
                                                std::vector<InflectionResult>& candidates) const {
  if (form.size() < 2) return;
  InflectionResult word;
  word.wordClass = TrueAdjective;
  std::vector<const AdjectiveRule*> chosen;
  const std::vector<std::string> namedWords = adjectiveIndex_.isCurrentFor(adjectiveRules)
                                                  ? adjectiveIndex_.namedWords
                                                  : namedWordsOf(adjectiveRules);
  NamedWordCursor named(namedWords);
  for (const auto& [key, entry] : adjectiveDictionary) {
    if (!named.names(key)) {
      if (key.empty() || key[0] != form[0]) continue;
      if (form.find(std::string_view(key).substr(0, key.size() - 1)) == std::string::npos) continue;
    }
    word.romaji = key;
    chosen.clear();
    chooseAdjectiveRules(word, std::string(), 0, 0, chosen);
    const bool produces = std::any_of(chosen.begin(), chosen.end(), [&](const AdjectiveRule* rule) {
      return equalIgnoringSpaces(form, adjectiveFormRomaji(*rule, word));
    });
    if (produces) candidates.push_back(candidateFromAdjectiveEntry(entry));
  }
}
