// The whole shell, as main builds it, driven by an arbitrary standard input:
// any command sequence, menu answers and end of input anywhere. The program
// must always come back from its command loop, and without an exit command
// it must have read the input to its end and stopped at the prompt.
//
// The shell runs on the conj test data (homophone menus for verbs and
// adjectives) in a scratch working directory, since
// "conj -f" writes result files there; slashes in the input are replaced so
// that no result file can be written anywhere else.

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "command/command_table.hpp"
#include "fuzz_support.hpp"
#include "inflection/conjugation_engine.hpp"
#include "romaji/kana_converter.hpp"
#include "shell/shell_state.hpp"
#include "shell/startup.hpp"

namespace {

const char* const kDataFiles[] = {"Rules_Verbs.dat", "Rules_VClass.dat", "Rules_Adj.dat",
                                  "Words_Verbs.dat", "Words_Adj.dat"};

void enterWorkingDirectory() {
  static const bool entered = [] {
    const std::filesystem::path folder = scratchFolder() / "shell";
    std::filesystem::create_directories(folder);
    for (const char* name : kDataFiles) {
      std::filesystem::copy_file(std::filesystem::path(ZUNOKA_FUZZ_DATA_ROOT) / "conj" / name,
                                 folder / name,
                                 std::filesystem::copy_options::overwrite_existing);
    }
    std::filesystem::current_path(folder);
    return true;
  }();
  FUZZ_CHECK(entered);
}

/// Removes the result files a run left, keeping the data files.
void removeResultFiles() {
  const std::set<std::string> keep(std::begin(kDataFiles), std::end(kDataFiles));
  std::error_code error;
  for (const auto& item : std::filesystem::directory_iterator(".", error)) {
    if (keep.count(item.path().filename().string()) == 0) {
      std::filesystem::remove_all(item.path(), error);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  enterWorkingDirectory();
  std::string typed(asText(data, size));
  std::replace(typed.begin(), typed.end(), '/', '_');

  static const KanaConverter kana;
  ConjugationEngine engine(kana);
  ShellState state;
  std::istringstream input(typed);
  std::ostringstream output;
  ShellContext context{kana, engine, state, input, output};

  CommandTable table(input, output, output);
  declareCommands(table, context);
  printBanner(output);
  FUZZ_CHECK(loadDataFiles(engine, output));
  state.reset();
  table.run();

  // Only exit stops the loop before the end of the input; otherwise every
  // menu gave up at the end of the input and the prompt was the last word.
  if (typed.find("exit") == std::string::npos) {
    FUZZ_CHECK(input.rdbuf()->sgetc() == std::char_traits<char>::eof());
    const std::string shown = output.str();
    FUZZ_CHECK(shown.size() >= 2 && shown.compare(shown.size() - 2, 2, "> ") == 0);
  }
  FUZZ_CHECK(state.history.size() <= ShellState::HistoryLimit);
  FUZZ_CHECK(output.good());
  removeResultFiles();
  return 0;
}
