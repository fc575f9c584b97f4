#pragma once

#include <cstddef>
#include <fstream>
#include <istream>
#include <sstream>
#include <string>
#include <string_view>

#include "inflection/inflection_rule.hpp"

/// The rest of a stream's bytes, read in as few calls as the stream allows.
std::string readRest(std::istream& in);

/// Hands out the lines of a rule file's text. Past the end it keeps handing
/// out empty lines, because an expected line missing at the end of the file
/// still counts (with empty fields); a bounded number of them, so that a
/// huge count in a damaged file cannot make a load run away.
/// Warning: keeps a view of the text, which must outlive the reader.
class RuleLineReader {
 public:
  explicit RuleLineReader(std::string_view text) : text_(text) {}

  /// The count of the header line, read as a formatted integer (leading
  /// white space, line breaks included, is skipped); 0 when it does not
  /// begin with a number. The rest of that line is discarded.
  long long readHeaderCount();

  /// The next line, without its line end; empty once the file has ended.
  /// A view of the text.
  std::string_view nextLine();

  /// False once the file has ended and the allowance of empty lines is used.
  bool mayContinue() const { return linesPastEnd_ < kMaxLinesPastEnd; }

 private:
  static constexpr std::size_t kMaxLinesPastEnd = 4096;
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t linesPastEnd_ = 0;
};

/// The rules of a verb or adjective rules file's text, which the set keeps.
RuleSet<InflectionRule> parseVerbRules(std::string text);
RuleSet<AdjectiveRule> parseAdjectiveRules(std::string text);

/// Opens the rule file `fileName` and hands it to `read`. False when it
/// cannot be opened; `read` then gets an empty text, so that what it fills
/// is emptied all the same.
template <typename Read>
bool readRuleFile(const std::string& fileName, Read read) {
  std::ifstream file(fileName);
  if (file) {
    read(file);
    return true;
  }
  std::istringstream nothing;
  read(nothing);
  return false;
}
