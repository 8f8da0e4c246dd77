#pragma once

#include <QImage>
#include <QString>

namespace vantaloop {

struct DecodedPicture {
    QImage image;
    QString error; // why the picture could not be decoded; empty on success

    bool ok() const { return !image.isNull(); }
};

// Decodes the picture at path, its format taken from the content rather than the
// name, turned as its orientation tag says. Safe to call off the UI thread.
DecodedPicture decodePicture(const QString &path);

} // namespace vantaloop
