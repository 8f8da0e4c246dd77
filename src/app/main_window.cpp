#include "app/main_window.h"

#include "app/message_box_prompts.h"
#include "app/startup.h"
#include "document/picture_printing.h"
#include "player/control_buttons.h"
#include "player/floating_toolbar.h"
#include "player/image_viewer.h"
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
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
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

QAction *item(const QMenu *menu, int index)
{
    for (QAction *action : menu->actions()) {
        if (!isRecentEntry(action) && action->data().toInt() == index)
            return action;
    }
    return nullptr;
}

// Items whose windows are not built yet: the file tools, the demonstration, help.
void disableUnbuiltItems(const Menus &menus)
{
    for (int index : {0, 1, 3})
        item(menus.option, index)->setEnabled(false);
    for (QAction *action : menus.help->actions())
        action->setEnabled(false);
}

} // namespace

MainWindow::MainWindow(UserPrompts *prompts)
    : m_appFolder(enterProgramFolder())
    , m_ownPrompts(prompts ? nullptr : std::make_unique<MessageBoxPrompts>(this))
    , m_prompts(prompts ? prompts : m_ownPrompts.get())
    , m_selection(&m_list)
    , m_playback(&m_list, &m_selection)
    , m_document(&m_list, &m_playback, m_prompts, workFolderFor(m_appFolder))
    , m_setup(&m_list, &m_selection, &m_playback, &m_document, m_prompts)
    , m_source(&m_volumes, m_prompts)
    , m_recorder(&m_list, &m_playback, m_prompts, m_appFolder)
    , m_mdi(new QMdiArea(this))
{
    setObjectName(QStringLiteral("mdiMovie"));
    setWindowTitle(tr("Play Image Files"));
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdi);
    m_mainMenus = createMainWindowMenus(this);
    wireMenus(m_mainMenus);
    showMenusFor(nullptr);
    createToolbar();

    connect(&m_document, &DocumentController::captionChanged, this, &QWidget::setWindowTitle);
    connect(&m_document, &DocumentController::setupWindowRequested, this,
            &MainWindow::showSetupWindow);
    connect(&m_document, &DocumentController::floatingToolbarRequested, this,
            &MainWindow::showFloatingToolbar);
    connect(&m_document, &DocumentController::recentFilesChanged, this,
            [this](const QStringList &files) {
                showRecentFiles(m_mainMenus.file, files);
                showRecentFiles(m_setupMenus.file, files);
            });
    connect(&m_playback, &PlaybackController::playStateChanged, this, [this](PlayState state) {
        syncPlayButtons(m_floating->toolBar(), state);
        syncPlayButtons(tlBar, state);
    });
    connect(&m_recorder, &Recorder::recordingChanged, this, &MainWindow::showRecording);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect geometry = mainWindowGeometry(screen.size());
    resize(geometry.size());
    move(screen.topLeft() + geometry.topLeft());
}

MainWindow::~MainWindow()
{
    // The frame's children outlive this object's own members while it is destroyed.
    disconnect(m_mdi, nullptr, this, nullptr);
}

void MainWindow::wireMenus(const Menus &menus)
{
    disableUnbuiltItems(menus);
    connect(menus.file, &QMenu::triggered, this, [this](QAction *action) {
        if (isRecentEntry(action))
            m_document.openRecentFile(action->data().toInt());
        else
            fileMenuCommand(action->data().toInt());
    });
    connect(menus.option, &QMenu::triggered, this,
            [this](QAction *action) { optionMenuCommand(action->data().toInt()); });
    if (menus.view) {
        connect(menus.view, &QMenu::triggered, this,
                [this](QAction *action) { setViewSize(action->data().toInt()); });
    }
    if (menus.control) {
        connect(menus.control, &QMenu::triggered, this,
                [this](QAction *action) { controlMenuCommand(action->data().toInt()); });
    }
}

void MainWindow::createToolbar()
{
    tlBar = addToolBar(tr("Toolbar"));
    tlBar->setObjectName(QStringLiteral("tlBar"));
    tlBar->setMovable(false);
    tlBar->setFloatable(false);
    addControlButtons(tlBar, true);
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
    m_setupMenus = createSetupWindowMenus(m_setupWindow);
    wireMenus(m_setupMenus);
    m_setupSub = m_mdi->addSubWindow(m_setupWindow);
    m_setupSub->setObjectName(QStringLiteral("frmPrepareFrame"));
    m_setupSub->setGeometry(QRect(QPoint(0, 0), m_mdi->viewport()->size()));
    connect(m_setupWindow, &SetupWindow::hideRequested, m_setupSub, &QWidget::hide);
    connect(m_setupWindow, &SetupWindow::recordingStartRequested, &m_recorder,
            &Recorder::startRecording);
    connect(m_setupWindow, &SetupWindow::recordingStopRequested, &m_recorder,
            &Recorder::stopRecording);
    // The active child's menus stand in the menu bar, as in a multiple-document frame.
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainWindow::showMenusFor);

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

void MainWindow::showMenusFor(QMdiSubWindow *active)
{
    const Menus &menus = active && active == m_setupSub ? m_setupMenus : m_mainMenus;
    menuBar()->clear();
    for (QMenu *menu : menus.inOrder())
        menuBar()->addMenu(menu);
}

void MainWindow::showSetupWindow()
{
    m_setupSub->show();
    m_mdi->setActiveSubWindow(m_setupSub);
    showMenusFor(m_setupSub);
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
    case Command::Open:
        m_document.openDocument();
        break;
    case Command::Save:
        m_document.saveDocument();
        break;
    case Command::Print:
        printOnDefaultPrinter();
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
    case Command::Record:
        m_recorder.recordCurrentSlide();
        break;
    case Command::None:
        break;
    }
}

void MainWindow::fileMenuCommand(int index)
{
    switch (index) {
    case 0:
        m_document.newDocument();
        break;
    case 1:
        m_document.openDocument();
        break;
    case 3:
        m_document.saveDocument();
        break;
    case 4:
        m_document.saveDocumentAs();
        break;
    case 6:
        printWithDialog();
        break;
    case 7:
        printOnDefaultPrinter();
        break;
    case 9:
        exitProgram();
        break;
    default: // separators
        break;
    }
}

void MainWindow::optionMenuCommand(int index)
{
    if (index == 2) {
        showSetupWindow();
        showFloatingToolbar();
    }
}

void MainWindow::controlMenuCommand(int index)
{
    static constexpr toolbar::Command commands[] = {
        toolbar::Command::Previous, toolbar::Command::Next, toolbar::Command::Play,
        toolbar::Command::Pause,    toolbar::Command::Stop, toolbar::Command::Back};
    if (index >= 0 && index < int(std::size(commands)))
        runCommand(commands[index]);
}

void MainWindow::setViewSize(int index)
{
    checkViewItem(m_setupMenus.view, index);
    m_imageWindow->setViewSize(index);
}

bool MainWindow::printImage(QPrinter &printer, int copies)
{
    const QImage &picture = m_imageWindow->viewer()->picture();
    if (picture.isNull()) {
        m_prompts->showMessage(tr("There is no picture to print yet: show a slide first."),
                               QString(), MessageStyle::Exclamation);
        return false;
    }
    if (!printPicture(printer, picture, copies)) {
        m_prompts->showMessage(
            tr("The picture could not be printed on \"%1\".").arg(printer.printerName()), QString(),
            MessageStyle::Exclamation);
        return false;
    }
    return true;
}

void MainWindow::printOnDefaultPrinter()
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        m_prompts->showMessage(tr("No printer is set up. Print Setup can print to a file."),
                               QString(), MessageStyle::Exclamation);
        return;
    }
    QPrinter printer(target, QPrinter::HighResolution);
    printImage(printer, 1);
}

void MainWindow::printWithDialog()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // One print of the picture for each copy asked for.
    const int copies = printer.copyCount();
    printer.setCopyCount(1);
    printImage(printer, copies);
}

void MainWindow::showRecording(bool on)
{
    m_floating->setRecording(on);
    setRecordButtonVisible(m_floating->toolBar(), on);
    m_floating->placeToolbar(on ? 5 : 6);
    setRecordButtonVisible(tlBar, on);
}

void MainWindow::exitProgram()
{
    if (!m_document.exitProgram())
        return;
    m_recorder.stopRecording();
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
