#pragma once

#include <QRectF>
#include <QSizeF>
#include <array>

namespace vantaloop {

// Everything the setup window's placement rules read, in twips.
struct SetupLayoutInput {
    double width = 0;  // SW: the window's inner width
    double height = 0; // SH: the window's inner height
    double th = 0;     // height of "H" in the window's font
    double tw = 0;     // width of "W" in the window's font
    // Labels that size themselves to their captions.
    QSizeF lblName, lblNum, lblIndex, lblTimer;
};

// Placements in twips. Controls inside a frame are relative to that frame.
struct SetupLayout {
    QRectF fraSource, fraSelect, fraPos;
    std::array<QRectF, 5> chkType;
    QRectF drvPrep, dirPrep, filPrep, chkRecursive;
    QRectF lstBox;
    QRectF lblFile, lblName, cmdAdd, cmdRemove, cmdClear;
    QRectF lblNum, txtNum, lblIndex, txtIndex, lblTimer, txtTimer, sldBar;
    std::array<QRectF, 5> optPos;
};

namespace setup_sizes {
inline constexpr QSizeF Button(972, 372);
inline constexpr double TextBoxHeight = 288;
inline constexpr double TextBoxWidth = 972;
inline constexpr double CheckHeight = 192;
inline constexpr double DriveListHeight = 288;
inline constexpr double FolderListHeight = 1104;
inline constexpr double FileListHeight = 1392;
inline constexpr double FileLabelHeight = 252;
inline constexpr double SliderHeight = 492;
} // namespace setup_sizes

// The setup window's controls laid out in proportion to its inner size.
SetupLayout layoutSetupWindow(const SetupLayoutInput &in);

} // namespace vantaloop
