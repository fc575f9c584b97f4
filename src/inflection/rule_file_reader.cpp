#include "inflection/rule_file_reader.hpp"

#include "inflection/field_reader.hpp"

namespace {

/// Beyond this size a stream is read without sizing the text first.
constexpr std::streamoff kLargestReservation = std::streamoff{1} << 30;

}  // namespace

std::string readRest(std::istream& in) {
  std::string text;
  // A file can tell its size: then the bytes go straight into the text.
  const std::streampos start = in.tellg();
  if (start != std::streampos(-1) && in.seekg(0, std::ios::end)) {
    const std::streampos end = in.tellg();
    in.seekg(start);
    if (end != std::streampos(-1) && end - start > 0 && end - start < kLargestReservation) {
      text.resize(static_cast<std::size_t>(end - start));
      in.read(text.data(), static_cast<std::streamsize>(text.size()));
      text.resize(static_cast<std::size_t>(in.gcount()));
    }
  }
  in.clear();
  // The rest, or all of a stream that cannot tell its size; a directory or
  // an unreadable file yields nothing.
  char block[1 << 16];
  while (in.read(block, sizeof block) || in.gcount() > 0) {
    text.append(block, static_cast<std::size_t>(in.gcount()));
  }
  return text;
}

long long RuleLineReader::readHeaderCount() {
  // White space before the count, line breaks included, is skipped, as
  // formatted input would.
  while (pos_ < text_.size() &&
         (text_[pos_] == ' ' || (text_[pos_] >= '\t' && text_[pos_] <= '\r'))) {
    ++pos_;
  }
  // The digits are converted leniently, so a header such as "12 cases" gives
  // 12 and one with no leading number gives 0.
  return toInt32(nextLine());
}

std::string_view RuleLineReader::nextLine() {
  if (pos_ >= text_.size()) {
    ++linesPastEnd_;
    return {};
  }
  const std::size_t found = text_.find('\n', pos_);
  const std::size_t end = found == std::string::npos ? text_.size() : found;
  std::string_view line = text_.substr(pos_, end - pos_);
  pos_ = found == std::string::npos ? text_.size() : found + 1;
  // Files written on other systems end their lines with CR LF.
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}
