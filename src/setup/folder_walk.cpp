#include "setup/folder_walk.h"

#include "platform/name_pattern.h"

#include <QFileInfo>
#include <QSet>

namespace vantaloop {

namespace {

struct Walk {
    const FolderVisitor &visit;
    const FolderLister &list;
    QSet<std::pair<quint64, quint64>> visited;
    QSet<QString> visitedPaths;
    QStringList skipped;

    // False when the folder was walked already (reached again through a link).
    bool firstVisit(const QString &folder, const platform::FolderListing &listing)
    {
        if (listing.inode != 0) {
            const auto identity = std::pair(listing.device, listing.inode);
            if (visited.contains(identity))
                return false;
            visited.insert(identity);
            return true;
        }
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (visitedPaths.contains(canonical))
            return false;
        visitedPaths.insert(canonical);
        return true;
    }

    void enter(const QString &folder)
    {
        const platform::FolderListing listing = list(folder);
        if (!listing.ok) {
            skipped.append(QStringLiteral("%1: %2").arg(folder, listing.error));
            return;
        }
        if (!firstVisit(folder, listing))
            return;
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
    Walk walk{visit, list, {}, {}, {}};
    walk.enter(start);
    return walk.skipped;
}

} // namespace vantaloop
