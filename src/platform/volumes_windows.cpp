#include "platform/volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace vantaloop::platform {

QList<Drive> SystemVolumes::drives() const
{
    QList<Drive> drives;
    for (const QFileInfo &drive : QDir::drives()) {
        const QString root = QDir::toNativeSeparators(drive.absoluteFilePath());
        drives.append({root, QStorageInfo(root).name()});
    }
    return drives;
}

bool SystemVolumes::isReady(const QString &root) const
{
    const QStorageInfo volume(root);
    return volume.isValid() && volume.isReady();
}

} // namespace vantaloop::platform
