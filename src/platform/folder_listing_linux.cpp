#include "platform/caseless.h"
#include "platform/dos_attributes_linux.h"
#include "platform/file_probe.h"
#include "platform/folder_listing.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace vantaloop::platform {

namespace {

bool lessByName(const FolderEntry &a, const FolderEntry &b)
{
    const int order = caselessCompare(a.name, b.name);
    return order != 0 ? order < 0 : a.name < b.name;
}

} // namespace

FolderListing listFolder(const QString &path)
{
    FolderListing listing;
    DIR *dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir) {
        listing.error = QString::fromLocal8Bit(std::strerror(errno));
        return listing;
    }
    const int folder = ::dirfd(dir);
    struct stat self {};
    if (::fstat(folder, &self) == 0) {
        listing.device = quint64(self.st_dev);
        listing.inode = quint64(self.st_ino);
    }
    QByteArray full = QFile::encodeName(path);
    if (!full.endsWith('/'))
        full += '/';
    const qsizetype base = full.size();
    errno = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        bool isFile = entry->d_type == DT_REG;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat target {};
            if (::fstatat(folder, name, &target, 0) != 0)
                continue; // a dangling link is neither
            isFolder = S_ISDIR(target.st_mode);
            isFile = S_ISREG(target.st_mode);
        }
        if (!isFolder && !isFile)
            continue;
        FolderEntry item{QFile::decodeName(name), name[0] == '.'};
        if (!item.hidden && isFile) {
            full.truncate(base);
            full += name;
            item.hidden = storedDosAttributesAt(folder, name, full.constData()) &
                          (HiddenAttribute | SystemAttribute);
        }
        (isFolder ? listing.folders : listing.files).append(std::move(item));
        errno = 0;
    }
    const int readError = errno;
    ::closedir(dir);
    if (readError != 0) {
        listing.error = QString::fromLocal8Bit(std::strerror(readError));
        return listing;
    }
    std::sort(listing.folders.begin(), listing.folders.end(), lessByName);
    std::sort(listing.files.begin(), listing.files.end(), lessByName);
    listing.ok = true;
    return listing;
}

} // namespace vantaloop::platform
