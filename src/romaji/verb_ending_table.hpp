#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

inline constexpr std::size_t kVerbEndingRows = 10;
inline constexpr std::size_t kVerbEndingColumns = 12;

/// Romaji endings of verbs by conjugation type (row) and rule column. Row 0
/// serves itidan verbs and any ending without a row of its own. Columns 8
/// to 11 are stems, not whole syllables: the contracted te stem voiced as z
/// (kaityau, yonzyau), the te stem (kattoku, yondoru), the contracted -eba
/// stem (kakya) and the o-row stem (kakokka).
inline constexpr std::array<std::array<std::string_view, kVerbEndingColumns>, kVerbEndingRows>
    VerbEndingTable = {{
        {"", "", "", "ru", "re", "you", "te", "ta", "t", "t", "ry", "yo"},                // itidan (and fallback)
        {"", "sa", "si", "su", "se", "sou", "site", "sita", "sit", "sit", "sy", "so"},    // su
        {"", "ka", "ki", "ku", "ke", "kou", "ite", "ita", "it", "it", "ky", "ko"},        // ku
        {"", "ga", "gi", "gu", "ge", "gou", "ide", "ida", "iz", "id", "gy", "go"},        // gu
        {"", "ba", "bi", "bu", "be", "bou", "nde", "nda", "nz", "nd", "by", "bo"},        // bu
        {"", "ma", "mi", "mu", "me", "mou", "nde", "nda", "nz", "nd", "my", "mo"},        // mu
        {"", "na", "ni", "nu", "ne", "nou", "nde", "nda", "nz", "nd", "ny", "no"},        // nu
        {"", "ra", "ri", "ru", "re", "rou", "tte", "tta", "tt", "tt", "ry", "ro"},        // ru
        {"", "ta", "ti", "tu", "te", "tou", "tte", "tta", "tt", "tt", "ty", "to"},        // tu
        {"", "wa", "i", "u", "e", "ou", "tte", "tta", "tt", "tt", "y", "o"},              // vowel + u
    }};

/// The first column whose endings are not whole syllables: the written form
/// converts such an ending together with the suffix after it.
inline constexpr std::int32_t kFirstStemColumn = 8;

/// The row of a verb: 0 for any class with the itidan bit, otherwise chosen
/// by the first letter of its dictionary ending.
std::size_t verbEndingRow(std::int16_t wordClass, std::string_view ending);

/// The table ending, or empty when the column is outside 0..11.
std::string_view verbEnding(std::size_t row, std::int32_t column);
