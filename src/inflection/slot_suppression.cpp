#include "inflection/slot_suppression.hpp"

#include <algorithm>
#include <utility>

std::uint32_t slotKey(std::int16_t caseId, std::int16_t subCaseId) {
  return (std::uint32_t{static_cast<std::uint16_t>(caseId)} << 16) |
         std::uint32_t{static_cast<std::uint16_t>(subCaseId)};
}

std::vector<bool> survivingCandidates(const std::vector<SlotCandidate>& candidates) {
  std::vector<std::pair<std::uint32_t, std::size_t>> bySlot;
  bySlot.reserve(candidates.size());
  for (std::size_t i = 0; i < candidates.size(); ++i) bySlot.emplace_back(candidates[i].slot, i);
  std::sort(bySlot.begin(), bySlot.end());

  std::vector<bool> survives(candidates.size(), false);
  for (std::size_t first = 0; first < bySlot.size();) {
    std::size_t last = first;
    bool hasException = false;
    bool hasIrregular = false;
    std::size_t longestIrregular = 0;
    while (last < bySlot.size() && bySlot[last].first == bySlot[first].first) {
      const SlotCandidate& c = candidates[bySlot[last].second];
      hasException = hasException || c.exception;
      if (c.irregular && !c.exception) {
        hasIrregular = true;
        longestIrregular = std::max(longestIrregular, c.wordLength);
      }
      ++last;
    }
    if (!hasException) {
      for (std::size_t k = first; k < last; ++k) {
        const SlotCandidate& c = candidates[bySlot[k].second];
        survives[bySlot[k].second] =
            !hasIrregular || (c.irregular && c.wordLength == longestIrregular);
      }
    }
    first = last;
  }
  return survives;
}
