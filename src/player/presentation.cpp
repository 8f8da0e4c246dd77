#include "player/presentation.h"

#include <array>

namespace vantaloop::presentation {

namespace {

// Half of v, rounded towards minus infinity (also for windows larger than the screen).
int halfDown(int v)
{
    return v >= 0 ? v / 2 : -((1 - v) / 2);
}

} // namespace

QSize fixedViewSize(int code)
{
    static constexpr std::array<QSize, ViewSizeCount> sizes{
        QSize(),          QSize(640, 480),   QSize(800, 600),  QSize(1024, 768),
        QSize(1152, 882), QSize(1280, 1024), QSize(1600, 1200)};
    return code >= 0 && code < ViewSizeCount ? sizes[size_t(code)] : QSize();
}

QPoint imageWindowPosition(QSize screen, QSize window, int positionCode, QPoint last)
{
    const int right = screen.width() - window.width();
    const int bottom = screen.height() - window.height();
    switch (positionCode) {
    case UpperLeft:
        return {0, 0};
    case UpperRight:
        return {right, 0};
    case Center:
        return {halfDown(right), halfDown(bottom)};
    case BottomLeft:
        return {0, bottom};
    case BottomRight:
        return {right, bottom};
    default:
        return last;
    }
}

QSize fittedSize(QSize picture, QSize area)
{
    if (picture.width() > area.width() || picture.height() > area.height())
        picture.scale(area, Qt::KeepAspectRatio);
    return picture;
}

QRect fittedRect(QSize picture, QSize area)
{
    const QSize shown = fittedSize(picture, area);
    return {QPoint((area.width() - shown.width()) / 2, (area.height() - shown.height()) / 2),
            shown};
}

} // namespace vantaloop::presentation
