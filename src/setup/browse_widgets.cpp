#include "setup/browse_widgets.h"

#include "setup/file_list_model.h"
#include "setup/folder_list_model.h"

#include <QStyledItemDelegate>
#include <algorithm>

namespace vantaloop {

namespace {

// Indents each folder by its depth in the chain.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const int depth = index.data(FolderListModel::DepthRole).toInt();
        option->rect.adjust(depth * option->fontMetrics.horizontalAdvance(QLatin1Char('W')), 0, 0,
                            0);
    }
};

} // namespace

DriveList::DriveList(QWidget *parent)
    : QComboBox(parent)
{
    setAccessibleName(tr("Drive"));
    connect(this, &QComboBox::activated, this,
            [this](int row) { emit driveChosen(itemData(row).toString()); });
}

void DriveList::setDrives(const QList<platform::Drive> &drives)
{
    clear();
    for (const platform::Drive &drive : drives)
        addItem(QStringLiteral("%1  [%2]").arg(drive.root, drive.name), drive.root);
}

void DriveList::showPopup()
{
    emit aboutToPopUp();
    QComboBox::showPopup();
}

void DriveList::showDrive(const QString &root)
{
    const int row = findData(root);
    if (row >= 0)
        setCurrentIndex(row);
}

FolderListView::FolderListView(FolderListModel *model, QWidget *parent)
    : QListView(parent)
{
    setModel(model);
    setItemDelegate(new IndentDelegate(this));
    setEditTriggers(NoEditTriggers);
    setUniformItemSizes(true);
    setAccessibleName(tr("Folders"));
    connect(this, &QListView::activated, this, [this](const QModelIndex &index) {
        emit folderActivated(index.data(FolderListModel::PathRole).toString());
    });
    // After every change of folder the current folder's own entry has the focus.
    connect(model, &FolderListModel::pathChanged, this,
            [this, model] { setCurrentIndex(model->index(model->currentRow())); });
}

FileListView::FileListView(FileListModel *model, QWidget *parent)
    : QListView(parent)
{
    setModel(model);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setUniformItemSizes(true);
    setAccessibleName(tr("Files"));
}

QList<int> FileListView::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace vantaloop
