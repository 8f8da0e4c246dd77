#include "platform/image_memory.h"

#include <cstdlib>
#include <sys/mman.h>

namespace vantaloop::platform {

namespace {

constexpr size_t hugePage = size_t(2) << 20;

void release(void *memory)
{
    std::free(memory);
}

} // namespace

QImage allocateImage(QSize size, QImage::Format format)
{
    const int depth = QImage(1, 1, format).depth();
    const qsizetype bytesPerLine = ((qsizetype(size.width()) * depth + 31) / 32) * 4;
    const size_t bytes = size_t(bytesPerLine) * size_t(size.height());
    if (bytes < 2 * hugePage)
        return QImage(size, format);
    void *memory = nullptr;
    const size_t rounded = (bytes + hugePage - 1) / hugePage * hugePage;
    if (posix_memalign(&memory, hugePage, rounded) != 0)
        return {};
    ::madvise(memory, rounded, MADV_HUGEPAGE); // a hint; without it pages stay small
    return QImage(static_cast<uchar *>(memory), size.width(), size.height(), bytesPerLine, format,
                  release, memory);
}

} // namespace vantaloop::platform
