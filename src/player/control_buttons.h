#pragma once

#include "player/playback_controller.h"

#include <QSize>
#include <QString>

class QAction;
class QToolBar;

namespace vantaloop {

// The button size the toolbar pictures are drawn for.
inline constexpr QSize ControlButtonSize(23, 22);

// Fills a tool bar with the control buttons in order: each an action whose object
// name is its key, with its tooltip (also its accessible name) and picture. The main
// toolbar also carries the document buttons and two separators.
void addControlButtons(QToolBar *bar, bool withDocumentButtons);

QAction *buttonForKey(const QToolBar *bar, const QString &key);

// Shows one of each twin pair as the play state says.
void syncPlayButtons(const QToolBar *bar, PlayState state);

void setRecordButtonVisible(const QToolBar *bar, bool visible);

} // namespace vantaloop
