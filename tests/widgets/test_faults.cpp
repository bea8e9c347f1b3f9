// Faults from outside the program, met through its windows: a full disk under a save, a results
// file that is gone by the time it is read, command-line paths that name no results file or that
// no file system takes, and file names that are not UTF-8. Each shows its error box at once,
// nothing on disk is lost, and the program goes on.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "core/errors.h"
#include "core/results_document.h"
#include "doubles/fake_file_layer.h"
#include "doubles/small_tmpfs.h"
#include "doubles/unix_socket.h"
#include "program_fixture.h"

using namespace ormitan;

namespace {

bool WriteBytes(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const bool written = ::write(fd, bytes.constData(), std::size_t(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && written;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// What the report showed after its saves had failed.
struct FailedSaves {
    QStringList errors;
    QString caption;
    QString web;
    bool stayedOpen = false;
};

// Opens the results file at `path` through the open button and, in its report, presses save once
// for each of `attempts`, calling `beforeEach` first; then closes the report.
FailedSaves SaveFromOpenedReport(TestProgram& p, const std::string& path,
                                 const std::vector<std::string>& attempts,
                                 const std::function<void()>& beforeEach) {
    FailedSaves seen;
    p.dialogs.openAnswers = {path};
    for (const std::string& target : attempts) {
        p.dialogs.saveAnswers.push_back(target);
    }
    p.WhenReportShown([&] {
        for (std::size_t k = 0; k < attempts.size(); ++k) {
            beforeEach();
            QTest::mouseClick(p.report->Controls().SpeedButtonSave, Qt::LeftButton);
        }
        seen.errors = p.messages.errors;
        seen.caption = p.report->windowTitle();
        seen.web = p.report->Controls().LabelWeb->text();
        seen.stayedOpen = p.report->isVisible();
        p.report->close();  // opened from a file: saved, so no question
    });
    QTest::mouseClick(p.ui().SpeedButtonOpen, Qt::LeftButton);
    return seen;
}

}  // namespace

class TestFaults : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QByteArray Path(const QString& name) const { return QFile::encodeName(dir_.filePath(name)); }

  private slots:
    void init() {
        QDir dir(dir_.path());
        const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        for (const QFileInfo& entry : dir.entryInfoList(all)) {
            dir.remove(entry.fileName());
        }
    }
    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
    }

    // --- A full disk under a save ---

    // Through the fake layer, so that this is covered wherever the tests run.
    void aSaveOntoAFullDiskShowsError112AndLosesNothing() {
        FakeFileLayer fake;
        const std::vector<std::uint8_t> old(25, 7);
        fake.files["/r/ivanov.tst"] = old;
        TestProgram p(&fake);
        const FailedSaves seen =
            SaveFromOpenedReport(p, "/r/ivanov.tst", {"/r/ivanov.tst", "/r/petrov.tst"}, [&] {
                fake.failing = FakeFileLayer::Step::Write;
                fake.failCode = io_code::DiskFull;
            });
        QCOMPARE(seen.errors, (QStringList{"I/O error 112.", "I/O error 112."}));
        QVERIFY(seen.stayedOpen);
        QCOMPARE(seen.caption, QString("Результаты теста - ivanov"));
        QVERIFY(seen.web.isEmpty());
        QCOMPARE(fake.files.size(), std::size_t(1));
        QVERIFY(fake.files.at("/r/ivanov.tst") == old);
        QVERIFY(fake.OpenHandles().empty());
    }

    // On a real file system that has no byte left.
    void aSaveOntoARealFullDiskShowsError112AndLosesNothing() {
        SmallTmpfs disk(64);
        if (!disk.Mounted()) {
            QSKIP(qPrintable(disk.Why()));
        }
        const QByteArray old(25, 7);
        QVERIFY(WriteBytes(QFile::encodeName(disk.FilePath("ivanov.tst")), old));
        QVERIFY(disk.Fill("filler"));
        const QStringList before = QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden);
        TestProgram p;
        const std::string ivanov = QFile::encodeName(disk.FilePath("ivanov.tst")).toStdString();
        const std::string petrov = QFile::encodeName(disk.FilePath("petrov.tst")).toStdString();
        const FailedSaves seen = SaveFromOpenedReport(p, ivanov, {ivanov, petrov}, [] {});
        QCOMPARE(seen.errors, (QStringList{"I/O error 112.", "I/O error 112."}));
        QVERIFY(seen.stayedOpen);
        QCOMPARE(seen.caption, QString("Результаты теста - ivanov"));
        QCOMPARE(ReadBytes(disk.FilePath("ivanov.tst")), old);
        QCOMPARE(QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden), before);
    }

    // --- Files that are gone or are no results files ---

    void aFileGoneAfterTheOpenDialogShowsFileNotFound() {
        const QByteArray path = Path("ivanov.tst");
        QVERIFY(WriteBytes(path, QByteArray(25, 1)));
        TestProgram p;
        p.dialogs.openAnswers = {path.toStdString()};
        QVERIFY(QFile::remove(QFile::decodeName(path)));  // after the user chose it
        bool reportShown = false;
        p.WhenReportShown([&] {
            reportShown = true;
            p.report->close();
        });
        QTest::mouseClick(p.ui().SpeedButtonOpen, Qt::LeftButton);
        QCOMPARE(p.messages.errors, QStringList{"File not found."});
        QVERIFY(!reportShown);
        QVERIFY(p.main.isVisible());
        QCOMPARE(p.Counter(), QString("1 из 125"));
        QVERIFY(p.ui().SpeedButtonOpen->isEnabled());
        QVERIFY(p.results().ResultsName().empty());
        QCOMPARE(p.results().Scores(), ScoreArray{});
    }

    void commandLinePathsThatNameNoResultsFile_data() {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("error");
        QTest::newRow("a FIFO") << Path("pipe.tst") << "File access denied.";
        QTest::newRow("a socket") << Path("socket.tst") << "File access denied.";
        QTest::newRow("/dev/null") << QByteArray("/dev/null") << "File access denied.";
        QTest::newRow("/dev/zero") << QByteArray("/dev/zero") << "File access denied.";
        QTest::newRow("a 5000-character name")
            << Path(QString(4996, 'a') + ".tst") << "I/O error 36.";
        QTest::newRow("a 5000-character path")
            << Path(QString("abcdefgh/").repeated(555) + "a.tst") << "I/O error 36.";
    }
    void commandLinePathsThatNameNoResultsFile() {
        QFETCH(QByteArray, path);
        QFETCH(QString, error);
        QCOMPARE(::mkfifo(Path("pipe.tst").constData(), 0600), 0);
        QVERIFY(MakeSocket(Path("socket.tst").toStdString()));
        // Named on the command line, as at start.
        TestProgram p(nullptr, path.toStdString());
        QTRY_COMPARE(p.messages.errors, QStringList{error});
        QVERIFY(p.main.isVisible());
        QVERIFY(!p.report->isVisible());
        QCOMPARE(p.Counter(), QString("1 из 125"));
        QVERIFY(p.results().ResultsName().empty());
    }

    // --- Names that are not UTF-8 ---

    // A file system name is bytes; the caption shows what is not UTF-8 as replacement characters
    // and keeps the rest.
    void aNameThatIsNotUtf8ShowsInTheCaption() {
        const QByteArray path =
            QFile::encodeName(dir_.path()) + "/\xff\xfe-" + QByteArray("Иванов.2005.tst");
        QVERIFY(WriteBytes(path, QByteArray(25, 3)));
        TestProgram p;
        QString caption;
        QString footer;
        p.WhenReportShown([&] {
            caption = p.report->windowTitle();
            footer = TFormReport::FooterFor(p.results().ResultsName());
            p.report->close();
        });
        p.main.OpenParamStr(path.toStdString());
        const QString name = QString(2, QChar::ReplacementCharacter) + "-Иванов";
        QCOMPARE(caption, "Результаты теста - " + name);
        QCOMPARE(footer, "Тест Ормитан  -  " + name);
        QVERIFY(p.messages.errors.isEmpty());
        QVERIFY(p.messages.warnings.isEmpty());
        // QDir cannot name it to remove it.
        QCOMPARE(::unlink(path.constData()), 0);
    }
};

ORMITAN_WIDGET_TEST_MAIN(TestFaults)
#include "test_faults.moc"
