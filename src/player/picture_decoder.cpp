#include "player/picture_decoder.h"

#include "pcx/pcx_handler.h"
#include "player/jpeg_decoder.h"
#include "player/presentation.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace vantaloop {

namespace {

constexpr qint64 decodeLimitBytes = qint64(DecodeLimitMiB) * 1024 * 1024;

// Shrinks a picture that is larger than fitInto; smaller ones stay as they are.
QImage fitted(QImage image, QSize fitInto)
{
    if (!fitInto.isValid())
        return image;
    const QSize shown = presentation::fittedSize(image.size(), fitInto);
    if (shown == image.size())
        return image;
    return image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

DecodedPicture decodeWithQt(QIODevice *device, QSize fitInto)
{
    QImageReader::setAllocationLimit(DecodeLimitMiB);
    QImageReader reader(device);
    reader.setAutoTransform(true);
    DecodedPicture result;
    if (reader.read(&result.image)) {
        result.naturalSize = result.image.size();
        result.image = fitted(std::move(result.image), fitInto);
        return result;
    }
    result.image = QImage();
    result.error = reader.errorString();
    // Qt's reasons are general; a PCX header can say exactly what is wrong with it.
    device->seek(0);
    if (device->peek(1) == QByteArray(1, '\x0a')) {
        const QString problem = pcx::PcxHandler::headerProblem(device);
        if (!problem.isEmpty())
            result.error = problem;
    }
    return result;
}

} // namespace

DecodedPicture decodePicture(const QString &path, QSize fitInto)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        DecodedPicture failed;
        failed.error = file.errorString();
        return failed;
    }
    // JPEG, the common case, goes straight through libjpeg-turbo into the image.
    if (jpeg::looksLikeJpeg(file.peek(3))) {
        const QByteArray data = file.readAll();
        if (std::optional<jpeg::Decoded> jpeg = jpeg::decode(data, fitInto, decodeLimitBytes)) {
            DecodedPicture result;
            result.naturalSize = jpeg->naturalSize;
            result.error = jpeg->error;
            if (!jpeg->image.isNull())
                result.image = fitted(std::move(jpeg->image), fitInto);
            return result;
        }
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        return decodeWithQt(&buffer, fitInto);
    }
    return decodeWithQt(&file, fitInto);
}

} // namespace vantaloop
