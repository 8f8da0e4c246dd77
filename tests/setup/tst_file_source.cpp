#include "setup/file_source.h"
#include "setup/folder_walk.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <sys/xattr.h>

using namespace vantaloop;

namespace {

// Drives for tests: the root, and a volume that is never ready.
class FakeVolumes : public platform::VolumeSource {
public:
    QList<platform::Drive> drives() const override
    {
        return {{"/", "root"}, {"/media/empty-drive/", "card reader"}};
    }
    bool isReady(const QString &root) const override { return root == QLatin1String("/"); }
};

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// A/ a.jpg, skip.gif;  A/B/ b.jpg;  A/B/D/ d.jpg;  A/C/ c.JPG;  A/.hid/ h.jpg
struct Tree {
    QTemporaryDir dir;
    QString a;

    Tree()
    {
        QDir root(dir.path());
        for (const char *folder : {"A/B/D", "A/C", "A/.hid"})
            root.mkpath(QLatin1String(folder));
        for (const char *file : {"A/a.jpg", "A/skip.gif", "A/B/b.jpg", "A/B/D/d.jpg", "A/C/c.JPG",
                                 "A/.hid/h.jpg", "A/.dot.jpg"})
            touch(root.filePath(QLatin1String(file)));
        a = QDir::toNativeSeparators(root.filePath(QStringLiteral("A")));
    }
    QString path(const char *relative) const
    {
        return QDir::toNativeSeparators(dir.filePath(QLatin1String(relative)));
    }
};

struct Source {
    testing::ScriptedPrompts prompts;
    FakeVolumes volumes;
    FileSource source{&volumes, &prompts};
};

} // namespace

class FileSourceTest : public QObject {
    Q_OBJECT

private slots:
    void typePattern_data()
    {
        QTest::addColumn<QList<bool>>("checked");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("JPG only, as at start")
            << QList<bool>{false, false, true, false, false} << "*.jpg";
        QTest::newRow("GIF and XBM")
            << QList<bool>{false, true, false, false, true} << "*.gif;*.xbm";
        QTest::newRow("all") << QList<bool>{true, true, true, true, true}
                             << "*.bmp;*.gif;*.jpg;*.pcx;*.xbm";
        QTest::newRow("none") << QList<bool>{false, false, false, false, false} << "";
    }
    void typePattern()
    {
        QFETCH(QList<bool>, checked);
        QFETCH(QString, pattern);
        FileSource::TypeChecks checks{};
        std::copy(checked.begin(), checked.end(), checks.begin());
        QCOMPARE(FileSource::typePattern(checks), pattern);
    }

    void checkingTypesFiltersTheFileList()
    {
        Tree tree;
        Source s;
        QVERIFY(s.source.openFolder(tree.a));
        QCOMPARE(s.source.files()->names(), QStringList{"a.jpg"});
        s.source.setTypeChecked(1, true);
        QCOMPARE(s.source.files()->names(), (QStringList{"a.jpg", "skip.gif"}));
        s.source.setTypeChecked(1, false);
        s.source.setTypeChecked(2, false); // nothing checked: nothing listed
        QVERIFY(s.source.files()->names().isEmpty());
    }

    // Subfolders first, deepest first, in name order; the folder's own files last.
    void recursiveGatherOrder()
    {
        Tree tree;
        Source s;
        QVERIFY(s.source.openFolder(tree.a));
        const FileSource::Gathered gathered = s.source.gather(true, {});
        QCOMPARE(gathered.paths, (QStringList{tree.path("A/B/D/d.jpg"), tree.path("A/B/b.jpg"),
                                              tree.path("A/C/c.JPG"), tree.path("A/a.jpg")}));
        QVERIFY(gathered.skipped.isEmpty());
        // The lists end on the starting folder.
        QCOMPARE(s.source.folders()->path(), tree.a);
        QCOMPARE(s.source.files()->folder(), tree.a);
    }

    void selectedFilesInListOrder()
    {
        Tree tree;
        Source s;
        s.source.setTypeChecked(1, true);
        QVERIFY(s.source.openFolder(tree.a));
        QCOMPARE(s.source.gather(false, {1, 0}).paths,
                 (QStringList{tree.path("A/a.jpg"), tree.path("A/skip.gif")}));
        QVERIFY(s.source.gather(false, {}).paths.isEmpty());
    }

    void hiddenAndSystemFilesAreNeitherListedNorAdded()
    {
        Tree tree;
        const QString system = tree.path("A/C/sys.jpg");
        touch(system);
        if (::setxattr(QFile::encodeName(system).constData(), "user.DOSATTRIB", "0x4", 3, 0) != 0)
            QSKIP("this file system keeps no user extended attributes");
        Source s;
        QVERIFY(s.source.openFolder(tree.path("A/C")));
        QCOMPARE(s.source.files()->names(), QStringList{"c.JPG"});
        QVERIFY(!s.source.gather(true, {}).paths.contains(system));
    }

    void folderListShowsTheChainThenSubfolders()
    {
        Tree tree;
        Source s;
        QVERIFY(s.source.openFolder(tree.a));
        FolderListModel *folders = s.source.folders();
        QCOMPARE(folders->subfolderCount(), 2); // ".hid" is hidden
        QCOMPARE(folders->subfolderPath(0), tree.path("A/B"));
        QCOMPARE(folders->subfolderPath(1), tree.path("A/C"));
        QCOMPARE(folders->pathAt(0), QStringLiteral("/"));
        QCOMPARE(folders->pathAt(folders->currentRow()), tree.a);
        const QModelIndex last = folders->index(folders->rowCount() - 1);
        QCOMPARE(last.data(Qt::AccessibleTextRole).toString(), QStringLiteral("C"));
    }

    void unreadableFolderIsReportedAndNothingChanges()
    {
        Tree tree;
        Source s;
        QVERIFY(s.source.openFolder(tree.a));
        QVERIFY(!s.source.openFolder(tree.path("A/missing")));
        QCOMPARE(s.prompts.messages.size(), 1);
        QCOMPARE(s.source.folders()->path(), tree.a);
    }

    // The drive that is not ready: the message once, then back to the shown drive.
    void driveNotReady()
    {
        Source s;
        QSignalSpy shown(&s.source, &FileSource::currentDriveChanged);
        const QString folder = s.source.folders()->path();
        s.source.chooseDrive(QStringLiteral("/media/empty-drive/"));
        QCOMPARE(s.prompts.messages, QStringList{"Device Error or Drive NOT Ready."});
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().first().toString(), QStringLiteral("/"));
        QCOMPARE(s.source.currentDrive(), QStringLiteral("/"));
        QCOMPARE(s.source.folders()->path(), folder);
    }
};

QTEST_GUILESS_MAIN(FileSourceTest)
#include "tst_file_source.moc"
