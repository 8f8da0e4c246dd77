#include "player/image_viewer.h"
#include "player/image_window.h"
#include "support/test_support.h"
#include "support/widget_support.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace vantaloop;
using vantaloop::testing::load;
using vantaloop::testing::show;

namespace {

QString writeSolid(const QTemporaryDir &dir, const QString &name, QSize size, QColor colour,
                   const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    image.save(path, format);
    return path;
}

QSize screenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

} // namespace

class ImageViewerTest : public QObject {
    Q_OBJECT

private slots:
    // The format comes from the content: a BMP named .jpg still loads.
    void loadsEachFormatByContent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("bmp") << "a.bmp" << QByteArray("BMP");
        QTest::newRow("jpeg") << "a.jpg" << QByteArray("JPEG");
        QTest::newRow("xbm") << "a.xbm" << QByteArray("XBM");
        QTest::newRow("bmp named jpg") << "wrong.jpg" << QByteArray("BMP");
    }
    void loadsEachFormatByContent()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QTemporaryDir dir;
        const QString path = writeSolid(dir, name, QSize(30, 20), Qt::white, format.constData());
        ImageViewer viewer;
        QVERIFY(load(viewer, path));
        QCOMPARE(viewer.pictureSize(), QSize(30, 20));
        QCOMPARE(viewer.size(), QSize(30, 20)); // auto-size takes the picture's size
    }

    void aDamagedPictureLeavesTheEarlierOne()
    {
        QTemporaryDir dir;
        const QString good = writeSolid(dir, "good.bmp", QSize(8, 8), Qt::red, "BMP");
        const QString bad = testing::writeFile(dir, QStringLiteral("bad.jpg"),
                                               "\xff\xd8\xff\xe0 this is not really a JPEG");

        ImageViewer viewer;
        QVERIFY(load(viewer, good));
        QSignalSpy failed(&viewer, &ImageViewer::pictureFailed);
        QVERIFY(!load(viewer, bad));
        QCOMPARE(failed.size(), 1);
        QVERIFY(!failed.first().at(1).toString().isEmpty());
        QCOMPARE(viewer.picturePath(), good);
        QCOMPARE(viewer.pictureSize(), QSize(8, 8));
    }

    // Fixed size: a larger picture is scaled down keeping its shape, centred.
    void fixedSizeFitsALargerPicture()
    {
        QTemporaryDir dir;
        const QString path = writeSolid(dir, "wide.bmp", QSize(200, 100), Qt::red, "BMP");
        ImageViewer viewer;
        viewer.setAutoSize(false);
        viewer.resize(100, 100);
        QVERIFY(load(viewer, path));
        QCOMPARE(viewer.size(), QSize(100, 100));
        const QImage shot = viewer.grab().toImage();
        QCOMPARE(QColor(shot.pixel(50, 10)), QColor(Qt::black));
        QCOMPARE(QColor(shot.pixel(50, 50)), QColor(Qt::red));
        QCOMPARE(QColor(shot.pixel(50, 90)), QColor(Qt::black));
    }

    // A new fixed size decodes the picture on screen again to fit it, without
    // counting as a new picture.
    void aNewFixedSizeRefitsThePictureOnScreen()
    {
        QTemporaryDir dir;
        const QString path = writeSolid(dir, "wide.bmp", QSize(400, 200), Qt::red, "BMP");
        ImageViewer viewer;
        viewer.setAutoSize(false);
        viewer.resize(100, 100);
        QVERIFY(load(viewer, path));
        QCOMPARE(viewer.picture().size(), QSize(100, 50));
        QSignalSpy loaded(&viewer, &ImageViewer::pictureLoaded);
        viewer.resize(200, 200);
        viewer.show();
        QTRY_COMPARE(viewer.picture().size(), QSize(200, 100));
        QCOMPARE(viewer.pictureSize(), QSize(400, 200));
        QVERIFY(loaded.isEmpty());
    }

    // Fixed size: a smaller picture stays at its own size, centred.
    void fixedSizeCentresASmallerPicture()
    {
        QTemporaryDir dir;
        const QString path = writeSolid(dir, "small.bmp", QSize(20, 20), Qt::green, "BMP");
        ImageViewer viewer;
        viewer.setAutoSize(false);
        viewer.resize(100, 60);
        QVERIFY(load(viewer, path));
        const QImage shot = viewer.grab().toImage();
        QCOMPARE(QColor(shot.pixel(50, 30)), QColor(Qt::green));
        QCOMPARE(QColor(shot.pixel(35, 30)), QColor(Qt::black));
        QCOMPARE(QColor(shot.pixel(41, 21)), QColor(Qt::green));
    }

    void viewSizes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QSize>("size");
        QTest::newRow("640x480") << 1 << QSize(640, 480);
        QTest::newRow("1152x882") << 4 << QSize(1152, 882);
        QTest::newRow("1600x1200") << 6 << QSize(1600, 1200);
    }
    // A view size applies to the window and the viewer at once, shown or not, but
    // the place waits for the next picture.
    void viewSizes()
    {
        QFETCH(int, code);
        QFETCH(QSize, size);
        QTemporaryDir dir;
        ImageWindow window;
        window.move(5, 7);
        window.setViewSize(code);
        QCOMPARE(window.size(), size);
        QCOMPARE(window.viewer()->size(), size);
        QVERIFY(!window.viewer()->autoSize());
        QVERIFY(!window.isVisible());
        QCOMPARE(window.pos(), QPoint(5, 7));

        QVERIFY(show(window, writeSolid(dir, "p.bmp", QSize(50, 40), Qt::blue, "BMP")));
        QCOMPARE(window.size(), size); // the picture does not resize a fixed view
        QVERIFY(window.isVisible());
    }

    void autoSizeAfterAFixedSizeWaitsForTheNextPicture()
    {
        QTemporaryDir dir;
        ImageWindow window;
        window.setViewSize(1);
        QVERIFY(show(window, writeSolid(dir, "a.bmp", QSize(50, 40), Qt::blue, "BMP")));
        window.setViewSize(0);
        QCOMPARE(window.size(), QSize(640, 480));
        QVERIFY(show(window, writeSolid(dir, "b.bmp", QSize(60, 30), Qt::blue, "BMP")));
        QCOMPARE(window.size(), QSize(60, 30));
    }

    void everyLoadPlacesTheWindowWithThePositionThenChosen()
    {
        QTemporaryDir dir;
        const QString path = writeSolid(dir, "c.bmp", QSize(100, 50), Qt::blue, "BMP");
        ImageWindow window;
        QVERIFY(!window.isVisible());
        QVERIFY(show(window, path));
        const QSize screen = screenSize();
        QCOMPARE(
            window.geometry(),
            QRect(QPoint((screen.width() - 100) / 2, (screen.height() - 50) / 2), QSize(100, 50)));
        window.setPositionCode(presentation::BottomRight);
        QCOMPARE(window.pos().x(), (screen.width() - 100) / 2); // not until the next picture
        window.move(0, 0); // the same slide again is placed again
        QVERIFY(show(window, path));
        QCOMPARE(window.pos(), QPoint(screen.width() - 100, screen.height() - 50));
        window.hideWindow();
        QVERIFY(!window.isVisible());
    }

    // Stop while a picture is still loading: it must not bring the window back.
    void hidingDropsAPictureStillLoading()
    {
        QTemporaryDir dir;
        const QString path = writeSolid(dir, "slow.bmp", QSize(300, 200), Qt::blue, "BMP");
        ImageWindow window;
        bool called = false;
        window.showPicture(path, [&called](bool) { called = true; });
        window.hideWindow();
        window.viewer()->loader().waitForIdle();
        QTest::qWait(50);
        QVERIFY(!called);
        QVERIFY(!window.isVisible());
    }

    // Only the picture asked for last is shown; the one stepped past is dropped.
    void aPictureSteppedPastIsDropped()
    {
        QTemporaryDir dir;
        const QString first = writeSolid(dir, "first.bmp", QSize(30, 20), Qt::red, "BMP");
        const QString second = writeSolid(dir, "second.bmp", QSize(40, 20), Qt::green, "BMP");
        ImageViewer viewer;
        QSignalSpy loaded(&viewer, &ImageViewer::pictureLoaded);
        viewer.setPicturePath(first);
        viewer.setPicturePath(second);
        viewer.loader().waitForIdle();
        QTRY_COMPARE(loaded.size(), 1);
        QCOMPARE(viewer.picturePath(), second);
    }
};

QTEST_MAIN(ImageViewerTest)
#include "tst_image_viewer.moc"
