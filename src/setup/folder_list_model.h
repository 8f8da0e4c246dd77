#pragma once

#include "platform/folder_listing.h"

#include <QAbstractListModel>
#include <QStringList>

namespace vantaloop {

// The folder list: the chain of folders from the root down to the current folder,
// then the current folder's subfolders in name order (hidden ones left out). Each
// entry shows the folder's name and yields its full path.
class FolderListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role { PathRole = Qt::UserRole + 1, DepthRole };

    explicit FolderListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    QString path() const { return m_path; }
    // Shows path; false, with the reason in lastError(), when it cannot be read.
    bool setPath(const QString &path);
    bool refresh() { return setPath(m_path); }
    QString lastError() const { return m_lastError; }
    // What the current folder held when it was last read.
    const platform::FolderListing &listing() const { return m_listing; }

    int subfolderCount() const { return int(m_subfolders.size()); }
    QString subfolderPath(int i) const;
    QString pathAt(int row) const;
    // The row that shows the current folder itself.
    int currentRow() const { return int(m_chain.size()) - 1; }

signals:
    void pathChanged(const QString &path);

private:
    QString m_path;
    QStringList m_chain; // full paths, root first, the current folder last
    QStringList m_subfolders;
    platform::FolderListing m_listing;
    QString m_lastError;
};

} // namespace vantaloop
