#pragma once

#include <string>
#include <vector>

#include "shell/shell_context.hpp"

enum class CaseSelection { Proceed, Cancel };

/// Prints the numbered menu of case names when `display` is on; returns a
/// copy of the list either way.
std::vector<std::string> showCaseMenu(const std::vector<std::string>& caseNames, bool display,
                                      ShellContext& context);

/// Appends the chosen case names to `selected`: interactively when
/// `menuList` is empty, else from the "|"-separated number list.
CaseSelection selectInflectionCases(const std::vector<std::string>& caseNames,
                                    const std::string& menuList,
                                    std::vector<std::string>& selected, ShellContext& context);
