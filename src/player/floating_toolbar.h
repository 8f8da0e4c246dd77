#pragma once

#include <QWidget>

class QToolBar;

namespace vantaloop {

// The small borderless control toolbar that stays on top of every window in a
// corner of the screen. A right-button press asks for the placement menu.
class FloatingToolbar : public QWidget {
    Q_OBJECT

public:
    explicit FloatingToolbar(QWidget *parent = nullptr);

    QToolBar *toolBar() const { return m_bar; }
    bool recording() const { return m_recording; }
    void setRecording(bool on) { m_recording = on; }

    // Codes 0 to 3 put it in a corner; other codes keep the corner and the right edge.
    void placeToolbar(int code);

signals:
    void popupRequested(const QPoint &globalPosition);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QToolBar *m_bar;
    bool m_recording = false;
};

} // namespace vantaloop
