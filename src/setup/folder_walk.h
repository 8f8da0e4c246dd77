#pragma once

#include "platform/folder_listing.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace vantaloop {

using FolderLister = std::function<platform::FolderListing(const QString &folder)>;
using FolderVisitor =
    std::function<void(const QString &folder, const platform::FolderListing &listing)>;

// Visits start and every folder below it that the folder list shows (hidden folders
// are not), depth first: subfolders in name order, each folder after everything
// below it, start last. A folder that cannot be read is skipped, the walk goes on,
// and it comes back as "path: reason". A folder reached a second time through a
// link is not walked again.
QStringList walkFolders(const QString &start, const FolderVisitor &visit,
                        const FolderLister &list = platform::listFolder);

} // namespace vantaloop
