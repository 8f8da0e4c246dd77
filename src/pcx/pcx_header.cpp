#include "pcx/pcx_header.h"

#include <QCoreApplication>

namespace vantaloop::pcx {

namespace {

int word(QByteArrayView bytes, int at)
{
    return quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8);
}

bool knownLayout(int bitsPerPixel, int planes)
{
    switch (bitsPerPixel) {
    case 1:
        return planes >= 1 && planes <= 4;
    case 2:
    case 4:
        return planes == 1;
    case 8:
        return planes == 1 || planes == 3 || planes == 4;
    default:
        return false;
    }
}

QString tr(const char *text)
{
    return QCoreApplication::translate("PcxReader", text);
}

} // namespace

qint64 Header::minimumBytesPerLine() const
{
    return (qint64(size().width()) * bitsPerPixel + 7) / 8;
}

std::optional<Header> parseHeader(QByteArrayView bytes, QString *problem)
{
    if (bytes.size() < HeaderSize) {
        *problem = tr("The file is shorter than a PCX header.");
        return std::nullopt;
    }
    if (quint8(bytes[0]) != 0x0A) {
        *problem = tr("This is not a PCX file.");
        return std::nullopt;
    }
    Header h;
    h.version = quint8(bytes[1]);
    const int encoding = quint8(bytes[2]);
    h.bitsPerPixel = quint8(bytes[3]);
    h.xMin = word(bytes, 4);
    h.yMin = word(bytes, 6);
    h.xMax = word(bytes, 8);
    h.yMax = word(bytes, 10);
    h.planes = quint8(bytes[65]);
    h.bytesPerLine = word(bytes, 66);
    if (h.version != 0 && (h.version < 2 || h.version > 5)) {
        *problem = tr("The PCX version is not one that exists.");
        return std::nullopt;
    }
    if (encoding > 1) {
        *problem = tr("The PCX encoding is unknown.");
        return std::nullopt;
    }
    h.rle = encoding == 1;
    if (!knownLayout(h.bitsPerPixel, h.planes)) {
        *problem = tr("The PCX colour layout (bits per pixel and planes) is unknown.");
        return std::nullopt;
    }
    if (h.xMax < h.xMin || h.yMax < h.yMin) {
        *problem = tr("The PCX picture has no size.");
        return std::nullopt;
    }
    if (h.bytesPerLine < h.minimumBytesPerLine()) {
        *problem = tr("The PCX scan lines are too short for the picture's width.");
        return std::nullopt;
    }
    for (int i = 0; i < 16; ++i) {
        const int at = 16 + 3 * i;
        h.colormap.append(qRgb(quint8(bytes[at]), quint8(bytes[at + 1]), quint8(bytes[at + 2])));
    }
    return h;
}

QList<QRgb> defaultEgaPalette()
{
    return {0xff000000, 0xff0000aa, 0xff00aa00, 0xff00aaaa, 0xffaa0000, 0xffaa00aa,
            0xffaa5500, 0xffaaaaaa, 0xff555555, 0xff5555ff, 0xff55ff55, 0xff55ffff,
            0xffff5555, 0xffff55ff, 0xffffff55, 0xffffffff};
}

} // namespace vantaloop::pcx
