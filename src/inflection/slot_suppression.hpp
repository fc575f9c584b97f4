#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

/// What the suppression step needs to know of one candidate rule.
struct SlotCandidate {
  std::uint32_t slot = 0;       ///< caseId and subCaseId together
  bool exception = false;       ///< resultClass is WordOverride
  bool irregular = false;       ///< a word-restricted irregular rule (verbs only)
  std::size_t wordLength = 0;   ///< length of the rule's word (irregular rules)
};

std::uint32_t slotKey(std::int16_t caseId, std::int16_t subCaseId);

/// Which candidates produce a form once the rules of each slot have pushed
/// each other aside: an exception rule silences every other rule of its slot
/// and produces nothing itself; otherwise irregular rules silence regular
/// ones, and among irregular rules only those with the longest word survive.
/// The outcome equals comparing every pair of candidates of a slot, at the
/// cost of one sort.
std::vector<bool> survivingCandidates(const std::vector<SlotCandidate>& candidates);
