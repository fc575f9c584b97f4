#include "grammar_text.hpp"

#include <iconv.h>

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

std::string eucFromUtf8(const std::string& utf8) {
  iconv_t cd = iconv_open("EUC-JP", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) fail("no UTF-8 to EUC-JP conversion");
  std::string out(utf8.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* dst = out.data();
  std::size_t outLeft = out.size();
  const std::size_t done = iconv(cd, &in, &inLeft, &dst, &outLeft);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1)) fail("not UTF-8 for EUC-JP: " + utf8);
  out.resize(out.size() - outLeft);
  return out;
}

std::string plainRomaji(const std::string& s) {
  std::string out;
  for (char c : spaces(s))
    if (c != '^') out += c;
  return out;
}
