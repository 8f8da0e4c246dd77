#include "platform/caseless.h"

#include <QRandomGenerator>
#include <QTest>

using namespace vantaloop::platform;

namespace {

int sign(int v)
{
    return (v > 0) - (v < 0);
}

} // namespace

class CaselessTest : public QObject {
    Q_OBJECT

private slots:
    void ordersAsQtDoes_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("case only") << "ABC"
                                   << "abc";
        QTest::newRow("letters") << "abd"
                                 << "ABC";
        QTest::newRow("prefix") << "/a/b"
                                << "/A/b/c";
        QTest::newRow("punctuation between the cases") << "a_b"
                                                       << "aZb";
        QTest::newRow("non-ASCII, case") << QString::fromUtf8("/ä/x") << QString::fromUtf8("/Ä/x");
        QTest::newRow("non-ASCII against ASCII") << QString::fromUtf8("/é") << "/z";
        QTest::newRow("Greek") << QString::fromUtf8("ΣΟΦΙΑ") << QString::fromUtf8("σοφια");
        QTest::newRow("empty") << ""
                               << "a";
    }
    void ordersAsQtDoes()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QCOMPARE(sign(caselessCompare(a, b)), sign(QString::compare(a, b, Qt::CaseInsensitive)));
        QCOMPARE(sign(caselessCompare(b, a)), sign(QString::compare(b, a, Qt::CaseInsensitive)));
    }

    // The same order as Qt's on many random paths of mixed letters and symbols.
    void agreesOnRandomText()
    {
        const QString alphabet = QString::fromUtf8("aAbBzZ_-. /09äÄéÉ~[]");
        QRandomGenerator random(42);
        const auto make = [&] {
            QString s;
            for (int i = 0, n = random.bounded(8); i < n; ++i)
                s += alphabet.at(random.bounded(alphabet.size()));
            return s;
        };
        for (int i = 0; i < 20000; ++i) {
            const QString a = make();
            const QString b = make();
            QCOMPARE(sign(caselessCompare(a, b)),
                     sign(QString::compare(a, b, Qt::CaseInsensitive)));
        }
    }
};

QTEST_GUILESS_MAIN(CaselessTest)
#include "tst_caseless.moc"
