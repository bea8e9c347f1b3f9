// A questionnaire run through the model: what the questionnaire window shows and what it scores.
#include <QtTest>

#include <array>
#include <numeric>

#include "core/questionnaire_run.h"

using namespace ormitan;

namespace {

struct Run {
    ResultsDocument results = Stale();
    const ScoreArray& scores = results.Scores();
    const std::string& name = results.ResultsName();
    QuestionnaireRun run{results};

    // Results left from before: a name and scores that a new run must clear.
    static ResultsDocument Stale() {
        ResultsDocument stale;
        stale.Replace({.Scores = {9, 9, 9}, .ResultsName = "stale"});
        return stale;
    }

    // Answers statements from the current one up to `last`, each with `answer`; returns whether
    // the report became due at the last confirm.
    bool AnswerThrough(int last, Answer answer) {
        QuestionnaireRun::Outcome outcome = QuestionnaireRun::Outcome::NextStatement;
        while (run.QuestionNumber() <= last) {
            const int before = run.QuestionNumber();
            run.Choose(answer);
            outcome = run.Confirm();
            if (outcome == QuestionnaireRun::Outcome::ShowReport || before == last) {
                break;
            }
        }
        return outcome == QuestionnaireRun::Outcome::ShowReport;
    }
};

void VerifyReady(const Run& r) {
    QCOMPARE(r.run.QuestionNumber(), 1);
    QCOMPARE(r.run.GiftIndex(), 1);
    QCOMPARE(QString::fromStdString(r.run.CounterText()), QString("1 из 125"));
    QCOMPARE(r.run.StatementText(), Statement(1));
    QVERIFY(!r.run.Chosen().has_value());
    QVERIFY(!r.run.NextEnabled());
    QVERIFY(r.run.OpenEnabled());
    for (auto s : r.scores) {
        QCOMPARE(int(s), 0);
    }
    QVERIFY(r.name.empty());
}

}  // namespace

class TestQuestionnaireRun : public QObject {
    Q_OBJECT
  private slots:
    void startsReady() {
        Run r;
        VerifyReady(r);
    }

    void wholeRunsScoreEveryGiftAndAskForTheReport_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("expected");
        QTest::newRow("очень верно") << int(Answer::VeryTrue) << 15;
        QTest::newRow("верно") << int(Answer::True) << 10;
        QTest::newRow("немного верно") << int(Answer::SomewhatTrue) << 5;
        QTest::newRow("не верно") << int(Answer::NotTrue) << 0;
    }
    void wholeRunsScoreEveryGiftAndAskForTheReport() {
        QFETCH(int, answer);
        QFETCH(int, expected);
        Run r;
        for (int k = 1; k < 125; ++k) {
            r.run.Choose(Answer(answer));
            QCOMPARE(r.run.Confirm(), QuestionnaireRun::Outcome::NextStatement);
        }
        QCOMPARE(QString::fromStdString(r.run.CounterText()), QString("125 из 125"));
        r.run.Choose(Answer(answer));
        QCOMPARE(r.run.Confirm(), QuestionnaireRun::Outcome::ShowReport);
        for (auto s : r.scores) {
            QCOMPARE(int(s), expected);
        }
        // Behind the report the last statement stays on show with its answer checked.
        QCOMPARE(r.run.QuestionNumber(), 125);
        QCOMPARE(r.run.Chosen(), std::optional(Answer(answer)));
        QVERIFY(r.run.NextEnabled());
        QVERIFY(!r.run.OpenEnabled());
        // The report closes: the run starts over.
        r.results.SetResultsName("ivanov");
        r.run.Init();
        VerifyReady(r);
    }

    void onlyTheLastChoiceScores() {
        Run r;
        r.run.Choose(Answer::VeryTrue);
        r.run.Choose(Answer::NotTrue);
        r.run.Choose(Answer::SomewhatTrue);
        // Choosing changes neither the statement nor the counter.
        QCOMPARE(r.run.QuestionNumber(), 1);
        QCOMPARE(QString::fromStdString(r.run.CounterText()), QString("1 из 125"));
        r.run.Confirm();
        QCOMPARE(int(r.scores[0]), 1);
        QCOMPARE(std::accumulate(r.scores.begin(), r.scores.end(), 0), 1);
    }

    void statement26ScoresGiftOneAgain() {
        Run r;
        r.AnswerThrough(25, Answer::NotTrue);
        QCOMPARE(QString::fromStdString(r.run.CounterText()), QString("26 из 125"));
        QCOMPARE(r.run.GiftIndex(), 1);
        QCOMPARE(r.run.StatementText(), Statement(26));
        r.run.Choose(Answer::VeryTrue);
        r.run.Confirm();
        QCOMPARE(int(r.scores[0]), 3);
        QCOMPARE(r.run.GiftIndex(), 2);
    }

    // Statement k scores gift ((k - 1) mod 25) + 1: gift g has statements g, g + 25, g + 50,
    // g + 75 and g + 100.
    void giftIndexFollowsTheAssignmentRule() {
        Run r;
        std::array<int, 126> giftAt{};
        std::array<int, 25> statementsPerGift{};
        for (int k = 1; k <= 125; ++k) {
            QCOMPARE(r.run.QuestionNumber(), k);
            giftAt[k] = r.run.GiftIndex();
            QVERIFY2(giftAt[k] >= 1 && giftAt[k] <= 25, qPrintable(QString::number(k)));
            ++statementsPerGift[giftAt[k] - 1];
            // Odd statements score 3, even ones 1, so that a wrong gift shows up in the scores.
            r.run.Choose(k % 2 ? Answer::VeryTrue : Answer::SomewhatTrue);
            QCOMPARE(r.run.Confirm(), k < 125 ? QuestionnaireRun::Outcome::NextStatement
                                              : QuestionnaireRun::Outcome::ShowReport);
        }
        QCOMPARE(giftAt[1], 1);
        QCOMPARE(giftAt[2], 2);
        QCOMPARE(giftAt[25], 25);
        QCOMPARE(giftAt[26], 1);
        QCOMPARE(giftAt[35], 10);
        QCOMPARE(giftAt[50], 25);
        QCOMPARE(giftAt[51], 1);
        QCOMPARE(giftAt[124], 24);
        QCOMPARE(giftAt[125], 25);
        for (int count : statementsPerGift) {
            QCOMPARE(count, 5);
        }
        // An odd gift has three odd statements (3 + 1 + 3 + 1 + 3), an even gift two (1 + 3 +
        // 1 + 3 + 1).
        for (int g = 1; g <= 25; ++g) {
            QCOMPARE(int(r.scores[g - 1]), g % 2 ? 11 : 9);
        }
    }

    void nextAndOpenStates() {
        Run r;
        QVERIFY(!r.run.NextEnabled());
        // Confirming without an answer does nothing at all.
        QCOMPARE(r.run.Confirm(), QuestionnaireRun::Outcome::NextStatement);
        QCOMPARE(r.run.QuestionNumber(), 1);
        QVERIFY(r.run.OpenEnabled());
        r.run.Choose(Answer::True);
        QVERIFY(r.run.NextEnabled());
        QVERIFY(r.run.OpenEnabled());  // still statement 1, nothing confirmed yet
        r.run.Confirm();
        QVERIFY(!r.run.NextEnabled());
        QVERIFY(!r.run.Chosen().has_value());
        QVERIFY(!r.run.OpenEnabled());
        QCOMPARE(QString::fromStdString(r.run.CounterText()), QString("2 из 125"));
        r.AnswerThrough(124, Answer::True);
        QVERIFY(!r.run.OpenEnabled());
    }

    // After the last confirm the report is due and the answers stand: neither another choice
    // nor another confirm scores anything until the next run starts.
    void theLastAnswerStandsUntilTheNextRun() {
        Run r;
        QVERIFY(r.AnswerThrough(125, Answer::SomewhatTrue));
        const ScoreArray scored = r.scores;
        QCOMPARE(int(scored[24]), 5);  // five statements of gift 25, one point each
        r.run.Choose(Answer::VeryTrue);
        QCOMPARE(r.run.Chosen(), std::optional(Answer::SomewhatTrue));
        QCOMPARE(r.run.Confirm(), QuestionnaireRun::Outcome::ShowReport);
        QVERIFY(r.scores == scored);
        QCOMPARE(r.run.QuestionNumber(), 125);
        r.run.Init();
        VerifyReady(r);
        r.run.Choose(Answer::VeryTrue);  // a new run takes answers again
        QCOMPARE(r.run.Confirm(), QuestionnaireRun::Outcome::NextStatement);
        QCOMPARE(int(r.scores[0]), 3);
    }
};

QTEST_GUILESS_MAIN(TestQuestionnaireRun)
#include "test_questionnaire_run.moc"
