// The platform rooms without a window: the recent files and their menu,
// what the command line starts, and where windows go on a screen's
// available area.

#include "DialogScripts.h"
#include "mainwindow/RecentFilesMenu.h"
#include "platform/ProgramArguments.h"
#include "platform/RecentFiles.h"
#include "platform/WindowPlacement.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;
using Kind = ProgramStart::Kind;

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void besideFrame_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QPoint>("expected");

        const QRect full(0, 0, 1920, 1080);
        const QSize guide(620, 560);
        QTest::newRow("room on the right")
            << full << QRect(100, 100, 500, 400) << guide << QPoint(600, 100);
        QTest::newRow("right, exactly to the edge")
            << full << QRect(0, 0, 1300, 400) << guide << QPoint(1300, 0);
        QTest::newRow("right, moved up to stay on the screen")
            << full << QRect(100, 700, 500, 300) << guide << QPoint(600, 520);
        QTest::newRow("one pixel short on the right: left")
            << full << QRect(700, 100, 601, 400) << guide << QPoint(80, 100);
        QTest::newRow("only on the left")
            << full << QRect(1300, 100, 500, 400) << guide << QPoint(680, 100);
        QTest::newRow("neither: right edge covers least")
            << QRect(0, 0, 1280, 1024) << QRect(350, 200, 480, 500) << guide << QPoint(660, 200);
        QTest::newRow("neither: left edge covers least")
            << QRect(0, 0, 1280, 1024) << QRect(450, 200, 480, 500) << guide << QPoint(0, 200);
        QTest::newRow("neither: a tie goes right")
            << QRect(0, 0, 1280, 1024) << QRect(400, 200, 480, 500) << guide << QPoint(660, 200);
        QTest::newRow("upright screen: below")
            << QRect(0, 0, 1080, 1920) << QRect(300, 100, 500, 400) << guide << QPoint(300, 500);
        QTest::newRow("upright screen, owner low: above")
            << QRect(0, 0, 1080, 1920) << QRect(300, 1400, 500, 400) << guide << QPoint(300, 840);
        QTest::newRow("larger than the screen: its corner")
            << QRect(0, 0, 800, 600) << QRect(100, 100, 470, 430) << QSize(900, 700)
            << QPoint(0, 0);
        QTest::newRow("second monitor on the right")
            << QRect(1920, 0, 1280, 1024) << QRect(2000, 100, 470, 500) << guide
            << QPoint(2470, 100);
        QTest::newRow("second monitor on the right, owner at its right edge")
            << QRect(1920, 0, 1280, 1024) << QRect(2700, 100, 470, 500) << guide
            << QPoint(2080, 100);
        QTest::newRow("monitor left of the primary")
            << QRect(-1280, 0, 1280, 1024) << QRect(-1200, 100, 470, 500) << guide
            << QPoint(-730, 100);
        QTest::newRow("panel on the left and on top")
            << QRect(64, 32, 1856, 1048) << QRect(1400, 32, 470, 400) << guide << QPoint(780, 32);
        QTest::newRow("panel on top, owner above the free area")
            << QRect(0, 32, 1920, 1048) << QRect(100, 0, 470, 400) << guide << QPoint(570, 32);
    }

    void besideFrame() {
        QFETCH(QRect, area);
        QFETCH(QRect, owner);
        QFETCH(QSize, frame);
        QFETCH(QPoint, expected);
        QCOMPARE(BesideFrame(frame, owner, area), expected);
    }

    // A 620 wide frame that may narrow to 380.
    void widthBeside_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<int>("expected");

        QTest::newRow("fits on the right")
            << QRect(0, 0, 1920, 1080) << QRect(100, 100, 500, 400) << 620;
        QTest::newRow("fits on the left")
            << QRect(0, 0, 1920, 1080) << QRect(1300, 100, 500, 400) << 620;
        QTest::newRow("owner centred on 1280: the room beside it")
            << QRect(0, 0, 1280, 1024) << QRect(403, 200, 474, 500) << 403;
        QTest::newRow("the wider side, on the left")
            << QRect(0, 0, 1366, 768) << QRect(500, 100, 474, 500) << 500;
        QTest::newRow("just room enough")
            << QRect(0, 0, 1280, 1024) << QRect(380, 0, 520, 400) << 380;
        QTest::newRow("too little room: its own width")
            << QRect(0, 0, 1280, 1024) << QRect(379, 0, 522, 400) << 620;
        QTest::newRow("second monitor")
            << QRect(1920, 0, 1280, 1024) << QRect(2300, 100, 470, 500) << 430;
    }

    void widthBeside() {
        QFETCH(QRect, area);
        QFETCH(QRect, owner);
        QFETCH(int, expected);
        QCOMPARE(WidthBeside(620, 380, owner, area), expected);
        const QSize frame(expected, 560);
        if (expected < 620) {
            QVERIFY(!QRect(BesideFrame(frame, owner, area), frame).intersects(owner));
        }
    }

    // A window put back where it was, or opened at its default size, on a
    // screen that may be smaller than the one it came from. The frame is a
    // 30 pixel title bar and 2 pixel borders.
    void fittedInto_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("client");
        QTest::addColumn<QRect>("expected");

        const QRect full(0, 0, 1920, 1080);
        QTest::newRow("fits: stays")
            << full << QRect(100, 100, 800, 600) << QRect(100, 100, 800, 600);
        QTest::newRow("title bar above the screen: moved down")
            << full << QRect(100, 10, 800, 600) << QRect(100, 30, 800, 600);
        QTest::newRow("off the right edge: moved in")
            << full << QRect(1500, 100, 800, 600) << QRect(1118, 100, 800, 600);
        QTest::newRow("on a monitor now gone: moved in")
            << full << QRect(2500, 1300, 800, 600) << QRect(1118, 478, 800, 600);
        QTest::newRow("1000 px tall at twice the scale: shortened")
            << QRect(0, 0, 800, 500) << QRect(0, 0, 700, 498) << QRect(2, 30, 700, 468);
        QTest::newRow("wider and taller than the screen: both")
            << QRect(0, 24, 1024, 744) << QRect(-50, -50, 1600, 1200) << QRect(2, 54, 1020, 712);
        QTest::newRow("second monitor left of the primary")
            << QRect(-1280, 0, 1280, 1024) << QRect(-300, 500, 600, 600)
            << QRect(-602, 422, 600, 600);
    }

    void fittedInto() {
        QFETCH(QRect, area);
        QFETCH(QRect, client);
        QFETCH(QRect, expected);
        const QMargins frame(2, 30, 2, 2);
        const QRect fitted = FittedInto(client, frame, area);
        QCOMPARE(fitted, expected);
        QVERIFY(area.contains(fitted.marginsAdded(frame)));
    }

    void argumentsDecideWhatStarts() {
        struct Row {
            QStringList arguments;
            Kind kind;
            QString file;
            QString textStart;
        };
        const QString help = "Usage: turnix [options] [FILE.cub]\n";
        const QString usage = "Usage: turnix [FILE.cub]\nTry 'turnix --help'.\n";
        for (const Row& row :
             std::initializer_list<Row>{{{}, Kind::Window, "", ""},
                                        {{"a b.cub"}, Kind::Window, "a b.cub", ""},
                                        {{"--", "-x.cub"}, Kind::Window, "-x.cub", ""},
                                        {{"a.cub", "-h"}, Kind::Help, "", help},
                                        {{"--help-all"}, Kind::Help, "", help},
                                        {{"--version"}, Kind::Version, "", "turnix 3."},
                                        {{"a.cub", "b.cub"},
                                         Kind::Refused,
                                         "",
                                         "turnix: one cube file at a time, not 2\n" + usage},
                                        {{"--open", "a.cub"},
                                         Kind::Refused,
                                         "",
                                         "turnix: Unknown option 'open'.\n" + usage}}) {
            const QStringList arguments = QStringList{"/usr/lib/turnix/turnix"} + row.arguments;
            const ProgramStart start = ReadProgramArguments(arguments);
            const QString name = row.arguments.join(' ');
            QVERIFY2(start.kind == row.kind, qPrintable(name));
            QCOMPARE(start.file.value_or(QString()), row.file);
            QVERIFY2(row.textStart.isEmpty() ? start.text.isEmpty()
                                             : start.text.startsWith(row.textStart),
                     qPrintable(name + ": " + start.text));
            QCOMPARE(AsksForHelpOrVersion(arguments),
                     row.kind == Kind::Help || row.kind == Kind::Version);
        }
        // Qt's own options are still there when help is looked for.
        QVERIFY(AsksForHelpOrVersion({"turnix", "-platform", "offscreen", "--help"}));
        QVERIFY(!AsksForHelpOrVersion({"turnix", "-platform", "offscreen", "a.cub"}));
    }

    // Newest first, no repeats, eight at most, absolute; the store holds
    // exactly the keys of the list, and junk in it is passed over.
    void theListRoundTripsThroughTheStore() {
        FakeSettingsStore store;
        store.values[{"RecentFiles", "File1"}] = "";
        store.values[{"RecentFiles", "File3"}] = "/9.cub";
        store.values[{"RecentFiles", "File4"}] = "/9.cub";
        RecentFiles recent(store);
        QCOMPARE(recent.Files(), QStringList{"/9.cub"});
        for (const char* path : {"/1.cub", "/2.cub", "/3.cub", "/4.cub", "/5.cub", "/6.cub",
                                 "/7.cub", "/8.cub", "/4.cub", "relative.cub"}) {
            recent.Add(path);
        }
        const QStringList expected{QDir::current().absoluteFilePath("relative.cub"),
                                   "/4.cub",
                                   "/8.cub",
                                   "/7.cub",
                                   "/6.cub",
                                   "/5.cub",
                                   "/3.cub",
                                   "/2.cub"};
        QCOMPARE(RecentFiles(store).Files(), expected);
        QCOMPARE(store.values.size(), std::size_t{8});
        QCOMPARE(recent.DropMissing([](const QString& f) { return f != "/4.cub"; }),
                 QStringList(expected).filter(QRegularExpression("^(?!/4)")));
        QCOMPARE(store.values.size(), std::size_t{7});
    }

    // Files that went are gone when the menu opens; "Clear Menu" empties
    // the list.
    void theMenuDropsMissingFilesAndClears() {
        QTemporaryDir folder;
        const QString kept = folder.filePath("kept & sound.cub");
        QVERIFY(QFile(kept).open(QIODevice::WriteOnly) && QDir(folder.path()).mkdir("x.cub"));
        FakeSettingsStore store;
        RecentFiles recent(store);
        for (const QString& path : {folder.filePath("x.cub"), folder.filePath("gone.cub"), kept}) {
            recent.Add(path);
        }
        RecentFilesMenu menu(recent, nullptr);
        const auto captions = [&menu] {
            emit menu.aboutToShow();
            QStringList texts;
            for (const QAction* entry : menu.actions()) {
                texts << entry->text() + (entry->isEnabled() ? "" : " (off)");
            }
            return texts;
        };
        QCOMPARE(captions(),
                 (QStringList{"&1 " + QString(kept).replace("&", "&&"), "", "Clear Menu"}));
        QCOMPARE(recent.Files(), QStringList{kept});
        menu.actions().last()->trigger();
        QCOMPARE(captions(), (QStringList{"", "Clear Menu (off)"}));
    }
};

QTEST_MAIN(PlatformTest)
#include "test_Platform.moc"
