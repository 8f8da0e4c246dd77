#include "setup/setup_controller.h"

#include "document/document_controller.h"
#include "document/user_prompts.h"
#include "player/playback_controller.h"
#include "setup/slide_list_model.h"

#include <QItemSelectionModel>
#include <algorithm>

namespace vantaloop {

SetupController::SetupController(SlideListModel *list, QItemSelectionModel *selection,
                                 PlaybackController *playback, DocumentController *document,
                                 UserPrompts *prompts, QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_selection(selection)
    , m_playback(playback)
    , m_document(document)
    , m_prompts(prompts)
{
}

int SetupController::addFiles(const QStringList &paths, const QStringList &skippedFolders)
{
    const int added = m_list->addPaths(paths);
    m_document->setModified(true);
    const qsizetype leftOut = paths.size() - added;
    if (leftOut > 0)
        m_prompts->showMessage(tr("The slide list holds at most %1 entries: %2 of the files "
                                  "found were not added.")
                                   .arg(SlideListModel::MaxEntries)
                                   .arg(leftOut),
                               QString(), MessageStyle::Exclamation);
    if (!skippedFolders.isEmpty())
        m_prompts->showMessage(tr("These folders could not be read and were skipped:\n%1")
                                   .arg(skippedFolders.join(u'\n')),
                               QString(), MessageStyle::Exclamation);
    return added;
}

void SetupController::removeSelected()
{
    QList<int> rows;
    for (const QModelIndex &index : m_selection->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end(), std::greater<>());
    // From the last entry to the first, a run of neighbours at a time, so the rows
    // not yet visited keep their numbers.
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype j = i + 1;
        while (j < rows.size() && rows[j] == rows[j - 1] - 1)
            ++j;
        m_list->removeRows(rows[j - 1], int(j - i));
        i = j;
    }
    const int count = m_list->count();
    if (m_playback->currentIndex() >= count)
        m_playback->setCurrentIndex(count - 1);
    if (m_playback->currentIndex() == -1)
        m_playback->disableTimer();
    m_document->setModified(true);
    m_playback->writeIndexText(QString::number(m_playback->currentIndex() + 1));
}

void SetupController::clearList()
{
    m_playback->stopPlay();
    m_list->clear();
    m_playback->writeIndexText(QString());
}

void SetupController::makeEntryCurrent(int row)
{
    m_playback->setCurrentIndex(row >= 0 && row < m_list->count() ? row : -1);
    m_playback->writeIndexText(QString::number(m_playback->currentIndex() + 1));
    m_playback->showCurrentSlide();
}

} // namespace vantaloop
