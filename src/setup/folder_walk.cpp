#include "setup/folder_walk.h"

#include "platform/name_pattern.h"

#include <QFileInfo>
#include <QSet>

namespace vantaloop {

namespace {

struct Walk {
    const FolderVisitor &visit;
    const FolderLister &list;
    QSet<QString> visited;
    QStringList skipped;

    void enter(const QString &folder)
    {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (!canonical.isEmpty()) {
            if (visited.contains(canonical))
                return;
            visited.insert(canonical);
        }
        const platform::FolderListing listing = list(folder);
        if (!listing.ok) {
            skipped.append(QStringLiteral("%1: %2").arg(folder, listing.error));
            return;
        }
        for (const platform::FolderEntry &sub : listing.folders) {
            if (!sub.hidden)
                enter(platform::joinPath(folder, sub.name));
        }
        visit(folder, listing);
    }
};

} // namespace

QStringList walkFolders(const QString &start, const FolderVisitor &visit, const FolderLister &list)
{
    Walk walk{visit, list, {}, {}};
    walk.enter(start);
    return walk.skipped;
}

} // namespace vantaloop
