#include "inflection/rule_file_reader.hpp"

#include "inflection/field_reader.hpp"

long long RuleLineReader::readHeaderCount() {
  in_ >> std::ws;
  // The digits are converted leniently, so a header such as "12 cases" gives
  // 12 and one with no leading number gives 0.
  return toInt32(nextLine());
}

std::string RuleLineReader::nextLine() {
  std::string line;
  if (!std::getline(in_, line)) {
    ++linesPastEnd_;
    return {};
  }
  // Files written on other systems end their lines with CR LF.
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}
