// Writes a picture of the given size for the end-to-end run: make_picture OUT WIDTHxHEIGHT.
// The format follows OUT's extension.
#include <QCoreApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList size =
        argc == 3 ? QString::fromLocal8Bit(argv[2]).split(u'x') : QStringList();
    if (size.size() != 2) {
        std::fprintf(stderr, "usage: make_picture OUT WIDTHxHEIGHT\n");
        return 2;
    }
    QImage image(size[0].toInt(), size[1].toInt(), QImage::Format_RGB32);
    image.fill(QColor(40, 120, 160));
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
