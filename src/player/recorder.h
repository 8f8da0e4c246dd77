#pragma once

#include <QFile>
#include <QObject>
#include <memory>

namespace vantaloop {

class PlaybackController;
class SlideListModel;
class UserPrompts;

// Record mode: while it is on, each press of Record appends the current slide's
// path to a list file, in the list-file line form.
class Recorder : public QObject {
    Q_OBJECT

public:
    // The Save dialog for the record file opens in programFolder.
    Recorder(SlideListModel *list, PlaybackController *playback, UserPrompts *prompts,
             const QString &programFolder, QObject *parent = nullptr);

    // Record mode is on exactly while a record file is open.
    bool recording() const { return m_file != nullptr; }
    QString recordFile() const { return m_file ? m_file->fileName() : QString(); }

public slots:
    // Asks for a file and opens it for appending; Cancel or a file that cannot be
    // opened leaves record mode as it was.
    void startRecording();
    void stopRecording();
    void recordCurrentSlide();

signals:
    void recordingChanged(bool on);

private:
    SlideListModel *m_list;
    PlaybackController *m_playback;
    UserPrompts *m_prompts;
    QString m_programFolder;
    std::unique_ptr<QFile> m_file;
};

} // namespace vantaloop
