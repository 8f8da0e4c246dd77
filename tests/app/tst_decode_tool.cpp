#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class DecodeToolTest : public QObject {
    Q_OBJECT

private:
    static int run(const QStringList &arguments, QByteArray *errors)
    {
        QProcess tool;
        tool.start(QStringLiteral(VANTALOOP_DECODE_TOOL), arguments);
        if (!tool.waitForFinished(30000))
            return -1;
        *errors = tool.readAllStandardError();
        return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    }

private slots:
    void writesThePictureAsPng()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out.png"));
        QByteArray errors;
        QCOMPARE(run({QStringLiteral(VANTALOOP_FIXTURES "/pcx/rgb24.pcx"), out}, &errors), 0);
        const QImage written(out, "PNG");
        const QImage reference(QStringLiteral(VANTALOOP_FIXTURES "/pcx/rgb24.png"));
        QCOMPARE(written.size(), reference.size());
        for (int y = 0; y < reference.height(); ++y) {
            for (int x = 0; x < reference.width(); ++x)
                QCOMPARE(written.pixel(x, y), reference.pixel(x, y));
        }
    }

    void failureWritesNothingAndSaysWhy()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("bad.pcx"));
        QFile file(in);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x0a\x05\x01\x08", 4) + QByteArray(60, '\0'));
        file.close();
        const QString out = dir.filePath(QStringLiteral("out.png"));
        QByteArray errors;
        QCOMPARE(run({in, out}, &errors), 1);
        QVERIFY(!QFile::exists(out));
        QVERIFY2(errors.contains("shorter than a PCX header"), errors.constData());
    }

    void usage()
    {
        QByteArray errors;
        QCOMPARE(run({}, &errors), 2);
        QVERIFY(errors.contains("usage"));
    }
};

QTEST_GUILESS_MAIN(DecodeToolTest)
#include "tst_decode_tool.moc"
