// The results document: its rules, its watchers, and a failed open that leaves it as it was.
#include <QtTest>

#include <memory>

#include "core/errors.h"
#include "core/results_document.h"
#include "core/results_file.h"
#include "platform/posix_file_layer.h"

using namespace ormitan;

class TestResultsDocument : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    platform::PosixFileLayer files_;

    std::string Path(const char* name) const {
        return QFile::encodeName(dir_.filePath(name)).toStdString();
    }

  private slots:

    void initZeroesTheScoresAndEmptiesTheName() {
        ResultsDocument results;
        results.Replace({.Scores = {1, 2, 3}, .ResultsName = "ivanov"});
        results.Init();
        QCOMPARE(results.Scores(), ScoreArray{});
        QVERIFY(results.ResultsName().empty());
    }

    void pointsAddToTheirGiftAndWrapAsBytes() {
        ResultsDocument results;
        results.AddPoints(1, 3);
        results.AddPoints(25, 2);
        results.AddPoints(25, 1);
        QCOMPARE(int(results.Scores()[0]), 3);
        QCOMPARE(int(results.Scores()[24]), 3);
        QCOMPARE(int(results.Scores()[1]), 0);
        results.Replace({.Scores = {255}, .ResultsName = ""});
        results.AddPoints(1, 3);
        QCOMPARE(int(results.Scores()[0]), 2);
    }

    void everyChangeIsToldWhileTheHandleLives() {
        ResultsDocument results;
        int told = 0;
        auto handle = results.Watch([&] { ++told; });
        results.Init();
        results.AddPoints(2, 1);
        results.Replace({});
        results.SetResultsName("petrov");
        QCOMPARE(told, 4);
        handle.reset();
        results.SetResultsName("sidorov");
        QCOMPARE(told, 4);
    }

    void aWatcherMayStopWatchingWhileTold() {
        ResultsDocument results;
        int first = 0;
        int second = 0;
        std::shared_ptr<const void> firstHandle;
        firstHandle = results.Watch([&] {
            ++first;
            firstHandle.reset();
        });
        auto secondHandle = results.Watch([&] { ++second; });
        results.Init();
        results.Init();
        QCOMPARE(first, 1);
        QCOMPARE(second, 2);
    }

    void aFailedOpenKeepsTheResultsAndTellsNothing() {
        ResultsDocument results;
        results.Replace({.Scores = {4, 5}, .ResultsName = "kept"});
        int told = 0;
        const auto handle = results.Watch([&] { ++told; });
        QVERIFY_THROWS_EXCEPTION(EInOutError, LoadResults(files_, Path("missing.tst"), results));
        QCOMPARE(int(results.Scores()[1]), 5);
        QCOMPARE(results.ResultsName(), std::string("kept"));
        QCOMPARE(told, 0);
    }
};

QTEST_GUILESS_MAIN(TestResultsDocument)
#include "test_results_document.moc"
