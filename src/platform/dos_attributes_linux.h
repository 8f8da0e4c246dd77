#pragma once

#include <QByteArray>
#include <sys/xattr.h>

namespace vantaloop::platform {

// The attribute mask Samba and Wine keep in user.DOSATTRIB as the text "0x" and hex
// digits; 0 when the file has none or it cannot be read.
inline unsigned storedDosAttributes(const char *encodedPath)
{
    char value[64] = {};
    const ssize_t length = ::getxattr(encodedPath, "user.DOSATTRIB", value, sizeof value - 1);
    if (length <= 2 || value[0] != '0' || (value[1] != 'x' && value[1] != 'X'))
        return 0;
    bool ok = false;
    const unsigned mask = QByteArray(value + 2, int(length) - 2).toUInt(&ok, 16);
    return ok ? mask : 0;
}

} // namespace vantaloop::platform
