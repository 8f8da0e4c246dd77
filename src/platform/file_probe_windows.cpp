#include "platform/file_probe.h"

#include <windows.h>

namespace vantaloop::platform {

namespace {

DWORD attributesOf(const QString &path)
{
    return ::GetFileAttributesW(reinterpret_cast<const wchar_t *>(path.utf16()));
}

} // namespace

bool isHiddenOrSystem(const QString &path)
{
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

bool isOrdinaryFile(const QString &path)
{
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

} // namespace vantaloop::platform
