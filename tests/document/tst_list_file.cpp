#include "document/list_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vantaloop;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class ListFileTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("CR LF after the last line adds nothing")
            << QByteArray("/a.jpg\r\n/b.jpg\r\n") << QStringList{"/a.jpg", "/b.jpg"};
        QTest::newRow("LF line ends")
            << QByteArray("/a.jpg\n/b.jpg\n") << QStringList{"/a.jpg", "/b.jpg"};
        QTest::newRow("no end on the last line")
            << QByteArray("/a.jpg\r\n/b.jpg") << QStringList{"/a.jpg", "/b.jpg"};
        QTest::newRow("quoted field keeps its comma")
            << QByteArray("\"/p/x,y.jpg\"\r\n") << QStringList{"/p/x,y.jpg"};
        QTest::newRow("unquoted comma splits")
            << QByteArray("/p/x,y.jpg\r\n") << QStringList{"/p/x", "y.jpg"};
        QTest::newRow("quoted and unquoted on one line")
            << QByteArray("\"/a,b\",/c\r\n") << QStringList{"/a,b", "/c"};
        QTest::newRow("blank lines give nothing")
            << QByteArray("\r\n/a\r\n\r\n\n/b\r\n") << QStringList{"/a", "/b"};
        QTest::newRow("blanks around a field dropped")
            << QByteArray("  /a  , /b\r\n") << QStringList{"/a", "/b"};
        QTest::newRow("blanks inside quotes kept")
            << QByteArray("\" /a \"\r\n") << QStringList{" /a "};
        QTest::newRow("unclosed quote runs to the line end")
            << QByteArray("\"/a,b\r\n/c\r\n") << QStringList{"/a,b", "/c"};
        QTest::newRow("quote inside an unquoted field")
            << QByteArray("/a\"b\r\n") << QStringList{"/a\"b"};
    }
    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, entries);
        QCOMPARE(listfile::parse(text), entries);
    }

    void writesCrLfAfterEveryLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.vvv"));
        QVERIFY(listfile::write(path, {"/a.jpg", "/b.jpg", "/b.jpg"}).ok);
        QCOMPARE(contents(path), QByteArray("/a.jpg\r\n/b.jpg\r\n/b.jpg\r\n"));
    }

    void emptyListIsAnEmptyFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("empty.vvv"));
        put(path, "old contents\r\n");
        QVERIFY(listfile::write(path, {}).ok);
        QCOMPARE(QFileInfo(path).size(), 0);
        const auto read = listfile::read(path);
        QVERIFY(read.opened);
        QVERIFY(read.entries.isEmpty());
    }

    void everyPathReadsBackAsItself_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("plain") << "/home/u/pictures/a.jpg";
        QTest::newRow("comma") << "/home/u/Paris, 2024/a.jpg";
        QTest::newRow("two commas") << "/x/a,b,c.jpg";
        QTest::newRow("non-ASCII") << QString::fromUtf8("/home/u/Fotos/Müller_ßé_東京.jpg");
        QTest::newRow("leading blank") << " /odd/a.jpg";
        QTest::newRow("trailing blank") << "/odd/a.jpg ";
        QTest::newRow("quote inside") << "/odd/say \"cheese\".jpg";
    }
    void everyPathReadsBackAsItself()
    {
        QFETCH(QString, entry);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("round.vvv"));
        const auto written = listfile::write(path, {entry});
        QVERIFY(written.ok);
        QVERIFY(written.unstorable.isEmpty());
        QCOMPARE(listfile::read(path).entries, QStringList{entry});
    }

    // No line can hold these; the save says so instead of storing something else.
    void unstorablePathsAreReportedNotMangled_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("line break") << "/odd/a\nb.jpg";
        QTest::newRow("quote and comma") << "/odd/\"a,b\".jpg";
        QTest::newRow("leading quote") << "\"/odd/a.jpg";
    }
    void unstorablePathsAreReportedNotMangled()
    {
        QFETCH(QString, entry);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("odd.vvv"));
        const auto written = listfile::write(path, {"/fine.jpg", entry});
        QVERIFY(written.ok);
        QCOMPARE(written.unstorable, QStringList{entry});
        QCOMPARE(listfile::read(path).entries, QStringList{"/fine.jpg"});
    }

    void missingFileIsNotOpened()
    {
        QTemporaryDir dir;
        const auto read = listfile::read(dir.filePath(QStringLiteral("gone.vvv")));
        QVERIFY(!read.opened);
        QVERIFY(!read.error.isEmpty());
    }

    // A folder stands where the file should go: the write fails and says why, and
    // what was there is untouched.
    void failedWriteLeavesWhatWasThere()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("taken.vvv"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.vvv")));
        put(path + QStringLiteral("/inside"), "keep");
        const auto written = listfile::write(path, {"/a.jpg"});
        QVERIFY(!written.ok);
        QVERIFY(!written.error.isEmpty());
        QCOMPARE(contents(path + QStringLiteral("/inside")), QByteArray("keep"));
    }
};

QTEST_GUILESS_MAIN(ListFileTest)
#include "tst_list_file.moc"
