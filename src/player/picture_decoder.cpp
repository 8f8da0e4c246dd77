#include "player/picture_decoder.h"

#include "pcx/pcx_handler.h"

#include <QFile>
#include <QImageReader>

namespace vantaloop {

DecodedPicture decodePicture(const QString &path)
{
    QImageReader::setAllocationLimit(DecodeLimitMiB);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    DecodedPicture result;
    if (reader.read(&result.image))
        return result;
    result.image = QImage();
    result.error = reader.errorString();
    // Qt's reasons are general; a PCX header can say exactly what is wrong with it.
    if (reader.format() == "pcx" || reader.error() == QImageReader::UnsupportedFormatError) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.peek(1) == QByteArray(1, '\x0a')) {
            const QString problem = pcx::PcxHandler::headerProblem(&file);
            if (!problem.isEmpty())
                result.error = problem;
        }
    }
    return result;
}

} // namespace vantaloop
