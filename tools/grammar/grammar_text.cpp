#include "grammar_text.hpp"

std::string trim(const std::string& s) {
  std::size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  std::size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

std::vector<std::string> splitOn(const std::string& s, const std::string& sep) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (;;) {
    std::size_t at = s.find(sep, start);
    out.push_back(trim(s.substr(start, at - start)));
    if (at == std::string::npos) break;
    start = at + sep.size();
  }
  return out;
}

bool startsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

std::string spaces(std::string s) {
  for (char& c : s)
    if (c == '_') c = ' ';
  return s;
}

std::string caseList(std::string s) {
  for (char& c : s)
    if (c == ',') c = '|';
  return s;
}

void fail(const std::string& what) { throw std::runtime_error(what); }
