#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "catalogue.h"

namespace ormitan {

// One score byte per gift, in catalogue order: the whole content of a results file.
using ScoreArray = std::array<std::uint8_t, GiftCount>;

// The process-wide results that the questionnaire, the report and the results file share:
// the scores of the run on show, and the base name of the file they were last saved to or
// opened from (empty while they are unsaved).
extern ScoreArray Scores;
extern std::string ResultsName;

}  // namespace ormitan
