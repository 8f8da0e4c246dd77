#pragma once

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
    void setFolder(const QString &folder);
    QString pattern() const { return m_pattern.text(); }
    void setPattern(const QString &pattern);
    void refresh();

    const QStringList &names() const { return m_names; }
    QString lastError() const { return m_lastError; }

private:
    bool m_showHidden;
    QString m_folder;
    platform::NamePattern m_pattern;
    QStringList m_names;
    QString m_lastError;
};

} // namespace vantaloop
