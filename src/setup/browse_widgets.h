#pragma once

#include "platform/volumes.h"

#include <QComboBox>
#include <QListView>

namespace vantaloop {

class FolderListModel;
class FileListModel;

// Drive list: one entry per drive, its root and name. driveChosen fires only when
// the user picks one; showDrive follows the program's choice quietly.
class DriveList : public QComboBox {
    Q_OBJECT

public:
    explicit DriveList(QWidget *parent = nullptr);

    void setDrives(const QList<platform::Drive> &drives);
    void showDrive(const QString &root);
    void showPopup() override;

signals:
    void driveChosen(const QString &root);
    // The list is about to open: a volume mounted since can be added now.
    void aboutToPopUp();
};

// Folder list: the chain down to the current folder, then its subfolders, indented
// by depth. Opening an entry (double-click or Enter) asks for that folder.
class FolderListView : public QListView {
    Q_OBJECT

public:
    FolderListView(FolderListModel *model, QWidget *parent = nullptr);

signals:
    void folderActivated(const QString &path);
};

// File list: bare file names with extended selection.
class FileListView : public QListView {
    Q_OBJECT

public:
    FileListView(FileListModel *model, QWidget *parent = nullptr);

    QList<int> selectedRows() const;
};

} // namespace vantaloop
