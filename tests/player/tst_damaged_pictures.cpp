#include "player/image_viewer.h"
#include "player/image_window.h"
#include "player/picture_decoder.h"
#include "player/playback_controller.h"
#include "setup/slide_list_model.h"
#include "support/test_support.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QItemSelectionModel>
#include <QTest>

using namespace vantaloop;

namespace {

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage colourPicture()
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) % 256));
    }
    return image;
}

// A 1 × 1 GIF: two-colour table, its one pixel coded with the given index.
QByteArray gif(quint16 width, quint16 height, char lzwData)
{
    QByteArray g("GIF89a");
    const auto word = [&g](quint16 v) {
        g.append(char(v & 0xff)).append(char(v >> 8));
    };
    word(width);
    word(height);
    g.append("\x80\x00\x00", 3);
    g.append("\xff\xff\xff\x00\x00\x00", 6);
    g.append(",");
    word(0);
    word(0);
    word(width);
    word(height);
    g.append(char(0));
    g.append("\x02\x02", 2).append(lzwData).append("\x01\x00;", 3);
    return g;
}

QByteArray patched(QByteArray bytes, qsizetype at, const QByteArray &with)
{
    bytes.replace(at, with.size(), with);
    return bytes;
}

} // namespace

class DamagedPicturesTest : public QObject {
    Q_OBJECT

private slots:
    // Each file is named after its fault. None may crash or be misread past its
    // end; an impossible size must be refused.
    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("mustFail");

        const QByteArray jpeg = encoded(colourPicture(), "JPEG");
        const qsizetype sof = jpeg.indexOf("\xff\xc0");
        QTest::newRow("jpeg truncated") << jpeg.first(jpeg.size() / 2) << false;
        QTest::newRow("jpeg impossible size")
            << patched(jpeg, sof + 5, QByteArray("\xff\xff\xff\xff", 4)) << true;
        QTest::newRow("jpeg garbage after the start")
            << QByteArray("\xff\xd8\xff\xe0 garbage") << true;

        const QByteArray bmp = encoded(colourPicture(), "BMP");
        QTest::newRow("bmp truncated") << bmp.first(bmp.size() / 3) << false;
        QTest::newRow("bmp impossible size")
            << patched(bmp, 18, QByteArray("\xff\xff\xff\x7f\xff\xff\xff\x7f", 8)) << true;
        QImage indexed(16, 16, QImage::Format_Indexed8);
        indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        indexed.fill(200); // indexes far past the two colours
        QTest::newRow("bmp palette index out of range") << encoded(indexed, "BMP") << false;

        QTest::newRow("gif palette index out of range") << gif(1, 1, '\x5c') << false;
        QTest::newRow("gif truncated") << gif(1, 1, '\x44').first(20) << true;
        QTest::newRow("gif impossible size") << gif(65535, 65535, '\x44') << true;

        QTest::newRow("xbm truncated") << QByteArray("#define a_width 16\n#define a_height 16\n"
                                                     "static char a_bits[] = { 0x00, 0xff,")
                                       << false;
        QTest::newRow("xbm impossible size")
            << QByteArray("#define a_width 99999999\n#define a_height 99999999\n"
                          "static char a_bits[] = { 0x00 };")
            << true;
    }
    void damagedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, mustFail);
        QTemporaryDir dir;
        const DecodedPicture decoded =
            decodePicture(testing::writeFile(dir, QStringLiteral("damaged"), bytes));
        if (mustFail)
            QVERIFY(!decoded.ok());
        if (!decoded.ok())
            QVERIFY(!decoded.error.isEmpty());
    }

    // In a show, what cannot be decoded is passed over and the show goes on.
    void theShowPassesOverThem()
    {
        QTemporaryDir dir;
        SlideListModel list;
        QItemSelectionModel selection(&list);
        PlaybackController playback(&list, &selection);
        ImageWindow window;
        playback.setDisplay(&window);
        const QString first = testing::writePicture(dir, "1-first.bmp", QSize(30, 20));
        const QString last = testing::writePicture(dir, "3-last.bmp", QSize(50, 40));
        QStringList paths{first, last};
        for (const char *name : {"2-a.jpg", "2-b.gif", "2-c.pcx"})
            paths.append(testing::writeFile(dir, QLatin1String(name),
                                            "\x0a\x05\x01\x08 not a picture at all"));
        list.addPaths(paths);
        PictureLoader &loader = window.viewer()->loader();
        playback.playForward();
        QTRY_COMPARE(window.viewer()->picturePath(), first);
        for (int i = 0; i < 3; ++i) {
            playback.timerTick();
            loader.waitForIdle();
            QCOMPARE(window.viewer()->picturePath(), first); // the earlier picture stays
            QVERIFY(selection.selectedIndexes().isEmpty());
        }
        playback.timerTick();
        QTRY_COMPARE(window.viewer()->picturePath(), last);
        QCOMPARE(window.size(), QSize(50, 40));
        QCOMPARE(playback.playState(), PlayState::Forward);
    }
};

QTEST_MAIN(DamagedPicturesTest)
#include "tst_damaged_pictures.moc"
