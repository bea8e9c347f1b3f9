// One long session: 500 showings of the report in one process, each with a save. After the first
// 20 showings have warmed Qt's caches up, resident memory must stay within 5 % and the open
// descriptors must stay as many, and the chart must draw the same picture at the end as at the
// start. Then, in the same process, the print preview is opened from the report's print button
// and closed with its "Закрыть" button 100 times, with the same bounds after the first 20 and
// the same chart picture at the end.
#include <malloc.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "program_fixture.h"
#include "ui/preview_page.h"
#include "ui_UnitPreview.h"

using namespace ormitan;

namespace {

constexpr int Showings = 500;
constexpr int WarmUp = 20;
constexpr int PreviewOpenings = 100;

// Resident memory in bytes, from the second field of /proc/self/statm.
qint64 ResidentBytes() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : -1;
}

qsizetype OpenDescriptors() {
    return QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size();
}

// Closes the next print preview from inside its modal loop, once it is on screen and its sheet
// has been painted, with its "Закрыть" button; `closed` says whether there was one, it showed
// the chart and it closed.
void CloseNextPreview(bool& closed) {
    QTimer::singleShot(0, [&closed] {
        auto* preview = qobject_cast<TChartPreview*>(QApplication::activeModalWidget());
        if (preview != nullptr && QTest::qWaitForWindowExposed(preview)) {
            preview->Sheet().repaint();
            if (preview->Sheet().RecordingCount() == 0) {
                return;
            }
            QTest::mouseClick(preview->Controls().BClose, Qt::LeftButton);
            closed = !preview->isVisible();
        }
    });
}

}  // namespace

class TestSoak : public QObject {
    Q_OBJECT
  private slots:
    void fiveHundredShowingsWithASaveEach() {
        // glibc raises its mmap threshold the first time a large block (a chart picture) is freed
        // and from then on keeps such blocks in the heap, a one-off step of about 2 MB that
        // says nothing about what the program holds. A fixed threshold returns them at once.
        QVERIFY(::mallopt(M_MMAP_THRESHOLD, 128 * 1024) == 1);
        QTemporaryDir dir;
        QFile sample(qEnvironmentVariable("ORMITAN_SOURCE_DIR") + "/content/sample.tst");
        QVERIFY(sample.open(QIODevice::ReadOnly));
        const QByteArray scores = sample.readAll();
        QVERIFY(sample.copy(dir.filePath("ivanov.tst")));
        const std::string opened = QFile::encodeName(dir.filePath("ivanov.tst")).toStdString();
        const std::string saved = QFile::encodeName(dir.filePath("petrov.tst")).toStdString();

        TestProgram p;
        QImage first;
        QImage picture;
        qint64 residentAfterWarmUp = 0;
        qsizetype descriptorsAfterWarmUp = 0;
        for (int showing = 1; showing <= Showings; ++showing) {
            p.dialogs.openAnswers = {opened};
            p.dialogs.saveAnswers = {saved};
            QString caption;
            p.WhenReportShown([&] {
                QTest::mouseClick(p.report->Controls().SpeedButtonSave, Qt::LeftButton);
                caption = p.report->windowTitle();
                picture = p.report->Chart1().grab().toImage();
                p.report->close();
            });
            QTest::mouseClick(p.ui().SpeedButtonOpen, Qt::LeftButton);
            QVERIFY2(p.messages.errors.isEmpty(), qPrintable(p.messages.errors.join(" ")));
            QCOMPARE(caption, QString("Результаты теста - petrov"));
            QVERIFY(!p.report->isVisible());
            if (showing == 1) {
                first = picture;
            }
            if (showing == WarmUp) {
                residentAfterWarmUp = ResidentBytes();
                descriptorsAfterWarmUp = OpenDescriptors();
            }
        }

        QVERIFY(!first.isNull());
        QVERIFY(picture == first);
        const qint64 resident = ResidentBytes();
        QVERIFY(residentAfterWarmUp > 0);
        QVERIFY2(resident < residentAfterWarmUp + residentAfterWarmUp / 20,
                 qPrintable(QString("resident memory grew from %1 to %2 bytes")
                                .arg(residentAfterWarmUp)
                                .arg(resident)));
        QCOMPARE(OpenDescriptors(), descriptorsAfterWarmUp);
        QFile result(QFile::decodeName(QByteArray::fromStdString(saved)));
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll(), scores);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"ivanov.tst", "petrov.tst"}));
    }

    void hundredPrintPreviews() {
        QVERIFY(::mallopt(M_MMAP_THRESHOLD, 128 * 1024) == 1);
        const std::string sample =
            QFile::encodeName(qEnvironmentVariable("ORMITAN_SOURCE_DIR") + "/content/sample.tst")
                .toStdString();
        TestProgram p;
        p.dialogs.openAnswers = {sample};
        QImage before;
        QImage after;
        int closings = 0;
        qint64 residentAfterWarmUp = 0;
        qsizetype descriptorsAfterWarmUp = 0;
        qint64 resident = 0;
        qsizetype descriptors = 0;
        p.WhenReportShown([&] {
            before = p.report->Chart1().grab().toImage();
            for (int opening = 1; opening <= PreviewOpenings; ++opening) {
                bool closed = false;
                CloseNextPreview(closed);
                QTest::mouseClick(p.report->Controls().SpeedButtonPrint, Qt::LeftButton);
                if (!closed) {
                    break;
                }
                ++closings;
                if (opening == WarmUp) {
                    residentAfterWarmUp = ResidentBytes();
                    descriptorsAfterWarmUp = OpenDescriptors();
                }
            }
            resident = ResidentBytes();
            descriptors = OpenDescriptors();
            after = p.report->Chart1().grab().toImage();
            p.report->close();
        });
        QTest::mouseClick(p.ui().SpeedButtonOpen, Qt::LeftButton);
        QVERIFY2(p.messages.errors.isEmpty(), qPrintable(p.messages.errors.join(" ")));
        QCOMPARE(closings, PreviewOpenings);
        QVERIFY(p.printers.jobs.empty());

        QVERIFY(!before.isNull());
        QVERIFY(after == before);
        QVERIFY(residentAfterWarmUp > 0);
        QVERIFY2(resident < residentAfterWarmUp + residentAfterWarmUp / 20,
                 qPrintable(QString("resident memory grew from %1 to %2 bytes")
                                .arg(residentAfterWarmUp)
                                .arg(resident)));
        QCOMPARE(descriptors, descriptorsAfterWarmUp);
    }
};

ORMITAN_WIDGET_TEST_MAIN(TestSoak)
#include "test_soak.moc"
