// The Qt and CUPS printer service on a system without printers: the list ends with "Файл PDF",
// which is then the current printer, and a document printed there becomes a one-page PDF file.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/errors.h"
#include "platform/posix_file_layer.h"
#include "platform/qt_printer_service.h"

using namespace ormitan;
using namespace ormitan::platform;

namespace {

const QString PdfEntry = QString::fromUtf8(PdfFileEntry);

// pdfinfo's "Key: value" lines of a file; empty when it cannot read the file as a PDF.
QMap<QString, QString> PdfInfo(const QString& path) {
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {path});
    QMap<QString, QString> info;
    if (!pdfinfo.waitForFinished() || pdfinfo.exitCode() != 0) {
        return info;
    }
    for (const QString& line : QString::fromUtf8(pdfinfo.readAllStandardOutput()).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0) {
            info.insert(line.left(colon), line.mid(colon + 1).trimmed());
        }
    }
    return info;
}

QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {path, "-"});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// "842 x 595 pts (A4)" → 842 x 595.
QSizeF PointSize(const QString& pageSize) {
    const QStringList parts = pageSize.split(' ');
    return parts.size() >= 3 ? QSizeF(parts[0].toDouble(), parts[2].toDouble()) : QSizeF();
}

void DrawSomething(PrintJob& job, const QString& text) {
    QPainter& painter = job.Painter();
    const QSize page = job.PageSize();
    painter.drawRect(QRect(QPoint(0, 0), page - QSize(1, 1)));
    QFont font("Liberation Sans");
    font.setPixelSize(page.height() / 20);
    painter.setFont(font);
    painter.drawText(QRect(QPoint(0, 0), page), Qt::AlignCenter, text);
}

QString Failure(const std::function<void()>& action) {
    try {
        action();
    } catch (const EAbort&) {
        return "silent abort";
    } catch (const Exception& error) {
        return QString::fromStdString(error.Message());
    }
    return "no error";
}

}  // namespace

class TestPrinterService : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    PosixFileLayer files_;
    // What the PDF file dialog answers, and how often it was asked.
    std::optional<QString> answer_;
    int asked_ = 0;

    std::unique_ptr<QtPrinterService> Service() {
        return std::make_unique<QtPrinterService>(
            [this](const QString& title) {
                ++asked_;
                [&] { QCOMPARE(title, QString("Chart1")); }();
                return answer_;
            },
            files_);
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }

  private slots:
    void initTestCase() {
        // A system without printers, whatever this machine has: CUPS is asked at an address
        // where no scheduler listens, and no default comes from the environment.
        qputenv("CUPS_SERVER", "/nonexistent/ormitan-test/cups.sock");
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        QVERIFY(dir_.isValid());
    }
    void init() {
        answer_.reset();
        asked_ = 0;
        QFile::remove(Path("chart.pdf"));
    }

    void withoutPrintersTheListIsThePdfFile() {
        const auto service = Service();
        QCOMPARE(service->Printers(), QStringList{PdfEntry});
        QCOMPARE(service->CurrentIndex(), 0);
        QCOMPARE(Failure([&] { service->Select(1); }), QString("Printer index out of range"));
        service->Select(0);
        QCOMPARE(service->CurrentIndex(), 0);
    }

    void orientationSwapsThePageSize() {
        const auto service = Service();
        service->SetOrientation(Portrait);
        QCOMPARE(service->Orientation(), Portrait);
        const QSize portrait = service->PageSize();
        QVERIFY(portrait.width() < portrait.height());
        service->SetOrientation(Landscape);
        QCOMPARE(service->Orientation(), Landscape);
        QCOMPARE(service->PageSize(), portrait.transposed());
        const QSize dpi = service->Resolution();
        QVERIFY(dpi.width() >= 300);
        QCOMPARE(dpi.height(), dpi.width());
        // Choosing the entry again starts from its own defaults.
        service->Select(0);
        QCOMPARE(service->Orientation(), Portrait);
    }

    void printsOnePageIntoThePdfFile() {
        const auto service = Service();
        service->SetOrientation(Landscape);
        answer_ = Path("chart.pdf");
        auto job = service->BeginDocument("Chart1");
        QCOMPARE(asked_, 1);
        QCOMPARE(job->PageSize(), service->PageSize());
        QCOMPARE(job->Resolution(), service->Resolution());
        DrawSomething(*job, "Тест Ормитан");
        QVERIFY(!QFile::exists(Path("chart.pdf")));
        job->End();

        const auto info = PdfInfo(Path("chart.pdf"));
        QVERIFY2(!info.isEmpty(), "pdfinfo cannot read the file");
        QCOMPARE(info.value("Pages"), QString("1"));
        QCOMPARE(info.value("Title"), QString("Chart1"));
        const QSizeF points = PointSize(info.value("Page size"));
        QVERIFY2(points.width() > points.height(), qPrintable(info.value("Page size")));
        QVERIFY(PdfText(Path("chart.pdf")).contains("Тест Ормитан"));
    }

    void cancellingTheFileNameEndsThePrintSilently() {
        const auto service = Service();
        QCOMPARE(Failure([&] { service->BeginDocument("Chart1"); }), QString("silent abort"));
        QCOMPARE(asked_, 1);
        QVERIFY(QDir(dir_.path()).isEmpty());
        // Nothing was left open.
        answer_ = Path("chart.pdf");
        service->BeginDocument("Chart1")->End();
        QVERIFY(QFile::exists(Path("chart.pdf")));
    }

    // The hook for Qt's dialog texts runs before the PDF file's name is asked, every time.
    void theStandardDialogHookRunsBeforeTheFileNameIsAsked() {
        QStringList calls;
        QtPrinterService service(
            [&](const QString&) {
                calls.append("ask");
                return std::optional<QString>();
            },
            files_, [&] { calls.append("hook"); });
        for (int k = 0; k < 2; ++k) {
            QCOMPARE(Failure([&] { service.BeginDocument("Chart1"); }), QString("silent abort"));
        }
        QCOMPARE(calls, (QStringList{"hook", "ask", "hook", "ask"}));
    }

    void aSecondDocumentWhileOneIsOpenFails() {
        const auto service = Service();
        answer_ = Path("chart.pdf");
        auto job = service->BeginDocument("Chart1");
        QCOMPARE(Failure([&] { service->BeginDocument("Chart1"); }),
                 QString(PrintingInProgressMessage));
        QCOMPARE(asked_, 1);
        DrawSomething(*job, "first");
        job->End();
        QCOMPARE(PdfInfo(Path("chart.pdf")).value("Pages"), QString("1"));
    }

    // Aborting, or dropping the job mid-page, writes nothing and leaves an earlier file alone.
    void anAbortedDocumentLeavesThePreviousFile_data() {
        QTest::addColumn<bool>("dropped");
        QTest::newRow("aborted") << false;
        QTest::newRow("destroyed while open") << true;
    }
    void anAbortedDocumentLeavesThePreviousFile() {
        QFETCH(bool, dropped);
        QFile old(Path("chart.pdf"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("previous");
        old.close();
        const auto service = Service();
        answer_ = Path("chart.pdf");
        {
            auto job = service->BeginDocument("Chart1");
            DrawSomething(*job, "discarded");
            if (!dropped) {
                job->Abort();
                job->End();
            }
        }
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("previous"));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{"chart.pdf"});
    }

    void anUnwritableFileFailsAtTheEndWithItsCode() {
        const auto service = Service();
        answer_ = Path("no/such/folder/chart.pdf");
        auto job = service->BeginDocument("Chart1");
        DrawSomething(*job, "nowhere");
        QCOMPARE(Failure([&] { job->End(); }), QString("Invalid filename"));
        // The job is over: the next one begins.
        answer_ = Path("chart.pdf");
        service->BeginDocument("Chart1")->End();
        QVERIFY(QFile::exists(Path("chart.pdf")));
    }

    // The page setup dialog of "Файл PDF": its choice is taken only when confirmed.
    void setupTakesTheDialogsOrientationOnlyWhenConfirmed_data() {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("orientation");
        QTest::newRow("confirmed") << true << Landscape;
        QTest::newRow("cancelled") << false << Portrait;
    }
    void setupTakesTheDialogsOrientationOnlyWhenConfirmed() {
        QFETCH(bool, confirm);
        QFETCH(int, orientation);
        const auto service = Service();
        service->SetOrientation(Portrait);
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            auto* landscape = dialog ? dialog->findChild<QRadioButton*>("landscape") : nullptr;
            if (landscape) {
                landscape->click();
                answered = true;
            }
            if (dialog) {
                confirm ? dialog->accept() : dialog->reject();
            }
        });
        QCOMPARE(service->Setup(nullptr), confirm);
        QVERIFY(answered);
        QCOMPARE(service->Orientation(), orientation);
        QCOMPARE(service->CurrentIndex(), 0);
    }
};

QTEST_MAIN(TestPrinterService)
#include "test_printer_service.moc"
