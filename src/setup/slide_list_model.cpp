#include "setup/slide_list_model.h"

#include "platform/caseless.h"

#include <algorithm>
#include <vector>

namespace vantaloop {

SlideListModel::SlideListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

bool SlideListModel::lessThan(const QString &a, const QString &b)
{
    return platform::caselessLess(a, b);
}

int SlideListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant SlideListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return m_paths.at(index.row());
    default:
        return {};
    }
}

bool SlideListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > this->count())
        return false;
    beginRemoveRows({}, row, row + count - 1);
    m_paths.remove(row, count);
    endRemoveRows();
    emit countChanged(this->count());
    return true;
}

int SlideListModel::addPaths(const QStringList &paths)
{
    const qsizetype taken = std::min<qsizetype>(MaxEntries - m_paths.size(), paths.size());
    if (taken <= 0)
        return 0;

    QStringList added = paths.first(taken);
    std::stable_sort(added.begin(), added.end(), lessThan);

    // Equal entries: the ones already present come first (upper bound), so each
    // duplicate lands after its twins in the order of adding.
    const auto firstAt =
        std::upper_bound(m_paths.cbegin(), m_paths.cend(), added.first(), lessThan);
    const auto lastAt = std::upper_bound(m_paths.cbegin(), m_paths.cend(), added.last(), lessThan);
    if (firstAt == lastAt) {
        // One contiguous run: an ordinary insertion keeps views and selections exact.
        const int row = int(firstAt - m_paths.cbegin());
        beginInsertRows({}, row, row + int(taken) - 1);
        m_paths.insert(row, taken, QString());
        std::move(added.begin(), added.end(), m_paths.begin() + row);
        endInsertRows();
    } else {
        // Interleaved: merge in one pass and move persistent indexes (the selection
        // among them) to their entries' new rows.
        emit layoutAboutToBeChanged();
        QStringList merged;
        merged.reserve(m_paths.size() + taken);
        std::vector<int> newRowOf(size_t(m_paths.size()));
        qsizetype oldRow = 0;
        for (QString &path : added) {
            while (oldRow < m_paths.size() && !lessThan(path, m_paths.at(oldRow))) {
                newRowOf[size_t(oldRow)] = int(merged.size());
                merged.append(std::move(m_paths[oldRow++]));
            }
            merged.append(std::move(path));
        }
        for (; oldRow < m_paths.size(); ++oldRow) {
            newRowOf[size_t(oldRow)] = int(merged.size());
            merged.append(std::move(m_paths[oldRow]));
        }
        m_paths = std::move(merged);
        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex &index : before)
            after.append(createIndex(newRowOf[size_t(index.row())], index.column()));
        changePersistentIndexList(before, after);
        emit layoutChanged();
    }
    emit countChanged(count());
    return int(taken);
}

int SlideListModel::replaceAll(const QStringList &paths)
{
    const qsizetype taken = std::min<qsizetype>(MaxEntries, paths.size());
    beginResetModel();
    m_paths = paths.first(taken);
    std::stable_sort(m_paths.begin(), m_paths.end(), lessThan);
    endResetModel();
    emit countChanged(count());
    return int(paths.size() - taken);
}

void SlideListModel::clear()
{
    beginResetModel();
    m_paths.clear();
    endResetModel();
    emit countChanged(0);
}

} // namespace vantaloop
