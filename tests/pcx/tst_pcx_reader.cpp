#include "player/picture_decoder.h"
#include "support/test_support.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace vantaloop;

namespace {

// A PCX file built byte by byte, for the layouts no encoder at hand writes.
struct Pcx {
    int version = 5;
    int encoding = 1;
    int bitsPerPixel = 8;
    int planes = 1;
    int xMin = 0, yMin = 0;
    int width = 1, height = 1;
    int bytesPerLine = -1; // the least the width needs when negative
    QList<QRgb> headerPalette;
    QByteArray scanLines; // raw, one plane after another for each line
    QList<QRgb> trailingPalette;
    int cutAfter = -1; // keep only this many bytes of pixel data

    int bpl() const { return bytesPerLine >= 0 ? bytesPerLine : (width * bitsPerPixel + 7) / 8; }

    static QByteArray runLengthCoded(const QByteArray &raw)
    {
        QByteArray out;
        for (qsizetype i = 0; i < raw.size();) {
            qsizetype n = 1;
            while (i + n < raw.size() && raw[i + n] == raw[i] && n < 63)
                ++n;
            if (n > 1 || (uchar(raw[i]) & 0xC0) == 0xC0)
                out.append(char(0xC0 | n));
            out.append(raw[i]);
            i += n;
        }
        return out;
    }

    QByteArray bytes() const
    {
        QByteArray h(128, '\0');
        const auto word = [&h](int at, int value) {
            h[at] = char(value & 0xff);
            h[at + 1] = char((value >> 8) & 0xff);
        };
        h[0] = 0x0A;
        h[1] = char(version);
        h[2] = char(encoding);
        h[3] = char(bitsPerPixel);
        word(4, xMin);
        word(6, yMin);
        word(8, xMin + width - 1);
        word(10, yMin + height - 1);
        for (int i = 0; i < headerPalette.size(); ++i) {
            h[16 + 3 * i] = char(qRed(headerPalette[i]));
            h[17 + 3 * i] = char(qGreen(headerPalette[i]));
            h[18 + 3 * i] = char(qBlue(headerPalette[i]));
        }
        h[65] = char(planes);
        word(66, bpl());
        QByteArray data = encoding == 1 ? runLengthCoded(scanLines) : scanLines;
        if (cutAfter >= 0)
            data.truncate(cutAfter);
        QByteArray file = h + data;
        if (!trailingPalette.isEmpty()) {
            file.append(char(0x0C));
            for (int i = 0; i < 256; ++i) {
                const QRgb c = trailingPalette.value(i);
                file.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
            }
        }
        return file;
    }
};

// Packs pixel indexes into one scan line of the given layout.
QByteArray packLine(const QList<int> &indexes, int bitsPerPixel, int planes, int bpl)
{
    QByteArray line(bpl * planes, '\0');
    for (int x = 0; x < indexes.size(); ++x) {
        const int v = indexes[x];
        if (planes > 1) {
            for (int p = 0; p < planes; ++p) {
                if (v & (1 << p))
                    line[p * bpl + x / 8] = char(line[p * bpl + x / 8] | (0x80 >> (x % 8)));
            }
        } else if (bitsPerPixel == 8) {
            line[x] = char(v);
        } else {
            const int perByte = 8 / bitsPerPixel;
            const int shift = 8 - bitsPerPixel * (x % perByte + 1);
            line[x / perByte] = char(line[x / perByte] | (v << shift));
        }
    }
    return line;
}

QImage decodeBytes(const QByteArray &bytes, QString *error = nullptr)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (error)
        *error = reader.errorString();
    return image;
}

QList<QRgb> pixels(const QImage &image)
{
    QList<QRgb> result;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x)
            result.append(argb.pixel(x, y));
    }
    return result;
}

const QList<QRgb> ega = {0xff000000, 0xff0000aa, 0xff00aa00, 0xff00aaaa, 0xffaa0000, 0xffaa00aa,
                         0xffaa5500, 0xffaaaaaa, 0xff555555, 0xff5555ff, 0xff55ff55, 0xff55ffff,
                         0xffff5555, 0xffff55ff, 0xffffff55, 0xffffffff};

QList<QRgb> through(const QList<int> &indexes, const QList<QRgb> &table)
{
    QList<QRgb> result;
    for (int i : indexes)
        result.append(table.at(i));
    return result;
}

// A palette picture of the given layout: pixels holds the colour indexes row by row.
Pcx indexed(int bitsPerPixel, int planes, int width, const QList<int> &pixels,
            int bytesPerLine = -1)
{
    Pcx p;
    p.bitsPerPixel = bitsPerPixel;
    p.planes = planes;
    p.width = width;
    p.height = int(pixels.size()) / width;
    p.bytesPerLine = bytesPerLine;
    for (int y = 0; y < p.height; ++y)
        p.scanLines += packLine(pixels.mid(y * width, width), bitsPerPixel, planes, p.bpl());
    return p;
}

} // namespace

Q_DECLARE_METATYPE(Pcx)

class PcxReaderTest : public QObject {
    Q_OBJECT

private slots:
    void matchesTheIndependentEncoder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("8 bits, 256-colour palette") << "pal256";
        QTest::newRow("8 bits x 3 planes") << "rgb24";
        QTest::newRow("8 bits x 4 planes, alpha") << "rgba32";
    }
    void matchesTheIndependentEncoder()
    {
        QFETCH(QString, name);
        const QString dir = QStringLiteral(VANTALOOP_FIXTURES "/pcx/");
        const DecodedPicture decoded = decodePicture(dir + name + ".pcx");
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        const QImage reference(dir + name + ".png");
        QVERIFY(!reference.isNull());
        QCOMPARE(decoded.image.size(), reference.size());
        QCOMPARE(pixels(decoded.image), pixels(reference));
    }

    void handBuiltLayouts_data()
    {
        QTest::addColumn<Pcx>("pcx");
        QTest::addColumn<QList<QRgb>>("expected");

        const QList<int> bits{1, 0, 0, 1, 1, 0, 1, 0, 0, 1, 1, 1, 0};
        QTest::newRow("1 bit, monochrome, 13 wide")
            << indexed(1, 1, 13, bits) << through(bits, {0xff000000, 0xffffffff});

        const QList<int> four{0, 1, 2, 3, 1, 3, 2, 1, 0, 0};
        QTest::newRow("2 bits, default CGA colours")
            << indexed(2, 1, 5, four)
            << through(four, {0xff000000, 0xff55ffff, 0xffff55ff, 0xffffffff});
        const QList<QRgb> cga{0xff102030, 0xff405060, 0xff708090, 0xffa0b0c0};
        Pcx cgaHeader = indexed(2, 1, 5, four);
        cgaHeader.headerPalette = cga;
        QTest::newRow("2 bits, header colours") << cgaHeader << through(four, cga);

        QList<int> sixteen;
        for (int i = 0; i < 18; ++i)
            sixteen.append((i * 7) % 16);
        QList<QRgb> header;
        for (int i = 0; i < 16; ++i)
            header.append(qRgb(i * 16, 255 - i * 16, (i * 40) % 256));
        Pcx ega4 = indexed(1, 4, 9, sixteen);
        ega4.headerPalette = header;
        QTest::newRow("1 bit x 4 planes, header palette") << ega4 << through(sixteen, header);
        Pcx version3 = ega4;
        version3.version = 3;
        QTest::newRow("1 bit x 4 planes, version 3 takes the EGA colours")
            << version3 << through(sixteen, ega);
        QList<int> eight;
        for (int i = 0; i < 10; ++i)
            eight.append((i * 3) % 8);
        Pcx ega3 = indexed(1, 3, 10, eight);
        ega3.headerPalette = header;
        QTest::newRow("1 bit x 3 planes") << ega3 << through(eight, header);
        QTest::newRow("4 bits, zero header takes the EGA colours")
            << indexed(4, 1, 9, sixteen, 5) << through(sixteen, ega);

        const QList<int> grey{0, 17, 128, 255, 3, 200};
        QList<QRgb> greys;
        for (int v : grey)
            greys.append(qRgb(v, v, v));
        QTest::newRow("8 bits without a palette marker: a grey ramp")
            << indexed(8, 1, 3, grey) << greys;
        QList<QRgb> palette;
        for (int i = 0; i < 256; ++i)
            palette.append(qRgb(255 - i, i, i / 2));
        Pcx plain = indexed(8, 1, 3, grey, 5);
        plain.encoding = 0;
        plain.xMin = 100;
        plain.yMin = 40;
        plain.trailingPalette = palette;
        QTest::newRow("8 bits, not run-length coded, odd bytes per line, offset origin")
            << plain << through(grey, palette);
        Pcx alpha;
        alpha.planes = 4;
        alpha.width = 2;
        alpha.scanLines = QByteArray("\x10\x20"
                                     "\x30\x40"
                                     "\x50\x60"
                                     "\xff\x80",
                                     8);
        QTest::newRow("8 bits x 4 planes")
            << alpha << QList<QRgb>{qRgba(0x10, 0x30, 0x50, 0xff), qRgba(0x20, 0x40, 0x60, 0x80)};
    }
    void handBuiltLayouts()
    {
        QFETCH(Pcx, pcx);
        QFETCH(QList<QRgb>, expected);
        QString error;
        const QImage image = decodeBytes(pcx.bytes(), &error);
        QVERIFY2(!image.isNull(), qPrintable(error));
        QCOMPARE(pixels(image), expected);
    }

    // Runs belong to one stream: a run may end in the next scan line.
    void runsCrossScanLines()
    {
        Pcx p;
        p.width = 4;
        p.height = 2;
        p.scanLines = QByteArray(8, char(7));
        QCOMPARE(Pcx::runLengthCoded(p.scanLines), QByteArray("\xC8\x07", 2));
        QCOMPARE(pixels(decodeBytes(p.bytes())), QList<QRgb>(8, qRgb(7, 7, 7)));
    }

    void sizeAndFormatComeFromTheHeader()
    {
        Pcx p;
        p.planes = 3;
        p.width = 300;
        p.height = 200;
        p.scanLines = QByteArray(10, '\0'); // far too little: the size must not need it
        QByteArray bytes = p.bytes();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), QByteArray("pcx"));
        QCOMPARE(reader.size(), QSize(300, 200));
        QCOMPARE(reader.imageFormat(), QImage::Format_RGB32);
    }

    void aPcxNamedJpgStillLoads()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("renamed.jpg"));
        QVERIFY(QFile::copy(QStringLiteral(VANTALOOP_FIXTURES "/pcx/rgb24.pcx"), path));
        const DecodedPicture decoded = decodePicture(path);
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.size(), QSize(13, 7));
    }

    // Damaged files, each named after its fault: an error that says why, or what
    // could be read, never a crash or a read or write out of bounds.
    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // empty: decodes, lines missing are black
        Pcx ok;
        ok.width = 4;
        ok.height = 4;
        ok.scanLines = QByteArray(16, char(9));

        Pcx overrun = ok;
        QByteArray overrunBytes = overrun.bytes() + QByteArray("\xFF\x01\xFF\x01", 4);
        QTest::newRow("run-length overrun past the picture") << overrunBytes << QString();
        Pcx truncated = ok;
        truncated.encoding = 0;
        truncated.cutAfter = 6;
        QTest::newRow("truncated data") << truncated.bytes() << QString();
        QTest::newRow("run byte without its value")
            << QByteArray(ok.bytes().first(128) + "\x01\xC5") << QString();
        Pcx narrow = ok;
        narrow.bytesPerLine = 3;
        QTest::newRow("bytes per line too small") << narrow.bytes() << "too short";
        QByteArray noSize = ok.bytes();
        noSize[8] = 0; // Xmax below Xmin
        noSize[4] = 5;
        QTest::newRow("zero or negative size") << noSize << "no size";
        QByteArray layout = ok.bytes();
        layout[3] = 3;
        QTest::newRow("unknown bits per pixel") << layout << "colour layout";
        QByteArray version = ok.bytes();
        version[1] = 9;
        QTest::newRow("unknown version") << version << "version";
        QTest::newRow("shorter than its header") << ok.bytes().first(60) << "shorter";
    }
    void damagedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const DecodedPicture decoded =
            decodePicture(testing::writeFile(dir, QStringLiteral("damaged.pcx"), bytes));
        if (error.isEmpty()) {
            QVERIFY2(decoded.ok(), qPrintable(decoded.error));
            QCOMPARE(decoded.image.size(), QSize(4, 4));
        } else {
            QVERIFY(!decoded.ok());
            QVERIFY2(decoded.error.contains(error), qPrintable(decoded.error));
        }
    }

    void truncatedPictureKeepsTheLinesRead()
    {
        Pcx p;
        p.encoding = 0;
        p.width = 2;
        p.height = 3;
        p.scanLines = QByteArray("\x05\x05\x06\x06\x07\x07", 6);
        p.cutAfter = 3;
        QCOMPARE(pixels(decodeBytes(p.bytes())),
                 (QList<QRgb>{qRgb(5, 5, 5), qRgb(5, 5, 5), qRgb(6, 6, 6), qRgb(0, 0, 0),
                              qRgb(0, 0, 0), qRgb(0, 0, 0)}));
    }

    // A small file that declares an enormous picture is refused, and at once.
    void decompressionBombIsRefusedQuickly()
    {
        Pcx bomb;
        bomb.planes = 3;
        bomb.width = 65535;
        bomb.height = 65535;
        bomb.scanLines = QByteArray(64, '\0');
        QTemporaryDir dir;
        const DecodedPicture decoded =
            decodePicture(testing::writeFile(dir, QStringLiteral("bomb.pcx"), bomb.bytes()));
        QVERIFY(!decoded.ok());
        QVERIFY(!decoded.error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(PcxReaderTest)
#include "tst_pcx_reader.moc"
