#pragma once

#include <QObject>
#include <QString>

namespace vantaloop {

class SlideListModel;
class UserPrompts;

// The one open slide list: its file name, its changed flag, the main window's
// caption, saving and leaving the program.
class DocumentController : public QObject {
    Q_OBJECT

public:
    DocumentController(SlideListModel *list, UserPrompts *prompts, const QString &workFolder,
                       QObject *parent = nullptr);

    QString currentFile() const { return m_currentFile; }
    QString workFolder() const { return m_workFolder; }
    bool modified() const { return m_modified; }
    void setModified(bool modified);
    QString versionText() const { return m_versionText; }
    void setVersionText(const QString &text) { m_versionText = text; }

    // CurrentFile, " - Play Image Files ", VersionText.
    QString caption() const;
    void updateCaption();

    static QString untitledPath(const QString &workFolder);

public slots:
    void newDocument();
    // Writes the list to CurrentFile; false (with a message) when it could not.
    bool saveDocument();
    // The save question, then the exit question: true when the program is to end.
    bool exitProgram();

signals:
    void captionChanged(const QString &caption);
    void modifiedChanged(bool modified);
    void setupWindowRequested();
    void floatingToolbarRequested();

private:
    // False when the user wanted the list saved and saving failed: the command that
    // asked must not go on, or the list would be lost.
    bool savePrompt();

    SlideListModel *m_list;
    UserPrompts *m_prompts;
    QString m_workFolder;
    QString m_currentFile;
    QString m_versionText;
    bool m_modified = false;
};

} // namespace vantaloop
