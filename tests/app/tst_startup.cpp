#include "app/startup.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vantaloop;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void mainWindowGeometry_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("1024x768") << QSize(1024, 768) << QRect(112, 84, 800, 600);
        QTest::newRow("640x480") << QSize(640, 480) << QRect(0, 0, 640, 480);
        QTest::newRow("exactly 800 wide") << QSize(800, 700) << QRect(0, 50, 800, 600);
        QTest::newRow("wide but short") << QSize(1920, 500) << QRect(560, 0, 800, 500);
    }
    void mainWindowGeometry()
    {
        QFETCH(QSize, screen);
        QFETCH(QRect, expected);
        QCOMPARE(vantaloop::mainWindowGeometry(screen), expected);
    }

    void workFolderIsTheProgramFolderWhenWritable()
    {
        QTemporaryDir dir;
        QCOMPARE(workFolderFor(dir.path()), dir.path());
        QVERIFY(workFolderFor(dir.filePath(QStringLiteral("missing"))) != dir.filePath("missing"));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
