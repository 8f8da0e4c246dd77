#include "app/menus.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace vantaloop {

namespace {

const QString recentName = QStringLiteral("mnuFileArray");

QMenu *menuArray(QWidget *owner, const char *name, const QString &title,
                 std::initializer_list<const char *> captions)
{
    auto *menu = new QMenu(title, owner);
    menu->setObjectName(QLatin1String(name));
    int index = 0;
    for (const char *caption : captions) {
        QAction *item = caption ? menu->addAction(QCoreApplication::translate("Menu", caption))
                                : menu->addSeparator();
        item->setData(index++);
    }
    return menu;
}

QMenu *fileMenu(QWidget *owner, const QString &title, const char *printSetup)
{
    QMenu *menu = menuArray(owner, "mnuFile", title,
                            {"&New", "&Open  ...", nullptr, "&Save", "Save &As  ...", nullptr,
                             printSetup, "&Print", nullptr, "E&xit"});
    QAction *separator = menu->addSeparator();
    separator->setObjectName(recentName);
    separator->setData(0);
    return menu;
}

QMenu *optionMenu(QWidget *owner)
{
    return menuArray(owner, "mnuOption", QCoreApplication::translate("Menu", "&Option"),
                     {"Change &Attribute", "Change &Extension", "&Vanta Loop", "Slide &Demo"});
}

QMenu *helpMenu(QWidget *owner)
{
    return menuArray(owner, "mnuHelp", QCoreApplication::translate("Menu", "&Help"),
                     {"&Help On", "&About"});
}

} // namespace

QList<QMenu *> Menus::inOrder() const
{
    QList<QMenu *> menus;
    for (QMenu *menu : {file, view, control, option, help}) {
        if (menu)
            menus.append(menu);
    }
    return menus;
}

Menus createMainWindowMenus(QWidget *owner)
{
    Menus menus;
    menus.file = fileMenu(owner, QCoreApplication::translate("Menu", "&File"), "Print Set&up  ...");
    menus.option = optionMenu(owner);
    menus.help = helpMenu(owner);
    return menus;
}

Menus createSetupWindowMenus(QWidget *owner)
{
    Menus menus;
    menus.file = fileMenu(owner, QCoreApplication::translate("Menu", "File"), "Print Set&up");
    menus.view = menuArray(
        owner, "mnuView", QCoreApplication::translate("Menu", "View"),
        {"Auto Zise", "640x480", "800x600", "1024x768", "1152x882", "1280x1024", "1600x1200"});
    auto *group = new QActionGroup(menus.view);
    for (QAction *item : menus.view->actions()) {
        item->setCheckable(true);
        group->addAction(item);
    }
    checkViewItem(menus.view, 0);
    menus.control = menuArray(owner, "mnuControl", QCoreApplication::translate("Menu", "&Control"),
                              {"Pre&vious", "&Next", "&Play", "P&ause", "&Stop", "&Back"});
    menus.option = optionMenu(owner);
    menus.help = helpMenu(owner);
    return menus;
}

bool isRecentEntry(const QAction *action)
{
    return action->objectName() == recentName;
}

void showRecentFiles(QMenu *file, const QStringList &files)
{
    for (QAction *action : file->actions()) {
        if (isRecentEntry(action) && action->data().toInt() > 0) {
            file->removeAction(action);
            delete action;
        }
    }
    int index = 1;
    for (const QString &path : files) {
        QAction *entry = file->addAction(path);
        entry->setObjectName(recentName);
        entry->setData(index++);
    }
}

void checkViewItem(QMenu *view, int index)
{
    for (QAction *item : view->actions())
        item->setChecked(item->data().toInt() == index);
}

} // namespace vantaloop
