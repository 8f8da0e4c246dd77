#include "app/main_window.h"
#include "document/list_file.h"
#include "player/floating_toolbar.h"
#include "player/image_viewer.h"
#include "player/image_window.h"
#include "setup/setup_window.h"
#include "support/test_support.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>
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

QStringList captions(const QMenu *menu)
{
    QStringList result;
    for (const QAction *item : menu->actions())
        result.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    return result;
}

QAction *menuItem(const QMenu *menu, const QString &caption)
{
    for (QAction *item : menu->actions()) {
        if (item->text() == caption)
            return item;
    }
    return nullptr;
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
        QTRY_VERIFY(image->isVisible());
        QCOMPARE(image->size(), QSize(40, 30));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(image->pos(), QPoint((screen.width() - 40) / 2, (screen.height() - 30) / 2));
        QTRY_COMPARE(p.window.findChild<QLineEdit *>(QStringLiteral("txtIndex"))->text(), "1");
        button(p.mainBar(), "Stop")->trigger();
        QVERIFY(!image->isVisible());
        QCOMPARE(p.window.findChild<QLineEdit *>(QStringLiteral("txtIndex"))->text(), "0");
    }

    void setupWindowMenus()
    {
        Program p;
        const Menus &menus = p.window.setupMenus();
        QCOMPARE(menus.file->title(), QStringLiteral("File"));
        QCOMPARE(captions(menus.file),
                 (QStringList{"&New", "&Open  ...", "-", "&Save", "Save &As  ...", "-",
                              "Print Set&up", "&Print", "-", "E&xit", "-"}));
        QCOMPARE(p.window.mainMenus().file->title(), QStringLiteral("&File"));
        QCOMPARE(captions(p.window.mainMenus().file).at(6), QStringLiteral("Print Set&up  ..."));
        QCOMPARE(captions(menus.view), (QStringList{"Auto Zise", "640x480", "800x600", "1024x768",
                                                    "1152x882", "1280x1024", "1600x1200"}));
        QCOMPARE(captions(menus.control),
                 (QStringList{"Pre&vious", "&Next", "&Play", "P&ause", "&Stop", "&Back"}));
        QCOMPARE(captions(menus.option), (QStringList{"Change &Attribute", "Change &Extension",
                                                      "&Vanta Loop", "Slide &Demo"}));
        QCOMPARE(captions(menus.help), (QStringList{"&Help On", "&About"}));
        // The active setup window's menus stand in the menu bar.
        QStringList bar;
        for (QAction *action : p.window.menuBar()->actions())
            bar.append(action->text());
        QCOMPARE(bar, (QStringList{"File", "View", "&Control", "&Option", "&Help"}));
    }

    void viewMenuSizesTheImageWindowAtOnce()
    {
        Program p;
        QMenu *view = p.window.setupMenus().view;
        QVERIFY(view->actions().at(0)->isChecked());
        for (int i = 0; i < 2; ++i)
            menuItem(view, "800x600")->trigger();
        int checked = 0;
        for (QAction *item : view->actions())
            checked += item->isChecked();
        QCOMPARE(checked, 1);
        QVERIFY(menuItem(view, "800x600")->isChecked());
        QCOMPARE(p.window.imageWindow()->size(), QSize(800, 600));
        QVERIFY(!p.window.imageWindow()->isVisible());
    }

    void controlMenuRunsThePlayback()
    {
        Program p;
        p.addPictures(3);
        QMenu *control = p.window.setupMenus().control;
        menuItem(control, "&Back")->trigger();
        QCOMPARE(p.window.playback().playState(), PlayState::Backward);
        menuItem(control, "P&ause")->trigger();
        QCOMPARE(p.window.playback().playState(), PlayState::Paused);
        menuItem(control, "&Next")->trigger();
        QCOMPARE(p.window.playback().currentIndex(), 0);
        menuItem(control, "&Stop")->trigger();
        QCOMPARE(p.window.playback().playState(), PlayState::Stopped);
    }

    void recentFilesAppearInBothFileMenus()
    {
        Program p;
        const QString list = p.dir.filePath(QStringLiteral("saved.vvv"));
        p.prompts.files = {list};
        menuItem(p.window.mainMenus().file, "Save &As  ...")->trigger();
        for (const Menus *menus : {&p.window.mainMenus(), &p.window.setupMenus()}) {
            const QList<QAction *> items = menus->file->actions();
            QCOMPARE(items.last()->text(), list);
            QVERIFY(items.at(items.size() - 2)->isSeparator());
            QVERIFY(items.at(items.size() - 2)->isVisible());
        }
        QCOMPARE(p.window.windowTitle(), list + " - Play Image Files Version 1.0");
    }

    // Record mode shows both Record buttons and widens the toolbar, flush right.
    void recordModeWidensTheFloatingToolbar()
    {
        Program p;
        FloatingToolbar *floating = p.window.floatingToolbar();
        const QRect before = floating->geometry();
        QMenu *popup = p.window.setupWindow()->popupMenu();

        popup->actions().at(5)->trigger(); // Start Record, cancelled in the dialog
        QCOMPARE(floating->geometry(), before);
        QVERIFY(!button(p.floatingBar(), "Record")->isVisible());

        p.prompts.files = {p.dir.filePath(QStringLiteral("picked.vvv"))};
        popup->actions().at(5)->trigger();
        QVERIFY(button(p.floatingBar(), "Record")->isVisible());
        QVERIFY(button(p.mainBar(), "Record")->isVisible());
        QCOMPARE(floating->geometry(), QRect(before.right() + 1 - 165, before.top(), 165, 26));

        popup->actions().at(6)->trigger(); // Stop Record
        QVERIFY(!button(p.floatingBar(), "Record")->isVisible());
        QCOMPARE(floating->geometry(), before);

        popup->actions().at(0)->trigger(); // top left: widening goes rightward
        p.prompts.files = {p.dir.filePath(QStringLiteral("picked.vvv"))};
        popup->actions().at(5)->trigger();
        QCOMPARE(floating->geometry(), QRect(0, 0, 165, 26));
    }

    void recordButtonAppendsTheCurrentSlide()
    {
        Program p;
        p.addPictures(2);
        const QString file = p.dir.filePath(QStringLiteral("picked.vvv"));
        p.prompts.files = {file};
        p.window.setupWindow()->popupMenu()->actions().at(5)->trigger();
        button(p.floatingBar(), "Next")->trigger();
        button(p.floatingBar(), "Record")->trigger();
        button(p.mainBar(), "Record")->trigger();
        QCOMPARE(listfile::read(file).entries, QStringList(2, p.window.slideList().path(0)));
    }

    void printsThePictureOncePerCopy()
    {
        Program p;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(p.dir.filePath(QStringLiteral("out.pdf")));
        QVERIFY(!p.window.printImage(printer, 1)); // no picture yet
        QCOMPARE(p.prompts.messages.size(), 1);

        p.addPictures(1);
        button(p.mainBar(), "Next")->trigger();
        QTRY_VERIFY(!p.window.imageWindow()->viewer()->picture().isNull());
        QVERIFY(p.window.printImage(printer, 3));
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(pdf.readAll());
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 3);
    }

    void closingTheSetupWindowOnlyHidesIt()
    {
        Program p;
        p.addPictures(2);
        QMdiSubWindow *frame =
            p.window.findChild<QMdiSubWindow *>(QStringLiteral("frmPrepareFrame"));
        frame->close();
        QVERIFY(!frame->isVisible());
        QVERIFY(p.window.setupWindow());
        menuItem(p.window.mainMenus().option, "&Vanta Loop")->trigger();
        QVERIFY(frame->isVisible());
        QCOMPARE(p.window.slideList().count(), 2);
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
