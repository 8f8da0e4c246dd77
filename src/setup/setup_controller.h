#pragma once

#include <QObject>
#include <QStringList>

class QItemSelectionModel;

namespace vantaloop {

class DocumentController;
class PlaybackController;
class SlideListModel;
class UserPrompts;

// The setup window's list commands: Add's bookkeeping, Remove, Clear and making a
// double-clicked entry current. Works on the shared model and selection.
class SetupController : public QObject {
    Q_OBJECT

public:
    SetupController(SlideListModel *list, QItemSelectionModel *selection,
                    PlaybackController *playback, DocumentController *document,
                    UserPrompts *prompts, QObject *parent = nullptr);

    // Puts gathered paths into the list and marks the list changed, also when nothing
    // was gathered. Past the list's limit the rest is left out with a message; folders
    // the gathering had to skip are named in another. Returns how many were added.
    int addFiles(const QStringList &paths, const QStringList &skippedFolders = {});
    void removeSelected();
    void clearList();
    // Double-click: the focused entry (-1 for none) becomes current and is shown.
    void makeEntryCurrent(int row);

private:
    SlideListModel *m_list;
    QItemSelectionModel *m_selection;
    PlaybackController *m_playback;
    DocumentController *m_document;
    UserPrompts *m_prompts;
};

} // namespace vantaloop
