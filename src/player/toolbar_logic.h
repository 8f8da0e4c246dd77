#pragma once

#include <QPoint>
#include <QSize>
#include <QStringView>
#include <optional>

namespace vantaloop::toolbar {

enum class Command {
    None,
    New,
    Open,
    Save,
    Print,
    Previous,
    Next,
    Play,
    Pause,
    Stop,
    Back,
    Record
};

// The command a button key stands for. The floating toolbar has no document buttons,
// so without them "New", "Open", "Save" and "Print" do nothing.
Command commandForKey(QStringView key, bool withDocumentButtons);

// Which of the twin buttons show for a play state (0 to 3); nothing for other values.
struct TwinVisibility {
    bool play, playOn, pause, pauseOn, back, backOn;
    friend bool operator==(const TwinVisibility &, const TwinVisibility &) = default;
};
std::optional<TwinVisibility> twinVisibility(int playState);

// Placement codes of the floating toolbar.
enum Corner { TopLeft = 0, TopRight = 1, BottomRight = 2, BottomLeft = 3 };

// Six buttons, seven while recording, plus a 2-pixel border all round.
QSize floatingWindowSize(QSize button, bool recording);

// Where the floating toolbar goes: codes 0 to 3 pick a corner; any other code keeps
// the place, but a toolbar away from the left edge stays flush with the right edge.
QPoint floatingPosition(int code, QSize window, QSize screen, QPoint current);

} // namespace vantaloop::toolbar
