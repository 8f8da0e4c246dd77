#include "setup/file_list_model.h"

#include "platform/folder_listing.h"

namespace vantaloop {

FileListModel::FileListModel(bool showHidden, QObject *parent)
    : QAbstractListModel(parent)
    , m_showHidden(showHidden)
{
}

int FileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_names.size());
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_names.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_names.at(index.row());
    return {};
}

void FileListModel::setFolder(const QString &folder)
{
    m_folder = folder;
    refresh();
}

void FileListModel::setPattern(const QString &pattern)
{
    m_pattern = platform::NamePattern(pattern);
    refresh();
}

void FileListModel::refresh()
{
    beginResetModel();
    m_names.clear();
    m_lastError.clear();
    if (!m_folder.isEmpty()) {
        const platform::FolderListing listing = platform::listFolder(m_folder);
        m_lastError = listing.error;
        for (const platform::FolderEntry &file : listing.files) {
            if ((m_showHidden || !file.hidden) && m_pattern.matches(file.name))
                m_names.append(file.name);
        }
    }
    endResetModel();
}

} // namespace vantaloop
