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

    bool showPicture(const QString &path) override;
    void bringToTop() override;
    void hideWindow() override;

private:
    ImageViewer *m_viewer;
    int m_viewSize = presentation::AutoSize;
    int m_positionCode = presentation::Center;
    QPoint m_lastPlacement;
};

} // namespace vantaloop
