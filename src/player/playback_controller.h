#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QItemSelectionModel;

namespace vantaloop {

class SlideDisplay;
class SlideListModel;

enum class PlayState { Stopped = 0, Forward = 1, Paused = 2, Backward = 3 };

// Turns the slide list into a timed show: owns the current slide, the play state and
// the show timer, and keeps the number box, the path label and the list's marked
// entry in step with the slide shown. The setup window binds its boxes to the text
// properties here; the controller itself holds no widget.
class PlaybackController : public QObject {
    Q_OBJECT

public:
    static constexpr int MinSeconds = 1;
    static constexpr int MaxSeconds = 65;
    static constexpr int SliderMax = 10;

    PlaybackController(SlideListModel *list, QItemSelectionModel *selection,
                       QObject *parent = nullptr);

    void setDisplay(SlideDisplay *display) { m_display = display; }

    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int index);
    PlayState playState() const { return m_playState; }

    // txtIndex: what the number box holds. The window reports typing with
    // setIndexText; indexTextChanged fires only when the controller rewrites it.
    QString indexText() const { return m_indexText; }
    void setIndexText(const QString &text) { m_indexText = text; }
    void writeIndexText(const QString &text);
    // lblFile: the path of the last slide shown.
    QString fileLabel() const { return m_fileLabel; }
    // txtTimer and sldBar: the show time as typed, and the slider mirroring it.
    QString timerText() const { return m_timerText; }
    void setTimerText(const QString &text) { m_timerText = text; }
    int sliderValue() const { return m_sliderValue; }

    const QTimer &showTimer() const { return m_timer; }
    void disableTimer() { m_timer.stop(); }
    // The show timer's interval. Changing it restarts a running countdown, so a new
    // time is felt at once; setting the same interval again does not.
    void setShowInterval(int milliseconds);

public slots:
    void playForward();
    void playBackward();
    void pausePlay();
    void stopPlay();
    void stepNext();
    void stepPrevious();
    void timerTick();
    void showCurrentSlide();
    void goToSlide();
    void applyDisplayTime();
    // The user moved the slider: its value becomes the show time.
    void takeTimeFromSlider(int seconds);

signals:
    void currentIndexChanged(int index);
    void playStateChanged(vantaloop::PlayState state);
    void indexTextChanged(const QString &text);
    void fileLabelChanged(const QString &text);
    void timerTextChanged(const QString &text);
    void sliderValueChanged(int value);

private:
    bool listIsEmpty() const;
    void setPlayState(PlayState state);
    void unmarkCurrent();
    void step(int delta);
    // The steps of showing a slide that wait until its picture is on screen.
    void slideShown(int index, const QString &path);
    void setSliderValue(int value);

    SlideListModel *m_list;
    QItemSelectionModel *m_selection;
    SlideDisplay *m_display = nullptr;
    QTimer m_timer;
    int m_currentIndex = -1;
    PlayState m_playState = PlayState::Stopped;
    QString m_indexText;
    QString m_fileLabel = QStringLiteral("File Name");
    QString m_timerText = QStringLiteral("1");
    int m_sliderValue = 1;
};

} // namespace vantaloop
