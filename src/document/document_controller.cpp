#include "document/document_controller.h"

#include "app/busy_cursor.h"
#include "document/list_file.h"
#include "document/user_prompts.h"
#include "player/playback_controller.h"
#include "setup/slide_list_model.h"

#include <QDir>

namespace vantaloop {

namespace {
const QString exitTitle = QStringLiteral("File Exit");
} // namespace

DocumentController::DocumentController(SlideListModel *list, PlaybackController *playback,
                                       UserPrompts *prompts, const QString &workFolder,
                                       QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_playback(playback)
    , m_prompts(prompts)
    , m_workFolder(workFolder)
    , m_currentFile(untitledPath(workFolder))
{
}

QString DocumentController::untitledPath(const QString &workFolder)
{
    QString folder = QDir::toNativeSeparators(workFolder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder + QStringLiteral("Untitle.vvv");
}

void DocumentController::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

QString DocumentController::caption() const
{
    return m_currentFile + QStringLiteral(" - Play Image Files ") + m_versionText;
}

void DocumentController::updateCaption()
{
    emit captionChanged(caption());
}

void DocumentController::newDocument()
{
    m_currentFile = untitledPath(m_workFolder);
    updateCaption();
    emit setupWindowRequested();
    m_list->clear();
    emit floatingToolbarRequested();
}

bool DocumentController::writeList(const QString &path)
{
    const listfile::WriteResult result = listfile::write(path, m_list->paths());
    if (!result.ok) {
        m_prompts->showMessage(
            tr("The slide list could not be saved to \"%1\".\n%2").arg(path, result.error),
            QString(), MessageStyle::Critical);
        return false;
    }
    if (!result.unstorable.isEmpty()) {
        // Saved, but not whole: the list stays marked as changed.
        m_prompts->showMessage(tr("These paths cannot be stored in a list file and were left "
                                  "out of \"%1\":\n%2")
                                   .arg(path, result.unstorable.join(u'\n')),
                               QString(), MessageStyle::Exclamation);
        return true;
    }
    setModified(false);
    return true;
}

bool DocumentController::saveDocument()
{
    return writeList(m_currentFile);
}

void DocumentController::saveDocumentAs()
{
    const QString path = m_prompts->chooseFile(FileChoice::SaveList, QString());
    if (path.isEmpty())
        return;
    {
        const BusyCursor busy;
        if (!writeList(path))
            return; // the earlier name, caption and recent entries stay
    }
    m_currentFile = path;
    addRecentFile(path);
    updateCaption();
}

bool DocumentController::loadDocument(const QString &path)
{
    const listfile::ReadResult read = listfile::read(path);
    if (!read.opened) {
        m_prompts->showMessage(
            tr("The slide list \"%1\" cannot be opened.\n%2").arg(path, read.error), QString(),
            MessageStyle::Exclamation);
        return false;
    }
    const int leftOut = m_list->replaceAll(read.entries);
    if (!read.error.isEmpty())
        m_prompts->showMessage(
            tr("The slide list \"%1\" could not be read to its end.\n%2").arg(path, read.error),
            QString(), MessageStyle::Exclamation);
    if (leftOut > 0)
        m_prompts->showMessage(tr("The slide list holds at most %1 entries: the last %2 entries "
                                  "of \"%3\" were not opened.")
                                   .arg(SlideListModel::MaxEntries)
                                   .arg(leftOut)
                                   .arg(path),
                               QString(), MessageStyle::Exclamation);
    return true;
}

void DocumentController::openDocument()
{
    if (!savePrompt())
        return;
    const QString path = m_prompts->chooseFile(FileChoice::OpenList, QString());
    if (path.isEmpty())
        return;
    {
        const BusyCursor busy;
        m_playback->stopPlay();
        if (!loadDocument(path))
            return; // the list, its name and the caption stay as they were
        m_currentFile = path;
        addRecentFile(path);
        updateCaption();
        emit setupWindowRequested();
    }
    emit floatingToolbarRequested();
}

void DocumentController::openRecentFile(int index)
{
    if (index < 1 || index > m_recent.size())
        return;
    // Asked as Open asks, so a changed list is not replaced unsaved.
    if (!savePrompt())
        return;
    const QString path = m_recent.at(index - 1);
    const BusyCursor busy;
    if (!loadDocument(path))
        return;
    m_currentFile = path;
    updateCaption();
    emit setupWindowRequested();
}

void DocumentController::addRecentFile(const QString &path)
{
    for (const QString &recent : std::as_const(m_recent)) {
        if (recent.compare(path, Qt::CaseInsensitive) == 0)
            return;
    }
    m_recent.append(path);
    emit recentFilesChanged(m_recent);
}

bool DocumentController::savePrompt()
{
    if (!m_modified)
        return true;
    if (!m_prompts->askYesNo(tr("Do you want to save changes?"), exitTitle,
                             MessageStyle::YesNo + MessageStyle::Critical +
                                 MessageStyle::SecondButtonDefault))
        return true;
    return saveDocument();
}

bool DocumentController::exitProgram()
{
    if (!savePrompt())
        return false;
    return m_prompts->askYesNo(tr("Do you really want to exit?"), exitTitle,
                               MessageStyle::YesNo + MessageStyle::Critical);
}

} // namespace vantaloop
