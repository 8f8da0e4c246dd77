#include "player/jpeg_decoder.h"
#include "player/picture_decoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace vantaloop;

namespace {

// A 40 × 20 JPEG: red on the left half, blue on the right.
QByteArray halves()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

// The same JPEG with an EXIF segment that carries the orientation.
QByteArray withOrientation(const QByteArray &jpeg, int orientation, bool bigEndian)
{
    QByteArray tiff = bigEndian ? QByteArray("MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01", 18)
                                : QByteArray("II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 18);
    tiff += bigEndian ? QByteArray("\0", 1) + char(orientation) + QByteArray(2, '\0')
                      : char(orientation) + QByteArray(3, '\0');
    tiff += QByteArray(4, '\0'); // no further directory
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(body.size()) + 2;
    const QByteArray segment =
        QByteArray("\xff\xe1", 2) + char(length >> 8) + char(length & 0xff) + body;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

bool reddish(QRgb c)
{
    return qRed(c) > 200 && qBlue(c) < 60;
}

QString saved(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("picture.jpg"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace

class JpegDecoderTest : public QObject {
    Q_OBJECT

private slots:
    // Every orientation turns the picture as Qt's own reader does.
    void orientation_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("bigEndian");
        for (int o = 1; o <= 8; ++o) {
            QTest::newRow(qPrintable(QStringLiteral("%1, Intel order").arg(o))) << o << false;
            QTest::newRow(qPrintable(QStringLiteral("%1, Motorola order").arg(o))) << o << true;
        }
    }
    void orientation()
    {
        QFETCH(int, orientation);
        QFETCH(bool, bigEndian);
        const QByteArray jpeg = withOrientation(halves(), orientation, bigEndian);
        QCOMPARE(jpeg::exifOrientation(jpeg), orientation);

        QTemporaryDir dir;
        const DecodedPicture ours = decodePicture(saved(dir, jpeg));
        QVERIFY2(ours.ok(), qPrintable(ours.error));
        QBuffer buffer;
        buffer.setData(jpeg);
        QImageReader qt(&buffer);
        qt.setAutoTransform(true);
        const QImage reference = qt.read();
        QCOMPARE(ours.image.size(), reference.size());
        QCOMPARE(ours.naturalSize, reference.size());
        for (const QPoint at :
             {QPoint(2, 2), QPoint(reference.width() - 3, reference.height() - 3)})
            QCOMPARE(reddish(ours.image.pixel(at)), reddish(reference.pixel(at)));
    }

    void noExifMeansUpright()
    {
        QCOMPARE(jpeg::exifOrientation(halves()), 1);
        QCOMPARE(jpeg::exifOrientation(QByteArray("\xff\xd8\xff\xe1\xff\xff", 6)), 1);
    }

    // The smallest TurboJPEG scale that still covers the view, then fitted.
    void scaledDecoding_data()
    {
        QTest::addColumn<QSize>("fit");
        QTest::addColumn<QSize>("decoded");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("exactly a quarter") << QSize(200, 150) << QSize(200, 150) << QSize(200, 150);
        QTest::newRow("just over a quarter")
            << QSize(201, 150) << QSize(300, 225) << QSize(200, 150);
        QTest::newRow("an eighth") << QSize(100, 75) << QSize(100, 75) << QSize(100, 75);
        QTest::newRow("larger than the picture")
            << QSize(1600, 1200) << QSize(800, 600) << QSize(800, 600);
        QTest::newRow("own size") << QSize() << QSize(800, 600) << QSize(800, 600);
    }
    void scaledDecoding()
    {
        QFETCH(QSize, fit);
        QFETCH(QSize, decoded);
        QFETCH(QSize, shown);
        QImage image(800, 600, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG");
        const auto raw = jpeg::decode(bytes, fit, 1 << 30);
        QVERIFY(raw);
        QCOMPARE(raw->image.size(), decoded);
        QCOMPARE(raw->naturalSize, QSize(800, 600));

        QTemporaryDir dir;
        const DecodedPicture picture = decodePicture(saved(dir, bytes), fit);
        QCOMPARE(picture.image.size(), shown);
        QCOMPARE(picture.naturalSize, QSize(800, 600));
    }

    void greyPicturesStayGrey()
    {
        QImage image(16, 8, QImage::Format_Grayscale8);
        image.fill(128);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG");
        const auto decoded = jpeg::decode(bytes, {}, 1 << 30);
        QVERIFY(decoded);
        QCOMPARE(decoded->image.format(), QImage::Format_Grayscale8);
        QVERIFY(qAbs(qGray(decoded->image.pixel(3, 3)) - 128) < 4);
    }

    void tooLargeIsRefused()
    {
        const auto decoded = jpeg::decode(halves(), {}, 100);
        QVERIFY(decoded);
        QVERIFY(decoded->image.isNull());
        QVERIFY(decoded->error.contains(QStringLiteral("40 × 20")));
    }
};

QTEST_GUILESS_MAIN(JpegDecoderTest)
#include "tst_jpeg_decoder.moc"
