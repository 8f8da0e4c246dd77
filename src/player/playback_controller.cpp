#include "player/playback_controller.h"

#include "platform/file_probe.h"
#include "player/slide_display.h"
#include "player/typed_number.h"
#include "setup/slide_list_model.h"

#include <QItemSelectionModel>

namespace vantaloop {

PlaybackController::PlaybackController(SlideListModel *list, QItemSelectionModel *selection,
                                       QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_selection(selection)
{
    // A periodic precise timer keeps the show's pace whatever each slide costs.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &PlaybackController::timerTick);
}

bool PlaybackController::listIsEmpty() const
{
    return m_list->count() < 1;
}

void PlaybackController::setCurrentIndex(int index)
{
    if (index == m_currentIndex)
        return;
    m_currentIndex = index;
    emit currentIndexChanged(index);
}

void PlaybackController::writeIndexText(const QString &text)
{
    m_indexText = text;
    emit indexTextChanged(text);
}

void PlaybackController::setPlayState(PlayState state)
{
    if (state == m_playState)
        return;
    m_playState = state;
    emit playStateChanged(state);
}

void PlaybackController::unmarkCurrent()
{
    if (m_currentIndex >= 0 && m_currentIndex < m_list->count())
        m_selection->select(m_list->index(m_currentIndex), QItemSelectionModel::Deselect);
}

void PlaybackController::playForward()
{
    if (listIsEmpty())
        return;
    setPlayState(PlayState::Forward);
    m_timer.stop();
    stepNext();
    m_timer.start();
}

void PlaybackController::playBackward()
{
    if (listIsEmpty())
        return;
    setPlayState(PlayState::Backward);
    m_timer.stop();
    stepPrevious();
    m_timer.start();
}

void PlaybackController::pausePlay()
{
    if (listIsEmpty())
        return;
    if (m_playState != PlayState::Forward && m_playState != PlayState::Backward)
        return;
    setPlayState(PlayState::Paused);
    m_timer.stop();
}

void PlaybackController::stopPlay()
{
    if (listIsEmpty())
        return;
    setPlayState(PlayState::Stopped);
    m_timer.stop();
    if (m_display)
        m_display->hideWindow();
    unmarkCurrent();
    setCurrentIndex(-1);
    writeIndexText(QStringLiteral("0"));
}

void PlaybackController::step(int delta)
{
    unmarkCurrent();
    const int count = m_list->count();
    int next = m_currentIndex + delta;
    if (next >= count)
        next = 0;
    else if (next < 0)
        next = count - 1;
    setCurrentIndex(next);
    showCurrentSlide();
}

void PlaybackController::stepNext()
{
    if (listIsEmpty())
        return;
    step(+1);
    if (m_display)
        m_display->bringToTop();
}

void PlaybackController::stepPrevious()
{
    if (listIsEmpty())
        return;
    step(-1);
    if (m_display)
        m_display->bringToTop();
}

void PlaybackController::timerTick()
{
    if (listIsEmpty())
        return;
    if (m_playState == PlayState::Forward)
        step(+1);
    else if (m_playState == PlayState::Backward)
        step(-1);
    else {
        unmarkCurrent();
        showCurrentSlide();
    }
}

void PlaybackController::showCurrentSlide()
{
    if (m_currentIndex < 0 || m_currentIndex >= m_list->count())
        return;
    const QString path = m_list->path(m_currentIndex);
    if (!platform::isOrdinaryFile(path))
        return;
    if (!m_display) {
        slideShown(m_currentIndex, path);
        return;
    }
    // A picture that cannot be decoded is passed over like a missing file: the
    // label, the mark and the number change only once the picture is on screen.
    const int index = m_currentIndex;
    m_display->showPicture(path, [this, index, path](bool shown) {
        if (shown)
            slideShown(index, path);
    });
}

void PlaybackController::slideShown(int index, const QString &path)
{
    // The list may have changed while the picture was loading.
    if (index != m_currentIndex || index >= m_list->count() || m_list->path(index) != path)
        return;
    m_fileLabel = path;
    emit fileLabelChanged(path);
    const QModelIndex entry = m_list->index(index);
    m_selection->setCurrentIndex(entry, QItemSelectionModel::NoUpdate);
    m_selection->select(entry, QItemSelectionModel::Select);
    writeIndexText(QString::number(index + 1));

    // The slides a tick or a step will most likely want next are decoded ahead.
    const int count = m_list->count();
    if (m_display && count > 1) {
        const int direction = m_playState == PlayState::Backward ? -1 : 1;
        QStringList upcoming{m_list->path((index + direction + count) % count)};
        if (count > 2)
            upcoming.append(m_list->path((index - direction + count) % count));
        m_display->prefetch(upcoming);
    }
}

void PlaybackController::goToSlide()
{
    if (listIsEmpty())
        return;
    const double n = readTypedNumber(m_indexText) - 1;
    if (n > -1 && n < m_list->count()) {
        unmarkCurrent();
        setCurrentIndex(int(n));
    } else {
        writeIndexText(QString::number(m_currentIndex + 1));
    }
    showCurrentSlide();
}

void PlaybackController::applyDisplayTime()
{
    double n = readTypedNumber(m_timerText);
    if (n < MinSeconds) {
        n = MinSeconds;
        m_timerText = QString::number(MinSeconds);
        emit timerTextChanged(m_timerText);
        setSliderValue(MinSeconds);
    } else if (n > MaxSeconds) {
        n = MaxSeconds;
        m_timerText = QString::number(MaxSeconds);
        emit timerTextChanged(m_timerText);
        setSliderValue(SliderMax);
    } else if (n > SliderMax) {
        setSliderValue(SliderMax);
    } else {
        setSliderValue(int(n));
    }
    setShowInterval(int(n) * 1000);
}

void PlaybackController::takeTimeFromSlider(int seconds)
{
    m_sliderValue = seconds;
    m_timerText = QString::number(seconds);
    emit timerTextChanged(m_timerText);
    setShowInterval(seconds * 1000);
}

void PlaybackController::setSliderValue(int value)
{
    m_sliderValue = value;
    emit sliderValueChanged(value);
}

void PlaybackController::setShowInterval(int milliseconds)
{
    if (m_timer.interval() != milliseconds)
        m_timer.setInterval(milliseconds);
}

} // namespace vantaloop
