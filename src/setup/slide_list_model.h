#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace vantaloop {

// The slide list: full picture paths kept in case-insensitive sorted order. Equal
// entries stay next to each other in the order they were added; the list holds at
// most MaxEntries entries. The setup window's view and the playback controller share
// this model and one selection model.
class SlideListModel : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int MaxEntries = 32767;

    explicit SlideListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;

    int count() const { return int(m_paths.size()); }
    QString path(int row) const { return m_paths.at(row); }
    const QStringList &paths() const { return m_paths; }

    // Puts each path in its sorted place. Stops at MaxEntries; returns how many of
    // the paths were added (the rest, from the end of the given list, were not).
    int addPaths(const QStringList &paths);
    bool addPath(const QString &path) { return addPaths({path}) == 1; }

    // Replaces every entry; returns how many paths did not fit.
    int replaceAll(const QStringList &paths);
    void clear();

    static bool lessThan(const QString &a, const QString &b);

signals:
    void countChanged(int count);

private:
    QStringList m_paths;
};

} // namespace vantaloop
