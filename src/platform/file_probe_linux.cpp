#include "platform/file_probe.h"

#include <QFile>
#include <QFileInfo>
#include <sys/xattr.h>

namespace vantaloop::platform {

namespace {

// The attribute mask kept in user.DOSATTRIB as the text "0x" and hex digits; 0 when absent.
unsigned storedAttributes(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    char value[64] = {};
    const ssize_t length = ::getxattr(name.constData(), "user.DOSATTRIB", value, sizeof value - 1);
    if (length <= 2 || value[0] != '0' || (value[1] != 'x' && value[1] != 'X'))
        return 0;
    bool ok = false;
    const unsigned mask = QByteArray(value + 2, int(length) - 2).toUInt(&ok, 16);
    return ok ? mask : 0;
}

} // namespace

bool isHiddenOrSystem(const QString &path) {
    if (QFileInfo(path).fileName().startsWith(u'.'))
        return true;
    return (storedAttributes(path) & (HiddenAttribute | SystemAttribute)) != 0;
}

bool isOrdinaryFile(const QString &path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !isHiddenOrSystem(path);
}

} // namespace vantaloop::platform
