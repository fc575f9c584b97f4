#pragma once

// Small text helpers the generator's readers, expansion and writers share.

#include <stdexcept>
#include <string>
#include <vector>

/// The text without the blanks (space, tab, carriage return) at its ends.
std::string trim(const std::string& s);

/// The pieces between the separators, each trimmed; one piece for a text
/// without a separator.
std::vector<std::string> splitOn(const std::string& s, const std::string& sep);

bool startsWith(const std::string& s, const std::string& prefix);

/// "_" stands for a space in the grammar sources.
std::string spaces(std::string s);

/// Added cases are written with commas in the sources, bars in the rule files.
std::string caseList(std::string s);

/// EUC-JP bytes of a UTF-8 text (the sources write kanji in UTF-8).
std::string eucFromUtf8(const std::string& utf8);

/// The romaji with "_" for a space, without the kanji marks "^".
std::string plainRomaji(const std::string& s);

/// A mistake in a source: the generator stops with the message.
[[noreturn]] void fail(const std::string& what);
