#include "app/startup.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace vantaloop {

QRect mainWindowGeometry(QSize screen)
{
    const int width = screen.width() >= 800 ? 800 : screen.width();
    const int height = screen.height() >= 600 ? 600 : screen.height();
    return {(screen.width() - width) / 2, (screen.height() - height) / 2, width, height};
}

QString workFolderFor(const QString &appFolder)
{
    if (QFileInfo(appFolder).isWritable())
        return appFolder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace vantaloop
