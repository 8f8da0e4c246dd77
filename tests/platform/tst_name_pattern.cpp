#include "platform/name_pattern.h"

#include <QDir>
#include <QTest>

using namespace vantaloop::platform;

class NamePatternTest : public QObject {
    Q_OBJECT

private slots:
    void matches_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");
        QTest::newRow("star dot star, no dot") << "*.*"
                                               << "README" << true;
        QTest::newRow("star dot star, dot file") << "*.*"
                                                 << ".hidden" << true;
        QTest::newRow("extension") << "*.jpg"
                                   << "a.jpg" << true;
        QTest::newRow("extension, other case") << "*.jpg"
                                               << "A.JPG" << true;
        QTest::newRow("pattern in upper case") << "*.JPG"
                                               << "a.jpg" << true;
        QTest::newRow("longer extension") << "*.jpg"
                                          << "a.jpgx" << false;
        QTest::newRow("shorter extension") << "*.jpg"
                                           << "a.jp" << false;
        QTest::newRow("extension inside") << "*.jpg"
                                          << "a.jpg.bak" << false;
        QTest::newRow("second of two") << "*.gif;*.xbm"
                                       << "b.xbm" << true;
        QTest::newRow("neither of two") << "*.gif;*.xbm"
                                        << "b.bmp" << false;
        QTest::newRow("question mark") << "a?.bmp"
                                       << "ab.bmp" << true;
        QTest::newRow("question mark needs one") << "a?.bmp"
                                                 << "a.bmp" << false;
        QTest::newRow("brackets are plain") << "[ab].jpg"
                                            << "[ab].jpg" << true;
        QTest::newRow("empty matches nothing") << ""
                                               << "a.jpg" << false;
    }
    void matches()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, matches);
        QCOMPARE(NamePattern(pattern).matches(name), matches);
    }

    void joinPath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("joined");
        QTest::newRow("root") << "/"
                              << "/a.jpg";
        QTest::newRow("folder") << "/home/u"
                                << "/home/u/a.jpg";
        QTest::newRow("folder with separator") << "/home/u/"
                                               << "/home/u/a.jpg";
    }
    void joinPath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, joined);
        QCOMPARE(vantaloop::platform::joinPath(folder, QStringLiteral("a.jpg")),
                 QDir::toNativeSeparators(joined));
    }
};

QTEST_GUILESS_MAIN(NamePatternTest)
#include "tst_name_pattern.moc"
