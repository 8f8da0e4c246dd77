#include "platform/image_memory.h"

namespace vantaloop::platform {

QImage allocateImage(QSize size, QImage::Format format)
{
    return QImage(size, format);
}

} // namespace vantaloop::platform
