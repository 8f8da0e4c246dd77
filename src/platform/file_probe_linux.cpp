#include "platform/dos_attributes_linux.h"
#include "platform/file_probe.h"

#include <QFile>
#include <QFileInfo>

namespace vantaloop::platform {

bool isHiddenOrSystem(const QString &path)
{
    if (QFileInfo(path).fileName().startsWith(u'.'))
        return true;
    const unsigned mask = storedDosAttributes(QFile::encodeName(path).constData());
    return (mask & (HiddenAttribute | SystemAttribute)) != 0;
}

bool isOrdinaryFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !isHiddenOrSystem(path);
}

} // namespace vantaloop::platform
