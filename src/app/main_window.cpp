#include "app/main_window.h"

#include "app/message_box_prompts.h"
#include "app/startup.h"
#include "player/control_buttons.h"
#include "player/floating_toolbar.h"
#include "player/image_window.h"
#include "setup/setup_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

namespace vantaloop {

namespace {

const QString versionText = QStringLiteral("Version 1.0");

// Makes the program's folder the current folder first, as every path the program
// builds before its first dialog starts there.
QString enterProgramFolder()
{
    const QString folder = QCoreApplication::applicationDirPath();
    QDir::setCurrent(folder);
    return QDir::currentPath();
}

// A menu array: each item carries its index, and one handler receives it.
QMenu *menuArray(QMenuBar *bar, const char *name, const QString &title,
                 std::initializer_list<const char *> captions)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    int index = 0;
    for (const char *caption : captions) {
        QAction *item = caption ? menu->addAction(QCoreApplication::translate("Menu", caption))
                                : menu->addSeparator();
        item->setData(index++);
    }
    return menu;
}

QAction *item(QMenu *menu, int index)
{
    for (QAction *action : menu->actions()) {
        if (action->data().toInt() == index)
            return action;
    }
    return nullptr;
}

} // namespace

MainWindow::MainWindow(UserPrompts *prompts)
    : m_appFolder(enterProgramFolder())
    , m_ownPrompts(prompts ? nullptr : std::make_unique<MessageBoxPrompts>(this))
    , m_prompts(prompts ? prompts : m_ownPrompts.get())
    , m_selection(&m_list)
    , m_playback(&m_list, &m_selection)
    , m_document(&m_list, m_prompts, workFolderFor(m_appFolder))
    , m_setup(&m_list, &m_selection, &m_playback, &m_document, m_prompts)
    , m_source(&m_volumes, m_prompts)
    , m_mdi(new QMdiArea(this))
{
    setObjectName(QStringLiteral("mdiMovie"));
    setWindowTitle(tr("Play Image Files"));
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdi);
    createMenus();
    createToolbar();

    connect(&m_document, &DocumentController::captionChanged, this, &QWidget::setWindowTitle);
    connect(&m_document, &DocumentController::setupWindowRequested, this,
            &MainWindow::showSetupWindow);
    connect(&m_document, &DocumentController::floatingToolbarRequested, this,
            &MainWindow::showFloatingToolbar);
    connect(&m_playback, &PlaybackController::playStateChanged, this, [this](PlayState state) {
        syncPlayButtons(m_floating->toolBar(), state);
        syncPlayButtons(tlBar, state);
    });

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect geometry = mainWindowGeometry(screen.size());
    resize(geometry.size());
    move(screen.topLeft() + geometry.topLeft());
}

MainWindow::~MainWindow() = default;

void MainWindow::createMenus()
{
    QMenu *file = menuArray(menuBar(), "mnuFile", tr("&File"),
                            {"&New", "&Open  ...", nullptr, "&Save", "Save &As  ...", nullptr,
                             "Print Set&up  ...", "&Print", nullptr, "E&xit"});
    // Slide-list files are only saved so far: opening, Save As and printing come later.
    for (int index : {1, 4, 6, 7})
        item(file, index)->setEnabled(false);
    // Recent files go below this separator.
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileArray"));
    connect(file, &QMenu::triggered, this, [this](QAction *action) {
        if (!action->objectName().startsWith(QLatin1String("mnuFileArray")))
            onFileMenu(action->data().toInt());
    });

    QMenu *option =
        menuArray(menuBar(), "mnuOption", tr("&Option"),
                  {"Change &Attribute", "Change &Extension", "&Vanta Loop", "Slide &Demo"});
    for (int index : {0, 1, 3}) // the file tools and the demonstration come later
        item(option, index)->setEnabled(false);
    connect(option, &QMenu::triggered, this,
            [this](QAction *action) { onOptionMenu(action->data().toInt()); });

    QMenu *help = menuArray(menuBar(), "mnuHelp", tr("&Help"), {"&Help On", "&About"});
    for (QAction *action : help->actions()) // help and About come later
        action->setEnabled(false);
}

void MainWindow::createToolbar()
{
    tlBar = addToolBar(tr("Toolbar"));
    tlBar->setObjectName(QStringLiteral("tlBar"));
    tlBar->setMovable(false);
    tlBar->setFloatable(false);
    addControlButtons(tlBar, true);
    buttonForKey(tlBar, QStringLiteral("Open"))->setEnabled(false);
    buttonForKey(tlBar, QStringLiteral("Print"))->setEnabled(false);
    connect(tlBar, &QToolBar::actionTriggered, this, [this](QAction *action) {
        runCommand(toolbar::commandForKey(action->objectName(), true));
    });
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_started) {
        // The rest of start-up needs the frame's inner area laid out.
        m_started = true;
        startUp();
    }
}

void MainWindow::startUp()
{
    m_setupWindow = new SetupWindow(&m_list, &m_selection, &m_playback, &m_setup, &m_source);
    m_setupSub = m_mdi->addSubWindow(m_setupWindow);
    m_setupSub->setObjectName(QStringLiteral("frmPrepareFrame"));
    m_setupSub->setGeometry(QRect(QPoint(0, 0), m_mdi->viewport()->size()));
    connect(m_setupWindow, &SetupWindow::hideRequested, m_setupSub, &QWidget::hide);

    m_document.newDocument();
    // The welcome screen, when it exists, is created here and sets the version text.
    m_document.setVersionText(versionText);
    m_document.updateCaption();
    showFloatingToolbar();
    m_floating->placeToolbar(toolbar::BottomRight);

    m_imageWindow = std::make_unique<ImageWindow>();
    m_imageWindow->setPositionCode(m_setupWindow->positionCode());
    m_playback.setDisplay(m_imageWindow.get());
    connect(m_setupWindow, &SetupWindow::positionChosen, m_imageWindow.get(),
            &ImageWindow::setPositionCode);
}

void MainWindow::showSetupWindow()
{
    m_setupSub->show();
    m_mdi->setActiveSubWindow(m_setupSub);
}

void MainWindow::showFloatingToolbar()
{
    if (!m_floating) {
        m_floating = std::make_unique<FloatingToolbar>();
        connect(m_floating->toolBar(), &QToolBar::actionTriggered, this, [this](QAction *action) {
            runCommand(toolbar::commandForKey(action->objectName(), false));
        });
        connect(m_floating.get(), &FloatingToolbar::popupRequested, this,
                [this](const QPoint &at) { m_setupWindow->popupMenu()->popup(at); });
        connect(m_setupWindow, &SetupWindow::toolbarPlacementChosen, m_floating.get(),
                &FloatingToolbar::placeToolbar);
    }
    m_floating->show();
}

void MainWindow::runCommand(toolbar::Command command)
{
    using toolbar::Command;
    switch (command) {
    case Command::New:
        m_document.newDocument();
        break;
    case Command::Save:
        m_document.saveDocument();
        break;
    case Command::Previous:
        m_playback.stepPrevious();
        break;
    case Command::Next:
        m_playback.stepNext();
        break;
    case Command::Play:
        m_playback.playForward();
        break;
    case Command::Pause:
        m_playback.pausePlay();
        break;
    case Command::Stop:
        m_playback.stopPlay();
        break;
    case Command::Back:
        m_playback.playBackward();
        break;
    case Command::Open:   // disabled until list files can be opened
    case Command::Print:  // disabled until printing exists
    case Command::Record: // hidden until record mode exists
    case Command::None:
        break;
    }
}

void MainWindow::onFileMenu(int index)
{
    switch (index) {
    case 0:
        m_document.newDocument();
        break;
    case 3:
        m_document.saveDocument();
        break;
    case 9:
        exitProgram();
        break;
    default:
        break;
    }
}

void MainWindow::onOptionMenu(int index)
{
    if (index == 2) {
        showSetupWindow();
        showFloatingToolbar();
    }
}

void MainWindow::exitProgram()
{
    if (!m_document.exitProgram())
        return;
    emit programEnding();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The program ends only through the exit command, which asks first.
    event->ignore();
    exitProgram();
}

} // namespace vantaloop
