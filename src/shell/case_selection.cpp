#include "shell/case_selection.hpp"

#include <iomanip>
#include <ostream>
#include <string_view>

#include "command/console_input.hpp"
#include "command/tokenizer.hpp"
#include "inflection/field_reader.hpp"

namespace {

constexpr std::string_view kChoicePrompt = "Choice(s) >>";

/// The menu number `number` (from 1) and its name, in the two menu columns.
void printMenuCell(std::ostream& out, const std::vector<std::string>& caseNames,
                   std::size_t number) {
  out << std::setw(4) << number << std::setw(22) << caseNames[number - 1];
}

/// Appends the case a token names. False for a token that is not a menu
/// number; `cancelled` is set for a 0.
bool applyToken(const std::string& token, const std::vector<std::string>& caseNames,
                std::vector<std::string>& selected, bool& cancelled) {
  long value = 0;
  if (!parseMenuAnswer(token, 0, static_cast<long>(caseNames.size()), value)) return false;
  if (value == 0) {
    cancelled = true;
  } else {
    selected.push_back(caseNames[static_cast<std::size_t>(value) - 1]);
  }
  return true;
}

void reportBadToken(std::ostream& out, const std::string& token, std::string_view delimiter) {
  out << "Bad Input: " << token << '\n'
      << "Use numbers delimited by " << delimiter << ", and choose only from the menu.\n\n"
      << std::flush;
}

CaseSelection selectInteractively(const std::vector<std::string>& caseNames,
                                  std::vector<std::string>& selected, ShellContext& context) {
  std::ostream& out = context.output;
  showCaseMenu(caseNames, true, context);
  out << "Enter numbers delimited by spaces.  Use 0 to cancel the conj command.\n"
      << "Leave blank to select all inflection cases.\n\n"
      << kChoicePrompt << std::flush;
  for (;;) {
    std::string line;
    // Running out of input is taken as the cancelling answer 0.
    if (!readConsoleLine(context.input, line)) return CaseSelection::Cancel;
    bool valid = true;
    while (!line.empty()) {
      const std::string token = popToken(line);
      bool cancelled = false;
      if (!applyToken(token, caseNames, selected, cancelled)) {
        reportBadToken(out, token, "spaces");
        out << kChoicePrompt << std::flush;
        selected.clear();
        valid = false;
        break;
      }
      if (cancelled) return CaseSelection::Cancel;
    }
    if (valid) {
      out << "\n\n" << std::flush;
      return CaseSelection::Proceed;
    }
  }
}

CaseSelection selectFromList(const std::vector<std::string>& caseNames,
                             const std::string& menuList, std::vector<std::string>& selected,
                             ShellContext& context) {
  std::string_view rest = menuList;
  while (!rest.empty()) {
    const std::string token = nextField(rest, '|');
    bool cancelled = false;
    if (!applyToken(token, caseNames, selected, cancelled)) {
      reportBadToken(context.output, token, "|");
      selected.clear();
      return CaseSelection::Cancel;
    }
    if (cancelled) return CaseSelection::Cancel;
  }
  return CaseSelection::Proceed;
}

}  // namespace

std::vector<std::string> showCaseMenu(const std::vector<std::string>& caseNames, bool display,
                                      ShellContext& context) {
  if (!display) return caseNames;
  std::ostream& out = context.output;
  out << std::left << "Select from these inflection cases:\n"
      << "-----------------------------------\n";
  const std::size_t n = caseNames.size();
  // One more row than n / 3 needs, so the columns are numbered downwards and
  // the last one is the shortest. An empty list prints no rows.
  const std::size_t rows = n == 0 ? 0 : n / 3 + 1;
  for (std::size_t r = 0; r < rows; ++r) {
    printMenuCell(out, caseNames, r + 1);
    if (r + rows < n) printMenuCell(out, caseNames, r + rows + 1);
    if (r + 2 * rows < n) printMenuCell(out, caseNames, r + 2 * rows + 1);
    out << '\n';
  }
  out << '\n' << std::flush;
  return caseNames;
}

CaseSelection selectInflectionCases(const std::vector<std::string>& caseNames,
                                    const std::string& menuList,
                                    std::vector<std::string>& selected, ShellContext& context) {
  if (menuList.empty()) return selectInteractively(caseNames, selected, context);
  return selectFromList(caseNames, menuList, selected, context);
}
