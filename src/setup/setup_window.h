#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QGroupBox;
class QItemSelectionModel;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;

namespace vantaloop {

class DriveList;
class FileListView;
class FileSource;
class FolderListView;
class PlaybackController;
class SetupController;
class SlideListModel;

// "Vanta Loop Setup": the slide list with its number boxes, show-time box and
// slider, the list commands and the view position. It binds its controls to the
// playback and setup controllers and does no work of its own.
class SetupWindow : public QWidget {
    Q_OBJECT

public:
    SetupWindow(SlideListModel *list, QItemSelectionModel *selection, PlaybackController *playback,
                SetupController *setup, FileSource *source, QWidget *parent = nullptr);

    // The floating toolbar's right-button menu.
    QMenu *popupMenu() const { return m_popup; }
    int positionCode() const;

signals:
    void positionChosen(int code);
    void toolbarPlacementChosen(int code);
    void recordingStartRequested();
    void recordingStopRequested();
    // The user closed the window: it is only hidden.
    void hideRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void bindControllers();
    void layOutControls();
    void addFiles();
    void refreshDrives();

    SlideListModel *m_list;
    QItemSelectionModel *m_selection;
    PlaybackController *m_playback;
    SetupController *m_setup;
    FileSource *m_source;

    QGroupBox *fraSource;
    QGroupBox *fraSelect;
    QGroupBox *fraPos;
    std::array<QCheckBox *, 5> chkType;
    DriveList *drvPrep;
    FolderListView *dirPrep;
    FileListView *filPrep;
    QCheckBox *chkRecursive;
    QListView *lstBox;
    QPushButton *cmdAdd;
    QPushButton *cmdRemove;
    QPushButton *cmdClear;
    QLabel *lblNum;
    QLineEdit *txtNum;
    QLabel *lblIndex;
    QLineEdit *txtIndex;
    QLabel *lblTimer;
    QLineEdit *txtTimer;
    QSlider *sldBar;
    QLabel *lblName;
    QLabel *lblFile;
    std::array<QRadioButton *, 5> optPos;
    QMenu *m_popup;
    bool m_laidOut = false;
};

} // namespace vantaloop
