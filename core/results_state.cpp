#include "results_state.h"

namespace ormitan {

ScoreArray Scores{};
std::string ResultsName;

}  // namespace ormitan
