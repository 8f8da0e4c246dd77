#include "platform/volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace vantaloop::platform {

QList<Drive> SystemVolumes::drives() const
{
    QList<Drive> drives{{QStringLiteral("/"), QStringLiteral("root")}};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || volume.isRoot())
            continue;
        const QByteArray type = volume.fileSystemType();
        // Memory-backed and system file systems hold no user's pictures.
        if (type == "tmpfs" || type == "devtmpfs" || type == "overlay" || type == "squashfs")
            continue;
        QString root = volume.rootPath();
        if (!root.endsWith(u'/'))
            root += u'/';
        QString name = volume.name();
        if (name.isEmpty())
            name = QFileInfo(volume.rootPath()).fileName();
        drives.append({root, name});
    }
    std::sort(drives.begin(), drives.end(),
              [](const Drive &a, const Drive &b) { return a.root < b.root; });
    return drives;
}

bool SystemVolumes::isReady(const QString &root) const
{
    const QStorageInfo volume(root);
    return volume.isValid() && volume.isReady() && QFileInfo(root).isReadable();
}

} // namespace vantaloop::platform
