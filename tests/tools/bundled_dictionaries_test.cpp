#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "edict_dictionaries.hpp"
#include "romaji/kana_converter.hpp"

namespace {

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

// The committed data/ (and the class lists in tools/grammar) must be exactly what the converter makes of the
// installed EDICT, so that nobody edits the generated files by hand.
TEST(BundledDictionaries, AreWhatTheConverterMakesOfTheInstalledEdict) {
  const std::filesystem::path edictPath = ZUNOKA_EDICT_FILE;
  if (!std::filesystem::exists(edictPath))
    GTEST_SKIP() << edictPath << " is not installed (package edict)";
  std::ifstream edict(edictPath, std::ios::binary);
  ASSERT_TRUE(edict);
  const KanaConverter converter;
  ConvertedDictionaries dictionaries = convertEdict(edict, converter);

  std::ostringstream verbs, adjectives, lists;
  writeVerbFile(verbs, dictionaries.verbs);
  writeAdjectiveFile(adjectives, dictionaries.adjectives);
  writeClassLists(lists, classListsOf(dictionaries.verbs));

  const std::filesystem::path data = ZUNOKA_DATA_DIR;
  // Compared as booleans: a failure must not print megabytes of EUC-JP.
  EXPECT_TRUE(verbs.str() == readFile(data / "Words_Verbs.dat")) << "data/Words_Verbs.dat is stale";
  EXPECT_TRUE(adjectives.str() == readFile(data / "Words_Adj.dat")) << "data/Words_Adj.dat is stale";
  const std::filesystem::path grammar = std::filesystem::path(ZUNOKA_SOURCE_DIR) / "tools" / "grammar";
  EXPECT_TRUE(lists.str() == readFile(grammar / "edict_class_lists.txt"))
      << "tools/grammar/edict_class_lists.txt is stale";
}
