#include "setup/folder_list_model.h"

#include "platform/folder_listing.h"
#include "platform/name_pattern.h"

#include <QDir>
#include <QFileInfo>

namespace vantaloop {

namespace {

// The name an entry shows: the root as its path, any other folder by its name.
QString shownName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

QStringList chainOf(const QString &path)
{
    QStringList chain;
    QDir dir(path);
    for (;;) {
        chain.prepend(QDir::toNativeSeparators(dir.absolutePath()));
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    // A root path ends with its separator.
    if (!chain.first().endsWith(QDir::separator()))
        chain.first() += QDir::separator();
    return chain;
}

} // namespace

FolderListModel::FolderListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int FolderListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_chain.size() + m_subfolders.size());
}

QVariant FolderListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return shownName(pathAt(row));
    case Qt::ToolTipRole:
    case PathRole:
        return pathAt(row);
    case DepthRole:
        return row < m_chain.size() ? row : int(m_chain.size());
    default:
        return {};
    }
}

QString FolderListModel::pathAt(int row) const
{
    if (row < m_chain.size())
        return m_chain.at(row);
    return subfolderPath(row - int(m_chain.size()));
}

QString FolderListModel::subfolderPath(int i) const
{
    return platform::joinPath(m_path, m_subfolders.at(i));
}

bool FolderListModel::setPath(const QString &path)
{
    const QString absolute = QDir::toNativeSeparators(QDir::cleanPath(QDir(path).absolutePath()));
    platform::FolderListing listing = platform::listFolder(absolute);
    if (!listing.ok) {
        m_lastError = listing.error;
        return false;
    }
    m_lastError.clear();
    const QStringList chain = chainOf(absolute);
    beginResetModel();
    m_chain = chain;
    m_path = chain.last();
    m_subfolders.clear();
    for (const platform::FolderEntry &folder : std::as_const(listing.folders)) {
        if (!folder.hidden)
            m_subfolders.append(folder.name);
    }
    m_listing = std::move(listing);
    endResetModel();
    emit pathChanged(m_path);
    return true;
}

} // namespace vantaloop
