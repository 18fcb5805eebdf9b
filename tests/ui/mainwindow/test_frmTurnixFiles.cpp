// Cube files that reach the window without the open dialog: named on the
// command line, chosen in "Open Recent" or dropped on the window.

#include "FifoAndDevice.h"
#include "WindowTestSupport.h"
#include "platform/FileSaving.h"
#include "platform/RecentFiles.h"

#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUndoStack>
#include <QUrl>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

// Whether the window took the files when they were dragged over it.
bool Drop(QWidget& window, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files) {
        urls << QUrl::fromLocalFile(file);
    }
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return enter.isAccepted();
}

// Opens the File menu's "Open Recent" and chooses its entry for path.
void ChooseRecent(const QWidget& window, const QString& path) {
    auto& menu = Child<QMenu>(window, "mnuFileOpenRecent");
    emit menu.aboutToShow();
    for (QAction* entry : menu.actions()) {
        if (entry->text().endsWith(" " + path)) {
            entry->trigger();
            return;
        }
    }
    QFAIL(qPrintable("not in Open Recent: " + path));
}

QString UndoText(const QWidget& window) {
    return Child<QAction>(window, "mnuEditUndo").text();
}

} // namespace

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
    // solution discarded; and the file goes first in the recent list.
    void aFileFromOutsideOpensAsOneStepAndIsRecent() {
        QFETCH(QString, way);
        Session s;
        frmTurnix& window = s.Start();
        const clsCube cube = Scrambled(7);
        const QString path = s.Saved(cube);
        s.Load(Scrambled(8));
        Trigger(window, "mnuCubeSolve");
        QVERIFY(window.SolutionMode());
        if (way == "command line") {
            window.OpenConfigurationFile(path);
        } else if (way == "dropped") {
            QVERIFY(Drop(window, {path}));
        } else {
            RecentFiles(s.fake.settings).Add(path);
            ChooseRecent(window, path);
        }
        QVERIFY(!window.SolutionMode());
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(cube));
        QCOMPARE(ShownSquares(window), s.Expected());
        QCOMPARE(UndoText(window), "&Undo Open Configuration");
        QCOMPARE(RecentFiles(s.fake.settings).Files().first(), path);
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
        const clsCube cube = Scrambled(9);
        s.Load(cube);
        Trigger(window, "mnuCubeSolve");
        const QString path = s.folder.filePath(kind + ".cub");
        if (kind == "folder") {
            QVERIFY(QDir(s.folder.path()).mkdir(kind + ".cub"));
        } else if (kind == "pipe") {
            QVERIFY(MakeFifo(LocalPath(path))); // read, it would block
        }
        const QStringList recent = RecentFiles(s.fake.settings).Files();
        window.OpenConfigurationFile(path);
        QCOMPARE(Messages(s.fake.messageBoxes),
                 QStringList{"!Turnix|The file could not be opened.\n\n" + path + ": " + reason});
        QVERIFY(window.SolutionMode());
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(cube));
        QCOMPARE(RecentFiles(s.fake.settings).Files(), recent);
    }

    // The dialogs' files are recent too, newest first; a save that failed
    // is not.
    void openedAndSavedFilesAreListedNewestFirst() {
        Session s;
        frmTurnix& window = s.Start();
        const QString opened = s.Saved(Scrambled(1));
        s.Open(opened);
        const QString saved = s.folder.filePath("saved.cub");
        s.fake.fileDialogs.saveAnswers = {saved, s.folder.filePath("no folder/x.cub")};
        Trigger(window, "mnuFileSaveConfiguration");
        Trigger(window, "mnuFileSaveConfiguration");
        QCOMPARE(RecentFiles(s.fake.settings).Files(), (QStringList{saved, opened}));
        auto& menu = Child<QMenu>(window, "mnuFileOpenRecent");
        emit menu.aboutToShow();
        QCOMPARE(menu.actions().at(0)->text(), "&1 " + saved);
        QCOMPARE(menu.actions().at(1)->text(), "&2 " + opened);
    }

    // Anything but six photos or one cube file is refused at the border.
    void onlyOneCubeFileIsTakenWhenDropped() {
        Session s;
        frmTurnix& window = s.Start();
        const QString cube = s.Saved(Scrambled(2));
        const QString other = s.folder.filePath("notes.txt");
        QVERIFY(!Drop(window, {cube, s.Saved(Scrambled(3))}));
        QVERIFY(!Drop(window, {other}));
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
        QVERIFY(Drop(window, {cube}));
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(Scrambled(2)));
    }
};

QTEST_MAIN(frmTurnixFilesTest)
#include "test_frmTurnixFiles.moc"
