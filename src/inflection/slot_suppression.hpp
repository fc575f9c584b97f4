#pragma once

#include <cstddef>
#include <cstdint>

/// What the suppression step needs to know of one candidate rule.
struct SlotCandidate {
  std::uint32_t slot = 0;       ///< dense number of the rule's (caseId, subCaseId)
  bool exception = false;       ///< resultClass is WordOverride
  bool irregular = false;       ///< a word-restricted irregular rule (verbs only)
  std::size_t wordLength = 0;   ///< length of the rule's word (irregular rules)
};

/// How the candidates of one slot push each other aside: an exception rule
/// silences every other rule of its slot and produces nothing itself;
/// otherwise irregular rules silence regular ones, and among irregular rules
/// only those with the longest word survive. Recording every candidate of
/// the slot first and then asking each equals comparing every pair of them.
class SlotOutcome {
 public:
  void record(const SlotCandidate& candidate) {
    if (candidate.exception) {
      exception_ = true;
    } else if (candidate.irregular) {
      irregular_ = true;
      if (candidate.wordLength > longestIrregular_) longestIrregular_ = candidate.wordLength;
    }
  }

  /// Whether a recorded candidate produces a form.
  bool produces(const SlotCandidate& candidate) const {
    if (exception_) return false;
    return !irregular_ || (candidate.irregular && candidate.wordLength == longestIrregular_);
  }

 private:
  bool exception_ = false;
  bool irregular_ = false;
  std::size_t longestIrregular_ = 0;
};
