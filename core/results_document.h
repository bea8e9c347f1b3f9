#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalogue.h"

namespace ormitan {

// One score byte per gift, in catalogue order: the whole content of a results file.
using ScoreArray = std::array<std::uint8_t, GiftCount>;

// The results on show: the scores of the run, and the base name of the file they were last
// saved to or opened from (empty while they are unsaved).
struct Results {
    ScoreArray Scores{};
    std::string ResultsName;

    bool operator==(const Results&) const = default;
};

// The results that the questionnaire, the report and the results file share, owned by the
// program's session. Every change is told to the watchers.
class ResultsDocument {
  public:
    const Results& Current() const { return results_; }
    const ScoreArray& Scores() const { return results_.Scores; }
    const std::string& ResultsName() const { return results_.ResultsName; }

    // A new run: every score zero and no name.
    void Init();
    // Adds `points` to the score of `gift` (1 to 25); the byte wraps as it always has.
    void AddPoints(int gift, int points);
    // Opening a results file: its scores and its name replace the results.
    void Replace(const Results& results);
    // Saving: the results are now named after the file.
    void SetResultsName(const std::string& name);

    // Calls `watcher` after every change for as long as the returned handle is kept.
    [[nodiscard]] std::shared_ptr<const void> Watch(std::function<void()> watcher);

  private:
    void Changed();

    Results results_;
    std::vector<std::weak_ptr<const std::function<void()>>> watchers_;
};

}  // namespace ormitan
