#include "app/main_window.h"
#include "player/floating_toolbar.h"
#include "player/image_viewer.h"
#include "player/image_window.h"
#include "setup/setup_window.h"
#include "support/test_support.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

using namespace vantaloop;

namespace {

QAction *button(const QToolBar *bar, const char *key)
{
    return bar->findChild<QAction *>(QLatin1String(key), Qt::FindDirectChildrenOnly);
}

QList<bool> twins(const QToolBar *bar)
{
    QList<bool> visible;
    for (const char *key : {"Play", "PlayOn", "Pause", "PauseOn", "Back", "BackOn"})
        visible.append(button(bar, key)->isVisible());
    return visible;
}

struct Program {
    testing::ScriptedPrompts prompts;
    MainWindow window{&prompts};
    QTemporaryDir dir;

    Program() { window.show(); }
    QToolBar *mainBar() const { return window.findChild<QToolBar *>(QStringLiteral("tlBar")); }
    QToolBar *floatingBar() const { return window.floatingToolbar()->toolBar(); }
    void addPictures(int n)
    {
        QStringList paths;
        for (int i = 0; i < n; ++i)
            paths.append(
                testing::writePicture(dir, QStringLiteral("%1.bmp").arg(i), QSize(40, 30)));
        window.slideList().addPaths(paths);
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startUpLeavesTheProgramReady()
    {
        Program p;
        const QString untitled = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() +
                                                          QStringLiteral("/Untitle.vvv"));
        QCOMPARE(p.window.windowTitle(), untitled + " - Play Image Files Version 1.0");
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        QCOMPARE(p.window.slideList().count(), 0);
        QCOMPARE(p.window.playback().currentIndex(), -1);
        QCOMPARE(p.window.playback().playState(), PlayState::Stopped);
        QVERIFY(p.window.setupWindow()->isVisible());
        QVERIFY(!p.window.imageWindow()->isVisible());
        QCOMPARE(p.window.imageWindow()->pos(), QPoint(0, 0));

        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        FloatingToolbar *floating = p.window.floatingToolbar();
        QVERIFY(floating->isVisible());
        QVERIFY(floating->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(floating->geometry(), QRect(screen.width() - 142, screen.height() - 26, 142, 26));
        QCOMPARE(p.window.size(), QSize(800, 600).boundedTo(screen));

        auto *txtTimer = p.window.findChild<QLineEdit *>(QStringLiteral("txtTimer"));
        QCOMPARE(txtTimer->text(), QStringLiteral("1"));
        QCOMPARE(p.window.findChild<QLineEdit *>(QStringLiteral("txtNum"))->text(), "0");
        QCOMPARE(p.window.findChild<QLineEdit *>(QStringLiteral("txtIndex"))->text(), QString());
    }

    void closingAsksAndNoKeepsEverything()
    {
        Program p;
        QSignalSpy ending(&p.window, &MainWindow::programEnding);
        p.prompts.answers = {false};
        p.window.close();
        QVERIFY(p.window.isVisible());
        QVERIFY(p.window.floatingToolbar()->isVisible());
        QVERIFY(ending.isEmpty());
        QCOMPARE(p.prompts.questions, QStringList{"Do you really want to exit?"});

        p.prompts.answers = {true};
        p.window.close();
        QCOMPARE(ending.size(), 1);
    }

    // SyncPlayButtons over every state, on both toolbars.
    void bothToolbarsFollowThePlayState()
    {
        Program p;
        p.addPictures(2);
        const QList<bool> stopped{true, false, true, false, true, false};
        QCOMPARE(twins(p.mainBar()), stopped);
        QCOMPARE(twins(p.floatingBar()), stopped);

        button(p.floatingBar(), "Play")->trigger();
        QCOMPARE(twins(p.mainBar()), (QList<bool>{false, true, true, false, true, false}));
        QCOMPARE(twins(p.floatingBar()), (QList<bool>{false, true, true, false, true, false}));
        button(p.mainBar(), "Pause")->trigger();
        QCOMPARE(twins(p.mainBar()), (QList<bool>{true, false, false, true, true, false}));
        QCOMPARE(twins(p.floatingBar()), (QList<bool>{true, false, false, true, true, false}));
        button(p.floatingBar(), "PauseOn")->trigger(); // paused: pausing again does nothing
        QCOMPARE(p.window.playback().playState(), PlayState::Paused);
        button(p.floatingBar(), "Back")->trigger();
        QCOMPARE(twins(p.mainBar()), (QList<bool>{true, false, true, false, false, true}));
        QCOMPARE(twins(p.floatingBar()), (QList<bool>{true, false, true, false, false, true}));
        button(p.mainBar(), "Stop")->trigger();
        QCOMPARE(twins(p.mainBar()), stopped);
        QCOMPARE(twins(p.floatingBar()), stopped);
    }

    void buttonsRouteByKey_data()
    {
        QTest::addColumn<bool>("floating");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("index");
        for (bool floating : {false, true}) {
            const char *bar = floating ? "floating " : "main ";
            auto row = [&](const char *key, int state, int index) {
                QTest::newRow((QByteArray(bar) + key).constData())
                    << floating << QString::fromLatin1(key) << state << index;
            };
            row("Prev", 0, 2);
            row("Next", 0, 0);
            row("Play", 1, 0);
            row("Back", 3, 2);
            row("Stop", 0, -1);
        }
    }
    void buttonsRouteByKey()
    {
        QFETCH(bool, floating);
        QFETCH(QString, key);
        QFETCH(int, state);
        QFETCH(int, index);
        Program p;
        p.addPictures(3);
        QToolBar *bar = floating ? p.floatingBar() : p.mainBar();
        button(bar, key.toLatin1().constData())->trigger();
        QCOMPARE(int(p.window.playback().playState()), state);
        QCOMPARE(p.window.playback().currentIndex(), index);
    }

    void floatingToolbarHasNoDocumentButtons()
    {
        Program p;
        for (const char *key : {"New", "Open", "Save", "Print"}) {
            QVERIFY(button(p.mainBar(), key));
            QVERIFY(!button(p.floatingBar(), key));
        }
        QVERIFY(!button(p.mainBar(), "Record")->isVisible());
        QVERIFY(!button(p.floatingBar(), "Record")->isVisible());
        QCOMPARE(button(p.floatingBar(), "Prev")->toolTip(), QStringLiteral("Previous"));
    }

    void popupMenuPlacesTheFloatingToolbar()
    {
        Program p;
        QMenu *popup = p.window.setupWindow()->popupMenu();
        QCOMPARE(popup->objectName(), QStringLiteral("mnuPopup"));
        QStringList captions;
        for (QAction *item : popup->actions())
            captions.append(item->isSeparator() ? QStringLiteral("-") : item->text());
        QCOMPARE(captions, (QStringList{"&Top Left", "Top &Right", "&Bottom Right", "Bottm &Left",
                                        "-", "St&art Record", "St&op Record"}));
        popup->actions().at(0)->trigger();
        QCOMPARE(p.window.floatingToolbar()->pos(), QPoint(0, 0));
        popup->actions().at(2)->trigger();
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(p.window.floatingToolbar()->pos(),
                 QPoint(screen.width() - 142, screen.height() - 26));
    }

    void playShowsTheImageWindowAndStopHidesIt()
    {
        Program p;
        p.addPictures(2);
        button(p.mainBar(), "Play")->trigger();
        ImageWindow *image = p.window.imageWindow();
        QVERIFY(image->isVisible());
        QCOMPARE(image->size(), QSize(40, 30));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(image->pos(), QPoint((screen.width() - 40) / 2, (screen.height() - 30) / 2));
        QCOMPARE(p.window.findChild<QLineEdit *>(QStringLiteral("txtIndex"))->text(), "1");
        button(p.mainBar(), "Stop")->trigger();
        QVERIFY(!image->isVisible());
        QCOMPARE(p.window.findChild<QLineEdit *>(QStringLiteral("txtIndex"))->text(), "0");
    }

    // Typing into the boxes and pressing Enter reaches the controller.
    void numberBoxesCommitOnEnter()
    {
        Program p;
        p.addPictures(3);
        auto *txtIndex = p.window.findChild<QLineEdit *>(QStringLiteral("txtIndex"));
        txtIndex->setFocus();
        QTest::keyClicks(txtIndex, QStringLiteral("2"));
        QTest::keyClick(txtIndex, Qt::Key_Return);
        QCOMPARE(p.window.playback().currentIndex(), 1);

        auto *txtTimer = p.window.findChild<QLineEdit *>(QStringLiteral("txtTimer"));
        txtTimer->selectAll();
        QTest::keyClicks(txtTimer, QStringLiteral("30"));
        QTest::keyClick(txtTimer, Qt::Key_Return);
        QCOMPARE(p.window.playback().showTimer().interval(), 30000);
        QCOMPARE(p.window.playback().sliderValue(), 10);
        QCOMPARE(txtTimer->text(), QStringLiteral("30"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
