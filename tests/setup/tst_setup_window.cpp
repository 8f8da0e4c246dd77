#include "document/document_controller.h"
#include "player/playback_controller.h"
#include "setup/browse_widgets.h"
#include "setup/file_source.h"
#include "setup/setup_controller.h"
#include "setup/setup_window.h"
#include "setup/slide_list_model.h"
#include "support/test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

using namespace vantaloop;

namespace {

// The system's root and whatever a test plugs in later.
class PluggableVolumes : public platform::VolumeSource {
public:
    QList<platform::Drive> extra;
    QList<platform::Drive> drives() const override
    {
        return QList<platform::Drive>{{"/", "root"}} + extra;
    }
    bool isReady(const QString &) const override { return true; }
};

struct Window {
    QTemporaryDir dir;
    testing::ScriptedPrompts prompts;
    PluggableVolumes volumes;
    SlideListModel list;
    QItemSelectionModel selection{&list};
    PlaybackController playback{&list, &selection};
    DocumentController document{&list, &playback, &prompts, dir.path()};
    SetupController setup{&list, &selection, &playback, &document, &prompts};
    FileSource source{&volumes, &prompts};
    SetupWindow window{&list, &selection, &playback, &setup, &source};

    Window()
    {
        for (const char *name : {"b.jpg", "a.jpg", "sub/c.jpg", "skip.gif"}) {
            QDir(dir.path()).mkpath(QStringLiteral("sub"));
            testing::writeFile(dir, QLatin1String(name));
        }
        source.openFolder(dir.path());
        window.resize(900, 600);
        window.show();
    }
    template <typename T> T *child(const char *name) const
    {
        return window.findChild<T *>(QLatin1String(name));
    }
    QString path(const char *name) const
    {
        return QDir::toNativeSeparators(dir.filePath(QLatin1String(name)));
    }
};

} // namespace

class SetupWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Add takes the selected files, then leaves none selected and Recursive off.
    void addTakesTheSelectedFiles()
    {
        Window w;
        auto *files = w.child<FileListView>("filPrep");
        files->selectionModel()->select(files->model()->index(1, 0), QItemSelectionModel::Select);
        w.child<QPushButton>("cmdAdd")->click();
        QCOMPARE(w.list.paths(), QStringList{w.path("b.jpg")});
        QVERIFY(w.document.modified());
        QCOMPARE(w.child<QLineEdit>("txtNum")->text(), QStringLiteral("1"));
        QVERIFY(files->selectionModel()->selectedIndexes().isEmpty());
    }

    void recursiveSelectsEveryFileAndAddsTheTree()
    {
        Window w;
        auto *recursive = w.child<QCheckBox>("chkRecursive");
        auto *files = w.child<FileListView>("filPrep");
        recursive->click();
        QCOMPARE(files->selectedRows(), (QList<int>{0, 1}));
        w.child<QPushButton>("cmdAdd")->click();
        QCOMPARE(w.list.paths(),
                 (QStringList{w.path("a.jpg"), w.path("b.jpg"), w.path("sub/c.jpg")}));
        QVERIFY(!recursive->isChecked());
        QVERIFY(files->selectedRows().isEmpty());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void typeBoxesFilterTheFileList()
    {
        Window w;
        const QList<QCheckBox *> types =
            w.window.findChildren<QCheckBox *>(QStringLiteral("chkType"));
        QCOMPARE(types.size(), 5);
        QCOMPARE(types.at(2)->text(), QStringLiteral("JPG - JPEG"));
        types.at(1)->click(); // GIF
        QCOMPARE(w.source.files()->pattern(), QStringLiteral("*.gif;*.jpg"));
        QCOMPARE(w.source.files()->names(), (QStringList{"a.jpg", "b.jpg", "skip.gif"}));
    }

    // A volume mounted after start-up is in the drive list when it is opened.
    void driveListCatchesUpWhenOpened()
    {
        Window w;
        auto *drives = w.child<DriveList>("drvPrep");
        QCOMPARE(drives->count(), 1);
        w.volumes.extra.append(platform::Drive{"/media/usb/", "USB"});
        drives->showPopup();
        QCOMPARE(drives->count(), 2);
        QCOMPARE(drives->currentData().toString(), QStringLiteral("/"));
        drives->hidePopup();
    }

    // Every control has a name a screen reader can speak and is in the tab chain.
    void controlsAreNamedAndReachable()
    {
        Window w;
        for (const char *name : {"lstBox", "dirPrep", "filPrep", "drvPrep", "sldBar"}) {
            auto *widget = w.child<QWidget>(name);
            QVERIFY2(!widget->accessibleName().isEmpty(), name);
            QVERIFY2(widget->focusPolicy() & Qt::TabFocus, name);
        }
        QCOMPARE(w.child<QLineEdit>("txtIndex")->maxLength(), 4);
        QCOMPARE(w.child<QLineEdit>("txtTimer")->maxLength(), 2);
        // The tab order runs Add, then the list, then Remove.
        QCOMPARE(w.child<QPushButton>("cmdAdd")->nextInFocusChain(), w.child<QWidget>("lstBox"));
    }
};

QTEST_MAIN(SetupWindowTest)
#include "tst_setup_window.moc"
