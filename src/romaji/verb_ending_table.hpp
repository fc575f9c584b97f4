#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

inline constexpr std::size_t kVerbEndingRows = 10;
inline constexpr std::size_t kVerbEndingColumns = 8;

/// Romaji endings of verbs by conjugation type (row) and rule column. Row 0
/// serves itidan verbs and any ending without a row of its own.
inline constexpr std::array<std::array<std::string_view, kVerbEndingColumns>, kVerbEndingRows>
    VerbEndingTable = {{
        {"", "", "", "ru", "re", "you", "te", "ta"},              // itidan (and fallback)
        {"", "sa", "si", "su", "se", "sou", "site", "sita"},      // su
        {"", "ka", "ki", "ku", "ke", "kou", "ite", "ita"},        // ku
        {"", "ga", "gi", "gu", "ge", "gou", "ide", "ida"},        // gu
        {"", "ba", "bi", "bu", "be", "bou", "nde", "nda"},        // bu
        {"", "ma", "mi", "mu", "me", "mou", "nde", "nda"},        // mu
        {"", "na", "ni", "nu", "ne", "nou", "nde", "nda"},        // nu
        {"", "ra", "ri", "ru", "re", "rou", "tte", "tta"},        // ru
        {"", "ta", "ti", "tu", "te", "tou", "tte", "tta"},        // tu
        {"", "wa", "i", "u", "e", "ou", "tte", "tta"},            // vowel + u
    }};

/// The row of a verb: 0 for any class with the itidan bit, otherwise chosen
/// by the first letter of its dictionary ending.
std::size_t verbEndingRow(std::int16_t wordClass, std::string_view ending);

/// The table ending, or empty when the column is outside 0..7.
std::string_view verbEnding(std::size_t row, std::int32_t column);
