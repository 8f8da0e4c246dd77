#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace vantaloop {

// What the playback controller asks of the window that shows the slides.
class SlideDisplay {
public:
    virtual ~SlideDisplay() = default;

    // Loads and shows the picture, then calls done: true once it is on screen, false
    // when it cannot be shown (it is then passed over like a missing file and the
    // earlier picture stays). done may be called before this returns. Only the last
    // request's done is ever called: a picture the show has moved past is dropped.
    virtual void showPicture(const QString &path, std::function<void(bool shown)> done) = 0;
    // Pictures the show will likely ask for next, to be decoded ahead.
    virtual void prefetch(const QStringList &paths) = 0;
    virtual void bringToTop() = 0;
    // Hides the window; a picture still loading is not shown.
    virtual void hideWindow() = 0;
};

} // namespace vantaloop
