#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "results_document.h"

namespace ormitan {

// One walk through the 125 statements: the state that the questionnaire window shows and the
// scoring of each confirmed answer. The window binds its controls to what this model says.
class QuestionnaireRun {
  public:
    // The model scores into `results` and empties it when a run starts.
    explicit QuestionnaireRun(ResultsDocument& results);

    // Starts a run: statement 1, no answer, "Дальше" disabled, open enabled, scores zero,
    // no results name.
    void Init();

    // The respondent picks an answer; choosing again before confirming replaces the choice.
    // Once the last statement is confirmed its answer stands: choosing does nothing until Init.
    void Choose(Answer answer);

    enum class Outcome { NextStatement, ShowReport };
    // "Дальше": adds the chosen answer's points to the current gift. After the 125th statement
    // the report is due (the caller shows it and calls Init when it closes); otherwise the next
    // statement is on show with no answer chosen. Does nothing while no answer is chosen, nor
    // once the last statement has been confirmed (until Init).
    Outcome Confirm();

    int QuestionNumber() const { return questionNumber_; }
    int GiftIndex() const { return giftIndex_; }
    std::string_view StatementText() const { return Statement(questionNumber_); }
    std::string CounterText() const;
    std::optional<Answer> Chosen() const { return chosen_; }
    bool NextEnabled() const { return nextEnabled_; }
    bool OpenEnabled() const { return openEnabled_; }

  private:
    ResultsDocument& results_;
    std::uint8_t questionNumber_ = 1;
    // Kept as a running index that wraps from 25 to 1, never computed by division.
    std::uint8_t giftIndex_ = 1;
    std::optional<Answer> chosen_;
    bool nextEnabled_ = false;
    bool openEnabled_ = true;
    // The last statement is confirmed and the report is due: the run is over until Init.
    bool finished_ = false;
};

}  // namespace ormitan
