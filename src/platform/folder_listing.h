#pragma once

#include <QList>
#include <QString>

namespace vantaloop::platform {

struct FolderEntry {
    QString name;
    bool hidden = false; // a name starting with "." or the hidden or system attribute
};

// One folder's subfolders and files, each sorted by name ignoring letter case.
struct FolderListing {
    bool ok = false;
    QString error; // why the folder could not be read
    QList<FolderEntry> folders;
    QList<FolderEntry> files;
    // What the folder is, whatever path reached it; 0 where the system does not say.
    quint64 device = 0;
    quint64 inode = 0;
};

FolderListing listFolder(const QString &path);

} // namespace vantaloop::platform
