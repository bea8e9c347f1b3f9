// The gift catalogue and the statement table.
#include <QFile>
#include <QString>
#include <QtTest>

#include "core/catalogue.h"

using namespace ormitan;

namespace {
QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
}  // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
  private slots:
    void giftNamesInCatalogueOrder() {
        QCOMPARE(GiftNames.size(), std::size_t(25));
        QCOMPARE(Q(GiftName(1)), QString("Пророчество"));
        QCOMPARE(Q(GiftName(2)), QString("Пастор"));
        QCOMPARE(Q(GiftName(14)), QString("Вера"));
        QCOMPARE(Q(GiftName(16)), QString("Управление"));
        QCOMPARE(Q(GiftName(21)), QString("Добровольная бедность"));
        QCOMPARE(Q(GiftName(25)), QString("Служение"));
        // Shortest and longest names, as the chart legend must fit them.
        qsizetype shortest = 1000, longest = 0;
        for (auto name : GiftNames) {
            shortest = std::min(shortest, Q(name).size());
            longest = std::max(longest, Q(name).size());
        }
        QCOMPARE(shortest, 4);
        QCOMPARE(longest, 21);
    }

    void statementFileHasExactly125Lines() {
        // The compiled table is split from this file; check the file itself too, so a stray
        // blank line or a missing final newline is caught where it is made.
        QFile file(qEnvironmentVariable("ORMITAN_SOURCE_DIR") + "/content/statements.txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(bytes.endsWith('\n'));
        QCOMPARE(bytes.count('\n'), 125);
        QCOMPARE(Statements.size(), std::size_t(125));
        const QList<QByteArray> lines = bytes.split('\n');
        for (int k = 1; k <= 125; ++k) {
            QCOMPARE(QString::fromUtf8(lines[k - 1]), Q(Statement(k)));
        }
    }

    void firstStatementIsTheQuotedOne() {
        QCOMPARE(Q(Statement(1)),
                 QString("У меня есть желание говорить прямые слова от Бога для назидания, "
                         "увещевания и утешения других."));
    }

    void statementLengthsAndFullStops() {
        for (int k = 1; k <= StatementCount; ++k) {
            const QString text = Q(Statement(k));
            QVERIFY2(text.size() >= 30 && text.size() <= 165, qPrintable(QString::number(k)));
            QVERIFY2(text == text.trimmed(), qPrintable(QString::number(k)));
            if (k == 35) {
                QVERIFY(!text.endsWith('.'));
                QVERIFY(text.back().isLetter());
            } else {
                QVERIFY2(text.endsWith('.'), qPrintable(QString::number(k)));
            }
        }
    }

    void statementsAreDistinct() {
        QSet<QString> seen;
        for (auto text : Statements) {
            seen.insert(Q(text));
        }
        QCOMPARE(seen.size(), 125);
    }

    void answersAndPoints() {
        QCOMPARE(PointsOf(Answer::VeryTrue), 3);
        QCOMPARE(PointsOf(Answer::True), 2);
        QCOMPARE(PointsOf(Answer::SomewhatTrue), 1);
        QCOMPARE(PointsOf(Answer::NotTrue), 0);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
