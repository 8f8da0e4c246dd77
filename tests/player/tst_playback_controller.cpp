#include "player/playback_controller.h"
#include "player/slide_display.h"
#include "setup/slide_list_model.h"
#include "support/test_support.h"

#include <QFile>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

using namespace vantaloop;

namespace {

// Records what the controller asks of the image window; refuses listed paths as if
// they could not be decoded. Deferred, it holds the picture back until the test
// completes it, as a slow decode would.
class FakeDisplay : public SlideDisplay {
public:
    QStringList shown;
    QStringList undecodable;
    QList<QStringList> prefetched;
    int raised = 0;
    int hidden = 0;
    bool deferred = false;

    void showPicture(const QString &path, std::function<void(bool)> done) override
    {
        m_path = path;
        m_done = std::move(done);
        if (!deferred)
            complete();
    }
    void complete()
    {
        const bool ok = !undecodable.contains(m_path);
        if (ok)
            shown.append(m_path);
        if (auto done = std::exchange(m_done, {}))
            done(ok);
    }
    void prefetch(const QStringList &paths) override { prefetched.append(paths); }
    void bringToTop() override { ++raised; }
    void hideWindow() override
    {
        ++hidden;
        m_done = {};
    }

private:
    QString m_path;
    std::function<void(bool)> m_done;
};

// A show over real picture files: a.bmp, b.bmp, c.bmp unless told otherwise.
struct Show {
    QTemporaryDir dir;
    SlideListModel list;
    QItemSelectionModel selection{&list};
    PlaybackController playback{&list, &selection};
    FakeDisplay display;
    QStringList paths;

    explicit Show(const QStringList &names = {"a.bmp", "b.bmp", "c.bmp"})
    {
        for (const QString &name : names)
            paths.append(testing::writePicture(dir, name, QSize(4, 3)));
        list.addPaths(paths);
        playback.setDisplay(&display);
    }

    QList<int> marked() const
    {
        QList<int> rows;
        for (const QModelIndex &index : selection.selectedIndexes())
            rows.append(index.row());
        return rows;
    }
};

using Command = std::function<void(PlaybackController &)>;

} // namespace

Q_DECLARE_METATYPE(Command)

class PlaybackControllerTest : public QObject {
    Q_OBJECT

private slots:
    void playShowsFirstAtOnceThenEveryTick()
    {
        Show show;
        show.playback.playForward();
        QCOMPARE(show.display.shown, QStringList{show.paths[0]});
        QCOMPARE(show.playback.indexText(), QStringLiteral("1"));
        QCOMPARE(show.marked(), QList<int>{0});
        QVERIFY(show.playback.showTimer().isActive());
        QCOMPARE(show.playback.showTimer().interval(), 1000);

        for (int i = 0; i < 4; ++i)
            show.playback.timerTick();
        QCOMPARE(show.display.shown, (QStringList{show.paths[0], show.paths[1], show.paths[2],
                                                  show.paths[0], show.paths[1]}));
        QCOMPARE(show.playback.indexText(), QStringLiteral("2"));
        QCOMPARE(show.marked(), QList<int>{1}); // the old mark is cleared at each step
        QCOMPARE(show.playback.fileLabel(), show.paths[1]);
    }

    void backStartsAtTheLastAndWrapsFromTheFirst()
    {
        Show show;
        show.playback.playBackward();
        QCOMPARE(show.playback.currentIndex(), 2);
        show.playback.timerTick();
        show.playback.timerTick();
        show.playback.timerTick();
        QCOMPARE(show.display.shown,
                 (QStringList{show.paths[2], show.paths[1], show.paths[0], show.paths[2]}));
    }

    void oneEntryShowsItselfAgainAndStaysMarked()
    {
        Show show({"only.bmp"});
        show.playback.playForward();
        show.playback.timerTick();
        show.playback.stepNext();
        show.playback.stepPrevious();
        QCOMPARE(show.display.shown, QStringList(4, show.paths[0]));
        QCOMPARE(show.playback.currentIndex(), 0);
        QCOMPARE(show.marked(), QList<int>{0});
    }

    void manualStepsRaiseTheWindowTicksDoNot()
    {
        Show show;
        show.playback.playForward(); // one step: raised
        show.playback.timerTick();
        show.playback.stepNext();
        show.playback.stepPrevious();
        QCOMPARE(show.display.raised, 3);
    }

    // The slides a show will want next are decoded ahead, in its direction.
    void decodeAheadFollowsTheDirection()
    {
        Show show({"a.bmp", "b.bmp", "c.bmp", "d.bmp"});
        show.playback.playForward(); // a
        QCOMPARE(show.display.prefetched.last(), (QStringList{show.paths[1], show.paths[3]}));
        show.playback.playBackward(); // d
        QCOMPARE(show.display.prefetched.last(), (QStringList{show.paths[2], show.paths[0]}));
        Show pair({"a.bmp", "b.bmp"});
        pair.playback.stepNext();
        QCOMPARE(pair.display.prefetched.last(), QStringList{pair.paths[1]});
        Show single({"a.bmp"});
        single.playback.stepNext();
        QVERIFY(single.display.prefetched.isEmpty());
    }

    // Until a slow picture is on screen the boxes and the marks show the last one.
    void boxesWaitForThePicture()
    {
        Show show;
        show.playback.stepNext();
        show.display.deferred = true;
        show.playback.stepNext();
        QCOMPARE(show.playback.currentIndex(), 1);
        QCOMPARE(show.playback.indexText(), QStringLiteral("1"));
        QCOMPARE(show.playback.fileLabel(), show.paths[0]);
        show.display.complete();
        QCOMPARE(show.playback.indexText(), QStringLiteral("2"));
        QCOMPARE(show.playback.fileLabel(), show.paths[1]);
        QCOMPARE(show.marked(), QList<int>{1});
    }

    // A picture that arrives after the list changed under it marks nothing.
    void lateResultAfterTheListChanged()
    {
        Show show;
        show.display.deferred = true;
        show.playback.stepNext();
        show.list.clear();
        show.list.addPaths({show.paths[2]});
        show.display.complete();
        QVERIFY(show.marked().isEmpty());
        QCOMPARE(show.playback.indexText(), QString());
        QCOMPARE(show.playback.fileLabel(), QStringLiteral("File Name"));
    }

    void stateTable_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<Command>("command");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("index");

        const Command play = &PlaybackController::playForward;
        const Command back = &PlaybackController::playBackward;
        const Command pause = &PlaybackController::pausePlay;
        const Command stop = &PlaybackController::stopPlay;
        const Command next = &PlaybackController::stepNext;
        const Command prev = &PlaybackController::stepPrevious;
        const Command tick = &PlaybackController::timerTick;
        const Command goTo2 = [](PlaybackController &p) {
            p.setIndexText(QStringLiteral("2"));
            p.goToSlide();
        };
        // Starting points: stopped (no slide), forward at 0, paused at 0, backward at 2.
        struct Row {
            const char *name;
            int from;
            Command command;
            int state;
            int index;
        };
        const Row rows[] = {
            {"stopped play", 0, play, 1, 0},    {"stopped back", 0, back, 3, 2},
            {"stopped pause", 0, pause, 0, -1}, {"stopped stop", 0, stop, 0, -1},
            {"stopped next", 0, next, 0, 0},    {"stopped prev", 0, prev, 0, 2},
            {"stopped tick", 0, tick, 0, -1},   {"stopped goto", 0, goTo2, 0, 1},
            {"forward play", 1, play, 1, 1},    {"forward back", 1, back, 3, 2},
            {"forward pause", 1, pause, 2, 0},  {"forward stop", 1, stop, 0, -1},
            {"forward next", 1, next, 1, 1},    {"forward prev", 1, prev, 1, 2},
            {"forward tick", 1, tick, 1, 1},    {"forward goto", 1, goTo2, 1, 1},
            {"paused play", 2, play, 1, 1},     {"paused back", 2, back, 3, 2},
            {"paused pause", 2, pause, 2, 0},   {"paused stop", 2, stop, 0, -1},
            {"paused next", 2, next, 2, 1},     {"paused prev", 2, prev, 2, 2},
            {"paused tick", 2, tick, 2, 0},     {"paused goto", 2, goTo2, 2, 1},
            {"backward play", 3, play, 1, 0},   {"backward back", 3, back, 3, 1},
            {"backward pause", 3, pause, 2, 2}, {"backward stop", 3, stop, 0, -1},
            {"backward next", 3, next, 3, 0},   {"backward prev", 3, prev, 3, 1},
            {"backward tick", 3, tick, 3, 1},   {"backward goto", 3, goTo2, 3, 1},
        };
        for (const Row &row : rows)
            QTest::newRow(row.name) << row.from << row.command << row.state << row.index;
    }
    void stateTable()
    {
        QFETCH(int, from);
        QFETCH(Command, command);
        QFETCH(int, state);
        QFETCH(int, index);
        Show show;
        if (from == 1 || from == 2)
            show.playback.playForward();
        if (from == 2)
            show.playback.pausePlay();
        if (from == 3)
            show.playback.playBackward();
        QCOMPARE(int(show.playback.playState()), from);

        command(show.playback);

        QCOMPARE(int(show.playback.playState()), state);
        QCOMPARE(show.playback.currentIndex(), index);
        // The timer runs exactly while playing.
        QCOMPARE(show.playback.showTimer().isActive(), state == 1 || state == 3);
    }

    void everyCommandOnAnEmptyListChangesNothing_data()
    {
        QTest::addColumn<Command>("command");
        QTest::newRow("play") << Command(&PlaybackController::playForward);
        QTest::newRow("back") << Command(&PlaybackController::playBackward);
        QTest::newRow("pause") << Command(&PlaybackController::pausePlay);
        QTest::newRow("stop") << Command(&PlaybackController::stopPlay);
        QTest::newRow("next") << Command(&PlaybackController::stepNext);
        QTest::newRow("prev") << Command(&PlaybackController::stepPrevious);
        QTest::newRow("tick") << Command(&PlaybackController::timerTick);
        QTest::newRow("show") << Command(&PlaybackController::showCurrentSlide);
        QTest::newRow("goto") << Command([](PlaybackController &p) {
            p.setIndexText(QStringLiteral("1"));
            p.goToSlide();
        });
    }
    void everyCommandOnAnEmptyListChangesNothing()
    {
        QFETCH(Command, command);
        Show show(QStringList{});
        QSignalSpy states(&show.playback, &PlaybackController::playStateChanged);
        QSignalSpy indexTexts(&show.playback, &PlaybackController::indexTextChanged);
        QSignalSpy indexes(&show.playback, &PlaybackController::currentIndexChanged);

        command(show.playback);

        QVERIFY(states.isEmpty());
        QVERIFY(indexTexts.isEmpty());
        QVERIFY(indexes.isEmpty());
        QCOMPARE(show.playback.playState(), PlayState::Stopped);
        QVERIFY(!show.playback.showTimer().isActive());
        QVERIFY(show.display.shown.isEmpty());
        QCOMPARE(show.display.raised + show.display.hidden, 0);
    }

    void stopHidesUnmarksAndKeepsTheLabel()
    {
        Show show;
        show.playback.playForward();
        show.playback.timerTick();
        show.playback.stopPlay();
        QCOMPARE(show.display.hidden, 1);
        QVERIFY(show.marked().isEmpty());
        QCOMPARE(show.playback.currentIndex(), -1);
        QCOMPARE(show.playback.indexText(), QStringLiteral("0"));
        QCOMPARE(show.playback.fileLabel(), show.paths[1]);
        QVERIFY(!show.playback.showTimer().isActive());
        // A new show starts again from the first slide.
        show.playback.playForward();
        QCOMPARE(show.display.shown.last(), show.paths[0]);
    }

    void nextWhileStoppedShowsWithoutStartingTheShow()
    {
        Show show;
        QSignalSpy states(&show.playback, &PlaybackController::playStateChanged);
        show.playback.stepNext();
        QCOMPARE(show.display.shown, QStringList{show.paths[0]});
        QVERIFY(!show.playback.showTimer().isActive());
        QVERIFY(states.isEmpty());
    }

    // A slide that cannot be shown, gone or undecodable, is passed over: the earlier
    // picture stays, nothing is marked, the boxes keep their text, the show goes on.
    void slideThatCannotBeShownIsPassedOver_data()
    {
        QTest::addColumn<bool>("deleted");
        QTest::newRow("file deleted") << true;
        QTest::newRow("picture undecodable") << false;
    }
    void slideThatCannotBeShownIsPassedOver()
    {
        QFETCH(bool, deleted);
        Show show;
        if (deleted)
            QVERIFY(QFile::remove(show.paths[1]));
        else
            show.display.undecodable.append(show.paths[1]);
        show.playback.playForward();
        show.playback.timerTick();

        QCOMPARE(show.playback.currentIndex(), 1);
        QCOMPARE(show.display.shown, QStringList{show.paths[0]});
        QVERIFY(show.marked().isEmpty());
        QCOMPARE(show.playback.indexText(), QStringLiteral("1"));
        QCOMPARE(show.playback.fileLabel(), show.paths[0]);

        show.playback.timerTick();
        QCOMPARE(show.display.shown.last(), show.paths[2]);
        QCOMPARE(show.marked(), QList<int>{2});
    }

    void hiddenFilesAndFoldersCountAsMissing()
    {
        Show show({".hidden.bmp"});
        QDir(show.dir.path()).mkdir(QStringLiteral("folder.bmp"));
        show.list.addPath(show.dir.filePath(QStringLiteral("folder.bmp")));
        show.playback.stepNext();
        show.playback.stepNext();
        QVERIFY(show.display.shown.isEmpty());
    }

    void goToSlide_data()
    {
        QTest::addColumn<bool>("stopped"); // otherwise slide 1 is current
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("shownCount");
        QTest::newRow("in range") << false << "3" << 2 << "3" << 2;
        QTest::newRow("blanks first") << false << "  2" << 1 << "2" << 2;
        QTest::newRow("half goes even, down") << false << "2.5" << 1 << "2" << 2;
        QTest::newRow("half goes even, up out of range") << false << "3.5" << 0 << "1" << 2;
        QTest::newRow("zero") << false << "0" << 0 << "1" << 2;
        QTest::newRow("negative") << false << "-3" << 0 << "1" << 2;
        QTest::newRow("no digits") << false << "abc" << 0 << "1" << 2;
        QTest::newRow("above count") << false << "4" << 0 << "1" << 2;
        QTest::newRow("far above range") << false << "1e30" << 0 << "1" << 2;
        QTest::newRow("stopped, rejected") << true << "9" << -1 << "0" << 0;
        QTest::newRow("stopped, accepted") << true << "2" << 1 << "2" << 1;
    }
    void goToSlide()
    {
        QFETCH(bool, stopped);
        QFETCH(QString, typed);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(int, shownCount);
        Show show;
        if (!stopped)
            show.playback.stepNext();
        show.playback.setIndexText(typed);
        show.playback.goToSlide();
        QCOMPARE(show.playback.currentIndex(), index);
        QCOMPARE(show.playback.indexText(), text);
        QCOMPARE(show.display.shown.size(), shownCount);
        QVERIFY(!show.playback.showTimer().isActive());
    }

    void applyDisplayTime_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("slider");
        QTest::newRow("zero") << "0" << 1000 << "1" << 1;
        QTest::newRow("negative") << "-5" << 1000 << "1" << 1;
        QTest::newRow("no digits") << "x" << 1000 << "1" << 1;
        QTest::newRow("in slider range") << "4" << 4000 << "4" << 4;
        QTest::newRow("slider end") << "10" << 10000 << "10" << 10;
        QTest::newRow("past slider, kept as typed") << "30" << 30000 << "30" << 10;
        QTest::newRow("longest") << "65" << 65000 << "65" << 10;
        QTest::newRow("too long") << "70" << 65000 << "65" << 10;
        QTest::newRow("far too long") << "1e99" << 65000 << "65" << 10;
        QTest::newRow("half goes even") << "2.5" << 2000 << "2.5" << 2;
    }
    void applyDisplayTime()
    {
        QFETCH(QString, typed);
        QFETCH(int, interval);
        QFETCH(QString, text);
        QFETCH(int, slider);
        Show show;
        show.playback.setTimerText(typed);
        show.playback.applyDisplayTime();
        QCOMPARE(show.playback.showTimer().interval(), interval);
        QCOMPARE(show.playback.timerText(), text);
        QCOMPARE(show.playback.sliderValue(), slider);
        QVERIFY(!show.playback.showTimer().isActive()); // enabling is not its business
    }

    void sliderSetsTheTimeAfterATypedLongTime()
    {
        Show show;
        show.playback.setTimerText(QStringLiteral("30"));
        show.playback.applyDisplayTime();
        QSignalSpy texts(&show.playback, &PlaybackController::timerTextChanged);
        show.playback.takeTimeFromSlider(4);
        QCOMPARE(show.playback.timerText(), QStringLiteral("4"));
        QCOMPARE(show.playback.showTimer().interval(), 4000);
        QCOMPARE(texts.size(), 1);
    }

    void timeWorksOnAnEmptyList()
    {
        Show show(QStringList{});
        show.playback.setTimerText(QStringLiteral("7"));
        show.playback.applyDisplayTime();
        QCOMPARE(show.playback.showTimer().interval(), 7000);
    }

    void realTimerAdvancesTheShow()
    {
        Show show;
        show.playback.setTimerText(QStringLiteral("1"));
        show.playback.applyDisplayTime();
        QSignalSpy indexes(&show.playback, &PlaybackController::currentIndexChanged);
        show.playback.playForward();
        QVERIFY(indexes.wait(3000)); // the first tick moves on to slide 2
        QTRY_COMPARE(show.playback.currentIndex(), 1);
    }
};

QTEST_GUILESS_MAIN(PlaybackControllerTest)
#include "tst_playback_controller.moc"
