#pragma once

#include "app/menus.h"
#include "document/document_controller.h"
#include "platform/volumes.h"
#include "player/playback_controller.h"
#include "player/recorder.h"
#include "player/toolbar_logic.h"
#include "setup/file_source.h"
#include "setup/setup_controller.h"
#include "setup/slide_list_model.h"

#include <QItemSelectionModel>
#include <QMainWindow>
#include <memory>

class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QToolBar;

namespace vantaloop {

class FloatingToolbar;
class ImageWindow;
class SetupWindow;
class UserPrompts;

// "Play Image Files": the frame the setup window opens in, with the menus and the
// main toolbar. It owns the program's models and controllers and wires the windows
// to them; closing it is the exit command.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Questions go to prompts when given (tests), otherwise to message boxes.
    explicit MainWindow(UserPrompts *prompts = nullptr);
    ~MainWindow() override;

    PlaybackController &playback() { return m_playback; }
    DocumentController &document() { return m_document; }
    SetupController &setup() { return m_setup; }
    FileSource &fileSource() { return m_source; }
    Recorder &recorder() { return m_recorder; }
    SlideListModel &slideList() { return m_list; }
    QItemSelectionModel &selection() { return m_selection; }
    FloatingToolbar *floatingToolbar() const { return m_floating.get(); }
    ImageWindow *imageWindow() const { return m_imageWindow.get(); }
    SetupWindow *setupWindow() const { return m_setupWindow; }
    const Menus &mainMenus() const { return m_mainMenus; }
    const Menus &setupMenus() const { return m_setupMenus; }

    // Prints the image window's picture once per copy; false, with a message, when
    // there is nothing to print or printing failed.
    bool printImage(QPrinter &printer, int copies);

signals:
    // The exit command was answered Yes: the program is ending.
    void programEnding();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createToolbar();
    void wireMenus(const Menus &menus);
    void startUp();
    void showMenusFor(QMdiSubWindow *active);
    void showSetupWindow();
    void showFloatingToolbar();
    void runCommand(toolbar::Command command);
    void fileMenuCommand(int index);
    void optionMenuCommand(int index);
    void controlMenuCommand(int index);
    void setViewSize(int index);
    void printOnDefaultPrinter();
    void printWithDialog();
    void showRecording(bool on);
    void exitProgram();

    QString m_appFolder;
    std::unique_ptr<UserPrompts> m_ownPrompts;
    UserPrompts *m_prompts;
    SlideListModel m_list;
    QItemSelectionModel m_selection;
    PlaybackController m_playback;
    DocumentController m_document;
    SetupController m_setup;
    platform::SystemVolumes m_volumes;
    FileSource m_source;
    Recorder m_recorder;

    QMdiArea *m_mdi;
    QMdiSubWindow *m_setupSub = nullptr;
    SetupWindow *m_setupWindow = nullptr;
    QToolBar *tlBar = nullptr;
    Menus m_mainMenus;
    Menus m_setupMenus;
    std::unique_ptr<FloatingToolbar> m_floating;
    std::unique_ptr<ImageWindow> m_imageWindow;
    bool m_started = false;
};

} // namespace vantaloop
