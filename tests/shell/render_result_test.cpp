#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "shell/result_file.hpp"
#include "shell/result_renderer.hpp"
#include "render_string_shell.hpp"

namespace {

const std::string kRule(80, '-');

InflectionResult withExtended(std::string gloss, std::array<std::string, 5> extended) {
  InflectionResult result("tabeta", Itidan, Plain, Affirmative, Neutral, 0, "Past", std::move(gloss));
  result.extended = std::move(extended);
  return result;
}

std::string pad(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

/// A private working directory for file output, removed afterwards.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("zunoka_render_" + std::string(info->test_suite_name()) + "_" + info->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::vector<std::string> names() const {
    std::vector<std::string> found;
    for (const auto& item : std::filesystem::directory_iterator(path_)) {
      found.push_back(item.path().filename().string());
    }
    std::sort(found.begin(), found.end());
    return found;
  }

 private:
  std::filesystem::path path_;
};

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

InflectionResult dictionaryWord() {
  InflectionResult word("taberu", Itidan, Plain, Affirmative, Neutral, 0);
  word.written = "\xBF\xA9\xA4\xD9\xA4\xEB";
  word.reading = StringShell::kana().toKana("taberu");
  word.meaning = "to eat";
  return word;
}

InflectionResult form(const std::string& romaji, std::int32_t sense, std::int32_t politeness,
                      const std::string& caseName, const std::string& gloss) {
  InflectionResult result(romaji, Itidan, politeness, sense, Neutral, 0, caseName, gloss);
  result.reading = StringShell::kana().toKana(romaji);
  result.written = "\xBF\xA9" + StringShell::kana().toKana(romaji.substr(2));
  return result;
}

/// renderResults over a request that holds these values, as the flows hand
/// it over; `fileName` receives the adjusted name.
void render(const InflectionResult& word, const std::vector<InflectionResult>& results,
            bool fileOutput, std::string& fileName, std::int32_t sense, std::int16_t politeness,
            const std::vector<std::string>& caseNames, ShellContext& context) {
  ConjRequest request;
  request.word = word;
  request.results = results;
  request.fileOutput = fileOutput;
  request.fileName = fileName;
  request.senseFilter = sense;
  request.politenessFilter = politeness;
  request.caseNames = caseNames;
  renderResults(request, context);
  fileName = request.fileName;
}

}  // namespace

TEST(ExpandGloss, ReplacesEachTagByItsExtendedField) {
  const std::array<std::string, 5> eat = {"eat", "eats", "eating", "ate", "eaten"};
  struct Case {
    std::string gloss;
    std::array<std::string, 5> extended;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"Will [do]", eat, "Will eat"},
      {"[X] now", eat, "eat now"},
      {"He [does]; is [doing]; [did]; has [done]", eat, "He eats; is eating; ate; has eaten"},
      {"[do] or [do]", eat, "eat or eat"},
      {"No tags here", eat, "No tags here"},
      {"Will [do]", {"", "eats", "eating", "ate", "eaten"}, "Will [do]"},
      {"[does]", {"", "eats", "", "", ""}, "[does]"},
      {"[do", eat, "[do"},
      {"", eat, ""},
      // A field holding its own tag is inserted once, not expanded again.
      {"[do] it", {"[do] again", "", "", "", ""}, "[do] again it"},
      // Later tags are still found in text inserted for earlier ones.
      {"[do]", {"x [done]", "", "", "", "y"}, "x y"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.gloss);
    EXPECT_EQ(expandGloss(withExtended(c.gloss, c.extended)), c.expected);
  }
}

TEST(FormatResultBlock, PadsRomajiAttributesAndClassToFixedColumns) {
  struct Case {
    InflectionResult result;
    std::string firstLine;
  };
  InflectionResult humbleColloquial("itasimasita", Godan, Polite, Affirmative, Humble, 1, "Past",
                                    "Did");
  InflectionResult noLabel("x", 0, AnyPoliteness, AnySense, 7, 0, "Odd", "g");
  InflectionResult longRomaji(std::string(30, 'a'), Copula, Abrupt, Negative, Honorific, 0,
                              std::string(45, 'C'), "g");
  const std::vector<Case> cases = {
      {humbleColloquial,
       pad("itasimasita", 25) + pad("Aff. Pol. Hum. Col. Past", 40) + pad("(Godan)", 15)},
      {noLabel, pad("x", 25) + pad("Odd", 40) + std::string(15, ' ')},
      {longRomaji, std::string(30, 'a') + "Neg. Abr. Hon. " + std::string(45, 'C') +
                       pad("(Copula)", 15)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.result.romaji);
    std::ostringstream stream;
    formatResultBlock(c.result, stream);
    EXPECT_EQ(stream.str(), c.firstLine + "\n" + c.result.gloss + "\n" + kRule);
  }
}

TEST(FormatResultBlock, LabelsEveryClassValueAndPlainPoliteness) {
  std::ostringstream stream;
  formatResultBlock(InflectionResult("tabenai", Itidan, Plain, Negative, Neutral, 0, "Present",
                                     "Does not eat"),
                    stream);
  EXPECT_EQ(stream.str(), pad("tabenai", 25) + pad("Neg. Pl. Present", 40) + pad("(Itidan)", 15) +
                              "\nDoes not eat\n" + kRule);
}

TEST(FormatResultFileBlock, PutsTheReadingAtByteColumnThirtyOrThreeSpacesAfter) {
  struct Case {
    std::string written;
    std::string separator;
  };
  const std::vector<Case> cases = {
      {"", std::string(30, ' ')},
      {"\xBF\xA9\xA4\xD9\xA4\xEB", std::string(24, ' ')},
      {std::string(29, 'w'), " "},
      {std::string(30, 'w'), "   "},
      {std::string(41, 'w'), "   "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written.size());
    InflectionResult result("tabeta", Itidan, Plain, Affirmative, Neutral, 0, "Past", "Ate");
    result.written = c.written;
    result.reading = "R";
    std::ostringstream block;
    std::ostringstream console;
    formatResultFileBlock(result, block);
    formatResultBlock(result, console);
    EXPECT_EQ(block.str(), c.written + c.separator + "R\n" + console.str());
  }
}

TEST(RenderResults, EmptyListSaysNoMatchingRuleAndMakesTheWordCurrent) {
  ScratchDirectory directory;
  StringShell shell;
  std::string fileName = directory.file("never.euc");
  render(dictionaryWord(), {}, true, fileName, 1, 3, {"Past"}, shell.context);
  EXPECT_EQ(shell.output.str(),
            "No Matching Rule(s).\nLast word \"taberu\" is available for further operations.\n\n");
  EXPECT_EQ(shell.state.currentWord.romaji, "taberu");
  EXPECT_EQ(shell.state.currentWord.meaning, "to eat");
  EXPECT_TRUE(directory.names().empty());
}

TEST(RenderResults, OneResultBecomesTheCurrentWord) {
  StringShell shell;
  std::string fileName;
  const InflectionResult past = form("tabeta", 1, 2, "Past", "Ate");
  render(dictionaryWord(), {past}, false, fileName, 0, 0, {}, shell.context);
  std::ostringstream block;
  formatResultBlock(past, block);
  EXPECT_EQ(shell.output.str(),
            block.str() +
                "\n\nResult \"tabeta\" is available for further operations, if applicable.\n\n");
  EXPECT_EQ(shell.state.currentWord.romaji, "tabeta");
  EXPECT_EQ(shell.state.currentWord.caseName, "Past");
  EXPECT_EQ(fileName, "");
}

TEST(RenderResults, SeveralResultsLeaveTheWordCurrent) {
  StringShell shell;
  shell.state.currentWord = InflectionResult("old");
  std::string fileName;
  const std::vector<InflectionResult> results = {form("tabeta", 1, 2, "Past", "Ate"),
                                                 form("tabenai", 2, 2, "Present", "Does not eat")};
  render(dictionaryWord(), results, false, fileName, 0, 0, {}, shell.context);
  std::ostringstream blocks;
  for (const auto& result : results) {
    formatResultBlock(result, blocks);
    blocks << '\n';
  }
  EXPECT_EQ(shell.output.str(),
            blocks.str() + "\nLast word \"taberu\" is available for further operations.\n\n");
  EXPECT_EQ(shell.state.currentWord.romaji, "taberu");
  EXPECT_EQ(shell.state.currentWord.written, dictionaryWord().written);
}

TEST(RenderResults, AppendsTheEucExtensionUnlessTheNameAlreadyEndsInIt) {
  struct Case {
    std::string given;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"", "taberu.euc"},       {"out", "out.euc"},         {"out.euc", "out.euc"},
      {"OUT.EUC", "OUT.EUC"},   {"out.Euc", "out.Euc.euc"}, {"out.txt", "out.txt.euc"},
      {"o", "o.euc"},           {".euc", ".euc"},           {"euc", "euc.euc"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    ScratchDirectory directory;
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(directory.file(""));
    StringShell shell;
    std::string fileName = c.given;
    render(dictionaryWord(), {form("tabeta", 1, 2, "Past", "Ate")}, true, fileName, 0, 0, {},
           shell.context);
    std::filesystem::current_path(cwd);
    EXPECT_EQ(fileName, c.expected);
    EXPECT_EQ(directory.names(), std::vector<std::string>{c.expected});
  }
}

TEST(RenderResults, WritesTheHeaderAndFileBlocksByteForByte) {
  ScratchDirectory directory;
  StringShell shell;
  std::string fileName = directory.file("out");
  const std::vector<InflectionResult> results = {form("tabeta", 1, 2, "Past", "Ate"),
                                                 form("tabemasen", 2, 3, "Present", "Won't eat")};
  render(dictionaryWord(), results, true, fileName, 2, 3, {"Past", "Present"}, shell.context);
  EXPECT_EQ(fileName, directory.file("out.euc"));
  std::ostringstream blocks;
  for (const auto& result : results) {
    formatResultFileBlock(result, blocks);
    blocks << '\n';
  }
  const std::string expected = "\n"
                               "Conjugation of:      taberu\n"
                               "Meaning:             to eat\n"
                               "\n"
                               "Kanji:               \xBF\xA9\xA4\xD9\xA4\xEB\n"
                               "Reading:             " + dictionaryWord().reading + "\n"
                               "\n"
                               "Part of Speech:      Itidan Verb\n"
                               "Inherent Attitude:   Neutral\n"
                               "\n"
                               "Screening inflection cases:\n"
                               "\tIncluding Past case.\n"
                               "\tIncluding Present case.\n"
                               "Screening for NEGATIVE sense.\n"
                               "Screening for POLITE politeness.\n"
                               "\n" + blocks.str();
  EXPECT_EQ(readFile(fileName), expected);
  EXPECT_EQ(directory.names(), std::vector<std::string>{"out.euc"});
}

TEST(RenderResults, HeaderFillsGapsAndEndsScreeningWithTwoLineFeeds) {
  struct Case {
    const char* name;
    std::int32_t sense;
    std::int16_t politeness;
    std::string screening;
  };
  const std::vector<Case> cases = {
      {"no screening", 0, 0, "\n\n"},
      {"politeness only", 0, 1, "Screening for ABRUPT politeness.\n\n"},
      {"plain politeness", 7, 2, "Screening for PLAIN politeness.\n\n"},
      {"sense only", 1, 9, "Screening for AFFIRMATIVE sense.\n\n\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDirectory directory;
    StringShell shell;
    InflectionResult word("kuru", 0, Plain, Affirmative, 5, 0);
    std::string fileName = directory.file("k.euc");
    const InflectionResult only = form("kita", 1, 2, "Past", "Came");
    render(word, {only}, true, fileName, c.sense, c.politeness, {}, shell.context);
    std::ostringstream block;
    formatResultFileBlock(only, block);
    EXPECT_EQ(readFile(fileName), "\n"
                                  "Conjugation of:      kuru\n"
                                  "Meaning:             NO DICTIONARY LISTING\n"
                                  "\n"
                                  "Kanji:               NOT AVAILABLE\n"
                                  "Reading:             " + StringShell::kana().toKana("kuru") +
                                      "\n"
                                      "\n"
                                      "Part of Speech:      \n"
                                      "Inherent Attitude:   \n"
                                      "\n" + c.screening + block.str() + "\n");
  }
}

TEST(RenderResults, OpenFailureReportsTheAdjustedNameAndLeavesNoFile) {
  ScratchDirectory directory;
  StringShell shell;
  std::string fileName = directory.file("missing/out");
  const InflectionResult only = form("tabeta", 1, 2, "Past", "Ate");
  render(dictionaryWord(), {only}, true, fileName, 0, 0, {}, shell.context);
  std::ostringstream block;
  formatResultBlock(only, block);
  EXPECT_EQ(shell.output.str(),
            block.str() + "\nError writing output to file: " + directory.file("missing/out.euc") +
                "\n\n\nResult \"tabeta\" is available for further operations, if applicable.\n\n");
  EXPECT_TRUE(directory.names().empty());
  EXPECT_EQ(shell.state.currentWord.romaji, "tabeta");
}

TEST(RenderResults, ATargetThatCannotBeWrittenIsLeftAsItWas) {
  ScratchDirectory directory;
  std::filesystem::create_directory(directory.file("dir.euc"));
  StringShell shell;
  std::string fileName = directory.file("dir.euc");
  render(dictionaryWord(), {form("tabeta", 1, 2, "Past", "Ate")}, true, fileName, 0, 0, {},
         shell.context);
  EXPECT_NE(shell.output.str().find("Error writing output to file: " + fileName + "\n\n"),
            std::string::npos);
  EXPECT_EQ(directory.names(), std::vector<std::string>{"dir.euc"});
  EXPECT_TRUE(std::filesystem::is_directory(fileName));
}

TEST(RenderResults, RewritingReplacesTheOldFileWhole) {
  ScratchDirectory directory;
  std::string fileName = directory.file("out.euc");
  std::ofstream(fileName) << std::string(5000, 'x');
  StringShell shell;
  render(dictionaryWord(), {form("tabeta", 1, 2, "Past", "Ate")}, true, fileName, 0, 0, {},
         shell.context);
  const std::string content = readFile(fileName);
  EXPECT_EQ(content.substr(0, 28), "\nConjugation of:      taberu");
  EXPECT_EQ(content.find('x'), std::string::npos);
  EXPECT_EQ(directory.names(), std::vector<std::string>{"out.euc"});
}

TEST(RenderResults, WritingThroughALinkReplacesTheFileItNames) {
  ScratchDirectory directory;
  const std::string real = directory.file("real.euc");
  std::ofstream(real) << "old";
  std::filesystem::create_symlink(real, directory.file("link.euc"));
  StringShell shell;
  std::string fileName = directory.file("link.euc");
  render(dictionaryWord(), {form("tabeta", 1, 2, "Past", "Ate")}, true, fileName, 0, 0, {},
         shell.context);
  EXPECT_TRUE(std::filesystem::is_symlink(directory.file("link.euc")));
  EXPECT_EQ(readFile(real).substr(0, 28), "\nConjugation of:      taberu");
  EXPECT_EQ(directory.names(), (std::vector<std::string>{"link.euc", "real.euc"}));
}

TEST(WriteResultFile, AFileWithSeveralNamesIsRewrittenInPlaceForEveryName) {
  ScratchDirectory directory;
  const std::string real = directory.file("real.euc");
  std::ofstream(real) << std::string(5000, 'x');
  std::filesystem::create_hard_link(real, directory.file("other.euc"));
  EXPECT_TRUE(writeResultFile(real, "new"));
  EXPECT_EQ(readFile(real), "new");
  EXPECT_EQ(readFile(directory.file("other.euc")), "new");
  EXPECT_EQ(std::filesystem::hard_link_count(real), 2u);
  EXPECT_EQ(directory.names(), (std::vector<std::string>{"other.euc", "real.euc"}));
}

TEST(WriteResultFile, AWritableFileInAFolderNotWritableIsRewrittenInPlace) {
  ScratchDirectory directory;
  const std::string name = directory.file("kept.euc");
  std::ofstream(name) << "old";
  // Root writes any folder, so the write runs in a child that is not root.
  constexpr uid_t kNobody = 65534;
  const bool asRoot = ::geteuid() == 0;
  if (asRoot) {
    ASSERT_EQ(::chown(name.c_str(), kNobody, kNobody), 0);
  } else {
    std::filesystem::permissions(directory.file(""), std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
  }
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (asRoot && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
    ::_exit(writeResultFile(name, "new") ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  std::filesystem::permissions(directory.file(""), std::filesystem::perms::owner_all);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(readFile(name), "new");
  EXPECT_EQ(directory.names(), std::vector<std::string>{"kept.euc"});
}

TEST(WriteResultFile, TheFileSizeLimitFailsTheWriteAndChangesNothing) {
  ScratchDirectory directory;
  std::ofstream(directory.file("one.euc")) << "old";
  std::ofstream(directory.file("two.euc")) << "old";
  std::filesystem::create_hard_link(directory.file("two.euc"), directory.file("link.euc"));
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);  // as main does
  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 1024;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool replaced = writeResultFile(directory.file("one.euc"), std::string(4096, 'y'));
  const bool rewritten = writeResultFile(directory.file("two.euc"), std::string(4096, 'y'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(replaced);
  EXPECT_FALSE(rewritten);
  EXPECT_EQ(readFile(directory.file("one.euc")), "old");
  EXPECT_EQ(readFile(directory.file("two.euc")), "old");
  EXPECT_EQ(directory.names(), (std::vector<std::string>{"link.euc", "one.euc", "two.euc"}));
}

TEST(WriteResultFile, AFifoIsWrittenOnlyWhileItHasAReader) {
  ScratchDirectory directory;
  const std::string fifo = directory.file("fifo.euc");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(writeResultFile(fifo, "unread"));  // no reader: answered at once

  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_TRUE(writeResultFile(fifo, "read"));
  char received[8] = {};
  EXPECT_EQ(::read(reader, received, sizeof received), 4);
  EXPECT_EQ(std::string(received, 4), "read");

  // A reader that leaves halfway fails the write; SIGPIPE does not end the program.
  ::fcntl(reader, F_SETFL, 0);
  std::thread leaver([reader] {
    char some[16];
    (void)!::read(reader, some, sizeof some);
    ::close(reader);
  });
  EXPECT_FALSE(writeResultFile(fifo, std::string(1 << 20, 'z')));
  leaver.join();
  EXPECT_EQ(directory.names(), std::vector<std::string>{"fifo.euc"});
}
