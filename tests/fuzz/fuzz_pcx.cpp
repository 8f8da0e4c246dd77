// libFuzzer target: any bytes through the PCX reader must neither crash nor touch
// memory they should not. Seeded with the PCX fixtures.
#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_pcx";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    // The limit the program sets: larger declared sizes are refused, not allocated.
    QImageReader::setAllocationLimit(256);

    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "pcx");
    (void)reader.size();
    QImage image;
    reader.read(&image);
    return 0;
}
