#pragma once

#include <QList>
#include <QString>

namespace vantaloop::platform {

// A drive as the drive list shows it: a mounted volume's root folder and its name.
struct Drive {
    QString root; // ends with the separator
    QString name;
    friend bool operator==(const Drive &, const Drive &) = default;
};

// Where the drives come from. Tests present their own, among them drives that are
// not ready.
class VolumeSource {
public:
    virtual ~VolumeSource() = default;
    virtual QList<Drive> drives() const = 0;
    // The volume can be used now: mounted, ready and its root readable.
    virtual bool isReady(const QString &root) const = 0;
};

// The system's mounted volumes (Linux: every volume with a real file system, "/"
// always among them; Windows: the drive letters).
class SystemVolumes : public VolumeSource {
public:
    QList<Drive> drives() const override;
    bool isReady(const QString &root) const override;
};

// The drive, among the given ones, that holds path: the one with the longest root
// that path starts with.
QString driveOf(const QList<Drive> &drives, const QString &path);

} // namespace vantaloop::platform
