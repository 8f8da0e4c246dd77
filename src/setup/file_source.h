#pragma once

#include "platform/volumes.h"
#include "setup/file_list_model.h"
#include "setup/folder_list_model.h"

#include <QHash>
#include <QObject>
#include <array>

namespace vantaloop {

class UserPrompts;

// The setup window's file source: the image-type filter, the drive, folder and file
// lists, and gathering the full paths that Add puts into the slide list.
class FileSource : public QObject {
    Q_OBJECT

public:
    static constexpr int TypeCount = 5;
    using TypeChecks = std::array<bool, TypeCount>;

    FileSource(const platform::VolumeSource *volumes, UserPrompts *prompts,
               QObject *parent = nullptr);

    FolderListModel *folders() { return &m_folders; }
    FileListModel *files() { return &m_files; }

    QList<platform::Drive> drives() const { return m_volumes->drives(); }
    QString currentDrive() const { return m_drive; }

    // "*.bmp", "*.gif", ... for the checked types in index order, ";" between.
    static QString typePattern(const TypeChecks &checked);
    static QString typeCaption(int index);
    const TypeChecks &typeChecks() const { return m_types; }
    void setTypeChecked(int index, bool checked);

    // The user (or code) picked a drive: its current folder is shown. A drive that is
    // not ready is reported and the drive of the shown folder comes back.
    void chooseDrive(const QString &root);
    // Shows a folder; a folder that cannot be read is reported and nothing changes.
    bool openFolder(const QString &path);

    struct Gathered {
        QStringList paths;   // in the order of adding
        QStringList skipped; // folders that could not be read
    };
    // Recursive: every listed file of the shown folder and all folders below it,
    // deepest first. Otherwise the given rows of the file list.
    Gathered gather(bool recursive, const QList<int> &selectedRows) const;

signals:
    // The drive list is to show this drive.
    void currentDriveChanged(const QString &root);

private:
    void driveError();

    const platform::VolumeSource *m_volumes;
    UserPrompts *m_prompts;
    FolderListModel m_folders;
    FileListModel m_files{false};
    TypeChecks m_types{false, false, true, false, false};
    QString m_drive;
    QHash<QString, QString> m_folderOfDrive; // each drive's current folder
};

} // namespace vantaloop
