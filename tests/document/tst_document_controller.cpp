#include "document/document_controller.h"
#include "document/list_file.h"
#include "player/playback_controller.h"
#include "setup/slide_list_model.h"
#include "support/test_support.h"

#include <QFile>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>

using namespace vantaloop;

namespace {

const QString saveQuestion = QStringLiteral("Do you want to save changes?");
const QString exitQuestion = QStringLiteral("Do you really want to exit?");

struct Document {
    QTemporaryDir dir;
    testing::ScriptedPrompts prompts;
    SlideListModel list;
    QItemSelectionModel selection{&list};
    PlaybackController playback{&list, &selection};
    DocumentController document;

    explicit Document(const QString &workFolder = {})
        : document(&list, &playback, &prompts, workFolder.isEmpty() ? dir.path() : workFolder)
    {
        document.setVersionText(QStringLiteral("Version 1.0"));
    }
};

QString writeList(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    return testing::writeFile(dir, QLatin1String(name), bytes);
}

} // namespace

class DocumentControllerTest : public QObject {
    Q_OBJECT

private slots:
    void captionIsFileThenTitleThenVersion()
    {
        Document d;
        QCOMPARE(d.document.currentFile(),
                 QDir::toNativeSeparators(d.dir.filePath(QStringLiteral("Untitle.vvv"))));
        QCOMPARE(d.document.caption(),
                 d.document.currentFile() + QStringLiteral(" - Play Image Files Version 1.0"));
    }

    void untitledNameAtARootHasOneSeparator()
    {
        QCOMPARE(DocumentController::untitledPath(QStringLiteral("/")),
                 QDir::toNativeSeparators(QStringLiteral("/Untitle.vvv")));
    }

    void exitQuestions_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("saved");
        QTest::newRow("unchanged, yes")
            << false << QList<bool>{true} << QStringList{exitQuestion} << true << false;
        QTest::newRow("unchanged, no")
            << false << QList<bool>{false} << QStringList{exitQuestion} << false << false;
        QTest::newRow("changed, don't save, exit")
            << true << QList<bool>{false, true} << QStringList{saveQuestion, exitQuestion} << true
            << false;
        QTest::newRow("changed, save, exit")
            << true << QList<bool>{true, true} << QStringList{saveQuestion, exitQuestion} << true
            << true;
        QTest::newRow("changed, save, stay")
            << true << QList<bool>{true, false} << QStringList{saveQuestion, exitQuestion} << false
            << true;
    }
    void exitQuestions()
    {
        QFETCH(bool, modified);
        QFETCH(QList<bool>, answers);
        QFETCH(QStringList, asked);
        QFETCH(bool, ends);
        QFETCH(bool, saved);
        Document d;
        d.list.addPaths({"/p/b.jpg", "/p/a.jpg"});
        d.document.setModified(modified);
        d.prompts.answers = answers;

        QCOMPARE(d.document.exitProgram(), ends);
        QCOMPARE(d.prompts.questions, asked);
        QCOMPARE(QFile::exists(d.document.currentFile()), saved);
        if (saved) {
            QFile file(d.document.currentFile());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("/p/a.jpg\r\n/p/b.jpg\r\n"));
            QVERIFY(!d.document.modified());
        }
    }

    // Saving in the save question fails: the exit is called off so the list survives.
    void failedSaveCancelsTheExit()
    {
        QTemporaryDir parent;
        Document d(parent.filePath(QStringLiteral("no/such/folder")));
        d.list.addPaths({"/p/a.jpg"});
        d.document.setModified(true);
        d.prompts.answers = {true, true};
        QVERIFY(!d.document.exitProgram());
        QCOMPARE(d.prompts.questions, QStringList{saveQuestion});
        QCOMPARE(d.prompts.messages.size(), 1);
        QVERIFY(d.prompts.messages.first().contains(d.document.currentFile()));
        QVERIFY(d.document.modified());
    }

    void newDocumentEmptiesTheListAndKeepsModified()
    {
        Document d;
        d.list.addPaths({"/p/a.jpg"});
        d.document.setModified(true);
        QSignalSpy captions(&d.document, &DocumentController::captionChanged);
        QSignalSpy setupShown(&d.document, &DocumentController::setupWindowRequested);
        QSignalSpy toolbarShown(&d.document, &DocumentController::floatingToolbarRequested);
        d.document.newDocument();
        QCOMPARE(d.list.count(), 0);
        QVERIFY(d.document.modified());
        QCOMPARE(captions.size(), 1);
        QCOMPARE(setupShown.size(), 1);
        QCOMPARE(toolbarShown.size(), 1);

        // Exit then asks to save, and Yes writes the empty list to the untitled file.
        d.prompts.answers = {true, true};
        QVERIFY(d.document.exitProgram());
        QCOMPARE(QFileInfo(d.document.currentFile()).size(), 0);
    }

    // Open asks to save a changed list first; a failed save calls the Open off.
    void openSaveQuestion_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("workFolderWritable");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("savedBefore");
        QTest::newRow("yes saves, then opens") << true << true << true << true;
        QTest::newRow("no opens, list stays marked changed") << false << true << true << false;
        QTest::newRow("yes, save fails: no open") << true << false << false << false;
    }
    void openSaveQuestion()
    {
        QFETCH(bool, answer);
        QFETCH(bool, workFolderWritable);
        QFETCH(bool, opened);
        QFETCH(bool, savedBefore);
        QTemporaryDir other;
        Document d(workFolderWritable ? QString() : other.filePath("missing/folder"));
        const QString listPath = writeList(other, "show.vvv", "/p/z.jpg\r\n/p/y.jpg\r\n");
        d.list.addPaths({"/p/a.jpg"});
        d.document.setModified(true);
        d.prompts.answers = {answer};
        d.prompts.files = {listPath};

        d.document.openDocument();

        QCOMPARE(d.prompts.questions, QStringList{saveQuestion});
        QCOMPARE(QFile::exists(DocumentController::untitledPath(d.dir.path())), savedBefore);
        QCOMPARE(d.document.currentFile() == listPath, opened);
        QCOMPARE(d.list.paths(),
                 opened ? (QStringList{"/p/y.jpg", "/p/z.jpg"}) : QStringList{"/p/a.jpg"});
        QCOMPARE(d.document.modified(), !savedBefore);
        QCOMPARE(d.document.recentFiles(), opened ? QStringList{listPath} : QStringList());
    }

    void openReplacesSortsAndStopsTheShow()
    {
        Document d;
        const QStringList pictures{testing::writePicture(d.dir, "b.bmp", QSize(2, 2)),
                                   testing::writePicture(d.dir, "a.bmp", QSize(2, 2))};
        d.list.addPaths(pictures);
        d.playback.playForward();
        const QString listPath = writeList(d.dir, "list.vvv", "/x/C.jpg\r\n/x/a.jpg\n/x/b.jpg");
        d.prompts.files = {listPath};
        QSignalSpy captions(&d.document, &DocumentController::captionChanged);
        QSignalSpy toolbar(&d.document, &DocumentController::floatingToolbarRequested);
        d.document.openDocument();
        QCOMPARE(d.list.paths(), (QStringList{"/x/a.jpg", "/x/b.jpg", "/x/C.jpg"}));
        QCOMPARE(d.playback.playState(), PlayState::Stopped);
        QCOMPARE(captions.size(), 1);
        QCOMPARE(captions.first().first().toString(),
                 listPath + QStringLiteral(" - Play Image Files Version 1.0"));
        QCOMPARE(toolbar.size(), 1);
        QCOMPARE(d.prompts.fileDialogs, QList<FileChoice>{FileChoice::OpenList});
    }

    void openCancelledChangesNothing()
    {
        Document d;
        d.list.addPaths({"/p/a.jpg"});
        const QString before = d.document.currentFile();
        d.document.openDocument();
        QCOMPARE(d.list.paths(), QStringList{"/p/a.jpg"});
        QCOMPARE(d.document.currentFile(), before);
        QVERIFY(d.prompts.messages.isEmpty());
    }

    // A list that cannot be read is reported; the shown list keeps its own name, so a
    // later Save cannot write it over the file that failed.
    void unreadableListKeepsTheShownOne()
    {
        Document d;
        d.list.addPaths({"/p/a.jpg"});
        const QString before = d.document.currentFile();
        const QString gone = d.dir.filePath(QStringLiteral("gone.vvv"));
        d.prompts.files = {gone};
        d.document.openDocument();
        QCOMPARE(d.list.paths(), QStringList{"/p/a.jpg"});
        QCOMPARE(d.document.currentFile(), before);
        QVERIFY(d.document.recentFiles().isEmpty());
        QCOMPARE(d.prompts.messages.size(), 1);
        QVERIFY(d.prompts.messages.first().contains(gone));
    }

    void emptyFileEmptiesTheList()
    {
        Document d;
        d.list.addPaths({"/p/a.jpg"});
        d.prompts.files = {writeList(d.dir, "empty.vvv", "")};
        d.document.openDocument();
        QCOMPARE(d.list.count(), 0);
    }

    void saveAsNamesTheDocument()
    {
        Document d;
        d.list.addPaths({"/p/a.jpg"});
        d.document.setModified(true);
        const QString path = d.dir.filePath(QStringLiteral("mine.vvv"));
        d.prompts.files = {path, path.toUpper()};
        QSignalSpy captions(&d.document, &DocumentController::captionChanged);
        d.document.saveDocumentAs();
        QCOMPARE(d.document.currentFile(), path);
        QVERIFY(!d.document.modified());
        QCOMPARE(captions.size(), 1);
        QCOMPARE(d.document.recentFiles(), QStringList{path});
        // Saving as the same file again, even in other letters, adds no entry.
        d.document.saveDocumentAs();
        QCOMPARE(d.document.recentFiles(), QStringList{path});
        QCOMPARE(d.prompts.fileDialogs.size(), 2);
    }

    // Save As that fails keeps the earlier name, caption and recent entries.
    void failedSaveAsKeepsTheEarlierName()
    {
        Document d;
        d.list.addPaths({"/p/a.jpg"});
        d.document.setModified(true);
        const QString before = d.document.currentFile();
        d.prompts.files = {d.dir.filePath(QStringLiteral("no/such/folder/x.vvv"))};
        QSignalSpy captions(&d.document, &DocumentController::captionChanged);
        d.document.saveDocumentAs();
        QCOMPARE(d.document.currentFile(), before);
        QVERIFY(captions.isEmpty());
        QVERIFY(d.document.recentFiles().isEmpty());
        QVERIFY(d.document.modified());
        QCOMPARE(d.prompts.messages.size(), 1);
    }

    // Saving over a list replaces it as a whole; a failing save leaves it whole.
    void failedSaveKeepsTheOldFile()
    {
        Document d;
        d.list.addPaths({"/p/a.jpg"});
        d.prompts.files = {d.dir.filePath(QStringLiteral("kept.vvv"))};
        d.document.saveDocumentAs();
        const QString path = d.document.currentFile();
        d.list.addPaths({"/p/b.jpg"});
        d.document.setModified(true);
        // The folder goes away under the file: the save cannot be done.
        QVERIFY(QDir(d.dir.path()).rename("kept.vvv", "moved.vvv"));
        QVERIFY(QDir(d.dir.path()).mkdir("kept.vvv"));
        QVERIFY(!d.document.saveDocument());
        QVERIFY(d.document.modified());
        QCOMPARE(listfile::read(d.dir.filePath("moved.vvv")).entries, QStringList{"/p/a.jpg"});
    }

    void openRecentLoadsTheEntry()
    {
        Document d;
        const QString first = writeList(d.dir, "first.vvv", "/p/1.jpg\r\n");
        const QString second = writeList(d.dir, "second.vvv", "/p/2.jpg\r\n");
        d.prompts.files = {first, second};
        d.document.openDocument();
        d.document.openDocument();
        QCOMPARE(d.document.recentFiles(), (QStringList{first, second}));
        d.document.openRecentFile(1);
        QCOMPARE(d.document.currentFile(), first);
        QCOMPARE(d.list.paths(), QStringList{"/p/1.jpg"});
        QCOMPARE(d.document.recentFiles(), (QStringList{first, second})); // not added again
        d.document.openRecentFile(0);                                     // the separator
        d.document.openRecentFile(3);                                     // no such entry
        QCOMPARE(d.document.currentFile(), first);
    }

    void openRecentOfADeletedFile()
    {
        Document d;
        const QString path = writeList(d.dir, "soon-gone.vvv", "/p/1.jpg\r\n");
        d.prompts.files = {path};
        d.document.openDocument();
        QVERIFY(QFile::remove(path));
        d.list.addPaths({"/p/2.jpg"});
        d.document.newDocument();
        d.list.addPaths({"/p/3.jpg"});
        const QString before = d.document.currentFile();
        d.document.openRecentFile(1);
        QCOMPARE(d.list.paths(), QStringList{"/p/3.jpg"});
        QCOMPARE(d.document.currentFile(), before);
        QCOMPARE(d.prompts.messages.size(), 1);
    }

    void saveKeepsTheUnstorableMarkedAsChanged()
    {
        Document d;
        d.list.addPaths({"/p/a.jpg", "/p/line\nbreak.jpg"});
        d.document.setModified(true);
        QVERIFY(d.document.saveDocument());
        QCOMPARE(d.prompts.messages.size(), 1);
        QVERIFY(d.prompts.messages.first().contains(QStringLiteral("line\nbreak")));
        QVERIFY(d.document.modified());
    }
};

QTEST_GUILESS_MAIN(DocumentControllerTest)
#include "tst_document_controller.moc"
