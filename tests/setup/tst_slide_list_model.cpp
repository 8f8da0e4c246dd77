#include "setup/slide_list_model.h"

#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>

using namespace vantaloop;

class SlideListModelTest : public QObject {
    Q_OBJECT

private slots:
    void keepsCaseInsensitiveOrder_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("case ignored")
            << QStringList{"b.jpg", "A.jpg", "c.jpg"} << QStringList{"A.jpg", "b.jpg", "c.jpg"};
        QTest::newRow("equal ignoring case keep order of adding")
            << QStringList{"/p/X.jpg", "/p/a.jpg", "/p/x.jpg", "/p/X.JPG"}
            << QStringList{"/p/a.jpg", "/p/X.jpg", "/p/x.jpg", "/p/X.JPG"};
        QTest::newRow("duplicates side by side")
            << QStringList{"/d/2.jpg", "/d/1.jpg", "/d/2.jpg", "/d/1.jpg"}
            << QStringList{"/d/1.jpg", "/d/1.jpg", "/d/2.jpg", "/d/2.jpg"};
        QTest::newRow("folders before deeper names")
            << QStringList{"/a/b/c.jpg", "/a/b.jpg", "/a/a.jpg"}
            << QStringList{"/a/a.jpg", "/a/b.jpg", "/a/b/c.jpg"};
    }
    // One at a time and in one batch, the list ends the same.
    void keepsCaseInsensitiveOrder()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);
        SlideListModel single;
        for (const QString &path : added)
            QVERIFY(single.addPath(path));
        QCOMPARE(single.paths(), expected);

        SlideListModel batch;
        QCOMPARE(batch.addPaths(added), added.size());
        QCOMPARE(batch.paths(), expected);
    }

    void addingAFolderTwiceDoublesEveryEntry()
    {
        SlideListModel model;
        const QStringList folder{"/pics/c.jpg", "/pics/a.jpg", "/pics/b.jpg"};
        model.addPaths(folder);
        model.addPaths(folder);
        QCOMPARE(model.paths(), (QStringList{"/pics/a.jpg", "/pics/a.jpg", "/pics/b.jpg",
                                             "/pics/b.jpg", "/pics/c.jpg", "/pics/c.jpg"}));
    }

    // A batch that lands in several places must keep marks on the entries they were on.
    void interleavedBatchKeepsSelectionOnItsEntries()
    {
        SlideListModel model;
        QItemSelectionModel selection(&model);
        model.addPaths({"b", "d"});
        selection.select(model.index(1), QItemSelectionModel::Select);            // "d"
        selection.setCurrentIndex(model.index(0), QItemSelectionModel::NoUpdate); // "b"
        QSignalSpy counts(&model, &SlideListModel::countChanged);

        QCOMPARE(model.addPaths({"e", "a", "c"}), 3);

        QCOMPARE(model.paths(), (QStringList{"a", "b", "c", "d", "e"}));
        QCOMPARE(selection.selectedIndexes(), QModelIndexList{model.index(3)});
        QCOMPARE(selection.currentIndex().row(), 1);
        QCOMPARE(counts.size(), 1);
        QCOMPARE(counts.first().first().toInt(), 5);
    }

    void stopsAtTheLimit()
    {
        SlideListModel model;
        QStringList many;
        for (int i = 0; i < SlideListModel::MaxEntries + 5; ++i)
            many.append(QStringLiteral("/p/%1.jpg").arg(i, 6, 10, QLatin1Char('0')));
        QCOMPARE(model.addPaths(many), SlideListModel::MaxEntries);
        QCOMPARE(model.count(), SlideListModel::MaxEntries);
        // The ones left out are the last ones given.
        QCOMPARE(model.paths().last(), many.at(SlideListModel::MaxEntries - 1));
        QVERIFY(!model.addPath(QStringLiteral("/p/a.jpg")));
        QCOMPARE(model.count(), SlideListModel::MaxEntries);

        model.removeRows(0, 1);
        QVERIFY(model.addPath(QStringLiteral("/p/a.jpg")));
    }

    void replaceAllSortsAndReportsOverflow()
    {
        SlideListModel model;
        model.addPaths({"old"});
        QCOMPARE(model.replaceAll({"b", "A", "c"}), 0);
        QCOMPARE(model.paths(), (QStringList{"A", "b", "c"}));
    }

    void removeRowsRejectsBadRanges()
    {
        SlideListModel model;
        model.addPaths({"a", "b", "c"});
        QVERIFY(!model.removeRows(2, 2));
        QVERIFY(!model.removeRows(-1, 1));
        QVERIFY(model.removeRows(1, 2));
        QCOMPARE(model.paths(), QStringList{"a"});
    }
};

QTEST_GUILESS_MAIN(SlideListModelTest)
#include "tst_slide_list_model.moc"
