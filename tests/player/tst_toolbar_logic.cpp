#include "player/toolbar_logic.h"

#include <QTest>

using namespace vantaloop::toolbar;

Q_DECLARE_METATYPE(Command)

class ToolbarLogicTest : public QObject {
    Q_OBJECT

private slots:
    void routesByKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<Command>("main");
        QTest::addColumn<Command>("floating");
        QTest::newRow("New") << "New" << Command::New << Command::None;
        QTest::newRow("Open") << "Open" << Command::Open << Command::None;
        QTest::newRow("Save") << "Save" << Command::Save << Command::None;
        QTest::newRow("Print") << "Print" << Command::Print << Command::None;
        QTest::newRow("Prev") << "Prev" << Command::Previous << Command::Previous;
        QTest::newRow("Next") << "Next" << Command::Next << Command::Next;
        QTest::newRow("Play") << "Play" << Command::Play << Command::Play;
        QTest::newRow("PlayOn") << "PlayOn" << Command::Play << Command::Play;
        QTest::newRow("Pause") << "Pause" << Command::Pause << Command::Pause;
        QTest::newRow("PauseOn") << "PauseOn" << Command::Pause << Command::Pause;
        QTest::newRow("Stop") << "Stop" << Command::Stop << Command::Stop;
        QTest::newRow("Back") << "Back" << Command::Back << Command::Back;
        QTest::newRow("BackOn") << "BackOn" << Command::Back << Command::Back;
        QTest::newRow("Record") << "Record" << Command::Record << Command::Record;
        QTest::newRow("unknown") << "Rewind" << Command::None << Command::None;
        QTest::newRow("keys are exact") << "play" << Command::None << Command::None;
    }
    void routesByKey()
    {
        QFETCH(QString, key);
        QFETCH(Command, main);
        QFETCH(Command, floating);
        QCOMPARE(commandForKey(key, true), main);
        QCOMPARE(commandForKey(key, false), floating);
    }

    void twins_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QList<bool>>("visible"); // Play PlayOn Pause PauseOn Back BackOn
        QTest::newRow("stopped") << 0 << QList<bool>{true, false, true, false, true, false};
        QTest::newRow("forward") << 1 << QList<bool>{false, true, true, false, true, false};
        QTest::newRow("paused") << 2 << QList<bool>{true, false, false, true, true, false};
        QTest::newRow("backward") << 3 << QList<bool>{true, false, true, false, false, true};
    }
    void twins()
    {
        QFETCH(int, state);
        QFETCH(QList<bool>, visible);
        const auto t = twinVisibility(state);
        QVERIFY(t);
        QCOMPARE((QList<bool>{t->play, t->playOn, t->pause, t->pauseOn, t->back, t->backOn}),
                 visible);
    }
    void otherStatesChangeNothing() { QVERIFY(!twinVisibility(4)); }

    void placement_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("recording");
        QTest::addColumn<QPoint>("current");
        QTest::addColumn<QRect>("expected");
        const QPoint bottomRight(658, 574);
        QTest::newRow("start-up corner") << 2 << false << QPoint() << QRect(658, 574, 142, 26);
        QTest::newRow("top left") << 0 << false << bottomRight << QRect(0, 0, 142, 26);
        QTest::newRow("top right") << 1 << false << bottomRight << QRect(658, 0, 142, 26);
        QTest::newRow("bottom left") << 3 << false << bottomRight << QRect(0, 574, 142, 26);
        QTest::newRow("record on the right widens leftward")
            << 5 << true << bottomRight << QRect(635, 574, 165, 26);
        QTest::newRow("record on the left widens rightward")
            << 5 << true << QPoint(0, 574) << QRect(0, 574, 165, 26);
        QTest::newRow("record off on the right stays flush")
            << 6 << false << QPoint(635, 0) << QRect(658, 0, 142, 26);
    }
    void placement()
    {
        QFETCH(int, code);
        QFETCH(bool, recording);
        QFETCH(QPoint, current);
        QFETCH(QRect, expected);
        const QSize window = floatingWindowSize(QSize(23, 22), recording);
        QCOMPARE(QRect(floatingPosition(code, window, QSize(800, 600), current), window), expected);
    }
};

QTEST_GUILESS_MAIN(ToolbarLogicTest)
#include "tst_toolbar_logic.moc"
