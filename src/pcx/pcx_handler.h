#pragma once

#include <QImageIOHandler>

namespace vantaloop::pcx {

// Reads PCX pictures: 1-bit monochrome, 2-bit CGA, 1-bit × 2 to 4 planes (EGA),
// 4-bit and 8-bit palette, 24-bit and 32-bit colour; run-length coded or not.
class PcxHandler : public QImageIOHandler {
public:
    bool canRead() const override;
    bool read(QImage *image) override;
    QVariant option(ImageOption option) const override;
    bool supportsOption(ImageOption option) const override;

    // True when the device starts with a valid PCX header; the device is not moved.
    static bool canRead(QIODevice *device);
    // Why the device does not hold a PCX picture that can be read, as far as its
    // header tells; empty when the header is sound. The device is not moved.
    static QString headerProblem(QIODevice *device);
};

} // namespace vantaloop::pcx
