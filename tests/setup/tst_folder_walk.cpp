#include "setup/folder_walk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vantaloop;

namespace {

QStringList walkOrder(const QString &start, const FolderLister &list, QStringList *skipped)
{
    QStringList order;
    *skipped = walkFolders(
        start,
        [&](const QString &folder, const platform::FolderListing &) {
            order.append(QDir(start).relativeFilePath(folder));
        },
        list);
    return order;
}

} // namespace

class FolderWalkTest : public QObject {
    Q_OBJECT

private slots:
    void depthFirstEachFolderAfterItsSubfolders()
    {
        QTemporaryDir dir;
        QDir root(dir.path());
        for (const char *folder : {"A/B/B1", "A/C", "A/b2"})
            QVERIFY(root.mkpath(QLatin1String(folder)));
        QStringList skipped;
        const QStringList order = walkOrder(root.filePath("A"), platform::listFolder, &skipped);
        QCOMPARE(order, (QStringList{"B/B1", "B", "b2", "C", "."}));
        QVERIFY(skipped.isEmpty());
    }

    // A folder that cannot be read is skipped and named; the walk goes on.
    void unreadableFolderIsSkippedAndNamed()
    {
        QTemporaryDir dir;
        QDir root(dir.path());
        for (const char *folder : {"A/B/B1", "A/C"})
            QVERIFY(root.mkpath(QLatin1String(folder)));
        const QString locked = QDir::toNativeSeparators(root.filePath("A/B"));
        const FolderLister list = [&](const QString &folder) {
            if (folder == locked) {
                platform::FolderListing refused;
                refused.error = QStringLiteral("Permission denied");
                return refused;
            }
            return platform::listFolder(folder);
        };
        QStringList skipped;
        const QStringList order = walkOrder(root.filePath("A"), list, &skipped);
        QCOMPARE(order, (QStringList{"C", "."}));
        QCOMPARE(skipped, QStringList{locked + ": Permission denied"});
    }

    void linkBackUpTheTreeIsNotWalkedTwice()
    {
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkpath(QStringLiteral("A/B")));
        QVERIFY(QFile::link(root.filePath("A"), root.filePath("A/B/up")));
        QStringList skipped;
        const QStringList order = walkOrder(root.filePath("A"), platform::listFolder, &skipped);
        QCOMPARE(order, (QStringList{"B", "."}));
    }
};

QTEST_GUILESS_MAIN(FolderWalkTest)
#include "tst_folder_walk.moc"
