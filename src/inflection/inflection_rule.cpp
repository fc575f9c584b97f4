#include "inflection/inflection_rule.hpp"

#include <algorithm>

std::vector<std::int16_t> casesAppliedAfter(const std::vector<std::int16_t>& appliedCases,
                                            const std::vector<std::int16_t>& addedCases) {
  std::vector<std::int16_t> cases = appliedCases;
  for (std::int16_t id : addedCases) {
    if (std::find(cases.begin(), cases.end(), id) == cases.end()) cases.push_back(id);
  }
  return cases;
}
