#include "platform/folder_listing.h"

#include <QDir>
#include <algorithm>
#include <windows.h>

namespace vantaloop::platform {

namespace {

bool lessByName(const FolderEntry &a, const FolderEntry &b)
{
    return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
}

} // namespace

FolderListing listFolder(const QString &path)
{
    FolderListing listing;
    const QString pattern = QDir::toNativeSeparators(QDir(path).filePath(QStringLiteral("*")));
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW(reinterpret_cast<const wchar_t *>(pattern.utf16()), &data);
    if (find == INVALID_HANDLE_VALUE) {
        listing.error = QStringLiteral("error %1").arg(::GetLastError());
        return listing;
    }
    do {
        const QString name = QString::fromWCharArray(data.cFileName);
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        const bool hidden =
            (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            listing.folders.append({name, hidden});
        else
            listing.files.append({name, hidden});
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
    std::sort(listing.folders.begin(), listing.folders.end(), lessByName);
    std::sort(listing.files.begin(), listing.files.end(), lessByName);
    listing.ok = true;
    return listing;
}

} // namespace vantaloop::platform
