#pragma once

#include <QImage>

namespace vantaloop::platform {

// A new image for a decoder to write into. Large ones get memory the system can
// back with huge pages, so a 24-megapixel picture does not cost thousands of page
// faults as it is first written. Null when memory is short.
QImage allocateImage(QSize size, QImage::Format format);

} // namespace vantaloop::platform
