#include "romaji/form_assembly.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "romaji/euc_kana.hpp"
#include "romaji/verb_ending_table.hpp"

namespace {

const KanaConverter& converter() {
  static const KanaConverter instance;
  return instance;
}

InflectionResult verb(std::string romaji, std::int16_t wordClass, std::string written = {}) {
  InflectionResult word;
  word.romaji = std::move(romaji);
  word.wordClass = wordClass;
  word.written = std::move(written);
  return word;
}

// A rule's texts are views: these take texts that outlive the rule.
InflectionRule regularRule(std::int32_t column, std::string_view suffix = {},
                           std::string_view auxiliary = {}, std::string_view prefix = {},
                           std::string_view writtenTail = {}) {
  InflectionRule rule;
  rule.formation.endingColumn = column;
  rule.formation.prefix = prefix;
  rule.formation.suffix = suffix;
  rule.formation.auxiliary = auxiliary;
  rule.formation.writtenTail = writtenTail;
  return rule;
}

InflectionRule wordRule(std::string_view suffix, std::string_view writtenTail = {}) {
  InflectionRule rule;
  rule.formation.suffix = suffix;
  rule.formation.writtenTail = writtenTail;
  return rule;
}

InflectionRule namedWordRule(std::string_view word, std::string_view suffix,
                             std::string_view writtenTail = {}) {
  InflectionRule rule = wordRule(suffix, writtenTail);
  rule.appliesTo = NamedWord;
  rule.word = word;
  return rule;
}

struct Split {
  std::string romaji;
  std::string stem;
  std::string ending;
};

}  // namespace

TEST(SplitItidan, EndingIsTheLastTwoCharacters) {
  const Split cases[] = {{"taberu", "tabe", "ru"}, {"miru", "mi", "ru"}, {"ru", "", "ru"},
                         {"r", "", "r"},           {"", "", ""}};
  for (const Split& c : cases) {
    EXPECT_EQ(splitItidan(c.romaji), std::make_pair(c.stem, c.ending)) << c.romaji;
  }
}

TEST(SplitGodan, EndingIsOneCharacterAfterAVowelElseTwo) {
  const Split cases[] = {{"kaku", "ka", "ku"}, {"kau", "ka", "u"},    {"hanasu", "hana", "su"},
                         {"matu", "ma", "tu"}, {"iu", "i", "u"},      {"ku", "", "ku"},
                         {"u", "", "u"},       {"", "", ""}};
  for (const Split& c : cases) {
    EXPECT_EQ(splitGodan(c.romaji), std::make_pair(c.stem, c.ending)) << c.romaji;
  }
}

TEST(VerbEndingTable, ColumnZeroIsTheBareStemInEveryRow) {
  for (const auto& row : VerbEndingTable) EXPECT_EQ(row[0], "");
}

TEST(VerbEnding, ColumnsOutsideTheTableGiveNoEnding) {
  EXPECT_EQ(verbEnding(2, 6), "ite");
  EXPECT_EQ(verbEnding(2, -1), "");
  EXPECT_EQ(verbEnding(2, 11), "ko");
  EXPECT_EQ(verbEnding(2, 12), "");
  EXPECT_EQ(verbEnding(10, 3), "");
}

TEST(AssembleRegularForm, StemColumnsSpellTheContractedAndORowFormsOfEveryRow) {
  // Columns 8 to 11 with the suffixes yau, oku, a and kka.
  const struct {
    InflectionResult verb;
    std::array<std::string, 4> romaji;
  } cases[] = {
      {verb("taberu", Itidan), {"tabetyau", "tabetoku", "taberya", "tabeyokka"}},
      {verb("hanasu", Godan), {"hanasityau", "hanasitoku", "hanasya", "hanasokka"}},
      {verb("kaku", Godan), {"kaityau", "kaitoku", "kakya", "kakokka"}},
      {verb("oyogu", Godan), {"oyoizyau", "oyoidoku", "oyogya", "oyogokka"}},
      {verb("asobu", Godan), {"asonzyau", "asondoku", "asobya", "asobokka"}},
      {verb("yomu", Godan), {"yonzyau", "yondoku", "yomya", "yomokka"}},
      {verb("sinu", Godan), {"sinzyau", "sindoku", "sinya", "sinokka"}},
      {verb("kaeru", Godan), {"kaettyau", "kaettoku", "kaerya", "kaerokka"}},
      {verb("matu", Godan), {"mattyau", "mattoku", "matya", "matokka"}},
      {verb("kau", Godan), {"kattyau", "kattoku", "kaya", "kaokka"}},
  };
  const std::array<std::string, 4> suffixes = {"yau", "oku", "a", "kka"};
  for (const auto& c : cases) {
    for (std::size_t k = 0; k < suffixes.size(); ++k) {
      const InflectionRule rule = regularRule(8 + static_cast<std::int32_t>(k), suffixes[k]);
      const InflectionResult form = assembleRegularForm(rule, c.verb, converter());
      EXPECT_EQ(form.romaji, c.romaji[k]) << c.verb.romaji << " column " << 8 + k;
      EXPECT_EQ(regularFormRomaji(rule, c.verb), c.romaji[k]) << c.verb.romaji;
      EXPECT_EQ(form.reading, converter().toKana(c.romaji[k])) << c.verb.romaji;
      EXPECT_NE(form.reading, kResultNotValid) << c.romaji[k];
    }
  }
}

TEST(AssembleRegularForm, StemColumnsKeepTheKanjiAndConvertEndingAndSuffixTogether) {
  using namespace euc;
  const std::string kaku = join(kanjiKaku, ku);
  const struct {
    InflectionRule rule;
    std::string kana;  // after the kanji
  } cases[] = {
      {regularRule(8, "yau"), "ityau"},
      {regularRule(9, "oku", "hoka"), "itoku"},
      {regularRule(10, "a"), "kya"},
      {regularRule(11, "kka", {}, "o"), "kokka"},
      {regularRule(8, "ya", "ikenai", {}, "\xB0\xA1"), "itya"},
  };
  for (const auto& c : cases) {
    const RuleFormation& f = c.rule.formation;
    const std::string tail = !f.writtenTail.empty() ? std::string(f.writtenTail)
                             : f.auxiliary.empty()  ? ""
                                                    : converter().toKana(f.auxiliary);
    const std::string prefix = f.prefix.empty() ? "" : converter().toKana(f.prefix);
    EXPECT_EQ(assembleRegularForm(c.rule, verb("kaku", Godan, kaku), converter()).written,
              prefix + join(kanjiKaku) + converter().toKana(c.kana) + tail)
        << c.kana;
  }
}

TEST(FormKana, WritesAWordWaStandingAloneBetweenSpacesAsTheParticle) {
  using namespace euc;
  const struct {
    std::string form;
    std::size_t begin;
    std::size_t end;
    std::string kana;
  } cases[] = {
      {"tabete wa ikenai", 0, 16, join(ta, be, te, ha, i, converter().toKana("kenai"))},
      {"tabete wa ikenai", 7, 16, join(ha, i, converter().toKana("kenai"))},  // the auxiliary alone
      {"tabete wa wa", 0, 12, join(ta, be, te, ha, wa)},  // the last is followed by no space
      {"wa ikenai", 0, 9, join(wa, i, converter().toKana("kenai"))},
      {"kawa ni", 0, 7, join(ka, wa, ni)},
      {"kaki wa suru wa", 0, 15, join(ka, ki, ha, su, ru, wa)},
      {"tabete wa iqke", 0, 14, std::string(kResultNotValid)},
      {"tabete wa ikenai", 5, 8, std::string(kResultNotValid)},  // "e w" holds half the word
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formKana(converter(), c.form, c.begin, c.end), c.kana) << c.form << " " << c.begin;
  }
}

TEST(AssembleForms, ReadTheParticleWaAsHaInReadingAndWrittenKana) {
  using namespace euc;
  const std::string kenai = converter().toKana("kenai");
  const InflectionResult regular = assembleRegularForm(regularRule(6, {}, "wa ikenai"),
                                                       verb("kaku", Godan, join(kanjiKaku, ku)), converter());
  EXPECT_EQ(regular.romaji, "kaite wa ikenai");
  EXPECT_EQ(regular.reading, join(ka, i, te, ha, i, kenai));
  EXPECT_EQ(regular.written, join(kanjiKaku, i, te, ha, i, kenai));
  const InflectionResult word =
      assembleWordForm(wordRule("site wa ikenai"), "suru", verb("ai suru", IrregularSuru), converter());
  EXPECT_EQ(word.reading, join(a, i, si, te, ha, i, kenai));
}

TEST(WrittenKeepingKanji, KeepsTheKanjiWhenTheKanaBeginsWithTheirReading) {
  using namespace euc;
  const struct {
    std::string written;
    std::string reading;
    std::string kana;
    std::string expected;
  } cases[] = {
      {join(kanjiTou, u), join(to, u), join(to, u, te), join(kanjiTou, u, te)},
      {join(kanjiYoi, i), converter().toKana("yoi"), converter().toKana("yosasou"),
       join(kanjiYoi) + converter().toKana("sasou")},
      {join(kanjiKaku, be, ru), join(ta, be, ru), join(ma, ru), join(ma, ru)},  // another reading
      {join(to, u), join(to, u), join(to, u, te), join(to, u, te)},              // kana only
      {"", join(to, u), join(to, u, te), join(to, u, te)},
      {join(kanjiTou, u), "", join(to, u, te), join(to, u, te)},
      {join(kanjiTou, u), join(to, u), std::string(kResultNotValid), std::string(kResultNotValid)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(writtenKeepingKanji(c.written, c.reading, c.kana), c.expected) << c.kana;
  }
}

TEST(AssembleRegularForm, BuildsTheRomajiFromStemAndTableEnding) {
  const struct {
    InflectionResult verb;
    InflectionRule rule;
    std::string romaji;
  } cases[] = {
      {verb("taberu", Itidan), regularRule(6), "tabete"},
      {verb("taberu", Itidan), regularRule(1, "nai"), "tabenai"},
      {verb("kaku", Godan), regularRule(6), "kaite"},
      {verb("kau", Godan), regularRule(6), "katte"},
      {verb("yomu", Godan), regularRule(6), "yonde"},
      {verb("hanasu", Godan), regularRule(6), "hanasite"},
      {verb("matu", Godan), regularRule(6), "matte"},
      {verb("oyogu", Godan), regularRule(7), "oyoida"},
      {verb("asobu", Godan), regularRule(5), "asobou"},
      {verb("sinu", Godan), regularRule(1, "nai"), "sinanai"},
      {verb("kaeru", Godan), regularRule(4, "ba"), "kaereba"},
      {verb("kaku", Godan), regularRule(2, {}, "masu"), "kaki masu"},
      {verb("kaku", Godan), regularRule(0, "tai"), "katai"},
      {verb("kaku", Godan), regularRule(1, "seru", {}, "o"), "okakaseru"},
      {verb("kaku", Godan), regularRule(12), "ka"},
      {verb("okiru", IrregularItidan), regularRule(6), "okite"},
      {verb("iku", IrregularGodan), regularRule(2, "masu"), "ikimasu"},
      {verb("u", Godan), regularRule(3), "u"},
  };
  for (const auto& c : cases) {
    const InflectionResult form = assembleRegularForm(c.rule, c.verb, converter());
    EXPECT_EQ(form.romaji, c.romaji) << c.verb.romaji;
    EXPECT_EQ(regularFormRomaji(c.rule, c.verb), c.romaji) << c.verb.romaji;
    EXPECT_EQ(form.reading, converter().toKana(c.romaji)) << c.verb.romaji;
  }
}

TEST(AssembleRegularForm, StartsAPlainAffirmativeVerbInflection) {
  InflectionResult dictionaryForm = verb("kaku", Godan);
  dictionaryForm.gloss = "write";
  dictionaryForm.meaning = "to write";
  dictionaryForm.appliedCases = {3};
  const InflectionResult form = assembleRegularForm(regularRule(6), dictionaryForm, converter());
  EXPECT_EQ(form.wordClass, VerbInflection);
  EXPECT_EQ(form.politeness, Plain);
  EXPECT_EQ(form.sense, Affirmative);
  EXPECT_EQ(form.attitude, Neutral);
  EXPECT_EQ(form.colloquial, 0);
  EXPECT_TRUE(form.appliedCases.empty());
  EXPECT_EQ(form.caseName, "Infinitive (Dict Form)");
  EXPECT_EQ(form.gloss, "");
  EXPECT_EQ(form.meaning, "");
}

TEST(AssembleRegularForm, AuxiliaryKanaHasNoSpace) {
  using namespace euc;
  const InflectionResult form =
      assembleRegularForm(regularRule(2, {}, "masu"), verb("kaku", Godan), converter());
  EXPECT_EQ(form.reading, join(ka, ki, ma, su));
}

TEST(AssembleRegularForm, WithoutWrittenFormWritesTheKanaOfTheWholeForm) {
  using namespace euc;
  const InflectionResult form =
      assembleRegularForm(regularRule(2, {}, "masu"), verb("kaku", Godan), converter());
  EXPECT_EQ(form.written, join(ka, ki, ma, su));
  EXPECT_EQ(form.written, form.reading);
}

TEST(AssembleRegularForm, KeepsTheKanjiAndReplacesTheDictionaryEndingKana) {
  using namespace euc;
  const std::string kaku = join(kanjiKaku, ku);
  const struct {
    InflectionRule rule;
    std::string written;
  } cases[] = {
      {regularRule(6), join(kanjiKaku, i, te)},
      {regularRule(1, "nai"), join(kanjiKaku, ka, na, i)},
      {regularRule(2, {}, "masu"), join(kanjiKaku, ki, ma, su)},
      {regularRule(2, {}, "masu", {}, "\xB0\xA1"), join(kanjiKaku, ki, std::string_view("\xB0\xA1"))},
      {regularRule(0, {}, {}, "o"), join(std::string_view("\xA4\xAA"), kanjiKaku)},
      {regularRule(6, "shi"), join(kanjiKaku, i, te, std::string_view(kResultNotValid))},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(assembleRegularForm(c.rule, verb("kaku", Godan, kaku), converter()).written, c.written);
  }
}

TEST(AssembleRegularForm, KeepsAWrittenFormShorterThanOneCharacterWhole) {
  using namespace euc;
  const InflectionResult form = assembleRegularForm(regularRule(6), verb("kaku", Godan, "x"), converter());
  EXPECT_EQ(form.written, join(std::string_view("x"), i, te));
}

TEST(AssembleRegularForm, MarksIllFormedPiecesAsNotValid) {
  const InflectionResult form = assembleRegularForm(regularRule(6, "shi"), verb("kaku", Godan), converter());
  EXPECT_EQ(form.romaji, "kaiteshi");
  EXPECT_EQ(form.reading, kResultNotValid);
  EXPECT_EQ(form.written, kResultNotValid);
}

TEST(AssembleWordForm, ReplacesTheRuleWordByTheSuffix) {
  using namespace euc;
  const std::string sita = join(si, ta);  // the rules below view these
  const std::string itta = join(i, smallTu, ta);
  const std::string kita = join(ki, ta);
  const struct {
    InflectionResult verb;
    std::string ruleWord;
    InflectionRule rule;
    std::string romaji;
    std::string written;
  } cases[] = {
      {verb("ai suru", IrregularSuru, join(kanjiKaku, su, ru)), "suru", wordRule("sita", sita),
       "ai sita", join(kanjiKaku, si, ta)},
      {verb("ai suru", IrregularSuru), "suru", wordRule("aisita", sita), "ai sita",
       join(a, i, si, ta)},
      {verb("benkyou suru", IrregularSuru), "suru", wordRule("sinai"), "benkyou sinai",
       converter().toKana("benkyou")},
      {verb("iku", IrregularGodan, join(kanjiKaku, ku)), "iku", wordRule("itta", itta),
       "itta", join(i, smallTu, ta)},
      {verb("dekiru", IrregularItidan), "kiru", wordRule("kita", kita), "dekita",
       join(de, ki, ta)},
      {verb("kuru", Irregular, join(kanjiKaku, ru)), "kuru", wordRule("konai", "\xCD\xE8\xA4\xCA\xA4\xA4"),
       "konai", "\xCD\xE8\xA4\xCA\xA4\xA4"},
      {verb("mottekuru", Irregular, join(kanjiKaku, te, ku, ru)), "kuru", wordRule("kita", kita),
       "mottekita", join(kanjiKaku, te, ki, ta)},
      {verb("ku", Irregular, std::string(ku)), "kuru", wordRule("kita", kita), "kukita",
       join(ku, ki, ta)},
  };
  for (const auto& c : cases) {
    const InflectionResult form = assembleWordForm(c.rule, c.ruleWord, c.verb, converter());
    EXPECT_EQ(form.romaji, c.romaji) << c.verb.romaji;
    EXPECT_EQ(wordFormRomaji(c.rule, c.ruleWord, c.verb), c.romaji) << c.verb.romaji;
    EXPECT_EQ(form.written, c.written) << c.verb.romaji;
    EXPECT_EQ(form.reading, converter().toKana(c.romaji)) << c.verb.romaji;
    EXPECT_EQ(form.wordClass, VerbInflection) << c.verb.romaji;
  }
}

TEST(AssembleWordForm, NamedWordRuleReplacesTheWholeWord) {
  using namespace euc;
  const std::string meshiagaru = "\xBE\xA4\xA4\xB7\xBE\xE5\xA4\xAC\xA4\xEB";
  const struct {
    InflectionResult verb;
    InflectionRule rule;
    std::string written;
  } cases[] = {
      {verb("taberu", Itidan, join(kanjiKaku, be, ru)), namedWordRule("taberu", "mesiagaru", meshiagaru),
       meshiagaru},
      {verb("taberu", Itidan, join(kanjiKaku, be, ru)), namedWordRule("taberu", "mesiagaru"),
       converter().toKana("mesiagaru")},
      {verb("miru", Itidan), namedWordRule("miru", "goran ni naru"), converter().toKana("goran ni naru")},
      {verb("benkyou suru", IrregularSuru), namedWordRule("benkyou suru", "nasaru"),
       converter().toKana("nasaru")},
  };
  for (auto c : cases) {
    c.verb.reading = converter().toKana(c.verb.romaji);
    const InflectionResult form = assembleWordForm(c.rule, c.rule.word, c.verb, converter());
    EXPECT_EQ(form.romaji, c.rule.formation.suffix) << c.verb.romaji;
    EXPECT_EQ(wordFormRomaji(c.rule, c.rule.word, c.verb), c.rule.formation.suffix);
    EXPECT_EQ(form.reading, converter().toKana(c.rule.formation.suffix));
    EXPECT_EQ(form.written, c.written) << c.verb.romaji;
  }
  // Kanji kept: tou, written with its kanji, with an empty writtenTail.
  InflectionResult tou = verb("tou", IrregularGodan, join(kanjiTou, u));
  tou.reading = join(to, u);
  EXPECT_EQ(assembleWordForm(namedWordRule("tou", "toute"), "tou", tou, converter()).written,
            join(kanjiTou, u, te));
}

TEST(AssembleWordForm, KeepsAVerbShorterThanTheRuleWordAsItsStem) {
  const struct {
    std::string verb;
    std::string romaji;
  } cases[] = {{"", "sita"}, {"u", "usita"}, {"suru", "sita"}, {" suru", " sita"}};
  for (const auto& c : cases) {
    const InflectionResult form =
        assembleWordForm(wordRule("sita"), "suru", verb(c.verb, IrregularSuru), converter());
    EXPECT_EQ(form.romaji, c.romaji) << c.verb;
  }
}
