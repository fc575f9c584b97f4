#include <gtest/gtest.h>

#include <string>

#include "romaji/kana_converter.hpp"

namespace {

const KanaConverter& converter() {
  static const KanaConverter instance;
  return instance;
}

struct Case {
  std::string word;
  bool wellFormed;
};

void expectVerdicts(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(converter().isWellFormedRomaji(c.word), c.wellFormed) << '"' << c.word << '"';
  }
}

}  // namespace

TEST(IsWellFormedRomaji, AcceptsTheEmptyWord) { expectVerdicts({{"", true}}); }

TEST(IsWellFormedRomaji, AcceptsNihonShikiWords) {
  expectVerdicts({{"taberu", true}, {"kaku", true},   {"hanasu", true}, {"matu", true},
                  {"si", true},     {"tu", true},     {"zya", true},    {"kyou", true},
                  {"kitte", true},  {"zassi", true},  {"onna", true},   {"kon'ya", true},
                  {"ko-hi-", true}, {"ai suru", true}, {"roppon", true}, {"baggu", true},
                  {"beddo", true},  {"kinou", true},  {"konya", true},  {"hon", true}});
}

TEST(IsWellFormedRomaji, RejectsHepburnSpellings) {
  expectVerdicts({{"shi", false}, {"tsu", false}, {"chi", false}, {"fu", false}, {"ja", false},
                  {"cha", false}, {"sha", false}});
}

TEST(IsWellFormedRomaji, RejectsLettersOutsideTheInventory) {
  expectVerdicts({{"la", false}, {"xa", false}, {"qa", false}, {"kaq", false}, {"Taberu", false},
                  {"tabeRu", false}});
}

TEST(IsWellFormedRomaji, AcceptsOnlyTheDoublingConsonantsTwice) {
  expectVerdicts({{"kakk", false}, {"amma", false},  {"arra", false}, {"ahha", false},
                  {"abba", false}, {"azza", false},  {"kitt", false}, {"katta", true},
                  {"ittsa", true}, {"oddji", true},  {"akkya", true}, {"onnna", true}});
}

TEST(IsWellFormedRomaji, TellsCapitalForeignSoundsFromOldKana) {
  expectVerdicts({{"WI", true}, {"WE", true}, {"WO", true}, {"wi", true}, {"wI", false},
                  {"Wi", false}, {"WA", false}});
}

TEST(IsWellFormedRomaji, AcceptsForeignSounds) {
  expectVerdicts({{"vu", true}, {"tsa", true}, {"fyu", true}, {"tji", true}, {"tsu", false},
                  {"fyo", false}});
}

TEST(IsWellFormedRomaji, AllowsSingleWhiteSpaceOnly) {
  expectVerdicts({{"taberu ", true},   {"taberu\t", true},  {" taberu", true},
                  {"taberu  ", false}, {"ai  suru", false}, {"ai \tsuru", false},
                  {"ai\nsuru", true},  {" ", true},         {"  ", false}});
}

TEST(IsWellFormedRomaji, SyllabicNNeverFailsTheWord) {
  expectVerdicts({{"n", true}, {"nn", true}, {"nnn", true}, {"n'", true}, {"kon'", true}});
}

TEST(IsWellFormedRomaji, RejectsBytesOutsideAsciiLetters) {
  expectVerdicts({{std::string("ka\0ku", 5), false},
                  {"\xA4\xAB", false},
                  {"ka\xFF", false},
                  {"k\x80", false}});
}
