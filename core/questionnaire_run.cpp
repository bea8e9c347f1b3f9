#include "questionnaire_run.h"

namespace ormitan {

QuestionnaireRun::QuestionnaireRun(ResultsDocument& results) : results_(results) {
    Init();
}

void QuestionnaireRun::Init() {
    giftIndex_ = 1;
    questionNumber_ = 1;
    nextEnabled_ = false;
    openEnabled_ = true;
    finished_ = false;
    results_.Init();
    chosen_.reset();
}

void QuestionnaireRun::Choose(Answer answer) {
    if (finished_) {
        return;
    }
    chosen_ = answer;
    nextEnabled_ = true;
}

QuestionnaireRun::Outcome QuestionnaireRun::Confirm() {
    if (!chosen_) {
        return Outcome::NextStatement;  // "Дальше" is disabled: nothing to confirm
    }
    if (finished_) {
        return Outcome::ShowReport;  // already scored; the report is still due
    }
    results_.AddPoints(giftIndex_, PointsOf(*chosen_));
    openEnabled_ = false;
    if (questionNumber_ == StatementCount) {
        // The report is due; the last answer stays checked behind it until Init.
        finished_ = true;
        return Outcome::ShowReport;
    }
    ++questionNumber_;
    ++giftIndex_;
    if (giftIndex_ > GiftCount) {
        giftIndex_ = 1;
    }
    nextEnabled_ = false;
    chosen_.reset();
    return Outcome::NextStatement;
}

std::string QuestionnaireRun::CounterText() const {
    return std::to_string(questionNumber_) + " из " + std::to_string(StatementCount);
}

}  // namespace ormitan
