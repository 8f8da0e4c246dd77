#pragma once

#include <QImage>
#include <QString>

namespace vantaloop {

struct DecodedPicture {
    QImage image;
    QString error; // why the picture could not be decoded; empty on success

    bool ok() const { return !image.isNull(); }
};

// The most memory one decoded picture may take. A picture that would need more is
// reported, not decoded: so a small file that declares an enormous size is refused
// at once. 1 GiB holds a 16,000 × 16,000 colour picture.
inline constexpr int DecodeLimitMiB = 1024;

// Decodes the picture at path, its format taken from the content rather than the
// name (PCX included), turned as its orientation tag says. Safe to call off the UI
// thread.
DecodedPicture decodePicture(const QString &path);

} // namespace vantaloop
