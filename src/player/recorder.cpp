#include "player/recorder.h"

#include "document/list_file.h"
#include "document/user_prompts.h"
#include "platform/file_probe.h"
#include "player/playback_controller.h"
#include "setup/slide_list_model.h"

#include <QDir>

namespace vantaloop {

Recorder::Recorder(SlideListModel *list, PlaybackController *playback, UserPrompts *prompts,
                   const QString &programFolder, QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_playback(playback)
    , m_prompts(prompts)
    , m_programFolder(programFolder)
{
}

void Recorder::startRecording()
{
    QDir::setCurrent(m_programFolder);
    const QString path = m_prompts->chooseFile(FileChoice::RecordList, m_programFolder);
    if (path.isEmpty())
        return;
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append)) {
        m_prompts->showMessage(
            tr("Slides cannot be recorded into \"%1\".\n%2").arg(path, file->errorString()),
            QString(), MessageStyle::Exclamation);
        return;
    }
    // A file left by an earlier start gets no more lines: it is closed now.
    const bool wasRecording = recording();
    m_file = std::move(file);
    if (!wasRecording)
        emit recordingChanged(true);
}

void Recorder::stopRecording()
{
    if (!recording())
        return;
    m_file.reset();
    emit recordingChanged(false);
}

void Recorder::recordCurrentSlide()
{
    const int index = m_playback->currentIndex();
    if (!recording() || index < 0 || index >= m_list->count())
        return;
    const QString path = m_list->path(index);
    if (!platform::isOrdinaryFile(path))
        return;
    const QByteArray line = listfile::encodeLine(path);
    if (line.isEmpty()) {
        m_prompts->showMessage(tr("\"%1\" cannot be stored in a list file.").arg(path), QString(),
                               MessageStyle::Exclamation);
        return;
    }
    if (m_file->write(line) != line.size() || !m_file->flush()) {
        const QString file = m_file->fileName();
        const QString reason = m_file->errorString();
        stopRecording();
        m_prompts->showMessage(tr("The slide could not be recorded into \"%1\"; recording has "
                                  "stopped.\n%2")
                                   .arg(file, reason),
                               QString(), MessageStyle::Exclamation);
    }
}

} // namespace vantaloop
