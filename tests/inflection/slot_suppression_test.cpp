#include "inflection/slot_suppression.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

/// Every pair of candidates of one slot compared, as the rules are stated.
std::vector<bool> survivorsByPairs(const std::vector<SlotCandidate>& candidates) {
  std::vector<bool> marked(candidates.size(), false);
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    for (std::size_t j = i + 1; j < candidates.size(); ++j) {
      const SlotCandidate& a = candidates[i];
      const SlotCandidate& b = candidates[j];
      if (a.slot != b.slot) continue;
      if (a.exception != b.exception) {
        marked[a.exception ? j : i] = true;
      } else if (a.irregular && b.irregular) {
        if (a.wordLength < b.wordLength) marked[i] = true;
        if (b.wordLength < a.wordLength) marked[j] = true;
      } else if (a.irregular != b.irregular) {
        marked[a.irregular ? j : i] = true;
      }
    }
  }
  std::vector<bool> survives(candidates.size());
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    survives[i] = !marked[i] && !candidates[i].exception;
  }
  return survives;
}

}  // namespace

TEST(SlotSuppression, AgreesWithComparingEveryPair) {
  std::mt19937 random(20240601);
  for (int round = 0; round < 3000; ++round) {
    std::vector<SlotCandidate> candidates(random() % 12);
    for (SlotCandidate& c : candidates) {
      c.slot = static_cast<std::uint32_t>(random() % 6);
      c.exception = random() % 5 == 0;
      c.irregular = random() % 3 == 0;
      c.wordLength = random() % 4;
    }
    std::vector<SlotOutcome> slots(6);
    for (const SlotCandidate& c : candidates) slots[c.slot].record(c);
    std::vector<bool> survives;
    for (const SlotCandidate& c : candidates) survives.push_back(slots[c.slot].produces(c));
    ASSERT_EQ(survives, survivorsByPairs(candidates)) << round;
  }
}
