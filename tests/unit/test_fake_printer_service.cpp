// The fake printer service that the window tests print through: it must fail exactly where and
// how the real one does, and record what would have been printed.
#include <QPainter>
#include <QtTest>
#include <functional>
#include <map>

#include "core/errors.h"
#include "doubles/fake_printer_service.h"
#include "failure_message.h"

using namespace ormitan;
using namespace ormitan::platform;

namespace {

FakePrinter Printer(const QString& name) {
    FakePrinter printer;
    printer.name = name;
    return printer;
}

// Two printers, the second the default.
FakePrinterService TwoPrinters() {
    FakePrinterService service;
    service.printers = {Printer("Laser"), Printer("Office")};
    service.defaultPrinter = 1;
    return service;
}

using Action = std::function<void(FakePrinterService&)>;

const std::map<QString, Action>& Actions() {
    static const std::map<QString, Action> actions{
        {"current index", [](FakePrinterService& s) { s.CurrentIndex(); }},
        {"orientation", [](FakePrinterService& s) { s.Orientation(); }},
        {"set orientation", [](FakePrinterService& s) { s.SetOrientation(Landscape); }},
        {"page size", [](FakePrinterService& s) { s.PageSize(); }},
        {"resolution", [](FakePrinterService& s) { s.Resolution(); }},
        {"setup", [](FakePrinterService& s) { s.Setup(nullptr); }},
        {"begin", [](FakePrinterService& s) { s.BeginDocument("Chart1"); }},
        {"begin twice",
         [](FakePrinterService& s) {
             const auto first = s.BeginDocument("Chart1");
             s.BeginDocument("Chart1");
         }},
    };
    return actions;
}

}  // namespace

class TestFakePrinterService : public QObject {
    Q_OBJECT
  private slots:
    void failures_data() {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("message");
        const QString noDefault = NoDefaultPrinterMessage;
        for (const char* action : {"current index", "orientation", "set orientation", "page size",
                                   "resolution", "setup", "begin"}) {
            QTest::addRow("no printers: %s", action) << "no printers" << action << noDefault;
            QTest::addRow("no default: %s", action) << "no default" << action << noDefault;
        }
        QTest::newRow("default not installed") << "default not installed"
                                               << "current index" << noDefault;
        const QString notSupported = NotSupportedMessage;
        QTest::newRow("no settings: orientation") << "no settings"
                                                  << "orientation" << notSupported;
        QTest::newRow("no settings: set orientation") << "no settings"
                                                      << "set orientation" << notSupported;
        QTest::newRow("no settings: page size works") << "no settings"
                                                      << "page size"
                                                      << "no error";
        const QString invalid = InvalidPrinterMessage;
        QTest::newRow("does not open: page size") << "does not open"
                                                  << "page size" << invalid;
        QTest::newRow("does not open: resolution") << "does not open"
                                                   << "resolution" << invalid;
        QTest::newRow("does not open: begin") << "does not open"
                                              << "begin" << invalid;
        QTest::newRow("does not open: orientation works") << "does not open"
                                                          << "orientation"
                                                          << "no error";
        QTest::newRow("second document") << "two printers"
                                         << "begin twice" << PrintingInProgressMessage;
    }
    void failures() {
        QFETCH(QString, system);
        QFETCH(QString, action);
        QFETCH(QString, message);
        FakePrinterService service = TwoPrinters();
        if (system == "no printers") {
            service.printers.clear();
            service.defaultPrinter.reset();
        } else if (system == "no default") {
            service.defaultPrinter.reset();
        } else if (system == "default not installed") {
            service.defaultPrinter = 2;
        } else if (system == "no settings") {
            service.printers[1].hasSettings = false;
        } else if (system == "does not open") {
            service.printers[1].opens = false;
        }
        QCOMPARE(Failure([&] { Actions().at(action)(service); }), message);
        QVERIFY(!service.JobOpen());
    }

    void selectionOrientationAndSetup() {
        FakePrinterService service = TwoPrinters();
        QCOMPARE(service.Printers(), (QStringList{"Laser", "Office"}));
        QCOMPARE(service.CurrentIndex(), 1);
        QCOMPARE(Failure([&] { service.Select(2); }), QString("Printer index out of range"));
        service.SetOrientation(Landscape);
        QCOMPARE(service.PageSize(), QSize(3180, 2400));
        // Each printer keeps its own orientation.
        service.Select(0);
        QCOMPARE(service.Orientation(), Portrait);
        QCOMPARE(service.PageSize(), QSize(2400, 3180));
        QVERIFY(!service.Setup(nullptr));
        QCOMPARE(service.CurrentIndex(), 0);
        service.setupAnswer = FakePrinterService::SetupChoice{1, Portrait};
        QVERIFY(service.Setup(nullptr));
        QCOMPARE(service.CurrentIndex(), 1);
        QCOMPARE(service.Orientation(), Portrait);
        QCOMPARE(service.setupCalls, 2);
    }

    void anEndedJobIsRecordedWithItsPage() {
        FakePrinterService service = TwoPrinters();
        service.SetOrientation(Landscape);
        auto job = service.BeginDocument("Chart1");
        QVERIFY(service.JobOpen());
        QCOMPARE(job->PageSize(), QSize(3180, 2400));
        QCOMPARE(job->Resolution(), QSize(300, 300));
        job->Painter().fillRect(QRect(477, 600, 2226, 1200), Qt::black);
        job->End();
        QVERIFY(!service.JobOpen());
        QCOMPARE(service.jobs.size(), std::size_t(1));
        const FakeJob& done = service.jobs.front();
        QCOMPARE(done.printer, QString("Office"));
        QCOMPARE(done.title, QString("Chart1"));
        QCOMPARE(done.orientation, Landscape);
        QCOMPARE(done.pages, 1);
        QVERIFY(!done.aborted);
        QCOMPARE(done.page.boundingRect(), QRect(477, 600, 2226, 1200));
        // Ending again, or aborting an ended job, changes nothing.
        job->End();
        job->Abort();
        QCOMPARE(service.jobs.front().pages, 1);
        QVERIFY(!service.jobs.front().aborted);
    }

    void abortedAndDroppedJobsPrintNothing_data() {
        QTest::addColumn<bool>("dropped");
        QTest::newRow("aborted") << false;
        QTest::newRow("destroyed while open") << true;
    }
    void abortedAndDroppedJobsPrintNothing() {
        QFETCH(bool, dropped);
        FakePrinterService service = TwoPrinters();
        {
            auto job = service.BeginDocument("Chart1");
            job->Painter().drawLine(0, 0, 10, 10);
            if (!dropped) {
                job->Abort();
                job->End();
            }
        }
        QCOMPARE(service.jobs.size(), std::size_t(1));
        QVERIFY(service.jobs.front().aborted);
        QCOMPARE(service.jobs.front().pages, 0);
        // The service takes the next document.
        service.BeginDocument("Chart1")->End();
        QCOMPARE(service.jobs.back().pages, 1);
    }

    // A failure set on the fake is thrown once, at its step, and the job ends up discarded.
    void failuresOnDemand_data() {
        QTest::addColumn<bool>("atEnd");
        QTest::newRow("drawing") << false;
        QTest::newRow("ending") << true;
    }
    void failuresOnDemand() {
        QFETCH(bool, atEnd);
        FakePrinterService service = TwoPrinters();
        (atEnd ? service.failEnd : service.failDrawing) = "Out of paper";
        auto job = service.BeginDocument("Chart1");
        QCOMPARE(Failure([&] { atEnd ? job->End() : void(job->Painter()); }),
                 QString("Out of paper"));
        // A failed drawing leaves the job open for the caller to abort; a failed end closes it.
        QCOMPARE(service.JobOpen(), !atEnd);
        job->Abort();
        QVERIFY(service.jobs.front().aborted);
        QCOMPARE(service.jobs.front().pages, 0);
        auto next = service.BeginDocument("Chart1");
        QCOMPARE(Failure([&] { next->Painter(); }), QString("no error"));
        next->End();
        QCOMPARE(service.jobs.back().pages, 1);
    }
};

QTEST_GUILESS_MAIN(TestFakePrinterService)
#include "test_fake_printer_service.moc"
