// Error messages by code and the final-period rule of the error box.
#include <QtTest>

#include "core/errors.h"

using namespace ormitan;

class TestErrors : public QObject {
    Q_OBJECT
  private slots:
    void messagesByCode_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("2") << 2 << "File not found";
        QTest::newRow("3") << 3 << "Invalid filename";
        QTest::newRow("4") << 4 << "Too many open files";
        QTest::newRow("5") << 5 << "File access denied";
        QTest::newRow("100") << 100 << "Read beyond end of file";
        QTest::newRow("101") << 101 << "Disk full";
        QTest::newRow("sharing") << 32 << "I/O error 32";
        QTest::newRow("disk full") << 112 << "I/O error 112";
    }
    void messagesByCode() {
        QFETCH(int, code);
        QFETCH(QString, message);
        const EInOutError error(code);
        QCOMPARE(error.ErrorCode(), code);
        QCOMPARE(QString::fromStdString(error.Message()), message);
        QCOMPARE(QString(error.what()), message);
    }

    void finalPeriod_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("latin letter") << "File not found"
                                      << "File not found.";
        QTest::newRow("digit") << "I/O error 32"
                               << "I/O error 32.";
        QTest::newRow("cyrillic letter") << "Нет принтера"
                                         << "Нет принтера.";
        QTest::newRow("ends in a period") << "Done."
                                          << "Done.";
        QTest::newRow("exclamation") << "Stop!"
                                     << "Stop!";
        QTest::newRow("bracket") << "(none)"
                                 << "(none)";
        QTest::newRow("blank") << "trailing "
                               << "trailing ";
        QTest::newRow("comma is below the period") << "a,"
                                                   << "a,";
        QTest::newRow("slash is above") << "a/"
                                        << "a/.";
        QTest::newRow("empty") << ""
                               << "";
    }
    void finalPeriod() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(WithFinalPeriod(message.toStdString())), shown);
    }
};

QTEST_GUILESS_MAIN(TestErrors)
#include "test_errors.moc"
