#include "setup/file_list_model.h"

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

void FileListModel::showFolder(const QString &folder, const platform::FolderListing &listing)
{
    m_folder = folder;
    m_files = listing.files;
    m_lastError = listing.error;
    filter();
}

void FileListModel::setPattern(const QString &pattern)
{
    m_pattern = platform::NamePattern(pattern);
    filter();
}

void FileListModel::refresh()
{
    showFolder(m_folder, platform::listFolder(m_folder));
}

void FileListModel::filter()
{
    beginResetModel();
    m_names.clear();
    for (const platform::FolderEntry &file : std::as_const(m_files)) {
        if ((m_showHidden || !file.hidden) && m_pattern.matches(file.name))
            m_names.append(file.name);
    }
    endResetModel();
}

} // namespace vantaloop
