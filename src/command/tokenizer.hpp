#pragma once

#include <string>

/// Removes the first token from `line` (with the white space after it) and
/// returns it. A token opened by " or ' runs to the same quote or the end of
/// the line; quotes are not part of it.
std::string popToken(std::string& line);

/// The token popToken would return; the line is left as it was.
std::string peekToken(std::string line);

/// True for the ASCII white space: space, tab, LF, VT, FF, CR.
inline bool isWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
