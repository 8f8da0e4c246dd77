#include "document/document_controller.h"
#include "setup/slide_list_model.h"
#include "support/test_support.h"

#include <QFile>
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
    DocumentController document;

    explicit Document(const QString &workFolder = {})
        : document(&list, &prompts, workFolder.isEmpty() ? dir.path() : workFolder)
    {
        document.setVersionText(QStringLiteral("Version 1.0"));
    }
};

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
