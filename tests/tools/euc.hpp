#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

// Test texts are written in UTF-8 for readability and turned into the EUC-JP
// bytes the dictionary files hold: kana by their JIS rows, a few kanji by a
// table, ASCII unchanged.
inline std::string euc(std::string_view utf8) {
  struct Kanji {
    char32_t code;
    const char* bytes;
  };
  static constexpr Kanji kKanji[] = {
      {U'帰', "\xB5\xA2"}, {U'変', "\xCA\xD1"}, {U'勉', "\xCA\xD9"}, {U'強', "\xB6\xAF"},
      {U'紙', "\xBB\xE6"}, {U'髪', "\xC8\xB1"}, {U'高', "\xB9\xE2"}, {U'愛', "\xB0\xA6"},
      {U'来', "\xCD\xE8"}, {U'呉', "\xB8\xE2"},
      {U'為', "\xB0\xD9"}, {U'上', "\xBE\xE5"}, {U'煩', "\xC8\xD1"}, {U'御', "\xB8\xE6"},
      {U'座', "\xBA\xC2"}, {U'在', "\xBA\xDF"}, {U'有', "\xCD\xAD"}, {U'言', "\xB8\xC0"},
      {U'云', "\xB1\xBE"}, {U'描', "\xC9\xC1"}, {U'画', "\xB2\xE8"}, {U'揚', "\xCD\xC8"},
      {U'見', "\xB8\xAB"}, {U'回', "\xB2\xF3"}, {U'死', "\xBB\xE0"}, {U'氏', "\xBB\xE1"},
      {U'返', "\xCA\xD6"}, {U'駄', "\xC2\xCC"}, {U'弁', "\xCA\xDB"}, {U'話', "\xCF\xC3"},
      {U'放', "\xCA\xFC"}, {U'方', "\xCA\xFD"}, {U'戻', "\xCC\xE1"}, {U'悖', "\xD8\xA3"},
      {U'扱', "\xB0\xB7"}, {U'難', "\xC6\xF1"}};
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x80) {
      out += utf8[i++];
      continue;
    }
    if ((byte & 0xF0) != 0xE0 || i + 2 >= utf8.size()) {
      ADD_FAILURE() << "euc(): only three-byte UTF-8 characters are supported";
      return out;
    }
    char32_t code = (static_cast<char32_t>(byte & 0x0F) << 12) |
                    (static_cast<char32_t>(utf8[i + 1] & 0x3F) << 6) |
                    static_cast<char32_t>(utf8[i + 2] & 0x3F);
    i += 3;
    if (code >= U'ぁ' && code <= U'ん') {
      out += '\xA4';
      out += static_cast<char>(0xA1 + (code - U'ぁ'));
    } else if (code >= U'ァ' && code <= U'ヶ') {
      out += '\xA5';
      out += static_cast<char>(0xA1 + (code - U'ァ'));
    } else if (code == U'ー') {
      out += "\xA1\xBC";
    } else {
      bool found = false;
      for (const Kanji& kanji : kKanji) {
        if (kanji.code == code) {
          out += kanji.bytes;
          found = true;
        }
      }
      if (!found) ADD_FAILURE() << "euc(): no EUC-JP bytes for U+" << std::hex << +code;
    }
  }
  return out;
}
