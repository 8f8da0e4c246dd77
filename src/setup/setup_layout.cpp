#include "setup/setup_layout.h"

namespace vantaloop {

namespace {

// Check boxes and option buttons stacked evenly from half a text height down.
double stackedTop(int i, double th)
{
    return 0.5 * th + (i + 1) * (setup_sizes::CheckHeight + 0.5 * th);
}

QRectF below(const QRectF &above, double gap, double left, double width, double height)
{
    return {left, above.bottom() + gap, width, height};
}

} // namespace

SetupLayout layoutSetupWindow(const SetupLayoutInput &in)
{
    using namespace setup_sizes;
    const double sw = in.width;
    const double sh = in.height;
    const double th = in.th;
    const double tw = in.tw;
    SetupLayout l;

    l.fraSource = {0.02 * sw, 0.01 * sh, 0.3 * sw, 0.97 * sh};
    l.fraSelect = {0.35 * sw, 0.01 * sh, 0.63 * sw, 0.55 * sh};
    l.lstBox = {th, 2 * th, l.fraSelect.width() - 2 * th, l.fraSelect.height() - 3 * th};

    const double m = 0.02 * sw;
    const double cw = 0.85 * l.fraSource.width();
    for (int i = 0; i < 5; ++i)
        l.chkType[size_t(i)] = {m, stackedTop(i, th), cw, CheckHeight};
    l.drvPrep = below(l.chkType[4], th, m, cw, DriveListHeight);
    l.dirPrep = below(l.drvPrep, th, m, cw, FolderListHeight);
    l.filPrep = below(l.dirPrep, th, m, cw, FileListHeight);
    l.chkRecursive = below(l.filPrep, th, m, cw, CheckHeight);

    const double x = l.fraSelect.left() + th;
    const double bw = Button.width();
    const double bh = Button.height();
    l.lblFile = {x, sh - 0.5 * th - FileLabelHeight, sw - x - tw, FileLabelHeight};
    l.cmdAdd = {x, l.fraSelect.bottom() + th, bw, bh};
    l.cmdRemove = {x + bw + 2 * tw, l.cmdAdd.top(), bw, bh};
    l.cmdClear = {x + 2 * bw + 4 * tw, l.cmdAdd.top(), bw, bh};
    const double labelTop = l.cmdAdd.top() + bh + th;
    l.lblNum = {QPointF(x, labelTop), in.lblNum};
    l.txtNum = below(l.lblNum, th, x, TextBoxWidth, TextBoxHeight);
    l.lblIndex = {QPointF(l.cmdRemove.left(), labelTop), in.lblIndex};
    l.txtIndex = below(l.lblIndex, th, l.lblIndex.left(), TextBoxWidth, TextBoxHeight);
    l.lblTimer = {QPointF(l.cmdClear.left(), labelTop), in.lblTimer};
    l.txtTimer = below(l.lblTimer, th, l.lblTimer.left(), TextBoxWidth, TextBoxHeight);
    l.sldBar = below(l.txtTimer, th, l.txtIndex.left(), 2 * bw + 2 * tw, SliderHeight);
    l.lblName = {QPointF(x, l.lblFile.top() - in.lblName.height()), in.lblName};

    const double posLeft = l.cmdClear.left() + bw + 2.5 * tw;
    const double posTop = l.fraSelect.bottom() + th;
    l.fraPos = {posLeft, posTop, sw - posLeft - tw, sh - posTop - 3 * th};
    for (int i = 0; i < 5; ++i)
        l.optPos[size_t(i)] = {m, stackedTop(i, th), l.fraPos.width() - 2 * m, CheckHeight};
    return l;
}

} // namespace vantaloop
