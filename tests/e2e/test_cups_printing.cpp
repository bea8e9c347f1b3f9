// One page through the real spooler: the printer service prints to the CUPS default printer,
// a cups-pdf queue, and the PDF that comes out is read back with poppler's tools.
// Runs only under tests/e2e/cups_queue.sh, which sets the queue up and sets ORMITAN_CUPS.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtTest>

#include "platform/posix_file_layer.h"
#include "platform/qt_printer_service.h"

using namespace ormitan::platform;

namespace {

// cups-pdf works in the background; a one-page job takes a second or two.
constexpr int PrintDeadlineSeconds = 60;

QString Run(const QString& program, const QStringList& arguments, bool* ok = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished();
    if (ok) {
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF files of a folder with their modification times.
QMap<QString, QDateTime> PdfFiles(const QString& folder) {
    QMap<QString, QDateTime> files;
    for (const QFileInfo& file : QDir(folder).entryInfoList({"*.pdf"}, QDir::Files)) {
        files.insert(file.filePath(), file.lastModified());
    }
    return files;
}

bool QueueEmpty(const QString& queue) {
    return Run("lpstat", {"-o", queue}).trimmed().isEmpty();
}

struct Box {
    double width = 0;
    double height = 0;
};

// The first page's size and the union of its words' boxes, as pdftotext -bbox gives them.
bool PageAndText(const QString& pdf, Box& page, Box& text) {
    bool ok = false;
    QXmlStreamReader xhtml(Run("pdftotext", {"-bbox", pdf, "-"}, &ok));
    const auto number = [&](const char* name) {
        return xhtml.attributes().value(QString(name)).toDouble();
    };
    QRectF words;
    bool sawPage = false;
    while (ok && !xhtml.atEnd()) {
        if (xhtml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xhtml.name() == QString("page") && !sawPage) {
            page = {number("width"), number("height")};
            sawPage = true;
        } else if (xhtml.name() == QString("word")) {
            words |= QRectF(QPointF(number("xMin"), number("yMin")),
                            QPointF(number("xMax"), number("yMax")));
        }
    }
    text = {words.width(), words.height()};
    return ok && !xhtml.hasError() && sawPage && !words.isEmpty();
}

}  // namespace

class TestCupsPrinting : public QObject {
    Q_OBJECT

    QString pdfFolder_;
    QString queue_;

  private slots:
    void initTestCase() {
        if (!qEnvironmentVariableIsSet("ORMITAN_CUPS")) {
            QSKIP("needs a CUPS queue: run through tests/e2e/cups_queue.sh -- <this test>");
        }
        pdfFolder_ = qEnvironmentVariable("ORMITAN_CUPS_PDF_DIR", QDir::home().filePath("PDF"));
        queue_ = qEnvironmentVariable("ORMITAN_CUPS_QUEUE");
    }

    void printsOneLandscapePageOnTheDefaultPrinter() {
        PosixFileLayer files;
        QtPrinterService service([](const QString&) { return std::nullopt; }, files);
        const QStringList printers = service.Printers();
        const int current = service.CurrentIndex();
        QVERIFY(current >= 0 && current < printers.size());
        QVERIFY2(printers.at(current) != QString::fromUtf8(PdfFileEntry),
                 "the system has no default printer");
        if (!queue_.isEmpty()) {
            QCOMPARE(printers.at(current), queue_);
        }
        service.SetOrientation(Landscape);
        QVERIFY(service.PageSize().width() > service.PageSize().height());

        const QMap<QString, QDateTime> before = PdfFiles(pdfFolder_);
        {
            auto job = service.BeginDocument("Chart1");
            QPainter& painter = job->Painter();
            QFont font("Liberation Sans");
            // Small enough to fit across a portrait page too.
            font.setPixelSize(qMin(job->PageSize().width(), job->PageSize().height()) / 20);
            painter.setFont(font);
            painter.drawText(QRect(QPoint(0, 0), job->PageSize()), Qt::AlignCenter,
                             "Тест Ормитан Chart1");
            job->End();
        }

        // The new (or rewritten) PDF, once the queue has finished with it.
        QString printed;
        QDeadlineTimer deadline(PrintDeadlineSeconds * 1000);
        while (printed.isEmpty() && !deadline.hasExpired()) {
            QTest::qWait(250);
            if (!QueueEmpty(queue_)) {
                continue;
            }
            const QMap<QString, QDateTime> now = PdfFiles(pdfFolder_);
            for (auto file = now.cbegin(); file != now.cend(); ++file) {
                if (!before.contains(file.key()) || before.value(file.key()) != file.value()) {
                    printed = file.key();
                }
            }
        }
        QVERIFY2(!printed.isEmpty(), qPrintable(QString("no PDF appeared in %1 within %2 s")
                                                    .arg(pdfFolder_)
                                                    .arg(PrintDeadlineSeconds)));
        // cups-pdf names the file after the job's title.
        QVERIFY2(QFileInfo(printed).fileName().contains("Chart1"), qPrintable(printed));

        bool ok = false;
        const QString info = Run("pdfinfo", {printed}, &ok);
        QVERIFY2(ok, qPrintable(printed));
        QVERIFY2(
            info.contains(QRegularExpression("^Pages:\\s+1$", QRegularExpression::MultilineOption)),
            qPrintable(info));
        QVERIFY(Run("pdftotext", {printed, "-"}).simplified().contains("Тест Ормитан Chart1"));

        // Landscape means the line of text runs along the paper's long side, whether the spooler
        // turned the page or the drawing on it.
        Box page;
        Box text;
        QVERIFY(PageAndText(printed, page, text));
        QVERIFY2((text.width > text.height) == (page.width > page.height),
                 qPrintable(QString("page %1 x %2, text %3 x %4")
                                .arg(page.width)
                                .arg(page.height)
                                .arg(text.width)
                                .arg(text.height)));
    }

    // Confirming the print dialog unchanged keeps the queue and its orientation current.
    void setupConfirmedKeepsTheQueue() {
        PosixFileLayer files;
        QtPrinterService service([](const QString&) { return std::nullopt; }, files);
        const int queue = service.CurrentIndex();
        service.SetOrientation(Landscape);
        const QSize page = service.PageSize();
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->accept();
            }
        });
        QVERIFY(service.Setup(nullptr));
        QCOMPARE(service.CurrentIndex(), queue);
        QCOMPARE(service.Orientation(), Landscape);
        QCOMPARE(service.PageSize(), page);
    }
};

QTEST_MAIN(TestCupsPrinting)
#include "test_cups_printing.moc"
