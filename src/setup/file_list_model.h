#pragma once

#include "platform/folder_listing.h"
#include "platform/name_pattern.h"

#include <QAbstractListModel>
#include <QStringList>

namespace vantaloop {

// The file list: the files of one folder whose names match its pattern, in name
// order, each shown by its bare name. Never folders; hidden and system files only
// when asked for.
class FileListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit FileListModel(bool showHidden, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    QString folder() const { return m_folder; }
    // Shows a folder from a listing already made (the folder list's), so the folder
    // is not read twice.
    void showFolder(const QString &folder, const platform::FolderListing &listing);
    QString pattern() const { return m_pattern.text(); }
    // Filters the files already listed: the folder is not read again.
    void setPattern(const QString &pattern);
    // Reads the folder again.
    void refresh();

    const QStringList &names() const { return m_names; }
    QString lastError() const { return m_lastError; }

private:
    bool m_showHidden;
    QString m_folder;
    platform::NamePattern m_pattern;
    void filter();

    QList<platform::FolderEntry> m_files; // every file of the folder, as listed
    QStringList m_names;                  // the ones shown
    QString m_lastError;
};

} // namespace vantaloop
