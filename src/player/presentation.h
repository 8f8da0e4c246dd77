#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vantaloop::presentation {

inline constexpr int ViewSizeCount = 7;
inline constexpr int AutoSize = 0;

// Position codes of the setup window's position buttons.
enum Position { UpperLeft = 0, UpperRight = 1, Center = 2, BottomLeft = 3, BottomRight = 4 };

// The image window's size for a fixed view-size code 1 to 6; an invalid size for
// "Auto Zise" (code 0) and for codes out of range.
QSize fixedViewSize(int code);

// Where the image window goes on the whole screen. A position code out of range
// means no button is selected: the last placement is kept. A centred window that
// cannot be split evenly sits half a pixel up and left.
QPoint imageWindowPosition(QSize screen, QSize window, int positionCode, QPoint last);

// How a picture is fitted into an area: a larger one is scaled down keeping its
// proportions, a smaller one keeps its own size; either way centred.
QSize fittedSize(QSize picture, QSize area);
QRect fittedRect(QSize picture, QSize area);

} // namespace vantaloop::presentation
