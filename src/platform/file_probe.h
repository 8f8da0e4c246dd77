#pragma once

#include <QString>

namespace vantaloop::platform {

// File attribute bits as the Windows world stores them (and Samba/Wine read from user.DOSATTRIB).
enum FileAttribute : unsigned {
    ReadOnlyAttribute = 0x01,
    HiddenAttribute = 0x02,
    SystemAttribute = 0x04,
    ArchiveAttribute = 0x20,
};

// True when the file is hidden or system: a name that starts with "." or carries
// the hidden or system attribute.
bool isHiddenOrSystem(const QString &path);

// True when path names an ordinary file: it exists, is not a folder, and is neither
// hidden nor system. This is the test a slide must pass to be shown.
bool isOrdinaryFile(const QString &path);

} // namespace vantaloop::platform
