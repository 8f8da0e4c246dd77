#include "document/document_controller.h"

#include "document/list_file.h"
#include "document/user_prompts.h"
#include "setup/slide_list_model.h"

#include <QDir>

namespace vantaloop {

namespace {
const QString exitTitle = QStringLiteral("File Exit");
} // namespace

DocumentController::DocumentController(SlideListModel *list, UserPrompts *prompts,
                                       const QString &workFolder, QObject *parent)
    : QObject(parent)
    , m_list(list)
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

bool DocumentController::saveDocument()
{
    const listfile::WriteResult result = listfile::write(m_currentFile, m_list->paths());
    if (!result.ok) {
        m_prompts->showMessage(
            tr("The slide list could not be saved to \"%1\".\n%2").arg(m_currentFile, result.error),
            QString(), MessageStyle::Critical);
        return false;
    }
    if (!result.unstorable.isEmpty()) {
        // Saved, but not whole: the list stays marked as changed.
        m_prompts->showMessage(tr("These paths cannot be stored in a list file and were left "
                                  "out of \"%1\":\n%2")
                                   .arg(m_currentFile, result.unstorable.join(u'\n')),
                               QString(), MessageStyle::Exclamation);
        return true;
    }
    setModified(false);
    return true;
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
