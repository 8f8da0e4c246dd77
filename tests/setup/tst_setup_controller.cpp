#include "document/document_controller.h"
#include "player/playback_controller.h"
#include "player/slide_display.h"
#include "setup/setup_controller.h"
#include "setup/slide_list_model.h"
#include "support/test_support.h"

#include <QItemSelectionModel>
#include <QTest>

using namespace vantaloop;

namespace {

class CountingDisplay : public SlideDisplay {
public:
    QStringList shown;
    void showPicture(const QString &path, std::function<void(bool)> done) override
    {
        shown.append(path);
        done(true);
    }
    void prefetch(const QStringList &) override {}
    void bringToTop() override {}
    void hideWindow() override {}
};

// Ten real pictures 0.bmp to 9.bmp in the list.
struct Setup {
    QTemporaryDir dir;
    testing::ScriptedPrompts prompts;
    SlideListModel list;
    QItemSelectionModel selection{&list};
    PlaybackController playback{&list, &selection};
    DocumentController document{&list, &playback, &prompts, dir.path()};
    SetupController setup{&list, &selection, &playback, &document, &prompts};
    CountingDisplay display;

    explicit Setup(int pictures = 10)
    {
        QStringList paths;
        for (int i = 0; i < pictures; ++i)
            paths.append(testing::writePicture(dir, QStringLiteral("%1.bmp").arg(i), QSize(2, 2)));
        list.addPaths(paths);
        playback.setDisplay(&display);
    }
    void select(std::initializer_list<int> rows)
    {
        selection.clearSelection();
        for (int row : rows)
            selection.select(list.index(row), QItemSelectionModel::Select);
    }
};

} // namespace

class SetupControllerTest : public QObject {
    Q_OBJECT

private slots:
    // The current number stays: after removing entries in front of it, it names
    // another file.
    void removeKeepsTheCurrentNumber()
    {
        Setup s;
        s.playback.setIndexText(QStringLiteral("8"));
        s.playback.goToSlide();
        const QString formerNine = s.list.path(9);
        s.select({2, 3});
        s.setup.removeSelected();
        QCOMPARE(s.list.count(), 8);
        QCOMPARE(s.playback.currentIndex(), 7);
        QCOMPARE(s.list.path(7), formerNine);
        QCOMPARE(s.playback.indexText(), QStringLiteral("8"));
        QVERIFY(s.document.modified());
    }

    void removingTheTailMovesTheCurrentSlideToTheLast()
    {
        Setup s;
        s.playback.setIndexText(QStringLiteral("10"));
        s.playback.goToSlide();
        s.select({7, 8, 9});
        s.setup.removeSelected();
        QCOMPARE(s.playback.currentIndex(), 6);
        QCOMPARE(s.playback.indexText(), QStringLiteral("7"));
    }

    void removingEverythingStopsTheTimerButNotThePlayState()
    {
        Setup s;
        s.playback.playForward();
        QVERIFY(s.playback.showTimer().isActive());
        s.selection.select(QItemSelection(s.list.index(0), s.list.index(9)),
                           QItemSelectionModel::Select);
        s.setup.removeSelected();
        QCOMPARE(s.list.count(), 0);
        QCOMPARE(s.playback.currentIndex(), -1);
        QCOMPARE(s.playback.indexText(), QStringLiteral("0"));
        QVERIFY(!s.playback.showTimer().isActive());
        QCOMPARE(s.playback.playState(), PlayState::Forward);
    }

    void removeWithNothingSelectedStillMarksTheListChanged()
    {
        Setup s;
        s.setup.removeSelected();
        QCOMPARE(s.list.count(), 10);
        QVERIFY(s.document.modified());
    }

    void clearStopsTheShowAndEmptiesTheNumberBox()
    {
        Setup s;
        s.playback.playForward();
        s.setup.clearList();
        QCOMPARE(s.list.count(), 0);
        QCOMPARE(s.playback.playState(), PlayState::Stopped);
        QCOMPARE(s.playback.currentIndex(), -1);
        QCOMPARE(s.playback.indexText(), QString());
        QVERIFY(!s.document.modified()); // Clear is not an edit to be saved
    }

    void clearOnAnEmptyListLeavesThePlayState()
    {
        Setup s(0);
        s.setup.clearList();
        QCOMPARE(s.playback.indexText(), QString());
        QCOMPARE(s.playback.playState(), PlayState::Stopped);
    }

    void doubleClickDuringAShowContinuesFromThere()
    {
        Setup s;
        s.playback.playForward();
        s.setup.makeEntryCurrent(4);
        QCOMPARE(s.playback.currentIndex(), 4);
        QCOMPARE(s.playback.indexText(), QStringLiteral("5"));
        QCOMPARE(s.display.shown.last(), s.list.path(4));
        s.playback.timerTick();
        QCOMPARE(s.display.shown.last(), s.list.path(5));
        QCOMPARE(s.playback.playState(), PlayState::Forward);
    }

    void doubleClickWithoutAFocusedEntry()
    {
        Setup s;
        s.setup.makeEntryCurrent(-1);
        QCOMPARE(s.playback.currentIndex(), -1);
        QCOMPARE(s.playback.indexText(), QStringLiteral("0"));
        QVERIFY(s.display.shown.isEmpty());
    }

    void addMarksTheListChangedEvenWhenNothingIsAdded()
    {
        Setup s(0);
        QCOMPARE(s.setup.addFiles({}), 0);
        QVERIFY(s.document.modified());
        QVERIFY(s.prompts.messages.isEmpty());
    }

    void addPastTheLimitSaysHowManyWereLeftOut()
    {
        Setup s(0);
        QStringList paths;
        for (int i = 0; i < SlideListModel::MaxEntries - 2; ++i)
            paths.append(QStringLiteral("/p/%1").arg(i));
        s.setup.addFiles(paths);
        QCOMPARE(s.setup.addFiles({"/q/1", "/q/2", "/q/3", "/q/4", "/q/5"}), 2);
        QCOMPARE(s.list.count(), SlideListModel::MaxEntries);
        QCOMPARE(s.prompts.messages.size(), 1);
        QVERIFY(s.prompts.messages.first().contains(QStringLiteral("3 of the files")));
    }
};

QTEST_GUILESS_MAIN(SetupControllerTest)
#include "tst_setup_controller.moc"
