// Results files: reading, writing, the error codes, and that a failed save loses nothing.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>
#include <sys/types.h>

#include "core/errors.h"
#include "core/results_file.h"
#include "doubles/fake_file_layer.h"
#include "doubles/small_tmpfs.h"
#include "doubles/unix_socket.h"
#include "platform/posix_file_layer.h"

using namespace ormitan;

namespace {

QByteArray Bytes(
    int count, int (*value)(int) = [](int k) { return k; }) {
    QByteArray bytes;
    for (int k = 0; k < count; ++k) {
        bytes.append(char(value(k)));
    }
    return bytes;
}

void WriteRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadRaw(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Runs `action`, expects an EInOutError, and returns "code message".
template <typename Action>
QString IoFailure(Action action) {
    try {
        action();
    } catch (const EInOutError& error) {
        return QString::number(error.ErrorCode()) + " " + QString::fromStdString(error.Message());
    }
    return "no error";
}

mode_t FileType(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

ScoreArray Sample() {
    ScoreArray scores{};
    for (int k = 0; k < 25; ++k) {
        scores[k] = std::uint8_t(k % 16);
    }
    return scores;
}

}  // namespace

class TestResultsFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    platform::PosixFileLayer files_;
    std::string Path(const QString& name) const { return dir_.filePath(name).toStdString(); }
    QStringList Entries() const {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

  private slots:
    void init() {
        QDir dir(dir_.path());
        const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        for (const QFileInfo& entry : dir.entryInfoList(all)) {
            if (entry.isDir()) {
                QDir(entry.filePath()).removeRecursively();
            } else {
                dir.remove(entry.fileName());
            }
        }
    }

    void readsTheFirst25Bytes_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("exactly 25") << 25;
        QTest::newRow("26") << 26;
        QTest::newRow("10 MB") << 10 * 1024 * 1024;
    }
    void readsTheFirst25Bytes() {
        QFETCH(int, size);
        WriteRaw(dir_.filePath("ivanov.tst"), Bytes(size, [](int k) { return k % 256; }));
        ScoreArray scores{};
        std::string name;
        LoadResults(files_, Path("ivanov.tst"), scores, name);
        for (int k = 0; k < 25; ++k) {
            QCOMPARE(int(scores[k]), k);
        }
        QCOMPARE(QString::fromStdString(name), QString("ivanov"));
    }

    void everyByteValueIsKept() {
        WriteRaw(dir_.filePath("high.tst"),
                 Bytes(25, [](int k) { return k == 3 ? 200 : 255 - k; }));
        const ScoreArray scores = ReadResultsFile(files_, Path("high.tst"));
        QCOMPARE(int(scores[3]), 200);
        QCOMPARE(int(scores[0]), 255);
        QCOMPARE(int(scores[24]), 231);
    }

    void shortFilesAreAnErrorAndChangeNothing_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("24 bytes") << 24;
        QTest::newRow("empty") << 0;
        QTest::newRow("1 byte") << 1;
    }
    void shortFilesAreAnErrorAndChangeNothing() {
        QFETCH(int, size);
        WriteRaw(dir_.filePath("short.tst"), Bytes(size, [](int) { return 9; }));
        ScoreArray scores{};
        std::string name;
        QCOMPARE(IoFailure([&] { LoadResults(files_, Path("short.tst"), scores, name); }),
                 QString("100 Read beyond end of file"));
        QCOMPARE(scores, ScoreArray{});
        QVERIFY(name.empty());
    }

    void openFailuresCarryTheirCodes() {
        std::string name = "kept";
        ScoreArray scores{};
        QCOMPARE(IoFailure([&] { LoadResults(files_, Path("missing.tst"), scores, name); }),
                 QString("2 File not found"));
        QCOMPARE(
            IoFailure([&] { LoadResults(files_, Path("no/such/folder/a.tst"), scores, name); }),
            QString("3 Invalid filename"));
        QVERIFY(QDir(dir_.path()).mkdir("folder.tst"));
        QCOMPARE(IoFailure([&] { LoadResults(files_, Path("folder.tst"), scores, name); }),
                 QString("5 File access denied"));
        // A file used as a folder in the path.
        WriteRaw(dir_.filePath("plain"), Bytes(25));
        QCOMPARE(IoFailure([&] { LoadResults(files_, Path("plain/a.tst"), scores, name); }),
                 QString("3 Invalid filename"));
        QCOMPARE(QString::fromStdString(name), QString("kept"));
    }

    void aFifoIsRefusedAtOnce() {
        const std::string fifo = Path("pipe.tst");
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        // With a blocking open this would wait for a writer forever.
        QCOMPARE(IoFailure([&] { ReadResultsFile(files_, fifo); }),
                 QString("5 File access denied"));
    }

    void aReadOnlyFileOpens() {
        WriteRaw(dir_.filePath("ro.tst"), Bytes(25));
        QVERIFY(QFile::setPermissions(dir_.filePath("ro.tst"), QFileDevice::ReadOwner));
        const ScoreArray scores = ReadResultsFile(files_, Path("ro.tst"));
        QCOMPARE(int(scores[24]), 24);
    }

    void savingWrites25BytesAndNamesTheResults() {
        std::string name;
        const ScoreArray scores = Sample();
        SaveResults(files_, Path("ivanov.tst"), scores, name);
        QCOMPARE(QString::fromStdString(name), QString("ivanov"));
        const QByteArray bytes = ReadRaw(dir_.filePath("ivanov.tst"));
        QCOMPARE(bytes.size(), 25);
        for (int k = 0; k < 25; ++k) {
            QCOMPARE(int(std::uint8_t(bytes[k])), k % 16);
        }
        // Saving over a longer file leaves exactly 25 bytes.
        WriteRaw(dir_.filePath("petrov.tst"), QByteArray(100, 'x'));
        SaveResults(files_, Path("petrov.tst"), scores, name);
        QCOMPARE(ReadRaw(dir_.filePath("petrov.tst")).size(), 25);
        QCOMPARE(QString::fromStdString(name), QString("petrov"));
        QCOMPARE(Entries(), (QStringList{"ivanov.tst", "petrov.tst"}));
    }

    void savingKeepsTheOldFilesPermissions() {
        WriteRaw(dir_.filePath("mode.tst"), Bytes(25));
        QVERIFY(QFile::setPermissions(dir_.filePath("mode.tst"), QFileDevice::ReadOwner |
                                                                     QFileDevice::WriteOwner |
                                                                     QFileDevice::ReadGroup));
        WriteResultsFile(files_, Path("mode.tst"), Sample());
        struct stat info {};
        QCOMPARE(::stat(Path("mode.tst").c_str(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0640));
    }

    // A new file gets the permissions any new file gets: read and write for all, less the umask.
    void aNewFileTakesTheUmask() {
        const mode_t mask = ::umask(027);
        WriteResultsFile(files_, Path("new.tst"), Sample());
        ::umask(mask);
        struct stat info {};
        QCOMPARE(::stat(Path("new.tst").c_str(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0640));
    }

    // A read-only file system or a directory refuses access like a protected file does; only
    // EIO has a code of its own.
    void systemErrorsReadAsTheProgramsCodes() {
        for (const int error : {EACCES, EPERM, EROFS, EISDIR}) {
            QCOMPARE(platform::ErrorCodeFor(error, Path("x.tst")), 5);
        }
        QCOMPARE(platform::ErrorCodeFor(EIO, Path("x.tst")), 1117);
    }

    void failedSavesOnDiskChangeNothing() {
        std::string name = "before";
        QCOMPARE(IoFailure([&] { SaveResults(files_, Path("none/x.tst"), Sample(), name); }),
                 QString("3 Invalid filename"));
        QVERIFY(QDir(dir_.path()).mkdir("folder.tst"));
        QCOMPARE(IoFailure([&] { SaveResults(files_, Path("folder.tst"), Sample(), name); }),
                 QString("5 File access denied"));
        QCOMPARE(QString::fromStdString(name), QString("before"));
        QCOMPARE(Entries(), QStringList{});
    }

    // Every step of a save can fail; the previous file must keep its bytes and no temporary
    // file may stay behind.
    void aSaveFailingAtAnyStepLosesNothing_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");
        using S = FakeFileLayer::Step;
        QTest::newRow("create") << int(S::Create) << 5 << "5 File access denied";
        QTest::newRow("write") << int(S::Write) << 112 << "112 I/O error 112";
        QTest::newRow("short write") << int(S::ShortWrite) << 0 << "101 Disk full";
        QTest::newRow("sync") << int(S::Sync) << 1117 << "1117 I/O error 1117";
        QTest::newRow("close") << int(S::Close) << 32 << "32 I/O error 32";
        QTest::newRow("rename") << int(S::Replace) << 5 << "5 File access denied";
    }
    void aSaveFailingAtAnyStepLosesNothing() {
        QFETCH(int, step);
        QFETCH(int, code);
        QFETCH(QString, expected);
        FakeFileLayer fake;
        const std::vector<std::uint8_t> old(25, 7);
        fake.files["/r/ivanov.tst"] = old;
        fake.failing = FakeFileLayer::Step(step);
        fake.failCode = code;
        std::string name = "ivanov";
        QCOMPARE(IoFailure([&] { SaveResults(fake, "/r/ivanov.tst", Sample(), name); }), expected);
        QCOMPARE(fake.files.size(), std::size_t(1));
        QVERIFY(fake.files.at("/r/ivanov.tst") == old);
        QVERIFY(fake.OpenHandles().empty());
        QCOMPARE(QString::fromStdString(name), QString("ivanov"));
    }

    void aFailedReadClosesTheFileAndKeepsTheScores() {
        FakeFileLayer fake;
        fake.files["a.tst"] = std::vector<std::uint8_t>(25, 1);
        fake.failing = FakeFileLayer::Step::Read;
        fake.failCode = 1117;
        ScoreArray scores{};
        std::string name;
        QCOMPARE(IoFailure([&] { LoadResults(fake, "a.tst", scores, name); }),
                 QString("1117 I/O error 1117"));
        QVERIFY(fake.OpenHandles().empty());
        QCOMPARE(fake.closes, 1);
        QCOMPARE(scores, ScoreArray{});
        QVERIFY(name.empty());
    }

    // --- Faults from outside: a full disk, files that are no results files, absurd paths ---

    void aSaveOntoAFullDiskLosesNothing() {
        SmallTmpfs disk(64);
        if (!disk.Mounted()) {
            QSKIP(qPrintable(disk.Why()));
        }
        const QByteArray old(25, 7);
        WriteRaw(disk.FilePath("ivanov.tst"), old);
        QVERIFY(disk.Fill("filler"));
        const QStringList before = QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden);
        std::string name = "ivanov";
        for (const QString& target : QStringList{"ivanov.tst", "petrov.tst"}) {
            const std::string path = QFile::encodeName(disk.FilePath(target)).toStdString();
            QCOMPARE(IoFailure([&] { SaveResults(files_, path, Sample(), name); }),
                     QString("112 I/O error 112"));
        }
        QCOMPARE(ReadRaw(disk.FilePath("ivanov.tst")), old);
        QCOMPARE(QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden), before);
        QCOMPARE(QString::fromStdString(name), QString("ivanov"));
    }

    void whatIsNoRegularFileIsRefusedAtOnce_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("/dev/null") << "/dev/null";
        QTest::newRow("/dev/zero") << "/dev/zero";
        QTest::newRow("a socket") << "socket.tst";
        QTest::newRow("a folder") << "folder.tst";
    }
    void whatIsNoRegularFileIsRefusedAtOnce() {
        QFETCH(QString, path);
        QVERIFY(MakeSocket(Path("socket.tst")));
        QVERIFY(QDir(dir_.path()).mkdir("folder.tst"));
        const std::string full = path.startsWith('/') ? path.toStdString() : Path(path);
        ScoreArray scores{};
        std::string name;
        QCOMPARE(IoFailure([&] { LoadResults(files_, full, scores, name); }),
                 QString("5 File access denied"));
        QCOMPARE(scores, ScoreArray{});
        QVERIFY(name.empty());
    }

    // Saving must not put a regular file in the place of a pipe or a socket.
    void savingOntoAPipeOrASocketIsRefused() {
        const std::string fifo = Path("pipe.tst");
        const std::string socket = Path("socket.tst");
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        QVERIFY(MakeSocket(socket));
        std::string name;
        for (const std::string& path : {fifo, socket}) {
            QCOMPARE(IoFailure([&] { SaveResults(files_, path, Sample(), name); }),
                     QString("5 File access denied"));
        }
        QCOMPARE(FileType(fifo), mode_t(S_IFIFO));
        QCOMPARE(FileType(socket), mode_t(S_IFSOCK));
        const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(dir_.path()).entryList(all), (QStringList{"pipe.tst", "socket.tst"}));
        QVERIFY(name.empty());
    }

    void pathsTooLongForTheSystem_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("a 5000-character name") << QString(4996, 'a') + ".tst";
        QTest::newRow("a 5000-character path") << QString("abcdefgh/").repeated(555) + "a.tst";
    }
    void pathsTooLongForTheSystem() {
        QFETCH(QString, relative);
        const std::string path = Path(relative);
        QVERIFY(path.size() > 5000);
        ScoreArray scores{};
        std::string name = "kept";
        QCOMPARE(IoFailure([&] { LoadResults(files_, path, scores, name); }),
                 QString("36 I/O error 36"));
        QCOMPARE(IoFailure([&] { SaveResults(files_, path, Sample(), name); }),
                 QString("36 I/O error 36"));
        QCOMPARE(QString::fromStdString(name), QString("kept"));
        QCOMPARE(Entries(), QStringList{});
    }

    void aHugeFileIsReadOnlyAsFarAs25Bytes() {
        FakeFileLayer fake;
        auto& bytes = fake.files["/r/huge.tst"];
        bytes.resize(10 * 1024 * 1024, 0xEE);
        std::fill_n(bytes.begin(), 25, 3);
        const ScoreArray scores = ReadResultsFile(fake, "/r/huge.tst");
        QCOMPARE(fake.bytesRead, std::size_t(25));
        QCOMPARE(int(scores[24]), 3);
        QVERIFY(fake.OpenHandles().empty());
    }

    // A read may deliver less than it was asked for before the end of the file.
    void readsThatDeliverAByteAtATimeAddUp() {
        const ScoreArray sample = Sample();
        FakeFileLayer fake;
        fake.readChunk = 1;
        fake.files["/r/a.tst"] = std::vector<std::uint8_t>(sample.begin(), sample.end());
        fake.files["/r/short.tst"] = std::vector<std::uint8_t>(24, 1);
        QCOMPARE(ReadResultsFile(fake, "/r/a.tst"), sample);
        QCOMPARE(IoFailure([&] { ReadResultsFile(fake, "/r/short.tst"); }),
                 QString("100 Read beyond end of file"));
        QVERIFY(fake.OpenHandles().empty());
    }

    void baseNames_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("base");
        QTest::newRow("windows path") << "C:\\Тесты\\ivanov.tst"
                                      << "ivanov";
        QTest::newRow("first dot") << "ivanov.2005.tst"
                                   << "ivanov";
        QTest::newRow("dotted folder, no dot in the name") << "C:\\Тесты.old\\ivanov"
                                                           << "";
        QTest::newRow("leading dot") << ".hidden"
                                     << "";
        QTest::newRow("no dot") << "ivanov"
                                << "";
        QTest::newRow("drive colon") << "C:ivanov.tst"
                                     << "ivanov";
        QTest::newRow("unix path") << "/home/user/Тесты.old/ivanov.tst"
                                   << "ivanov";
        QTest::newRow("unix path, no dot") << "/home/user/Тесты.old/ivanov"
                                           << "";
        QTest::newRow("cyrillic name") << "/tmp/Иванов Пётр.tst"
                                       << "Иванов Пётр";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("trailing slash") << "/tmp/a.b/"
                                        << "";
    }
    void baseNames() {
        QFETCH(QString, path);
        QFETCH(QString, base);
        QCOMPARE(QString::fromStdString(ExtractBaseName(path.toStdString())), base);
    }
};

QTEST_GUILESS_MAIN(TestResultsFile)
#include "test_results_file.moc"
