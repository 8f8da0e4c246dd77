#include "document/picture_printing.h"

#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace vantaloop;

namespace {

int pagesIn(const QString &pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

} // namespace

class PicturePrintingTest : public QObject {
    Q_OBJECT

private slots:
    void onePagePerCopy_data()
    {
        QTest::addColumn<int>("copies");
        QTest::newRow("one") << 1;
        QTest::newRow("three") << 3;
    }
    void onePagePerCopy()
    {
        QFETCH(int, copies);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        {
            QPdfWriter writer(pdf);
            QVERIFY(printPicture(writer, picture, copies));
        }
        QCOMPARE(pagesIn(pdf), copies);
    }

    void nothingToPrint()
    {
        QTemporaryDir dir;
        QPdfWriter writer(dir.filePath(QStringLiteral("none.pdf")));
        QVERIFY(!printPicture(writer, QImage(), 1));
    }
};

QTEST_MAIN(PicturePrintingTest)
#include "tst_picture_printing.moc"
