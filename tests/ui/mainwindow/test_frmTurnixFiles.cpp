// Cube files that reach the window without the open dialog: named on the
// command line, chosen in "Open Recent" or dropped on the window.

#include "FifoAndDevice.h"
#include "WindowTestSupport.h"
#include "platform/FileSaving.h"
#include "platform/RecentFiles.h"

#include <QtTest>

using namespace turnix;
using namespace turnix::test;

class frmTurnixFilesTest : public QObject {
    Q_OBJECT

private slots:
    void aFileFromOutsideOpensAsOneStepAndIsRecent_data() {
        QTest::addColumn<QString>("way");
        for (const char* way : {"command line", "dropped", "recent"}) {
            QTest::newRow(way) << way;
        }
    }

    // Like Open: the cube replaced as one step of the history, a listed
    // solution discarded; the file goes first in the recent list, before
    // one saved.
    void aFileFromOutsideOpensAsOneStepAndIsRecent() {
        QFETCH(QString, way);
        Session s;
        frmTurnix& window = s.Start();
        const QString path = s.Saved(Scrambled(7));
        s.fake.fileDialogs.saveAnswers = {s.folder.filePath("saved.cub")};
        Trigger(window, "mnuFileSaveConfiguration");
        s.Load(Scrambled(8));
        Trigger(window, "mnuCubeSolve");
        if (way == "command line") {
            window.OpenConfigurationFile(path);
        } else if (way == "dropped") {
            QVERIFY(!Drop(window, {path, path}) && !Drop(window, {s.folder.filePath("a.txt")}));
            QVERIFY(Drop(window, {path}));
        } else {
            RecentFiles(s.fake.settings).Add(path);
            auto& menu = Child<QMenu>(window, "mnuFileOpenRecent");
            emit menu.aboutToShow();
            QCOMPARE(menu.actions().at(0)->text(), "&1 " + path);
            menu.actions().at(0)->trigger();
        }
        QVERIFY(!window.SolutionMode());
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(Scrambled(7)));
        QCOMPARE(ShownSquares(window), s.Expected());
        QCOMPARE(Child<QAction>(window, "mnuEditUndo").text(), "&Undo Open Configuration");
        QCOMPARE(
            RecentFiles(s.fake.settings).Files(),
            (QStringList{path, s.folder.filePath("cube2.cub"), s.folder.filePath("saved.cub")}));
        QVERIFY(s.fake.messageBoxes.shown.empty());
    }

    void aFileThatCannotBeReadIsNamedAndChangesNothing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing"
                                 << "No such file";
        QTest::newRow("folder") << "folder"
                                << "Is a folder";
        QTest::newRow("pipe") << "pipe"
                              << "Not a regular file";
    }

    void aFileThatCannotBeReadIsNamedAndChangesNothing() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        Session s;
        frmTurnix& window = s.Start();
        s.Load(Scrambled(9));
        Trigger(window, "mnuCubeSolve");
        const QString path = s.folder.filePath(kind + ".cub");
        if (kind == "folder") {
            QVERIFY(QDir(s.folder.path()).mkdir(kind + ".cub"));
        } else if (kind == "pipe") {
            QVERIFY(MakeFifo(LocalPath(path))); // read, it would block
        }
        window.OpenConfigurationFile(path);
        QCOMPARE(Messages(s.fake.messageBoxes),
                 QStringList{"!Turnix|The file could not be opened.\n\n" + path + ": " + reason});
        QVERIFY(window.SolutionMode());
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(Scrambled(9)));
        QCOMPARE(RecentFiles(s.fake.settings).Files(), QStringList{s.folder.filePath("cube1.cub")});
    }
};

QTEST_MAIN(frmTurnixFilesTest)
#include "test_frmTurnixFiles.moc"
