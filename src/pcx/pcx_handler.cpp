#include "pcx/pcx_handler.h"

#include "pcx/pcx_header.h"

#include <QIODevice>
#include <QImage>
#include <QVariant>
#include <algorithm>
#include <cstring>
#include <vector>

namespace vantaloop::pcx {

namespace {

std::optional<Header> peekHeader(QIODevice *device, QString *problem)
{
    if (!device) {
        *problem = QStringLiteral("No device to read from.");
        return std::nullopt;
    }
    return parseHeader(device->peek(HeaderSize), problem);
}

QImage::Format formatOf(const Header &h)
{
    if (h.planes == 4 && h.bitsPerPixel == 8)
        return QImage::Format_ARGB32;
    return h.isTrueColour() ? QImage::Format_RGB32 : QImage::Format_Indexed8;
}

bool allZero(const QList<QRgb> &colours, int count)
{
    return std::all_of(colours.begin(), colours.begin() + count,
                       [](QRgb c) { return (c & 0xffffff) == 0; });
}

// The colour table of a palette picture. data holds everything after the header.
QList<QRgb> colourTable(const Header &h, QByteArrayView data, bool *trailingPalette)
{
    *trailingPalette = false;
    const int bits = h.bitsPerPixel * h.planes;
    if (bits == 1)
        return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    if (bits == 2 && h.planes == 1) {
        if (allZero(h.colormap, 4)) // the CGA colours black, cyan, magenta, white
            return {qRgb(0, 0, 0), qRgb(0x55, 0xff, 0xff), qRgb(0xff, 0x55, 0xff),
                    qRgb(0xff, 0xff, 0xff)};
        return h.colormap.first(4);
    }
    if (bits <= 4) {
        // Version 3 files store no palette; neither does a header of zeros.
        const QList<QRgb> table =
            h.version == 3 || allZero(h.colormap, 16) ? defaultEgaPalette() : h.colormap;
        return table.first(1 << bits);
    }
    // 256 colours after a 0x0C marker at the end of the file, or a grey ramp.
    QList<QRgb> table;
    if (data.size() >= 769 && quint8(data[data.size() - 769]) == 0x0C) {
        *trailingPalette = true;
        const QByteArrayView palette = data.last(768);
        for (qsizetype at = 0; at < palette.size(); at += 3)
            table.append(
                qRgb(quint8(palette[at]), quint8(palette[at + 1]), quint8(palette[at + 2])));
    } else {
        for (int i = 0; i < 256; ++i)
            table.append(qRgb(i, i, i));
    }
    return table;
}

// Pixel data is one run-length stream: runs may cross scan lines and stop at the
// image's end; the input is never read past its end.
class Stream {
public:
    Stream(QByteArrayView data, bool rle)
        : m_data(data)
        , m_rle(rle)
    {
    }

    // Fills line; false when the data ended first (the rest of line is zero).
    bool fill(std::vector<uchar> &line)
    {
        size_t at = 0;
        while (at < line.size()) {
            if (m_runLeft > 0) {
                const size_t n = std::min<size_t>(m_runLeft, line.size() - at);
                std::memset(line.data() + at, m_runValue, n);
                at += n;
                m_runLeft -= int(n);
                continue;
            }
            if (m_pos >= m_data.size())
                break;
            const uchar c = uchar(m_data[m_pos++]);
            if (m_rle && (c & 0xC0) == 0xC0) {
                if (m_pos >= m_data.size())
                    break;
                m_runLeft = c & 0x3F;
                m_runValue = uchar(m_data[m_pos++]);
            } else {
                line[at++] = c;
            }
        }
        std::memset(line.data() + at, 0, line.size() - at);
        return at == line.size();
    }

private:
    QByteArrayView m_data;
    bool m_rle;
    qsizetype m_pos = 0;
    int m_runLeft = 0;
    uchar m_runValue = 0;
};

int bitAt(const uchar *plane, int x)
{
    return (plane[x >> 3] >> (7 - (x & 7))) & 1;
}

void convertLine(const Header &h, const std::vector<uchar> &line, QImage &image, int y)
{
    const int width = image.width();
    const uchar *in = line.data();
    const size_t bpl = size_t(h.bytesPerLine);
    if (formatOf(h) != QImage::Format_Indexed8) {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int alpha = h.planes == 4 ? in[3 * bpl + size_t(x)] : 255;
            out[x] = qRgba(in[x], in[bpl + size_t(x)], in[2 * bpl + size_t(x)], alpha);
        }
        return;
    }
    uchar *out = image.scanLine(y);
    if (h.planes > 1) {
        for (int x = 0; x < width; ++x) {
            int index = 0;
            for (int p = 0; p < h.planes; ++p)
                index |= bitAt(in + size_t(p) * bpl, x) << p;
            out[x] = uchar(index);
        }
        return;
    }
    switch (h.bitsPerPixel) {
    case 1:
        for (int x = 0; x < width; ++x)
            out[x] = uchar(bitAt(in, x));
        break;
    case 2:
        for (int x = 0; x < width; ++x)
            out[x] = (in[x >> 2] >> (6 - 2 * (x & 3))) & 3;
        break;
    case 4:
        for (int x = 0; x < width; ++x)
            out[x] = (in[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF;
        break;
    default:
        std::memcpy(out, in, size_t(width));
        break;
    }
}

} // namespace

bool PcxHandler::canRead(QIODevice *device)
{
    QString problem;
    return peekHeader(device, &problem).has_value();
}

QString PcxHandler::headerProblem(QIODevice *device)
{
    QString problem;
    peekHeader(device, &problem);
    return problem;
}

bool PcxHandler::canRead() const
{
    if (!canRead(device()))
        return false;
    setFormat("pcx");
    return true;
}

bool PcxHandler::read(QImage *image)
{
    QString problem;
    const std::optional<Header> header = peekHeader(device(), &problem);
    if (!header)
        return false;
    const Header &h = *header;
    // The size is checked against the reader's allocation limit before anything else.
    QImage result;
    if (!QImageIOHandler::allocateImage(h.size(), formatOf(h), &result))
        return false;
    device()->read(HeaderSize);
    const QByteArray data = device()->readAll();
    QByteArrayView pixels(data);
    if (result.format() == QImage::Format_Indexed8) {
        bool trailingPalette = false;
        result.setColorTable(colourTable(h, data, &trailingPalette));
        if (trailingPalette)
            pixels.chop(769);
    }
    result.fill(0);

    // A damaged or cut-off picture keeps the lines read so far; the rest stays black.
    std::vector<uchar> line(size_t(h.planes) * size_t(h.bytesPerLine));
    Stream stream(pixels, h.rle);
    for (int y = 0; y < result.height(); ++y) {
        const bool whole = stream.fill(line);
        convertLine(h, line, result, y);
        if (!whole)
            break;
    }
    *image = std::move(result);
    return true;
}

QVariant PcxHandler::option(ImageOption option) const
{
    QString problem;
    const std::optional<Header> header = peekHeader(device(), &problem);
    if (!header)
        return {};
    if (option == Size)
        return header->size();
    if (option == ImageFormat)
        return formatOf(*header);
    return {};
}

bool PcxHandler::supportsOption(ImageOption option) const
{
    return option == Size || option == ImageFormat;
}

} // namespace vantaloop::pcx
