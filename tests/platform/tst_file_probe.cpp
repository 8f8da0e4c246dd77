#include "platform/file_probe.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/xattr.h>

using namespace vantaloop::platform;

class FileProbeTest : public QObject {
    Q_OBJECT

private slots:
    void ordinaryFiles()
    {
        QTemporaryDir dir;
        vantaloop::testing::writeFile(dir, QStringLiteral("plain.jpg"));
        vantaloop::testing::writeFile(dir, QStringLiteral(".dotted.jpg"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.jpg")));
        QVERIFY(isOrdinaryFile(dir.filePath(QStringLiteral("plain.jpg"))));
        QVERIFY(!isOrdinaryFile(dir.filePath(QStringLiteral(".dotted.jpg"))));
        QVERIFY(!isOrdinaryFile(dir.filePath(QStringLiteral("folder.jpg"))));
        QVERIFY(!isOrdinaryFile(dir.filePath(QStringLiteral("missing.jpg"))));
    }

    // The attributes Samba and Wine keep in user.DOSATTRIB count too.
    void storedAttributes_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("ordinary");
        QTest::newRow("archive") << QByteArray("0x20") << true;
        QTest::newRow("read-only") << QByteArray("0x1") << true;
        QTest::newRow("hidden") << QByteArray("0x2") << false;
        QTest::newRow("system") << QByteArray("0x4") << false;
        QTest::newRow("hidden archive, upper case") << QByteArray("0X22") << false;
        QTest::newRow("not a mask") << QByteArray("0xzz") << true;
    }
    void storedAttributes()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, ordinary);
        QTemporaryDir dir;
        const QString path = vantaloop::testing::writeFile(dir, QStringLiteral("tagged.jpg"));
        if (::setxattr(QFile::encodeName(path).constData(), "user.DOSATTRIB", value.constData(),
                       size_t(value.size()), 0) != 0)
            QSKIP("this file system keeps no user extended attributes");
        QCOMPARE(isOrdinaryFile(path), ordinary);
        QCOMPARE(isHiddenOrSystem(path), !ordinary);
    }
};

QTEST_GUILESS_MAIN(FileProbeTest)
#include "tst_file_probe.moc"
