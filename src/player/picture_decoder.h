#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace vantaloop {

struct DecodedPicture {
    QImage image;      // ready to draw: the whole picture, or fitted when asked
    QSize naturalSize; // the upright picture's own size
    QString error;     // why the picture could not be decoded; empty on success

    bool ok() const { return !image.isNull(); }
};

// The most memory one decoded picture may take. A picture that would need more is
// reported, not decoded: so a small file that declares an enormous size is refused
// at once. 1 GiB holds a 16,000 × 16,000 colour picture.
inline constexpr int DecodeLimitMiB = 1024;

// Decodes the picture at path, its format taken from the content rather than the
// name (PCX included), turned as its orientation tag says. With fitInto valid, a
// larger picture comes back scaled down to fit it, proportions kept (JPEG is decoded
// at a reduced scale to begin with); a smaller one stays at its own size. A pure
// function, safe to run off the UI thread.
DecodedPicture decodePicture(const QString &path, QSize fitInto = {});

} // namespace vantaloop
