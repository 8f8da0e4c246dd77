#include "document/list_file.h"
#include "player/playback_controller.h"
#include "player/recorder.h"
#include "setup/slide_list_model.h"
#include "support/test_support.h"

#include <QFile>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>

using namespace vantaloop;

namespace {

struct Recording {
    QTemporaryDir dir;
    testing::ScriptedPrompts prompts;
    SlideListModel list;
    QItemSelectionModel selection{&list};
    PlaybackController playback{&list, &selection};
    Recorder recorder{&list, &playback, &prompts, dir.path()};
    QStringList pictures;

    Recording()
    {
        for (const char *name : {"a.bmp", "b,with comma.bmp"})
            pictures.append(testing::writePicture(dir, QLatin1String(name), QSize(2, 2)));
        list.addPaths(pictures);
    }
    QString start(const QString &file)
    {
        const QString path = dir.filePath(file);
        prompts.files = {path};
        recorder.startRecording();
        return path;
    }
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class RecorderTest : public QObject {
    Q_OBJECT

private slots:
    void threePressesAppendThreeLines()
    {
        Recording r;
        QSignalSpy changes(&r.recorder, &Recorder::recordingChanged);
        const QString file = r.start(QStringLiteral("picked.vvv"));
        QVERIFY(r.recorder.recording());
        QCOMPARE(changes.size(), 1);
        QCOMPARE(r.prompts.fileDialogs, QList<FileChoice>{FileChoice::RecordList});
        r.playback.stepNext();
        for (int i = 0; i < 3; ++i)
            r.recorder.recordCurrentSlide();
        QCOMPARE(contents(file),
                 QByteArray(3, 'x').replace("x", QFile::encodeName(r.pictures[0]) + "\r\n"));
    }

    // The record file is a list file: old lines stay, a path with a comma reads back whole.
    void appendsToAnExistingList()
    {
        Recording r;
        const QString file = r.dir.filePath(QStringLiteral("old.vvv"));
        QVERIFY(listfile::write(file, {"/old/one.jpg"}).ok);
        r.start(QStringLiteral("old.vvv"));
        r.playback.stepPrevious(); // the last entry: the one with a comma
        r.recorder.recordCurrentSlide();
        r.recorder.stopRecording();
        QCOMPARE(listfile::read(file).entries, (QStringList{"/old/one.jpg", r.pictures[1]}));
    }

    void cancelChangesNothing()
    {
        Recording r;
        QSignalSpy changes(&r.recorder, &Recorder::recordingChanged);
        r.recorder.startRecording(); // the dialog answers Cancel
        QVERIFY(!r.recorder.recording());
        QVERIFY(changes.isEmpty());
        QVERIFY(r.prompts.messages.isEmpty());
    }

    void fileThatCannotBeOpenedIsReported()
    {
        Recording r;
        QVERIFY(QDir(r.dir.path()).mkdir(QStringLiteral("folder.vvv")));
        r.start(QStringLiteral("folder.vvv"));
        QVERIFY(!r.recorder.recording());
        QCOMPARE(r.prompts.messages.size(), 1);
    }

    void nothingToRecordWithoutACurrentSlideOrFile()
    {
        Recording r;
        const QString file = r.start(QStringLiteral("picked.vvv"));
        r.recorder.recordCurrentSlide(); // no current slide yet
        r.playback.stepNext();
        QVERIFY(QFile::remove(r.pictures[0]));
        r.recorder.recordCurrentSlide(); // its file has gone
        r.playback.stopPlay();
        r.recorder.recordCurrentSlide(); // stopped
        QCOMPARE(contents(file), QByteArray());
    }

    void secondStartSendsLinesToTheNewFile()
    {
        Recording r;
        const QString first = r.start(QStringLiteral("first.vvv"));
        const QString second = r.start(QStringLiteral("second.vvv"));
        QCOMPARE(r.recorder.recordFile(), second);
        r.playback.stepNext();
        r.recorder.recordCurrentSlide();
        QCOMPARE(contents(first), QByteArray());
        QCOMPARE(listfile::read(second).entries, QStringList{r.pictures[0]});
    }

    void stopEndsRecording()
    {
        Recording r;
        const QString file = r.start(QStringLiteral("picked.vvv"));
        r.recorder.stopRecording();
        QVERIFY(!r.recorder.recording());
        r.recorder.stopRecording(); // again: nothing more happens
        r.playback.stepNext();
        r.recorder.recordCurrentSlide();
        QCOMPARE(contents(file), QByteArray());
    }
};

QTEST_GUILESS_MAIN(RecorderTest)
#include "tst_recorder.moc"
