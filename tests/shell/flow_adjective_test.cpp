#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/conjugation_flows.hpp"
#include "shell_console.hpp"

namespace {

ConjRequest adjectiveRequest(const std::string& romaji) {
  ConjRequest request;
  request.word.romaji = romaji;
  request.word.wordClass = TrueAdjective;
  return request;
}

std::string padded(std::string text, std::size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

const std::string kIiNotice = "Adjective \"ii\" does not conjugate.  Conjugating equivalent: yoi\n\n";
const std::string kMenuHead = "More than one adjective with this roomaji is available:\n";
const std::string kMenuQuestion = "\nChoose one to conjugate.\n>>";

std::string menuLine(int number, const std::string& romaji, const std::string& meaning) {
  return padded(std::to_string(number), 5) + padded(romaji, 24) + " " + padded(meaning, 50) +
         "\n";
}

}  // namespace

TEST(AdjectiveFlow, RefusesWordsThatCannotBeTrueAdjectives) {
  const std::string malformed =
      "This is not a properly formed word in Nihon roomaji.  Check your spelling and use only "
      "single spaces.\n\n";
  const std::string notAdjective =
      "This is not a Japanese true adjective.  Adjectives end in vowel + i.\n\n";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"samu", notAdjective}, {"lai", malformed}, {"taka  i", malformed}};
  for (const auto& [romaji, message] : cases) {
    ShellConsole console;
    ConjRequest request = adjectiveRequest(romaji);
    runAdjectiveFlow(request, console.context);
    EXPECT_EQ(console.output.str(), message) << romaji;
    EXPECT_TRUE(console.state.history.empty()) << romaji;
  }
}

TEST(AdjectiveFlow, SingleEntryIsTakenWithoutAMenu) {
  ShellConsole console;
  loadAdjectives(console, {{"takai", "W", "high"}});
  ConjRequest request = adjectiveRequest("takai");
  request.word.attitude = Humble;
  runAdjectiveFlow(request, console.context);
  EXPECT_TRUE(beginsWith(console.output.str(),
                         "Found:    " + padded("takai", 24) + " " + padded("high", 45) + "\n\n"))
      << console.output.str();
  ASSERT_EQ(console.state.history.size(), 1u);
  const InflectionResult& word = console.state.history.back();
  EXPECT_EQ(word.written, "W");
  EXPECT_EQ(word.reading, console.kana.toKana("takai"));
  EXPECT_EQ(word.meaning, "high");
  // Only the first extended form comes along; class and attitude stay.
  EXPECT_EQ(word.extended[0], "high [do]");
  EXPECT_EQ(word.extended[1], "");
  EXPECT_EQ(word.wordClass, TrueAdjective);
  EXPECT_EQ(word.attitude, Humble);
}

TEST(AdjectiveFlow, IiIsConjugatedAsYoiFromTheMenuThatRefusesZero) {
  ShellConsole console("0\n3\nx\n2\n");
  loadAdjectives(console, {{"yoi", "W1", "good"}, {"yoi", "W2", "fine"}});
  ConjRequest request = adjectiveRequest("ii");
  runAdjectiveFlow(request, console.context);
  const std::string again = "Invalid menu option.\n\n>>";
  EXPECT_TRUE(beginsWith(console.output.str(), kIiNotice + kMenuHead + menuLine(1, "yoi", "good") +
                                                   menuLine(2, "yoi", "fine") + kMenuQuestion +
                                                   again + again + again + "\n"))
      << console.output.str();
  ASSERT_EQ(console.state.history.size(), 1u);
  EXPECT_EQ(console.state.history.back().romaji, "yoi");
  EXPECT_EQ(console.state.history.back().written, "W2");
}

TEST(AdjectiveFlow, EndOfInputAtTheMenuCancelsTheCommand) {
  ShellConsole console("0\n");
  loadAdjectives(console, {{"yoi", "W1", "good"}, {"yoi", "W2", "fine"}});
  ConjRequest request = adjectiveRequest("yoi");
  runAdjectiveFlow(request, console.context);
  EXPECT_EQ(console.output.str(), kMenuHead + menuLine(1, "yoi", "good") +
                                      menuLine(2, "yoi", "fine") + kMenuQuestion +
                                      "Invalid menu option.\n\n>>");
  EXPECT_TRUE(console.state.history.empty());
}

TEST(AdjectiveFlow, UnknownAdjectiveIsConjugatedWithNotices) {
  const std::string notFound = "Adjective not found in adjective dictionary file.\n";
  for (const bool fileOutput : {false, true}) {
    ShellConsole console;
    ConjRequest request = adjectiveRequest("kirei");
    request.fileOutput = fileOutput;
    runAdjectiveFlow(request, console.context);
    const std::string notices =
        notFound + (fileOutput ? "File output will be rendered in kana only.\n" : "") + "\n";
    EXPECT_TRUE(beginsWith(console.output.str(), notices)) << console.output.str();
    ASSERT_EQ(console.state.history.size(), 1u);
    EXPECT_EQ(console.state.history.back().romaji, "kirei");
  }
}

TEST(AdjectiveFlow, CurrentWordKeepsItsDictionaryData) {
  ShellConsole console;
  loadAdjectives(console, {{"yoi", "W1", "good"}});
  ConjRequest request = adjectiveRequest("ii");
  request.usedCurrentWord = true;
  request.word.written = "Wii";
  runAdjectiveFlow(request, console.context);
  EXPECT_TRUE(beginsWith(console.output.str(), kIiNotice)) << console.output.str();
  EXPECT_EQ(console.output.str().find("Found:"), std::string::npos);
  ASSERT_EQ(console.state.history.size(), 1u);
  EXPECT_EQ(console.state.history.back().romaji, "yoi");
  EXPECT_EQ(console.state.history.back().written, "Wii");
}

TEST(AdjectiveFlow, CancelledCaseMenuRecordsNothing) {
  ShellConsole console("0\n");
  loadAdjectiveRules(console.engine, "2\nPresent, 1, 0\nPast, 2, 0\n");
  ConjRequest request = adjectiveRequest("takai");
  request.menuRequested = true;
  runAdjectiveFlow(request, console.context);
  EXPECT_TRUE(console.state.history.empty());
  EXPECT_NE(console.output.str().find("Choice(s) >>"), std::string::npos);
}
