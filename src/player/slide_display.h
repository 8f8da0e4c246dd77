#pragma once

#include <QString>

namespace vantaloop {

// What the playback controller asks of the window that shows the slides.
class SlideDisplay {
public:
    virtual ~SlideDisplay() = default;

    // Loads and shows the picture; false when it cannot be shown (it is then passed
    // over like a missing file and the earlier picture stays).
    virtual bool showPicture(const QString &path) = 0;
    virtual void bringToTop() = 0;
    virtual void hideWindow() = 0;
};

} // namespace vantaloop
