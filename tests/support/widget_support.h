#pragma once

#include "player/image_viewer.h"
#include "player/image_window.h"

#include <QSignalSpy>
#include <QTest>
#include <optional>

namespace vantaloop::testing {

// Loads a picture and waits for the viewer's answer: true when it was loaded.
inline bool load(ImageViewer &viewer, const QString &path)
{
    QSignalSpy loaded(&viewer, &ImageViewer::pictureLoaded);
    QSignalSpy failed(&viewer, &ImageViewer::pictureFailed);
    viewer.setPicturePath(path);
    if (!QTest::qWaitFor([&] { return !loaded.isEmpty() || !failed.isEmpty(); }, 10000))
        return false;
    return loaded.size() == 1 && failed.isEmpty();
}

// Shows a picture in the window and waits until it says whether it could.
inline bool show(ImageWindow &window, const QString &path)
{
    std::optional<bool> shown;
    window.showPicture(path, [&shown](bool ok) { shown = ok; });
    if (!QTest::qWaitFor([&] { return shown.has_value(); }, 10000))
        return false;
    return *shown;
}

} // namespace vantaloop::testing
