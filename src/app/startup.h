#pragma once

#include <QRect>
#include <QSize>
#include <QString>

namespace vantaloop {

// The main window's place on a screen of the given size: 800 × 600 centred, or the
// whole width or height of a smaller screen.
QRect mainWindowGeometry(QSize screen);

// Where the untitled list is saved: the program's folder when it is writable,
// otherwise the user's documents folder.
QString workFolderFor(const QString &appFolder);

} // namespace vantaloop
