// vantaloop-decode IN OUT.png: decodes a picture exactly as the program does and
// writes it as PNG, so anyone can check a file the way Vantaloop sees it. On failure
// it writes nothing, prints the reason and exits non-zero.
#include "player/picture_decoder.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Decoding needs no display.
    qputenv("QT_QPA_PLATFORM", QByteArray("minimal"));
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vantaloop-decode IN OUT.png\n");
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const vantaloop::DecodedPicture decoded = vantaloop::decodePicture(in);
    if (!decoded.ok()) {
        std::fprintf(stderr, "vantaloop-decode: %s: %s\n", argv[1], qPrintable(decoded.error));
        return 1;
    }
    QSaveFile file(out);
    QImageWriter writer(&file, "png");
    if (!file.open(QIODevice::WriteOnly) || !writer.write(decoded.image) || !file.commit()) {
        std::fprintf(stderr, "vantaloop-decode: %s: %s\n", argv[2],
                     qPrintable(writer.error() != QImageWriter::UnknownError ? writer.errorString()
                                                                             : file.errorString()));
        return 1;
    }
    return 0;
}
