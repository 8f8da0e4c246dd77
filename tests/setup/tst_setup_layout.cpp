#include "setup/setup_layout.h"

#include <QTest>

using namespace vantaloop;

namespace {

SetupLayoutInput example()
{
    SetupLayoutInput in;
    in.width = 9600;
    in.height = 6000;
    in.th = 195;
    in.tw = 165;
    in.lblName = {900, 195};
    in.lblNum = {1000, 195};
    in.lblIndex = {900, 195};
    in.lblTimer = {1000, 195};
    return in;
}

} // namespace

class SetupLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void framesFollowTheWindowSize()
    {
        const SetupLayout l = layoutSetupWindow(example());
        QCOMPARE(l.fraSource, QRectF(192, 60, 2880, 5820));
        QCOMPARE(l.fraSelect, QRectF(3360, 60, 6048, 3300));
        QCOMPARE(l.lstBox, QRectF(195, 390, 6048 - 390, 3300 - 585));
    }

    void typeBoxesAreEvenlySpaced()
    {
        const SetupLayoutInput in = example();
        const SetupLayout l = layoutSetupWindow(in);
        QCOMPARE(l.chkType[0].top(), 192 + in.th);
        for (size_t i = 1; i < l.chkType.size(); ++i)
            QCOMPARE(l.chkType[i].top() - l.chkType[i - 1].top(), 192 + 0.5 * in.th);
        QCOMPARE(l.drvPrep.top(), l.chkType[4].bottom() + in.th);
        QCOMPARE(l.chkRecursive.top(), l.filPrep.bottom() + in.th);
        QCOMPARE(l.chkType[0].width(), 0.85 * 2880);
    }

    void buttonsStandTwoWsApart()
    {
        const SetupLayoutInput in = example();
        const SetupLayout l = layoutSetupWindow(in);
        QCOMPARE(l.cmdAdd.topLeft(), QPointF(3360 + in.th, 3360 + in.th));
        QCOMPARE(l.cmdRemove.left() - l.cmdAdd.right(), 2 * in.tw);
        QCOMPARE(l.cmdClear.left() - l.cmdRemove.right(), 2 * in.tw);
        QCOMPARE(l.cmdRemove.top(), l.cmdAdd.top());
        QCOMPARE(l.cmdClear.top(), l.cmdAdd.top());
    }

    void boxesStandUnderTheirLabels()
    {
        const SetupLayoutInput in = example();
        const SetupLayout l = layoutSetupWindow(in);
        QCOMPARE(l.txtNum.top(), l.lblNum.bottom() + in.th);
        QCOMPARE(l.txtIndex.left(), l.cmdRemove.left());
        QCOMPARE(l.txtTimer.left(), l.cmdClear.left());
        QCOMPARE(l.sldBar.topLeft(), QPointF(l.txtIndex.left(), l.txtTimer.bottom() + in.th));
        QCOMPARE(l.sldBar.width(), 2 * 972 + 2 * in.tw);
        QCOMPARE(l.lblFile.bottom(), 6000 - 0.5 * in.th);
        QCOMPARE(l.lblName.bottom(), l.lblFile.top());
    }

    void positionFrameFillsTheCorner()
    {
        const SetupLayoutInput in = example();
        const SetupLayout l = layoutSetupWindow(in);
        QCOMPARE(l.fraPos.left(), l.cmdClear.left() + 972 + 2.5 * in.tw);
        QCOMPARE(l.fraPos.right(), 9600 - in.tw);
        QCOMPARE(l.fraPos.bottom(), 6000 - 3 * in.th);
        QCOMPARE(l.optPos[4].width(), l.fraPos.width() - 2 * 192);
    }
};

QTEST_GUILESS_MAIN(SetupLayoutTest)
#include "tst_setup_layout.moc"
