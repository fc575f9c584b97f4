#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "inflection/inflection_result.hpp"

/// Forcing switches of conj.
enum ForceClass : int { NoForce = 0, ForceItidan = 1, ForceGodan = 2, ForceRegularSuru = 3 };

/// Everything conj settles before a conjugation flow runs; the flow adds the
/// results and hands the whole record to renderResults.
struct ConjRequest {
  InflectionResult word;  ///< texts empty, class 0 until a switch or the current word sets it
  int force = NoForce;
  bool usedCurrentWord = false;
  bool menuRequested = false;
  std::string menuList;
  std::vector<std::string> caseNames;  ///< empty: all cases
  std::int32_t senseFilter = 0;
  std::int16_t politenessFilter = 0;
  std::vector<InflectionResult> results;
  bool fileOutput = false;
  std::string fileName;
};
