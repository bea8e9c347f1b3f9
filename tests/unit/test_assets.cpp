// The pictures in content/: button glyphs, program icons, the hand cursor, and the program's
// compiled-in resources.
#include <QBitmap>
#include <QCursor>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

#include "content/cursors/hand.xbm"
#include "content/cursors/hand_mask.xbm"

namespace {

QString contentPath(const QString& relative) {
    const QByteArray root = qgetenv("ORMITAN_SOURCE_DIR");
    return QString::fromLocal8Bit(root) + QStringLiteral("/content/") + relative;
}

// The 16 colours of the standard VGA palette.
const QSet<QRgb>& vgaPalette() {
    static const QSet<QRgb> palette = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return palette;
}

bool bitSet(const unsigned char* bits, int x, int y) {
    return (bits[y * 4 + x / 8] >> (x % 8)) & 1;
}

}  // namespace

class TestAssets : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QVERIFY(!qgetenv("ORMITAN_SOURCE_DIR").isEmpty()); }

    void glyph_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"help", "open", "save", "print", "ok"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void glyph() {
        QFETCH(QString, name);
        const QImage image(contentPath(QStringLiteral("glyphs/%1.png").arg(name)));
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(32, 16));
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        int normal = 0;
        int greyed = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = argb.pixel(x, y);
                const int alpha = qAlpha(pixel);
                // Crisp pixel art: fully opaque or fully transparent, nothing in between.
                QVERIFY2(alpha == 0 || alpha == 255,
                         qPrintable(QStringLiteral("alpha at %1,%2").arg(x).arg(y)));
                if (alpha == 0)
                    continue;
                const QString where = QStringLiteral("%1 at %2,%3").arg(name).arg(x).arg(y);
                QVERIFY2(vgaPalette().contains(pixel | 0xff000000u), qPrintable(where));
                if (x < 16) {
                    ++normal;
                } else {
                    ++greyed;
                    QVERIFY2(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel),
                             qPrintable(where));
                }
            }
        }
        QVERIFY2(normal >= 20, qPrintable(QString::number(normal)));
        QVERIFY2(greyed >= 10, qPrintable(QString::number(greyed)));
    }

    void icon_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 256})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }
    void icon() {
        QFETCH(int, size);
        const QImage image(contentPath(QStringLiteral("icons/ormitan-%1.png").arg(size)));
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        // Transparent background at the rounded corners, opaque in the middle.
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
            QCOMPARE(qAlpha(argb.pixel(corner)), 0);
        QCOMPARE(qAlpha(argb.pixel(size / 2, size / 2)), 255);
    }

    void svgIcon() {
        QFile file(contentPath(QStringLiteral("icons/ormitan.svg")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
        QVERIFY(xml.attributes().hasAttribute(QStringLiteral("viewBox")));
        int elements = 1;
        while (!xml.atEnd()) {
            xml.readNext();
            elements += xml.isStartElement();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(elements > 3);
    }

    // The glyphs and icons the program compiles in (ormitan_ui's resources) are the files in
    // content/, byte for byte.
    void resources_data() {
        QTest::addColumn<QString>("path");
        for (const char* path :
             {"glyphs/help.png", "glyphs/open.png", "glyphs/save.png", "glyphs/print.png",
              "glyphs/ok.png", "icons/ormitan-16.png", "icons/ormitan-32.png",
              "icons/ormitan-48.png", "icons/ormitan-256.png"})
            QTest::newRow(path) << QString::fromLatin1(path);
    }
    void resources() {
        QFETCH(QString, path);
        QFile resource(QStringLiteral(":/images/") + path);
        QVERIFY2(resource.open(QIODevice::ReadOnly), qPrintable(resource.fileName()));
        QFile disk(contentPath(path));
        QVERIFY(disk.open(QIODevice::ReadOnly));
        QCOMPARE(resource.readAll(), disk.readAll());
    }

    void cursorDefines() {
        QCOMPARE(hand_width, 32);
        QCOMPARE(hand_height, 32);
        QCOMPARE(hand_x_hot, 7);
        QCOMPARE(hand_y_hot, 7);
        QCOMPARE(hand_mask_width, 32);
        QCOMPARE(hand_mask_height, 32);
        QCOMPARE(sizeof(hand_bits), size_t(32 * 4));
        QCOMPARE(sizeof(hand_mask_bits), size_t(32 * 4));
    }

    void cursorMaskCoversBitmap() {
        int black = 0;
        int white = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const bool ink = bitSet(hand_bits, x, y);
                const bool opaque = bitSet(hand_mask_bits, x, y);
                QVERIFY2(!ink || opaque, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                black += ink && opaque;
                white += !ink && opaque;
            }
        }
        QVERIFY(black > 50);
        QVERIFY(white > black);
        QVERIFY(bitSet(hand_mask_bits, hand_x_hot, hand_y_hot));
    }

    void cursorFilesParse_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("mask");
        QTest::newRow("bitmap") << QStringLiteral("cursors/hand.xbm") << false;
        QTest::newRow("mask") << QStringLiteral("cursors/hand_mask.xbm") << true;
    }
    void cursorFilesParse() {
        QFETCH(QString, file);
        QFETCH(bool, mask);
        const QImage image(contentPath(file), "XBM");
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(32, 32));
        const unsigned char* bits = mask ? hand_mask_bits : hand_bits;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(qGray(image.pixel(x, y)) == 0, bitSet(bits, x, y));
    }

    void cursorBuilds() {
        const QBitmap bitmap =
            QBitmap::fromData(QSize(hand_width, hand_height), hand_bits, QImage::Format_MonoLSB);
        const QBitmap mask = QBitmap::fromData(QSize(hand_mask_width, hand_mask_height),
                                               hand_mask_bits, QImage::Format_MonoLSB);
        QCOMPARE(bitmap.size(), QSize(32, 32));
        QCOMPARE(mask.size(), QSize(32, 32));
        const QCursor cursor(bitmap, mask, hand_x_hot, hand_y_hot);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(7, 7));
    }
};

QTEST_MAIN(TestAssets)
#include "test_assets.moc"
