#pragma once

#include <iosfwd>
#include <string>

#include "inflection/inflection_result.hpp"
#include "shell/conj_request.hpp"
#include "shell/shell_context.hpp"

/// The gloss line of a result: its gloss with the tags [do] [X] [does]
/// [doing] [did] [done] replaced by the extended English forms.
std::string expandGloss(const InflectionResult& result);

/// The three-line console block of one result (the last line, 80 hyphens,
/// without its line end).
void formatResultBlock(const InflectionResult& result, std::ostream& stream);

/// The four-line file block: written form and reading, then the console block.
void formatResultFileBlock(const InflectionResult& result, std::ostream& stream);

/// Prints every result (or "No Matching Rule(s)."), writes the EUC-JP file
/// when asked, and makes a word the current word. The request's `fileName`
/// is adjusted in place (".euc" appended when needed).
void renderResults(ConjRequest& request, ShellContext& context);
