#pragma once

#include <QStringList>

class QAction;
class QMenu;
class QWidget;

namespace vantaloop {

// The menu arrays of the main window and of the setup window. Every item carries
// its index (QAction::data); one handler per menu receives it. The setup window
// also has the View and Control menus.
struct Menus {
    QMenu *file = nullptr;
    QMenu *view = nullptr;
    QMenu *control = nullptr;
    QMenu *option = nullptr;
    QMenu *help = nullptr;

    QList<QMenu *> inOrder() const;
};

Menus createMainWindowMenus(QWidget *owner);
Menus createSetupWindowMenus(QWidget *owner);

// Recent-file entries are the actions named "mnuFileArray"; element 0 is the separator.
bool isRecentEntry(const QAction *action);
// Shows files (oldest first) as elements 1, 2, ... below the separator.
void showRecentFiles(QMenu *file, const QStringList &files);
// The View menu's check mark on item index alone.
void checkViewItem(QMenu *view, int index);

} // namespace vantaloop
