#include "player/typed_number.h"

#include <QTest>
#include <cmath>

using namespace vantaloop;

class TypedNumberTest : public QObject {
    Q_OBJECT

private slots:
    void reads_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "7" << 7.0;
        QTest::newRow("leading blanks") << "   12" << 12.0;
        QTest::newRow("leading tab") << "\t3" << 3.0;
        QTest::newRow("trailing text") << "42abc" << 42.0;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("explicit plus") << "+5" << 5.0;
        QTest::newRow("half to even down") << "2.5" << 2.0;
        QTest::newRow("half to even up") << "3.5" << 4.0;
        QTest::newRow("negative half") << "-2.5" << -2.0;
        QTest::newRow("below half") << "2.49" << 2.0;
        QTest::newRow("fraction only") << ".6" << 1.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("dangling exponent") << "4e" << 4.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blank") << "   " << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("blank inside ends the number") << "1 2" << 1.0;
        QTest::newRow("twenty digits") << "99999999999999999999" << 1e20;
    }
    void reads()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(readTypedNumber(text), expected);
    }

    // Any size above range must compare as above range, never wrap or turn small.
    void hugeValuesStayHuge_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("positive");
        QTest::newRow("overflowing exponent") << "1e999" << true;
        QTest::newRow("negative overflow") << "-1e999" << false;
        QTest::newRow("long digits") << "1" + QString(400, u'0') << true;
    }
    void hugeValuesStayHuge()
    {
        QFETCH(QString, text);
        QFETCH(bool, positive);
        const double value = readTypedNumber(text);
        QVERIFY(positive ? value > 1e300 : value < -1e300);
    }
};

QTEST_GUILESS_MAIN(TypedNumberTest)
#include "tst_typed_number.moc"
