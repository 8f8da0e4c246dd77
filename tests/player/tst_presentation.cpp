#include "player/presentation.h"

#include <QTest>

using namespace vantaloop;
using namespace vantaloop::presentation;

class PresentationTest : public QObject {
    Q_OBJECT

private slots:
    void fixedViewSize_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QSize>("size");
        QTest::newRow("auto") << 0 << QSize();
        QTest::newRow("640x480") << 1 << QSize(640, 480);
        QTest::newRow("800x600") << 2 << QSize(800, 600);
        QTest::newRow("1024x768") << 3 << QSize(1024, 768);
        QTest::newRow("1152x882") << 4 << QSize(1152, 882);
        QTest::newRow("1280x1024") << 5 << QSize(1280, 1024);
        QTest::newRow("1600x1200") << 6 << QSize(1600, 1200);
        QTest::newRow("out of range") << 7 << QSize();
    }
    void fixedViewSize()
    {
        QFETCH(int, code);
        QFETCH(QSize, size);
        QCOMPARE(presentation::fixedViewSize(code), size);
    }

    void placement_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("code");
        QTest::addColumn<QPoint>("expected");
        const QPoint last(33, 44);
        QTest::newRow("400x300 centred on 800x600")
            << QSize(800, 600) << QSize(400, 300) << int(Center) << QPoint(200, 150);
        QTest::newRow("1000x700 centred on 800x600")
            << QSize(800, 600) << QSize(1000, 700) << int(Center) << QPoint(-100, -50);
        QTest::newRow("1600x1200 bottom right on 1024x768")
            << QSize(1024, 768) << QSize(1600, 1200) << int(BottomRight) << QPoint(-576, -432);
        QTest::newRow("640x480 upper right on 1024x768")
            << QSize(1024, 768) << QSize(640, 480) << int(UpperRight) << QPoint(384, 0);
        QTest::newRow("upper left")
            << QSize(1024, 768) << QSize(640, 480) << int(UpperLeft) << QPoint(0, 0);
        QTest::newRow("bottom left")
            << QSize(1024, 768) << QSize(640, 480) << int(BottomLeft) << QPoint(0, 288);
        QTest::newRow("odd difference goes up and left")
            << QSize(800, 600) << QSize(401, 301) << int(Center) << QPoint(199, 149);
        QTest::newRow("odd negative difference goes up and left")
            << QSize(800, 600) << QSize(1001, 701) << int(Center) << QPoint(-101, -51);
        QTest::newRow("no button selected keeps the last place")
            << QSize(800, 600) << QSize(400, 300) << -1 << last;
    }
    void placement()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(int, code);
        QFETCH(QPoint, expected);
        QCOMPARE(imageWindowPosition(screen, window, code, QPoint(33, 44)), expected);
    }
};

QTEST_GUILESS_MAIN(PresentationTest)
#include "tst_presentation.moc"
