#pragma once

#include <QByteArrayView>
#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>
#include <optional>

namespace vantaloop::pcx {

inline constexpr int HeaderSize = 128;

// The fixed 128-byte header of a PCX (ZSoft Paintbrush) file.
struct Header {
    int version = 0;
    bool rle = false;
    int bitsPerPixel = 0;
    int planes = 0;
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    int bytesPerLine = 0;
    QList<QRgb> colormap; // the 16 colours stored in the header

    QSize size() const { return {xMax - xMin + 1, yMax - yMin + 1}; }
    // Bytes one plane of a scan line needs at least for the width.
    qint64 minimumBytesPerLine() const;
    bool isTrueColour() const { return bitsPerPixel == 8 && planes >= 3; }
};

// Reads and checks a header; on failure says why in *problem.
std::optional<Header> parseHeader(QByteArrayView bytes, QString *problem);

// The 16 colours of the standard EGA palette, for files that store none.
QList<QRgb> defaultEgaPalette();

} // namespace vantaloop::pcx
