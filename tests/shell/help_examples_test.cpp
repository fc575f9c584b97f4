#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "command/command_table.hpp"
#include "shell/startup.hpp"
#include "shell_console.hpp"

namespace {

/// Everything the shell prints for `typed`, run on the bundled data.
std::string runOnBundledData(const std::string& typed) {
  ShellConsole shell(typed);
  CommandTable table(shell.input, shell.output, shell.output);
  declareCommands(table, shell.context);
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(std::filesystem::path(ZUNOKA_SOURCE_DIR) / "data");
  const bool loaded = loadDataFiles(shell.engine, shell.output);
  std::filesystem::current_path(previous);
  EXPECT_TRUE(loaded);
  table.run();
  return shell.output.str();
}

}  // namespace

TEST(HelpExamples, EveryRconjExampleFindsADictionaryWord) {
  std::istringstream help(runOnBundledData("help rconj\n"));
  std::vector<std::string> examples;
  for (std::string line; std::getline(help, line);) {
    if (line.rfind("   rconj ", 0) == 0 && line.find('<') == std::string::npos) {
      examples.push_back(line.substr(3));
    }
  }
  ASSERT_EQ(examples.size(), 4u);
  for (const std::string& example : examples) {
    const std::string output = runOnBundledData(example + "\n");
    EXPECT_NE(output.find("Candidates found:"), std::string::npos) << example;
  }
}
