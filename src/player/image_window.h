#pragma once

#include "player/presentation.h"
#include "player/slide_display.h"

#include <QWidget>

namespace vantaloop {

class ImageViewer;

// The borderless window the slides appear in. It holds only the viewer, takes its
// size from the view size and its place from the position code each time a picture
// has been loaded.
class ImageWindow : public QWidget, public SlideDisplay {
    Q_OBJECT

public:
    explicit ImageWindow(QWidget *parent = nullptr);

    ImageViewer *viewer() const { return m_viewer; }

    int viewSize() const { return m_viewSize; }
    // Applies a view size at once; the place waits for the next picture.
    void setViewSize(int code);
    int positionCode() const { return m_positionCode; }
    // Read at the next placement; out of range means no position is chosen.
    void setPositionCode(int code) { m_positionCode = code; }
    QPoint lastPlacement() const { return m_lastPlacement; }

    void placeImageWindow();

    void showPicture(const QString &path, std::function<void(bool shown)> done) override;
    void prefetch(const QStringList &paths) override;
    void bringToTop() override;
    void hideWindow() override;

private:
    void finishShowing(bool shown);

    ImageViewer *m_viewer;
    std::function<void(bool)> m_pending;
    int m_viewSize = presentation::AutoSize;
    int m_positionCode = presentation::Center;
    QPoint m_lastPlacement;
};

} // namespace vantaloop
