#include "player/picture_decoder.h"

#include <QImageReader>

namespace vantaloop {

DecodedPicture decodePicture(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    DecodedPicture result;
    if (!reader.read(&result.image)) {
        result.image = QImage();
        result.error = reader.errorString();
    }
    return result;
}

} // namespace vantaloop
