// The reverse search generates and tests: a dictionary word that passes the
// spelling tests is kept when one of the forms conjugateVerb gives it spells
// the typed form. Which words to try comes from the rules: only those whose
// fixed tail ends the typed form can make it, and where each puts its stem
// before that tail leaves a few keys that could; each of those is then
// checked with the engine's own choice of rules, in the slots of those
// rules alone, and only the romaji of the forms is built. The candidates are
// those of conjugating every word in full. A word named by a named-word
// rule skips the spelling tests: its form owes nothing to its own spelling.

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "inflection/adjective_engine.hpp"
#include "inflection/conjugation_engine.hpp"
#include "inflection/verb_engine.hpp"
#include "romaji/form_assembly.hpp"
#include "romaji/verb_ending_table.hpp"

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

/// What the spelling tests read of the typed form.
struct TypedForm {
  const std::string& form;
  std::string bare;            ///< the form without its spaces
  bool isNonstemForm = false;  ///< it equals a word of nonstemInflections, spaces disregarded
};

TypedForm typedFormOf(const std::string& form, const std::vector<std::string>& nonstem) {
  TypedForm typed{form, form};
  std::erase(typed.bare, ' ');
  typed.isNonstemForm = std::any_of(nonstem.begin(), nonstem.end(), [&](const std::string& w) {
    return equalIgnoringSpaces(form, w);
  });
  return typed;
}

/// The first-letter test, allowing for an honorific o- before the verb.
bool firstLetterFits(std::string_view key, const std::string& form) {
  if (key.empty()) return false;
  return key[0] == form[0] || (form[0] == 'o' && key[0] == form[1]);
}

/// Whether some rule shape of the word's class lets a form of `key` begin
/// the way `bare` does. Every form is the shape's prefix, then a stem that
/// is `key` less at most `cut` characters, so a key that fits no shape
/// produces no form equal to the typed one.
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

/// The spelling tests of a key that names no word of a named-word rule:
/// for a non-stem form, only suru and irregular classes pass; otherwise the
/// letter test, then, but for those classes, the stem (as splitItidan or
/// splitGodan gives it) must occur in the form. Last, some rule shape must
/// fit, which the dictionary's keys allow since, made from kana, they hold
/// no space.
bool passesSpellingTests(std::string_view key, std::int16_t wordClass, const TypedForm& typed,
                         const std::vector<StemShape>& shapes) {
  const bool stemless = (wordClass & kStemlessClasses) != 0;
  if (typed.isNonstemForm) {
    if (!stemless) return false;
  } else {
    if (!firstLetterFits(key, typed.form)) return false;
    if (!stemless && typed.form.find(splitVerb(key, wordClass).first) == std::string::npos) {
      return false;
    }
  }
  return someShapeFits(shapes, wordClass, key, typed.bare);
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

using Record = DictionaryKeyIndex::Record;

/// Calls `visit` with every record that may become a candidate, in key
/// order, each once: all of them for a non-stem form; otherwise those whose
/// key begins with the form's first letter (or, after an o, its second),
/// each letter's keys being one run, and the runs of the named words.
template <typename Visit>
void forEachRecordInReach(const DictionaryKeyIndex& index, const TypedForm& typed,
                          const std::vector<std::string>& namedWords, Visit visit) {
  const Record* const begin = index.records.data();
  const Record* const end = begin + index.records.size();
  if (typed.isNonstemForm) {
    for (const Record* it = begin; it != end; ++it) visit(*it);
    return;
  }
  using Run = std::pair<const Record*, const Record*>;
  const auto runFrom = [&](std::string_view from, const auto& belongs) {
    const Record* first = std::lower_bound(
        begin, end, from,
        [&](const Record& record, std::string_view key) { return index.keyOf(record) < key; });
    const Record* last = first;
    while (last != end && belongs(index.keyOf(*last))) ++last;
    return Run(first, last);
  };
  const std::string& form = typed.form;
  std::vector<char> letters{form[0]};
  if (form[0] == 'o' && form[1] != 'o') letters.push_back(form[1]);
  std::vector<Run> runs;
  for (const char letter : letters) {
    runs.push_back(runFrom(std::string_view(&letter, 1),
                           [&](std::string_view key) { return !key.empty() && key[0] == letter; }));
  }
  for (const std::string& name : namedWords) {
    runs.push_back(runFrom(name, [&](std::string_view key) { return key == name; }));
  }
  std::sort(runs.begin(), runs.end());
  const Record* done = begin;
  for (const auto& [first, last] : runs) {
    for (const Record* it = std::max(first, done); it < last; ++it) visit(*it);
    done = std::max(done, last);
  }
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

/// Whether the rule's form of a spaceless word can end the way `bare`
/// does: the suffix and auxiliary (or, for a word rule, the replacement)
/// are the form's last letters.
bool tailFits(const InflectionRule& rule, std::string_view bare) {
  if (!rule.word.empty()) return endsWithIgnoringSpaces(bare, {}, rule.formation.suffix);
  return endsWithIgnoringSpaces(bare, rule.formation.suffix, rule.formation.auxiliary);
}

/// The romaji of the rule's form, as applyRule spells it.
std::string formRomaji(const InflectionRule& rule, const InflectionResult& word) {
  return rule.word.empty() ? regularFormRomaji(rule, word) : wordFormRomaji(rule, rule.word, word);
}

/// The groups of rules whose tails end `bare`: no other rule can make it.
std::vector<const TailGroup*> groupsEnding(const std::vector<TailGroup>& tails,
                                           std::string_view bare) {
  std::vector<const TailGroup*> groups;
  for (std::size_t length = 0; length <= bare.size(); ++length) {
    const std::string_view tail = bare.substr(bare.size() - length);
    const auto found = std::lower_bound(tails.begin(), tails.end(), tail);
    if (found != tails.end() && found->tail == tail) groups.push_back(&*found);
  }
  return groups;
}

/// Keys that begin with `stem` and are longer by a number of characters
/// whose bit is set in `extra` (bit 63: that many or more).
struct KeyQuery {
  std::string_view stem;
  std::uint64_t extra = 0;
};

bool lengthFits(std::size_t keyLength, const KeyQuery& query) {
  const std::size_t more = keyLength - query.stem.size();
  return (query.extra >> std::min<std::size_t>(more, 63) & 1) != 0;
}

/// The bits of `extra` for exactly `count` characters more.
std::uint64_t extraOf(std::size_t count) {
  return std::uint64_t{1} << std::min<std::size_t>(count, 63);
}

/// The keys a rule placing its stem as `place` could make `bare` from, the
/// rule's tail being `tail`. A regular form is prefix, stem, table ending,
/// tail; the stem is the key less its last one or two characters (a key
/// of two characters or fewer leaves none). A word rule's form is the key
/// less `wordLength` characters, then its tail (a shorter key is kept
/// whole). Keys hold no space, so spaces play no part.
void addQueries(const StemPlace& place, std::string_view tail, std::string_view bare,
                std::vector<KeyQuery>& queries) {
  const std::string_view before = bare.substr(0, bare.size() - tail.size());
  if (place.wordRule) {
    std::uint64_t extra = extraOf(place.wordLength);
    if (before.size() < place.wordLength) extra |= extraOf(0);
    queries.push_back({before, extra});
    return;
  }
  if (!before.starts_with(place.prefix)) return;
  const std::string_view middle = before.substr(place.prefix.size());
  for (std::size_t row = 0; row < kVerbEndingRows; ++row) {
    const std::string_view ending = verbEnding(row, place.column);
    if (!middle.ends_with(ending)) continue;
    queries.push_back(
        {middle.substr(0, middle.size() - ending.size()), extraOf(0) | extraOf(1) | extraOf(2)});
  }
}

/// The records whose keys could make `bare` through one of `groups`'
/// rules, in key order, each once: a superset of those that produce it.
/// A query with an empty stem reads only the records in reach, since any
/// other fails the letter test and names no word. A named word's records
/// join when one of its named-word rules ends the form.
std::vector<const Record*> possibleRecords(const DictionaryKeyIndex& index, const TypedForm& typed,
                                           const std::vector<const TailGroup*>& groups,
                                           const RuleIndex<InflectionRule>& rules) {
  std::vector<KeyQuery> queries;
  for (const TailGroup* group : groups) {
    for (const StemPlace& place : group->places)
      addQueries(place, group->tail, typed.bare, queries);
  }
  std::sort(queries.begin(), queries.end(),
            [](const KeyQuery& a, const KeyQuery& b) { return a.stem < b.stem; });
  const Record* const begin = index.records.data();
  const Record* const end = begin + index.records.size();
  const auto firstFrom = [&](std::string_view from) {
    return std::lower_bound(begin, end, from, [&](const Record& record, std::string_view key) {
      return index.keyOf(record) < key;
    });
  };
  std::vector<const Record*> found;
  for (std::size_t i = 0; i < queries.size();) {
    // One pass per stem, its queries' lengths together.
    KeyQuery query = queries[i];
    for (++i; i < queries.size() && queries[i].stem == query.stem; ++i)
      query.extra |= queries[i].extra;
    if (query.stem.empty()) {
      forEachRecordInReach(index, typed, rules.namedWords, [&](const Record& record) {
        if (lengthFits(index.keyOf(record).size(), query)) found.push_back(&record);
      });
      continue;
    }
    for (const Record* it = firstFrom(query.stem); it != end; ++it) {
      const std::string_view key = index.keyOf(*it);
      if (!key.starts_with(query.stem)) break;
      if (lengthFits(key.size(), query)) found.push_back(it);
    }
  }
  for (const TailGroup* group : groups) {
    for (const std::uint32_t position : group->visits) {
      const std::string_view word = namedWord(*rules.visits[position].rule);
      if (word.empty()) continue;
      for (const Record* it = firstFrom(word); it != end && index.keyOf(*it) == word; ++it) {
        found.push_back(it);
      }
    }
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

}  // namespace

const VerbSearchIndex& ConjugationEngine::verbSearch() const {
  if (!verbSearch_) verbSearch_ = indexVerbSearch(verbRules_.get().index);
  return *verbSearch_;
}

bool ConjugationEngine::producesForm(const InflectionResult& word, std::string_view bare,
                                     const std::string& form,
                                     const std::vector<const TailGroup*>& fitting,
                                     std::vector<bool>& fitSlots) const {
  // Suppression acts only within a slot, so only the slots holding a rule
  // of the word's classes whose tail fits the form need choosing: no other
  // rule can produce the form. Their rules are chosen exactly as
  // chooseVerbRules would, and the survivors' romaji compared.
  const RuleIndex<InflectionRule>& verbIndex = verbRules_.get().index;
  const auto wordBits = static_cast<std::uint16_t>(word.wordClass);
  std::vector<std::uint32_t> slots;
  for (const TailGroup* group : fitting) {
    for (const std::uint32_t position : group->visits) {
      const IndexedRule<InflectionRule>& visit = verbIndex.visits[position];
      const std::uint32_t slot = visit.slot;
      if (visit.anyClass) {
        // An exception makes no form; a named-word rule serves its word alone,
        // and only a word that passes its restrictions.
        if (visit.exception || visit.rule->word != word.romaji ||
            !passesRestrictions(*visit.rule, word)) {
          continue;
        }
      } else if ((visit.appliesTo & wordBits) == 0) {
        continue;
      }
      if (fitSlots[slot]) continue;
      fitSlots[slot] = true;
      slots.push_back(slot);
    }
  }
  bool produces = false;
  std::vector<const IndexedRule<InflectionRule>*> applying;
  for (const std::uint32_t slot : slots) {
    fitSlots[slot] = false;  // left clear for the next word
    if (produces) continue;
    applying.clear();
    SlotOutcome outcome;
    for (const std::uint32_t position : verbIndex.visitsOfSlot[slot]) {
      const IndexedRule<InflectionRule>& visit = verbIndex.visits[position];
      if (!visit.anyClass && (visit.appliesTo & wordBits) == 0) continue;
      if (!ruleApplies(*visit.rule, word, 0, 0, classLists_.auxiliaries)) continue;
      applying.push_back(&visit);
      outcome.record(visit.candidate());
    }
    produces = std::any_of(applying.begin(), applying.end(), [&](const auto* visit) {
      return outcome.produces(visit->candidate()) && tailFits(*visit->rule, bare) &&
             equalIgnoringSpaces(form, formRomaji(*visit->rule, word));
    });
  }
  return produces;
}

void ConjugationEngine::reverseSearchVerbs(std::string form,
                                           std::vector<InflectionResult>& candidates) const {
  if (form.size() < 2) return;
  const TypedForm typed = typedFormOf(form, classLists_.nonstemInflections);
  const DictionaryKeyIndex& index = verbDictionary_.keyIndex();
  const RuleIndex<InflectionRule>& verbIndex = verbRules_.get().index;
  NamedWordCursor named(verbIndex.namedWords);
  InflectionResult word;  // only what choosing rules and spelling romaji read
  std::vector<bool> fitSlots(verbIndex.slotCount, false);
  const VerbSearchIndex& search = verbSearch();
  const std::vector<const TailGroup*> fitting = groupsEnding(search.tails, typed.bare);
  for (const Record* possible : possibleRecords(index, typed, fitting, verbIndex)) {
    const Record& record = *possible;
    const std::string_view key = index.keyOf(record);
    const std::int16_t wordClass =
        record.wordClass != 0 ? record.wordClass : classifyVerb(record.entry->romaji);
    if (!named.names(key) && !passesSpellingTests(key, wordClass, typed, search.stemShapes)) {
      continue;
    }
    word.romaji.assign(key);
    word.wordClass = wordClass;
    word.written.assign(record.entry->written);  // what restricted rules test
    if (producesForm(word, typed.bare, form, fitting, fitSlots)) {
      candidates.push_back(candidateFromVerbEntry(*record.entry, wordClass));
    }
  }
}

void ConjugationEngine::reverseSearchAdjectives(std::string form,
                                                std::vector<InflectionResult>& candidates) const {
  if (form.size() < 2) return;
  InflectionResult word;
  word.wordClass = TrueAdjective;
  std::vector<const AdjectiveRule*> chosen;
  NamedWordCursor named(adjectiveRules_.get().index.namedWords);
  for (const DictionaryEntry& entry : adjectiveDictionary_) {
    const std::string_view key = entry.romaji;
    if (!named.names(key)) {
      if (key.empty() || key[0] != form[0]) continue;
      if (form.find(key.substr(0, key.size() - 1)) == std::string::npos) continue;
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
