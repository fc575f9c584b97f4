#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// A word with forms a Japanese teacher expects of it (colloquial and keigo
/// among them) and forms Japanese lacks, which the grammar must never make.
/// Forms are romaji; spaces are disregarded.
struct TeacherRow {
  std::string word;
  std::int16_t wordClass;  ///< TrueAdjective for an adjective
  std::vector<std::string> must;
  std::vector<std::string> never;
  std::string written = {};  ///< EUC-JP, for one of homophones; empty: typed, as romaji alone
};

const std::vector<TeacherRow>& teacherTable();

/// Whether the table says `word` (romaji, whatever its written form) has no
/// form spelled `form`: the IPADIC check expects no such form either. Rows
/// for one written form of a word say nothing of its homophones.
bool neverProduced(std::string_view word, std::string_view form);
