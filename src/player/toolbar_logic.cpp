#include "player/toolbar_logic.h"

#include <QString>

namespace vantaloop::toolbar {

Command commandForKey(QStringView key, bool withDocumentButtons)
{
    struct Route {
        QStringView key;
        Command command;
        bool document;
    };
    static constexpr Route routes[] = {
        {u"New", Command::New, true},        {u"Open", Command::Open, true},
        {u"Save", Command::Save, true},      {u"Print", Command::Print, true},
        {u"Prev", Command::Previous, false}, {u"Next", Command::Next, false},
        {u"Play", Command::Play, false},     {u"PlayOn", Command::Play, false},
        {u"Pause", Command::Pause, false},   {u"PauseOn", Command::Pause, false},
        {u"Stop", Command::Stop, false},     {u"Back", Command::Back, false},
        {u"BackOn", Command::Back, false},   {u"Record", Command::Record, false},
    };
    for (const Route &route : routes) {
        if (route.key == key)
            return route.document && !withDocumentButtons ? Command::None : route.command;
    }
    return Command::None;
}

std::optional<TwinVisibility> twinVisibility(int playState)
{
    switch (playState) {
    case 0:
        return TwinVisibility{true, false, true, false, true, false};
    case 1:
        return TwinVisibility{false, true, true, false, true, false};
    case 2:
        return TwinVisibility{true, false, false, true, true, false};
    case 3:
        return TwinVisibility{true, false, true, false, false, true};
    default:
        return std::nullopt;
    }
}

QSize floatingWindowSize(QSize button, bool recording)
{
    const int buttons = recording ? 7 : 6;
    return {buttons * button.width() + 4, button.height() + 4};
}

QPoint floatingPosition(int code, QSize window, QSize screen, QPoint current)
{
    const int right = screen.width() - window.width();
    const int bottom = screen.height() - window.height();
    switch (code) {
    case TopLeft:
        return {0, 0};
    case TopRight:
        return {right, 0};
    case BottomRight:
        return {right, bottom};
    case BottomLeft:
        return {0, bottom};
    default:
        return {current.x() != 0 ? right : 0, current.y()};
    }
}

} // namespace vantaloop::toolbar
