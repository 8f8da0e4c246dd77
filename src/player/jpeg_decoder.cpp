#include "player/jpeg_decoder.h"

#include "platform/image_memory.h"

#include <QCoreApplication>
#include <QTransform>
#include <cstring>
#include <memory>
#include <turbojpeg.h>

namespace vantaloop::jpeg {

namespace {

struct HandleDeleter {
    void operator()(void *handle) const { tjDestroy(handle); }
};
using Handle = std::unique_ptr<void, HandleDeleter>;

quint32 read16(const uchar *p, bool little)
{
    return little ? p[0] | p[1] << 8 : p[0] << 8 | p[1];
}

quint32 read32(const uchar *p, bool little)
{
    return little ? read16(p, true) | read16(p + 2, true) << 16
                  : read16(p, false) << 16 | read16(p + 2, false);
}

// The orientation tag in a TIFF block (the body of an EXIF segment).
int orientationInTiff(const uchar *tiff, qsizetype size)
{
    if (size < 8)
        return 1;
    const bool little = tiff[0] == 'I' && tiff[1] == 'I';
    if (!little && !(tiff[0] == 'M' && tiff[1] == 'M'))
        return 1;
    const quint32 ifd = read32(tiff + 4, little);
    if (ifd + 2 > quint64(size))
        return 1;
    const quint32 count = read16(tiff + ifd, little);
    for (quint32 i = 0; i < count; ++i) {
        const quint64 entry = quint64(ifd) + 2 + 12 * quint64(i);
        if (entry + 12 > quint64(size))
            break;
        if (read16(tiff + entry, little) == 0x0112) {
            const quint32 value = read16(tiff + entry + 8, little);
            return value >= 1 && value <= 8 ? int(value) : 1;
        }
    }
    return 1;
}

bool turnsSideways(int orientation)
{
    return orientation >= 5;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("JpegDecoder", text);
}

} // namespace

bool looksLikeJpeg(QByteArrayView data)
{
    return data.size() >= 3 && uchar(data[0]) == 0xFF && uchar(data[1]) == 0xD8 &&
           uchar(data[2]) == 0xFF;
}

int exifOrientation(QByteArrayView data)
{
    const auto *p = reinterpret_cast<const uchar *>(data.data());
    qsizetype at = 2;
    // Walk the markers before the picture data; EXIF lives in an APP1 segment.
    while (at + 4 <= data.size() && p[at] == 0xFF) {
        const uchar marker = p[at + 1];
        if (marker == 0xDA || marker == 0xD9)
            break;
        const qsizetype length = read16(p + at + 2, false);
        if (length < 2 || at + 2 + length > data.size())
            break;
        if (marker == 0xE1 && length >= 8 && std::memcmp(p + at + 4, "Exif\0\0", 6) == 0)
            return orientationInTiff(p + at + 10, length - 8);
        at += 2 + length;
    }
    return 1;
}

QImage oriented(QImage image, int orientation)
{
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5:
        return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
    case 6:
        return image.transformed(QTransform().rotate(90));
    case 7:
        return image.transformed(QTransform(0, -1, -1, 0, 0, 0));
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

std::optional<Decoded> decode(QByteArrayView data, QSize cover, qint64 maxBytes)
{
    Decoded result;
    Handle handle(tjInitDecompress());
    if (!handle) {
        result.error = QString::fromLocal8Bit(tjGetErrorStr2(nullptr));
        return result;
    }
    const auto *bytes = reinterpret_cast<const unsigned char *>(data.data());
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(handle.get(), bytes, static_cast<unsigned long>(data.size()), &width,
                            &height, &subsampling, &colourspace) != 0) {
        result.error = QString::fromLocal8Bit(tjGetErrorStr2(handle.get()));
        return result;
    }
    if (colourspace == TJCS_CMYK || colourspace == TJCS_YCCK)
        return std::nullopt;

    const int orientation = exifOrientation(data);
    result.naturalSize = turnsSideways(orientation) ? QSize(height, width) : QSize(width, height);
    const QSize coverUnturned = turnsSideways(orientation) ? cover.transposed() : cover;

    // The smallest scale that still covers the size the picture will be shown at.
    int factorCount = 0;
    const tjscalingfactor *factors = tjGetScalingFactors(&factorCount);
    tjscalingfactor chosen{1, 1};
    if (cover.isValid() && factors) {
        for (int i = 0; i < factorCount; ++i) {
            const tjscalingfactor f = factors[i];
            const int w = TJSCALED(width, f);
            const int h = TJSCALED(height, f);
            const bool covers = w >= std::min(width, coverUnturned.width()) &&
                                h >= std::min(height, coverUnturned.height());
            if (covers && f.num * chosen.denom < chosen.num * f.denom)
                chosen = f;
        }
    }
    const int w = TJSCALED(width, chosen);
    const int h = TJSCALED(height, chosen);
    const bool grey = colourspace == TJCS_GRAY;
    if (qint64(w) * h * (grey ? 1 : 4) > maxBytes) {
        result.error = tr("The picture is too large to show (%1 × %2 pixels).")
                           .arg(result.naturalSize.width())
                           .arg(result.naturalSize.height());
        return result;
    }
    QImage image = platform::allocateImage(QSize(w, h),
                                           grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (image.isNull()) {
        result.error = tr("There is not enough memory to show the picture.");
        return result;
    }
    // QImage::Format_RGB32 is 0xffRRGGBB in native order: B, G, R, X bytes here.
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "pixel layout assumes a little-endian machine");
    const int pixelFormat = grey ? TJPF_GRAY : TJPF_BGRX;
    if (tjDecompress2(handle.get(), bytes, static_cast<unsigned long>(data.size()), image.bits(), w,
                      int(image.bytesPerLine()), h, pixelFormat, 0) != 0) {
        // A warning still leaves a usable picture (a cut-off file, for one).
        if (tjGetErrorCode(handle.get()) != TJERR_WARNING) {
            result.error = QString::fromLocal8Bit(tjGetErrorStr2(handle.get()));
            return result;
        }
    }
    result.image = oriented(std::move(image), orientation);
    return result;
}

} // namespace vantaloop::jpeg
