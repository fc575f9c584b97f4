#include "inflection/inflection_rule.hpp"

#include <algorithm>

namespace {

bool contains(const std::vector<std::int16_t>& ids, std::int16_t id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

bool passesCaseAndFilters(const RuleCaseFields& rule, const std::vector<std::int16_t>& appliedCases,
                          std::int32_t senseFilter, std::int16_t politenessFilter) {
  if (contains(appliedCases, rule.caseId)) return false;
  if (senseFilter != 0 && senseFilter != rule.sense) return false;
  return politenessFilter == 0 || politenessFilter == rule.politeness;
}

std::vector<std::int16_t> casesAppliedAfter(const std::vector<std::int16_t>& appliedCases,
                                            const std::vector<std::int16_t>& addedCases) {
  std::vector<std::int16_t> cases = appliedCases;
  for (std::int16_t id : addedCases) {
    if (!contains(cases, id)) cases.push_back(id);
  }
  return cases;
}
