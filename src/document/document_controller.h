#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace vantaloop {

class PlaybackController;
class SlideListModel;
class UserPrompts;

// The one open slide list: its file name, its changed flag, the main window's
// caption, the recent files, opening, saving and leaving the program.
class DocumentController : public QObject {
    Q_OBJECT

public:
    DocumentController(SlideListModel *list, PlaybackController *playback, UserPrompts *prompts,
                       const QString &workFolder, QObject *parent = nullptr);

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

    // The recent-file entries, oldest first; menu element k (k >= 1) is entry k - 1.
    const QStringList &recentFiles() const { return m_recent; }

public slots:
    void newDocument();
    // Writes the list to CurrentFile; false (with a message) when it could not.
    bool saveDocument();
    // The save question, then the exit question: true when the program is to end.
    bool exitProgram();
    void openDocument();
    void saveDocumentAs();
    // Menu element index of the recent-file entries (element 0 is the separator).
    void openRecentFile(int index);

signals:
    void captionChanged(const QString &caption);
    void modifiedChanged(bool modified);
    void setupWindowRequested();
    void floatingToolbarRequested();
    void recentFilesChanged(const QStringList &files);

private:
    // False when the user wanted the list saved and saving failed: the command that
    // asked must not go on, or the list would be lost.
    bool savePrompt();
    // Reads a list file into the slide list; false, with a message, when it cannot.
    bool loadDocument(const QString &path);
    bool writeList(const QString &path);
    void addRecentFile(const QString &path);

    SlideListModel *m_list;
    PlaybackController *m_playback;
    UserPrompts *m_prompts;
    QString m_workFolder;
    QString m_currentFile;
    QString m_versionText;
    bool m_modified = false;
    QStringList m_recent;
};

} // namespace vantaloop
