#include "platform/folder_listing.h"
#include "platform/volumes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/xattr.h>
#include <unistd.h>

using namespace vantaloop::platform;

namespace {

QStringList names(const QList<FolderEntry> &entries, bool hidden)
{
    QStringList result;
    for (const FolderEntry &entry : entries) {
        if (entry.hidden == hidden)
            result.append(entry.name);
    }
    return result;
}

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class FolderListingTest : public QObject {
    Q_OBJECT

private slots:
    void separatesSortsAndFlagsHidden()
    {
        QTemporaryDir dir;
        QDir d(dir.path());
        for (const char *name : {"b.jpg", "A.jpg", "c.JPG", ".secret.jpg", "system.jpg"})
            touch(d.filePath(QLatin1String(name)));
        for (const char *name : {"Zeta", "alpha", ".cache"})
            QVERIFY(d.mkdir(QLatin1String(name)));
        QVERIFY(QFile::link(d.filePath(QStringLiteral("alpha")), d.filePath("link-to-alpha")));
        QVERIFY(QFile::link(d.filePath(QStringLiteral("gone")), d.filePath("dangling")));
        const bool tagged = ::setxattr(QFile::encodeName(d.filePath("system.jpg")).constData(),
                                       "user.DOSATTRIB", "0x4", 3, 0) == 0;

        const FolderListing listing = listFolder(dir.path());
        QVERIFY(listing.ok);
        QCOMPARE(names(listing.folders, false), (QStringList{"alpha", "link-to-alpha", "Zeta"}));
        QCOMPARE(names(listing.folders, true), QStringList{".cache"});
        if (tagged) {
            QCOMPARE(names(listing.files, false), (QStringList{"A.jpg", "b.jpg", "c.JPG"}));
            QCOMPARE(names(listing.files, true), (QStringList{".secret.jpg", "system.jpg"}));
        }
    }

    void missingFolderSaysWhy()
    {
        QTemporaryDir dir;
        const FolderListing listing = listFolder(dir.filePath(QStringLiteral("missing")));
        QVERIFY(!listing.ok);
        QVERIFY(!listing.error.isEmpty());
    }

    void unreadableFolderSaysWhy()
    {
        if (::geteuid() == 0)
            QSKIP("permissions do not stop the superuser");
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::WriteOwner));
        const FolderListing listing = listFolder(dir.path());
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        QVERIFY(!listing.ok);
    }

    void driveOfTakesTheLongestRoot_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("drive");
        QTest::newRow("root itself") << "/"
                                     << "/";
        QTest::newRow("under root") << "/home/u"
                                    << "/";
        QTest::newRow("mount point itself") << "/media/usb"
                                            << "/media/usb/";
        QTest::newRow("under a mount") << "/media/usb/pics"
                                       << "/media/usb/";
        QTest::newRow("name that only starts alike") << "/media/usb2/pics"
                                                     << "/";
    }
    void driveOfTakesTheLongestRoot()
    {
        QFETCH(QString, path);
        QFETCH(QString, drive);
        const QList<Drive> drives{{"/", "root"}, {"/media/usb/", "usb"}};
        QCOMPARE(driveOf(drives, path), drive);
    }

    void systemVolumesIncludeTheRoot()
    {
        const SystemVolumes volumes;
        QVERIFY(volumes.drives().contains(Drive{"/", "root"}));
        QVERIFY(volumes.isReady(QStringLiteral("/")));
    }
};

QTEST_GUILESS_MAIN(FolderListingTest)
#include "tst_folder_listing.moc"
