#include "player/control_buttons.h"

#include "player/toolbar_logic.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QToolBar>
#include <QToolButton>

namespace vantaloop {

namespace {

struct Button {
    const char *key;
    const char *tooltip;
    const char *picture;
    bool visible;
};

constexpr Button documentButtons[] = {
    {"New", "New", "new", true},
    {"Open", "Open", "open", true},
    {"Save", "Save", "save", true},
    {"Print", "Print", "print", true},
};

constexpr Button playButtons[] = {
    {"Prev", "Previous", "prev", true},   {"Next", "Next", "next", true},
    {"Play", "Play", "play", true},       {"PlayOn", "Play", "play-on", false},
    {"Pause", "Pause", "pause", true},    {"PauseOn", "Pause", "pause-on", false},
    {"Stop", "Stop", "stop", true},       {"Back", "Back", "back", true},
    {"BackOn", "Back", "back-on", false}, {"Record", "Record", "record", false},
};

void addButton(QToolBar *bar, const Button &button)
{
    auto *action =
        bar->addAction(QIcon(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(button.picture))),
                       QCoreApplication::translate("ControlToolbar", button.tooltip));
    action->setObjectName(QLatin1String(button.key));
    action->setToolTip(action->text());
    action->setVisible(button.visible);
    if (auto *widget = bar->widgetForAction(action)) {
        widget->setFixedSize(ControlButtonSize);
        widget->setFocusPolicy(Qt::TabFocus);
    }
}

void setVisible(const QToolBar *bar, const char *key, bool visible)
{
    if (QAction *action = buttonForKey(bar, QLatin1String(key)))
        action->setVisible(visible);
}

} // namespace

void addControlButtons(QToolBar *bar, bool withDocumentButtons)
{
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    if (withDocumentButtons) {
        bar->addSeparator();
        for (const Button &button : documentButtons)
            addButton(bar, button);
        bar->addSeparator();
    }
    for (const Button &button : playButtons)
        addButton(bar, button);
}

QAction *buttonForKey(const QToolBar *bar, const QString &key)
{
    return bar->findChild<QAction *>(key, Qt::FindDirectChildrenOnly);
}

void syncPlayButtons(const QToolBar *bar, PlayState state)
{
    const auto twins = toolbar::twinVisibility(int(state));
    if (!twins)
        return;
    setVisible(bar, "Play", twins->play);
    setVisible(bar, "PlayOn", twins->playOn);
    setVisible(bar, "Pause", twins->pause);
    setVisible(bar, "PauseOn", twins->pauseOn);
    setVisible(bar, "Back", twins->back);
    setVisible(bar, "BackOn", twins->backOn);
}

void setRecordButtonVisible(const QToolBar *bar, bool visible)
{
    setVisible(bar, "Record", visible);
}

} // namespace vantaloop
