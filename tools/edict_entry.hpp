#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

/// One headword or reading of an EDICT entry, with the marks written after it
/// in parentheses: (P) for a common form, other tags such as (iK) or (ok),
/// and for a reading the headwords it is restricted to.
struct EdictForm {
  std::string text;                       ///< EUC-JP bytes
  bool common = false;                    ///< marked (P)
  std::vector<std::string> tags;          ///< other marks, e.g. "iK", "ok"
  std::vector<std::string> restrictions;  ///< headwords a reading belongs to
};

/// One numbered sense: its part-of-speech tags (inherited from the previous
/// sense when it names none), its other tags and its glosses, tags removed.
struct EdictSense {
  std::vector<std::string> partsOfSpeech;
  std::vector<std::string> tags;  ///< misc, field and dialect tags
  std::vector<std::string> glosses;
};

/// One line of the EDICT file. A kana-only entry has no headwords: its
/// readings stand alone.
struct EdictEntry {
  std::vector<EdictForm> headwords;
  std::vector<EdictForm> readings;
  std::vector<EdictSense> senses;
  bool common = false;  ///< the entry-level (P) field
};

/// Parses one EDICT line (EUC-JP, without the line end). Returns nothing for
/// a line that is not an entry (empty, malformed, or without senses).
std::optional<EdictEntry> parseEdictLine(std::string_view line);

/// True when a parenthesised group such as "v5r,vi" or "uk" consists of
/// EDICT tags only, so that it is markup rather than part of a gloss.
bool isTagGroup(std::string_view group);

/// True for EDICT's part-of-speech tags ("v1", "n", "adj-i", ...).
bool isPartOfSpeechTag(std::string_view tag);

/// The (written, reading) pairs of an entry in EDICT order: every headword
/// with every reading that is not restricted to other headwords; for a
/// kana-only entry each reading with itself.
std::vector<std::pair<const EdictForm*, const EdictForm*>> writtenReadingPairs(
    const EdictEntry& entry);

/// True when the written/reading pair counts as a common word: the pair's
/// own (P) marks when the entry marks forms, else the entry's (P).
bool isCommonPair(const EdictEntry& entry, const EdictForm& written, const EdictForm& reading);

/// True when EDICT marks the written form or the reading of the pair as an
/// irregular, outdated or search-only spelling (iK, ik, io, oK, ok, rK, sK),
/// either on the form itself or, where a line holds one form, before the
/// first sense.
bool isVariantSpelling(const EdictEntry& entry, const EdictForm& written, const EdictForm& reading);

/// True when a reading carries no mark of an irregular or outdated kana spelling.
bool isPlainReading(const EdictForm& reading);

/// True when the first sense is marked as usually written in kana (uk).
bool isUsuallyKana(const EdictEntry& entry);
