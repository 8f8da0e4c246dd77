#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace vantaloop::jpeg {

// True when the bytes start like a JPEG file.
bool looksLikeJpeg(QByteArrayView data);

// The EXIF orientation (1 to 8) the file carries; 1 when it has none.
int exifOrientation(QByteArrayView data);

// The picture turned as an EXIF orientation says.
QImage oriented(QImage image, int orientation);

struct Decoded {
    QImage image;      // turned upright; at a reduced scale when one was asked for
    QSize naturalSize; // the upright picture's full size
    QString error;
};

// Decodes with libjpeg-turbo straight into the image's buffer. With cover valid, at
// the smallest scale whose upright size still covers cover (the size the picture
// will be shown at); otherwise at full size. maxBytes bounds the decoded image.
// Returns nothing for what TurboJPEG cannot turn into RGB (CMYK pictures), so the
// caller can fall back to another decoder.
std::optional<Decoded> decode(QByteArrayView data, QSize cover, qint64 maxBytes);

} // namespace vantaloop::jpeg
