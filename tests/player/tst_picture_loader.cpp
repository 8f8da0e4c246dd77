#include "player/picture_loader.h"
#include "support/test_support.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace vantaloop;

class PictureLoaderTest : public QObject {
    Q_OBJECT

private slots:
    void loadsOffTheUiThreadThenAtOnceFromTheCache()
    {
        QTemporaryDir dir;
        const QString path = testing::writePicture(dir, "a.bmp", QSize(40, 30));
        PictureLoader loader;
        QSignalSpy loaded(&loader, &PictureLoader::loaded);
        loader.request(path, {});
        QVERIFY(loaded.isEmpty()); // decoding has only started
        QVERIFY(loaded.wait(10000));
        QCOMPARE(loaded.first().at(1).value<DecodedPicture>().image.size(), QSize(40, 30));
        loader.request(path, {});
        QCOMPARE(loaded.size(), 2); // from the cache, before request returned
    }

    void aFileChangedOnDiskIsReadAgain()
    {
        QTemporaryDir dir;
        const QString path = testing::writePicture(dir, "a.bmp", QSize(40, 30));
        PictureLoader loader;
        QSignalSpy loaded(&loader, &PictureLoader::loaded);
        loader.request(path, {});
        QVERIFY(loaded.wait(10000));
        testing::writePicture(dir, "a.bmp", QSize(50, 30));
        loader.request(path, {});
        QCOMPARE(loaded.size(), 1);
        QVERIFY(loaded.wait(10000));
        QCOMPARE(loaded.last().at(1).value<DecodedPicture>().image.size(), QSize(50, 30));
    }

    void decodedAheadIsReadyWhenAskedFor()
    {
        QTemporaryDir dir;
        const QString next = testing::writePicture(dir, "next.bmp", QSize(40, 30));
        PictureLoader loader;
        QSignalSpy loaded(&loader, &PictureLoader::loaded);
        loader.prefetch({next, dir.filePath(QStringLiteral("gone.bmp"))}, QSize(20, 20));
        loader.waitForIdle();
        QVERIFY(loaded.isEmpty()); // nobody asked yet
        QVERIFY(loader.cachedBytes() > 0);
        loader.request(next, QSize(20, 20));
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(loaded.first().at(1).value<DecodedPicture>().image.size(), QSize(20, 15));
    }

    void decodingAheadCanBeSwitchedOff()
    {
        QTemporaryDir dir;
        const QString next = testing::writePicture(dir, "next.bmp", QSize(40, 30));
        PictureLoader loader;
        loader.setDecodeAhead(false);
        loader.prefetch({next}, {});
        loader.waitForIdle();
        QCOMPARE(loader.cachedBytes(), 0);
    }

    void theCacheStaysWithinItsBound()
    {
        QTemporaryDir dir;
        PictureLoader loader(64 * 1024);
        QStringList paths;
        for (int i = 0; i < 6; ++i)
            paths.append(
                testing::writePicture(dir, QStringLiteral("%1.bmp").arg(i), QSize(64, 64)));
        loader.prefetch(paths, {});
        loader.waitForIdle();
        QVERIFY(loader.cachedBytes() > 0);
        QVERIFY(loader.cachedBytes() <= loader.cacheLimit());
    }

    void onlyTheLastRequestIsReported()
    {
        QTemporaryDir dir;
        const QString first = testing::writePicture(dir, "first.bmp", QSize(40, 30));
        const QString second = testing::writePicture(dir, "second.bmp", QSize(50, 30));
        PictureLoader loader;
        QSignalSpy loaded(&loader, &PictureLoader::loaded);
        loader.request(first, {});
        loader.request(second, {});
        loader.waitForIdle();
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(loaded.first().first().toString(), second);
    }

    void failuresAreReported()
    {
        QTemporaryDir dir;
        const QString path = testing::writeFile(dir, QStringLiteral("broken.gif"), "GIF89a broken");
        PictureLoader loader;
        QSignalSpy failed(&loader, &PictureLoader::failed);
        loader.request(path, {});
        QVERIFY(failed.wait(10000));
        QVERIFY(!failed.first().at(1).toString().isEmpty());
    }
};

QTEST_GUILESS_MAIN(PictureLoaderTest)
#include "tst_picture_loader.moc"
