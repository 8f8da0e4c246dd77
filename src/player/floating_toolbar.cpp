#include "player/floating_toolbar.h"

#include "player/control_buttons.h"
#include "player/toolbar_logic.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QToolBar>

namespace vantaloop {

FloatingToolbar::FloatingToolbar(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_bar(new QToolBar(this))
{
    setObjectName(QStringLiteral("frmOp"));
    setWindowTitle(tr("Control"));
    m_bar->setObjectName(QStringLiteral("tlBar"));
    m_bar->setAccessibleName(tr("Control"));
    m_bar->setMovable(false);
    m_bar->setFloatable(false);
    // Buttons sit edge to edge: the window is exactly its buttons plus a 2-pixel rim.
    m_bar->setStyleSheet(QStringLiteral("QToolBar { border: 0; padding: 0; spacing: 0; }"));
    m_bar->layout()->setContentsMargins(0, 0, 0, 0);
    m_bar->layout()->setSpacing(0);
    addControlButtons(m_bar, false);
    m_bar->move(2, 2);
    placeToolbar(toolbar::BottomRight);
}

void FloatingToolbar::placeToolbar(int code)
{
    const QSize window = toolbar::floatingWindowSize(ControlButtonSize, m_recording);
    setFixedSize(window);
    m_bar->setFixedSize(window.width() - 4, ControlButtonSize.height());
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    move(toolbar::floatingPosition(code, window, screen, pos()));
    raise();
}

void FloatingToolbar::contextMenuEvent(QContextMenuEvent *event)
{
    emit popupRequested(event->globalPos());
}

} // namespace vantaloop
