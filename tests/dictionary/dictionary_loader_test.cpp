#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "dictionary/dictionary.hpp"
#include "romaji/kana_converter.hpp"

namespace {

const KanaConverter& kana() {
  static const KanaConverter converter;
  return converter;
}

/// The dictionary loadVerbFile (or loadAdjectiveFile) makes of a file
/// holding `text`; what loading printed goes to `console`.
Dictionary verbsFrom(const std::string& text, std::ostream& console) {
  std::istringstream in(text);
  Dictionary dictionary;
  dictionary.loadVerbFile(in, kana(), console);
  return dictionary;
}

Dictionary adjectivesFrom(const std::string& text, std::ostream& console) {
  std::istringstream in(text);
  Dictionary dictionary;
  dictionary.loadAdjectiveFile(in, kana(), console);
  return dictionary;
}

std::string k(const char* romaji) { return kana().toKana(romaji); }

std::vector<std::string> keysOf(const Dictionary& dictionary) {
  std::vector<std::string> keys;
  for (const DictionaryEntry& entry : dictionary) keys.emplace_back(entry.romaji);
  return keys;
}

}  // namespace

TEST(LoadVerbFile, ReadsPlainAndExtendedEntriesOfTheWorkedExample) {
  const std::string text =
      "2\n"
      "\xBF\xA9\xA4\xD9\xA4\xEB\t" +
      k("taberu") +
      "\t1\t0\tto eat\n"
      "\xB5\xA2\xA4\xEB\t" +
      k("kaeru") + "\t2\t0\tto return\treturn\treturns\treturning\treturned\treturned\n";
  std::ostringstream console;
  const Dictionary dictionary = verbsFrom(text, console);

  EXPECT_EQ(console.str(), "EXTENDED ENTRY\n");
  EXPECT_EQ(keysOf(dictionary), (std::vector<std::string>{"kaeru", "taberu"}));

  std::vector<DictionaryEntry> found;
  ASSERT_TRUE(dictionary.lookup("taberu", found));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].written, "\xBF\xA9\xA4\xD9\xA4\xEB");
  EXPECT_EQ(found[0].reading, k("taberu"));
  EXPECT_EQ(found[0].romaji, "taberu");
  EXPECT_EQ(found[0].wordClass, 1);
  EXPECT_EQ(found[0].attitude, 0);
  EXPECT_EQ(found[0].meaning, "to eat");
  for (const auto& field : found[0].extended) EXPECT_EQ(field, "");

  ASSERT_TRUE(dictionary.lookup("kaeru", found));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].meaning, "to return");
  EXPECT_EQ(found[0].extended,
            (std::array<std::string_view, 5>{"return", "returns", "returning", "returned", "returned"}));
}

TEST(LoadVerbFile, FieldsKeepTheirBytesWhateverTheLineEnding) {
  struct Case {
    const char* name;
    std::string text;
    std::int16_t wordClass;
    std::int32_t attitude;
    std::string meaning;
  };
  const std::vector<Case> cases = {
      {"LF", "1\nW\t" + k("iku") + "\t2\t0\tto go\n", 2, 0, "to go"},
      {"CR LF", "1\r\nW\t" + k("iku") + "\t2\t0\tto go\r\n", 2, 0, "to go"},
      {"spaces in meaning", "1\nW\t" + k("iku") + "\t2\t1\t to go  far \n", 2, 1, " to go  far "},
      {"empty meaning", "1\nW\t" + k("iku") + "\t0\t2\t\n", 0, 2, ""},
      {"class zero kept", "1\nW\t" + k("iku") + "\t0\t0\tx\n", 0, 0, "x"},
      {"negative class", "1\nW\t" + k("iku") + "\t-1\t0\tx\n", -1, 0, "x"},
      {"header with trailing text", "  1 entries follow\nW\t" + k("iku") + "\t2\t0\tx\n", 2, 0,
       "x"},
      {"no final line end", "1\nW\t" + k("iku") + "\t2\t0\tto go", 2, 0, "to go"},
      {"CR not before LF kept", "1\nW\t" + k("iku") + "\t2\t0\ta\rb\n", 2, 0, "a\rb"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::ostringstream console;
    const Dictionary dictionary = verbsFrom(c.text, console);
    EXPECT_EQ(console.str(), "");
    std::vector<DictionaryEntry> found;
    ASSERT_TRUE(dictionary.lookup("iku", found));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].written, "W");
    EXPECT_EQ(found[0].wordClass, c.wordClass);
    EXPECT_EQ(found[0].attitude, c.attitude);
    EXPECT_EQ(found[0].meaning, c.meaning);
  }
}

TEST(LoadVerbFile, ExtendedEntryIsAnnouncedAtLoadWhereverTheMeaningEndsAtATab) {
  struct Case {
    const char* name;
    std::string text;
    const char* console;
    std::vector<std::string> keys;
  };
  const std::string aku = "A\t" + k("aku") + "\t2\t0\tto open\n";
  const std::string extended = "M\t" + k("miru") + "\t1\t0\tto see\ta\tb\tc\td\te\n";
  const std::vector<Case> cases = {
      {"after plain lines", "2\n" + aku + extended, "EXTENDED ENTRY\n", {"aku", "miru"}},
      {"beyond the count", "1\n" + aku + extended, "", {"aku"}},
      // The attitude is looked for past the line feed, so the meaning of
      // this entry lies on the next line and ends at a TAB.
      {"meaning on the next line", "1\nA\t" + k("aku") + "\t2\n\t0\tto open\ta\tb\tc\td\n",
       "EXTENDED ENTRY\n", {"aku"}},
      {"class after a space", "2\nA\t" + k("aku") + "\t 2\t0\tto open\n" + extended,
       "EXTENDED ENTRY\n", {"aku", "miru"}},
      {"class too long to read", "2\nA\t" + k("aku") + "\t99999\t0\tto open\n" + extended, "",
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::ostringstream console;
    const Dictionary dictionary = verbsFrom(c.text, console);
    EXPECT_EQ(console.str(), c.console);  // before the entries are first read
    EXPECT_EQ(keysOf(dictionary), c.keys);
    EXPECT_EQ(console.str(), c.console);
  }
}

TEST(LoadVerbFile, ExtendedEntryWithCarriageReturnsDropsOnlyTheLastOne) {
  std::ostringstream console;
  const Dictionary dictionary = verbsFrom(
      "1\r\nW\t" + k("miru") + "\t1\t0\tto see\tsee\tsees\tseeing\tsaw\tseen\r\n", console);
  EXPECT_EQ(console.str(), "EXTENDED ENTRY\n");
  std::vector<DictionaryEntry> found;
  ASSERT_TRUE(dictionary.lookup("miru", found));
  EXPECT_EQ(found[0].extended,
            (std::array<std::string_view, 5>{"see", "sees", "seeing", "saw", "seen"}));
}

TEST(LoadVerbFile, LoadsOnlyAsManyLinesAsTheHeaderCounts) {
  struct Case {
    const char* header;
    std::vector<std::string> keys;
  };
  const std::string valid = "A\t" + k("aku") + "\t2\t0\ta\n" + "B\t" + k("bunu") + "\t2\t0\tb\n" +
                            "C\t" + k("kuku") + "\t2\t0\tc\n";
  const std::vector<Case> cases = {
      {"2", {"aku", "bunu"}},
      {"0", {}},
      {"-3", {}},
      {"3", {"aku", "bunu", "kuku"}},
      {"9", {"aku", "bunu", "kuku"}},  // the file ends first: what was read is kept
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.header);
    std::ostringstream console;
    const Dictionary dictionary = verbsFrom(std::string(c.header) + "\n" + valid, console);
    EXPECT_EQ(keysOf(dictionary), c.keys);
  }
}

TEST(LoadVerbFile, StopsAtALineThatCannotBeReadAndKeepsTheLinesBefore) {
  const std::string good = "A\t" + k("aku") + "\t2\t0\ta\n";
  const std::string after = "C\t" + k("kuku") + "\t2\t0\tc\n";
  struct Case {
    const char* name;
    std::string broken;
  };
  const std::vector<Case> cases = {
      {"class not a number", "B\t" + k("bunu") + "\tx\t0\tb\n"},
      {"class above 16 bits", "B\t" + k("bunu") + "\t32768\t0\tb\n"},
      {"class below 16 bits", "B\t" + k("bunu") + "\t-32769\t0\tb\n"},
      {"class of many digits", "B\t" + k("bunu") + "\t99999999999999999999999\t0\tb\n"},
      {"attitude above 32 bits", "B\t" + k("bunu") + "\t2\t2147483648\tb\n"},
      {"attitude missing", "B\t" + k("bunu") + "\t2\t\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::ostringstream console;
    const Dictionary dictionary = verbsFrom("3\n" + good + c.broken + after, console);
    EXPECT_EQ(keysOf(dictionary), std::vector<std::string>{"aku"});
  }
}

TEST(LoadVerbFile, AcceptsTheExtremesOfTheClassRange) {
  std::ostringstream console;
  const Dictionary dictionary = verbsFrom(
      "2\nA\t" + k("aku") + "\t32767\t0\ta\nB\t" + k("bunu") + "\t-32768\t-2147483648\tb\n",
      console);
  std::vector<DictionaryEntry> found;
  ASSERT_TRUE(dictionary.lookup("aku", found));
  EXPECT_EQ(found[0].wordClass, 32767);
  ASSERT_TRUE(dictionary.lookup("bunu", found));
  EXPECT_EQ(found[0].wordClass, -32768);
  EXPECT_EQ(found[0].attitude, INT32_MIN);
}

TEST(LoadVerbFile, TruncatedFilesKeepWhatWasReadWithoutHanging) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> keys;
  };
  const std::string first = "A\t" + k("aku") + "\t2\t0\ta\n";
  const std::vector<Case> cases = {
      {"empty file", "", {}},
      {"header only", "5", {}},
      {"header not a number", "many\n" + first, {}},
      {"ends inside the reading", "2\n" + first + "B\t" + k("bu"), {"aku"}},
      {"ends after the class", "2\n" + first + "B\t" + k("bunu") + "\t2", {"aku"}},
      {"ends inside extended fields", "2\n" + first + "B\t" + k("bunu") + "\t2\t0\tb\tx\ty",
       {"aku", "bunu"}},
      {"blank line instead of an entry", "2\n" + first + "\n", {"aku"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::ostringstream console;
    const Dictionary dictionary = verbsFrom(c.text, console);
    EXPECT_EQ(keysOf(dictionary), c.keys);
  }
}

TEST(LoadVerbFile, HeaderRemainderLongerThanTheLimitLoadsNothing) {
  const std::string entry = "A\t" + k("aku") + "\t2\t0\ta\n";
  std::ostringstream console;
  EXPECT_EQ(verbsFrom("1" + std::string(255, ' ') + "\n" + entry, console).size(), 1u);
  EXPECT_EQ(verbsFrom("1" + std::string(256, ' ') + "\n" + entry, console).size(), 0u);
}

TEST(LoadVerbFile, EqualReadingsKeepFileOrder) {
  std::ostringstream console;
  const Dictionary dictionary =
      verbsFrom("3\nFirst\t" + k("kaeru") + "\t1\t0\tto change\nMid\t" + k("aku") +
                    "\t2\t0\tto open\nSecond\t" + k("kaeru") + "\t2\t0\tto return\n",
                console);
  std::vector<DictionaryEntry> found{DictionaryEntry{}};
  ASSERT_TRUE(dictionary.lookup("kaeru", found));
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].written, "First");
  EXPECT_EQ(found[1].written, "Second");
  EXPECT_EQ(keysOf(dictionary), (std::vector<std::string>{"aku", "kaeru", "kaeru"}));
}

TEST(LoadVerbFile, AFileThatOpensReplacesTheWholeContentAndAMissingOneLeavesIt) {
  std::ostringstream console;
  Dictionary dictionary = verbsFrom("1\nA\t" + k("aku") + "\t2\t0\ta\n", console);
  EXPECT_FALSE(dictionary.loadVerbFile("no/such/folder/Words_Verbs.dat", kana(), console));
  EXPECT_EQ(keysOf(dictionary), std::vector<std::string>{"aku"});
  const std::string file =
      std::string(ZUNOKA_SOURCE_DIR) + "/tests/transcripts/data/search/Words_Verbs.dat";
  ASSERT_TRUE(dictionary.loadVerbFile(file, kana(), console));
  EXPECT_GT(dictionary.size(), 1u);
  std::vector<DictionaryEntry> found;
  EXPECT_FALSE(dictionary.lookup("aku", found));
  std::istringstream empty("0\n");
  dictionary.loadVerbFile(empty, kana(), console);
  EXPECT_EQ(dictionary.size(), 0u);
}

TEST(LoadAdjectiveFile, ClassIsTrueAdjectiveAndTheExtendedFieldTakesTheRestOfTheLine) {
  std::ostringstream console;
  const Dictionary dictionary =
      adjectivesFrom("3\r\nT\t" + k("takai") + "\thigh; tall\r\nY\t" + k("yasui") +
                         "\tcheap\tcheap\tand\tmore\r\nO\t" + k("ooi") + "\t\n",
                     console);
  EXPECT_EQ(console.str(), "EXTENDED ENTRY\n");
  EXPECT_EQ(keysOf(dictionary), (std::vector<std::string>{"ooi", "takai", "yasui"}));

  std::vector<DictionaryEntry> found;
  ASSERT_TRUE(dictionary.lookup("takai", found));
  EXPECT_EQ(found[0].wordClass, 256);
  EXPECT_EQ(found[0].attitude, 0);
  EXPECT_EQ(found[0].meaning, "high; tall");
  EXPECT_EQ(found[0].extended[0], "");

  ASSERT_TRUE(dictionary.lookup("yasui", found));
  EXPECT_EQ(found[0].meaning, "cheap");
  EXPECT_EQ(found[0].extended,
            (std::array<std::string_view, 5>{"cheap\tand\tmore", "", "", "", ""}));

  ASSERT_TRUE(dictionary.lookup("ooi", found));
  EXPECT_EQ(found[0].meaning, "");
  EXPECT_EQ(found[0].wordClass, 256);
}

TEST(LoadAdjectiveFile, ANumberAfterTheReadingIsPartOfTheMeaning) {
  std::ostringstream console;
  const Dictionary dictionary = adjectivesFrom("1\nT\t" + k("takai") + "\t1\t0\thigh\n", console);
  std::vector<DictionaryEntry> found;
  ASSERT_TRUE(dictionary.lookup("takai", found));
  EXPECT_EQ(found[0].meaning, "1");
  EXPECT_EQ(found[0].extended[0], "0\thigh");
}

TEST(Lookup, EmptiesTheListAndFindsOnlyExactKeys) {
  std::ostringstream console;
  const Dictionary dictionary = verbsFrom(
      "2\nA\t" + k("taberu") + "\t1\t0\ta\nB\t" + k("tabesaseru") + "\t1\t0\tb\n", console);
  std::vector<DictionaryEntry> found{DictionaryEntry{}, DictionaryEntry{}};
  for (const char* key : {"tabe", "taberu ", "Taberu", ""}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(dictionary.lookup(key, found));
    EXPECT_TRUE(found.empty());
  }
  ASSERT_TRUE(dictionary.lookup("tabesaseru", found));
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].written, "B");
}
