#include "platform/volumes.h"

#include <QDir>

namespace vantaloop::platform {

namespace {
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity pathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity pathCase = Qt::CaseSensitive;
#endif
} // namespace

QString driveOf(const QList<Drive> &drives, const QString &path)
{
    const QString native = QDir::toNativeSeparators(path) + QDir::separator();
    QString best;
    for (const Drive &drive : drives) {
        const QString root = QDir::toNativeSeparators(drive.root);
        if (native.startsWith(root, pathCase) && root.size() > best.size())
            best = drive.root;
    }
    return best;
}

} // namespace vantaloop::platform
