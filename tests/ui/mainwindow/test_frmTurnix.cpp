// The main window through its menus, toolbar and labels, and cube files
// that reach it without the open dialog: named on the command line, chosen
// in "Open Recent" or dropped on the window. Every file the program reads,
// tried with what a disk can really hold: empty, truncated, oversized,
// binary and oddly named files, pipes, folders, a settings file full of
// junk and an installation folder that cannot be written; nothing may
// crash, hang, or lose what was there. And docks that grow with the window,
// and give way on a screen too small for them.

#include "FifoAndDevice.h"
#include "WindowTestSupport.h"
#include "dialogs/frmInstructions.h"
#include "mainwindow/CentralArea.h"
#include "mainwindow/DockGrowth.h"
#include "mainwindow/WindowStateStore.h"
#include "platform/FileSaving.h"
#include "platform/QtPlatform.h"
#include "platform/RecentFiles.h"
#include "platform/WindowPlacement.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QMainWindow>
#include <QSettings>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <sys/stat.h>

using namespace turnix;
using namespace turnix::test;

namespace {

// Prefers a size, and makes do with half of it.
class Sized final : public QWidget {
public:
    explicit Sized(QSize preferred) : wanted(preferred) {}
    [[nodiscard]] QSize sizeHint() const override { return wanted; }
    [[nodiscard]] QSize minimumSizeHint() const override { return wanted / 2; }

private:
    QSize wanted;
};

QDockWidget* AddDock(QMainWindow& window, Qt::DockWidgetArea area, QSize preferred) {
    auto* dock = new QDockWidget(&window);
    // Named in order, as a stored state finds them.
    dock->setObjectName(QString("dock%1").arg(window.findChildren<QDockWidget*>().size()));
    dock->setWidget(new Sized(preferred));
    window.addDockWidget(area, dock);
    return dock;
}

QByteArray RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes;
    for (std::size_t k = 0; k < count; ++k) {
        bytes.append(static_cast<char>(random() & 0xFFU));
    }
    return bytes;
}

const QStringList NamesOfSides{"Top", "Bottom", "Front", "Back", "Left", "Right"};

// The one instructions window, a window of its own.
frmInstructions* OpenInstructions() {
    QList<frmInstructions*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        found << qobject_cast<frmInstructions*>(widget);
    }
    found.removeAll(nullptr);
    return found.size() == 1 ? found.front() : nullptr;
}

// The pixel that holds the point x, y.
QString ColorAt(const QImage& picture, double x, double y) {
    return picture.pixelColor(qFloor(x), qFloor(y)).name();
}

// A cube picture drawn size pixels square, at the middle of its top, front
// and right sides.
QStringList CubeColors(const QImage& picture) {
    const double scale = picture.width() / 32.0;
    return {ColorAt(picture, 16 * scale, 9 * scale), ColorAt(picture, 9.5 * scale, 19.5 * scale),
            ColorAt(picture, 22.5 * scale, 19.5 * scale)};
}

// The middle of each side button's picture, the top of the Solve button's
// cube, the window icon's cube and About's.
QStringList PictureColors(frmTurnix& window, FakeModalRunner& runner) {
    QStringList colors;
    for (int button = 4; button <= 9; ++button) {
        const QIcon icon =
            Child<QToolButton>(window, QString("ToolbarButton%1").arg(button)).icon();
        colors << ColorAt(icon.pixmap(32).toImage(), 16, 16);
    }
    const QIcon solve = Child<QToolButton>(window, "ToolbarButton11").icon();
    colors << ColorAt(solve.pixmap(32).toImage(), 16, 9);
    colors << CubeColors(window.windowIcon().pixmap(32).toImage());
    runner.scripts.push_back([&colors](QDialog& about) {
        colors << CubeColors(Child<QLabel>(about, "picIcon").pixmap().toImage());
    });
    Trigger(window, "mnuHelpAbout");
    return colors;
}

// What PictureColors must find in a scheme: the six sides of a solved cube,
// its top, and top, front and right twice.
QStringList PictureColors(const ColorScheme& scheme) {
    QStringList colors;
    for (const std::size_t i : {0UL, 1UL, 2UL, 3UL, 4UL, 5UL, 0UL, 0UL, 2UL, 5UL, 0UL, 2UL, 5UL}) {
        colors << ToQColor(scheme.at(i)).name();
    }
    return colors;
}

} // namespace

class TestFrmTurnix : public QObject {
    Q_OBJECT

private slots:
    // Up to the preferred lengths nothing changes; the centre prefers 400.
    void theExtraLengthIsSharedAsPreferred() {
        QCOMPARE(SharedDockLengths(600, 400, {200}), std::vector<int>{});
        QCOMPARE(SharedDockLengths(1200, 400, {200}), std::vector<int>{400});
        QCOMPARE(SharedDockLengths(1000, 400, {200, 150}), (std::vector<int>{266, 200}));
    }

    // Docks beside and below grow with the window, a floating one is left
    // alone. On a screen too small the last made gives way first, and only
    // as many as must.
    void theDocksGrowWithTheWindowAndGiveWayOnASmallScreen() {
        QMainWindow window;
        window.setCentralWidget(new Sized({400, 300}));
        QDockWidget* right = AddDock(window, Qt::RightDockWidgetArea, {200, 300});
        QDockWidget* bottom = AddDock(window, Qt::BottomDockWidgetArea, {600, 100});
        QDockWidget* floating = AddDock(window, Qt::LeftDockWidgetArea, {100, 100});
        floating->setFloating(true);
        new DockGrowth(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize before(right->width(), bottom->height());
        const QSize floatingBefore = floating->size();

        window.resize(window.size() * 2);
        QTRY_VERIFY(right->width() > before.width() * 3 / 2);
        QTRY_VERIFY(bottom->height() > before.height() * 3 / 2);
        QCOMPARE(floating->size(), floatingBefore);

        QCOMPARE(HideDocksBeyond(window, window.minimumSizeHint()), QList<QDockWidget*>{});
        QCOMPARE(HideDocksBeyond(window, window.minimumSizeHint() - QSize(0, 10)),
                 QList<QDockWidget*>{bottom});
        QCOMPARE(HideDocksBeyond(window, {10, 10}), (QList<QDockWidget*>{bottom, right}));
    }

    // Smallest sizes: 900x500 as it is, 700x500 without one part, 500x300
    // without two.
    void aWindowGivesUpTheFewestPartsThatLetItFit_data() {
        QTest::addColumn<QSize>("room");
        QTest::addColumn<QSize>("preferred");
        QTest::addColumn<int>("givenUp");
        QTest::addColumn<QSize>("size");

        QTest::newRow("room for all")
            << QSize(1200, 900) << QSize(1000, 600) << 0 << QSize(1000, 600);
        QTest::newRow("exactly the smallest")
            << QSize(900, 500) << QSize(1000, 600) << 0 << QSize(900, 500);
        QTest::newRow("preferred below the smallest")
            << QSize(1200, 900) << QSize(400, 200) << 0 << QSize(900, 500);
        QTest::newRow("one pixel too narrow")
            << QSize(899, 900) << QSize(1000, 600) << 1 << QSize(899, 600);
        QTest::newRow("one pixel too low")
            << QSize(1200, 499) << QSize(1000, 600) << 2 << QSize(1000, 499);
        QTest::newRow("nothing fits")
            << QSize(300, 200) << QSize(1000, 600) << 2 << QSize(500, 300);
    }

    void aWindowGivesUpTheFewestPartsThatLetItFit() {
        QFETCH(QSize, room);
        QFETCH(QSize, preferred);
        QFETCH(int, givenUp);
        QFETCH(QSize, size);
        const RoomFit fit = FitToRoom(room, preferred, {{900, 500}, {700, 500}, {500, 300}});
        QCOMPARE(fit.givenUp, static_cast<std::size_t>(givenUp));
        QCOMPARE(fit.size, size);
    }

    // The last made dock hides first, then the other, then the centre
    // scrolls; the window then fits, as large as the room allows.
    void aWindowFitsItsRoom() {
        for (const int hidden : {0, 1, 2, 3}) {
            QMainWindow window;
            auto* centre = new CentralArea(new Sized({400, 300}));
            window.setCentralWidget(centre);
            QDockWidget* first = AddDock(window, Qt::RightDockWidgetArea, {200, 300});
            QDockWidget* last = AddDock(window, Qt::LeftDockWidgetArea, {200, 300});
            const QList<QSize> rooms{window.minimumSizeHint(),
                                     window.minimumSizeHint() - QSize(100, 0),
                                     window.minimumSizeHint() - QSize(200, 0),
                                     {120, 120}};
            const QSize room = rooms.at(hidden);
            const QList<QDockWidget*> expected =
                QList<QDockWidget*>{last, first}.first(std::min(hidden, 2));
            QCOMPARE(FitWindowInto(window, {2000, 2000}, room), expected);
            QCOMPARE(last->isHidden(), hidden > 0);
            QCOMPARE(first->isHidden(), hidden > 1);
            QCOMPARE(centre->Scrolling(), hidden > 2);
            QCOMPARE(window.size(), room);
            QCOMPARE(HiddenForRoom(*last), hidden > 0);
            // A restore on a larger screen shows them again.
            QCOMPARE(HideDocksBeyond(window, {2000, 2000}), QList<QDockWidget*>{});
            QVERIFY(!last->isHidden() && !first->isHidden());
        }
        // Stored as shown, so that a larger screen shows it, unless the user
        // has shown or hidden it since.
        test::FakeSettingsStore settings;
        for (const int userToggles : {0, 2}) {
            QMainWindow window;
            window.setCentralWidget(new Sized({400, 300}));
            QDockWidget* dock = AddDock(window, Qt::RightDockWidgetArea, {200, 300});
            QCOMPARE(FitWindowInto(window, {2000, 2000}, {10, 10}), QList<QDockWidget*>{dock});
            for (int i = 0; i < userToggles; ++i) {
                dock->toggleViewAction()->trigger();
            }
            (new WindowStateStore(window, settings))->Store();
            QMainWindow again;
            QDockWidget* restored = AddDock(again, Qt::RightDockWidgetArea, {200, 300});
            (new WindowStateStore(again, settings))->Restore();
            QCOMPARE(restored->isHidden(), userToggles > 0);
        }
    }

    // What a file holds is loaded silently, as far as it goes (short, long
    // and odd values included); a pipe or a folder is left alone; the cube can
    // be solved or refused and saved back whole.
    void cubeFilesOfAnyShapeOpenWithoutHarm_data() {
        QTest::addColumn<QByteArray>("content");
        const QByteArray guide = ReadBytes(QStringLiteral(TURNIX_SOURCE_INSTRUCTIONS));
        QTest::newRow("truncated guide") << guide.left(guide.size() / 2);
        QTest::newRow("oversized") << QByteArray(qsizetype{3} * 1024 * 1024, '{');
        QTest::newRow("binary") << RandomBytes(std::size_t{64} * 1024, 7);
        QTest::newRow("pipe") << QByteArray();
        QTest::newRow("folder") << QByteArray();
    }

    void cubeFilesOfAnyShapeOpenWithoutHarm() {
        QFETCH(QByteArray, content);
        const QString kind = QTest::currentDataTag();
        Session s;
        const frmTurnix& window = s.Start();
        const QString path = s.folder.filePath("Würfel ✓ " + kind + ".cub");
        if (kind == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(path));
        } else {
            WriteBytes(path, content);
        }
        s.Load(Scrambled(1)); // the squares a short file leaves keep these
        clsCube expected;
        window.Cube().Copy(expected);
        DecodeConfiguration(std::span(reinterpret_cast<const std::uint8_t*>(content.data()),
                                      static_cast<std::size_t>(content.size())),
                            expected);
        s.Open(path); // a pipe without a writer would block
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(expected));
        QCOMPARE(ShownSquares(window), s.Expected());
        QVERIFY(s.fake.messageBoxes.shown.empty());
        Trigger(window, "mnuCubeSolve");
        s.fake.fileDialogs.saveAnswers = {s.folder.filePath("saved ✓.cub")};
        Trigger(window, "mnuFileSaveConfiguration");
        QCOMPARE(ReadBytes(s.folder.filePath("saved ✓.cub")),
                 Encoded(EncodeConfiguration(window.Cube())));
        QCOMPARE(QFileInfo(path).isDir(), kind == "folder");
    }

    // "/proc" cannot be written, not even by root; an unknown folder must not
    // become the working folder; a pipe in the way is neither written nor
    // waited for. None of them is worth a message before every solve.
    void solvingNeedsNoWritableInstallationFolder() {
        QTemporaryDir piped;
        QCOMPARE(::mkfifo(QFile::encodeName(piped.filePath("SaveLast.cub")).constData(), 0600), 0);
        for (const QString& installFolder : {QString("/proc"), QString(), piped.path()}) {
            Session s;
            s.fake.system.installFolder = installFolder;
            const frmTurnix& window = s.Start();
            s.Load(Scrambled(11));
            const QString current = QDir::currentPath();
            QVERIFY(QDir::setCurrent(s.folder.path()));
            Trigger(window, "mnuCubeSolve");
            QVERIFY(QDir::setCurrent(current));
            QVERIFY(window.SolutionMode());
            QVERIFY(s.fake.messageBoxes.shown.empty());
            QVERIFY(!QFile::exists("/proc/SaveLast.cub"));
            QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files), QStringList{"cube1.cub"});
        }
        QCOMPARE(
            QDir(piped.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden),
            QStringList{"SaveLast.cub"});
        QVERIFY(!QFileInfo(piped.filePath("SaveLast.cub")).isFile());
    }

    // A guide taller than Qt can lay out, as it stands, shown and reloaded;
    // the whole of it can be laid out, as scrolling to its end would. The
    // reader's own tests throw every other hostile file at it.
    void anInstructionFileTooTallToLayOutShowsWithoutHarm() {
        QTemporaryDir folder;
        const QString path = folder.filePath("Instructions.rtf");
        WriteBytes(path, "{\\rtf1 " + QByteArray("\\sb28800 x\\par ").repeated(5000) + "}");
        QCOMPARE(ProbeInstructionsFile(folder.path()), std::optional(path));
        QPointer<frmInstructions> shown;
        QWidget owner;
        ShowInstructions(shown, &owner, path);
        ShowInstructions(shown, &owner, path); // reloads into the same window
        const auto& view = Child<QTextBrowser>(*shown, "rtxInstructions");
        QVERIFY(!view.toPlainText().trimmed().isEmpty());
        QVERIFY(view.document()->documentLayout()->documentSize().height() > 0);
        delete shown.data();
    }

    void aPipeOrAFolderIsNotOfferedAsInstructions() {
        QTemporaryDir folder;
        const QString path = folder.filePath("Instructions.rtf");
        QVERIFY(QDir(folder.path()).mkdir("Instructions.rtf"));
        QCOMPARE(ProbeInstructionsFile(folder.path()), std::nullopt);
        QVERIFY(QDir(folder.path()).rmdir("Instructions.rtf"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QCOMPARE(ProbeInstructionsFile(folder.path()), std::nullopt);
    }

    // The real settings store: good values are read, junk gives defaults, and
    // closing writes six good values back.
    void junkInTheSettingsFileGivesDefaultsAndIsReplacedOnClose() {
        QTemporaryDir folder;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        const QString settingsFile = folder.filePath("Turnix/Turnix.conf");
        QVERIFY(QDir(folder.path()).mkpath("Turnix"));
        const std::vector<QByteArray> junk{
            RandomBytes(4096, 11),
            QByteArray("[Colors]\nColorValue1=0x123\nColorValue2=-5\nColorValue3="
                       "99999999999999999999\n"
                       "ColorValue4=\xc3\xa9\nColorValue5=\nColor1=1\nColor3="
                       "3\nColorValue6=123\n"),
            QByteArray("[Colors\nColorValue1=255\n") + QByteArray(100000, '='),
        };
        for (const QByteArray& content : junk) {
            WriteBytes(settingsFile, content);
            QtPlatform platform;
            {
                frmTurnix window(platform.Services());
                QCOMPARE(window.Colors().back() == 123, content.contains("ColorValue6=123"));
                window.close();
            }
            const QSettings stored(settingsFile, QSettings::IniFormat);
            for (int k = 1; k <= 6; ++k) {
                const QString value =
                    stored.value(QString("Colors/ColorValue%1").arg(k)).toString();
                QVERIFY2(ParseColorValue(value).has_value(), qPrintable(value));
            }
            QVERIFY(!stored.contains("Colors/Color1"));
        }
        // And the installation folder is the one that holds the program.
        QCOMPARE(QtPlatform().Services().system.InstallFolder(),
                 QCoreApplication::applicationDirPath());
    }

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

    void startsOnTheFrontSideOfASolvedCubeInTheDefaultColors() {
        Session s;
        s.fake.system.installFolder = "/opt/turnix";
        const frmTurnix& window = s.Start();
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
        QCOMPARE(ShownSquares(window), QStringList(9, "2 #ff8000"));
        QStringList labels;
        for (const char* name : {"lblMain", "lblNorth", "lblSouth", "lblWest", "lblEast"}) {
            labels << Child<QLabel>(window, name).text();
        }
        QCOMPARE(labels, (QStringList{"Front Side", "Top", "Bottom", "Left", "Right"}));
        QCOMPARE(window.InstallFolder(), QString("/opt/turnix"));
        QVERIFY(s.fake.messageBoxes.shown.empty());
    }

    // A text that is no colour number gives its key's default; the old keys
    // go when "Color1" holds text; Exit stores six decimal texts.
    void startUpReadsTheStoredColorsAndExitStoresThem_data() {
        QTest::addColumn<QString>("color1");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<ColorScheme>("expected");
        QTest::newRow("old keys kept")
            << "8421376" << QStringList{"16777215", "16777216", "000000000255",
                                        "0x10",     " 255",     "99999999999999999999"}
            << ColorScheme{0xFFFFFF, 0xFFFFFF, 0x0000FF, 0x0000FF, 0x00C000, 0x00FFFF};
        QTest::newRow("old keys dropped")
            << ""
            << QStringList{"-1", "", QString::fromUtf8("\u0662\u0665\u0665"), "0", "red", "65280"}
            << ColorScheme{0xC00000, 0xFFFFFF, 0x0080FF, 0, 0x00C000, 65280};
    }

    void startUpReadsTheStoredColorsAndExitStoresThem() {
        QFETCH(QString, color1);
        QFETCH(QStringList, texts);
        QFETCH(ColorScheme, expected);
        Session s;
        s.fake.settings.SetValue("Colors", "Color1", color1);
        s.fake.settings.SetValue("Colors", "Color4", "255");
        for (int i = 0; i < 6; ++i) {
            s.fake.settings.SetValue("Colors", QString("ColorValue%1").arg(i + 1), texts[i]);
        }
        frmTurnix& window = s.Start();
        QCOMPARE(window.Colors(), expected);
        QCOMPARE(ShownSquares(window), ExpectedSquares(clsCube(), side::Front, expected));
        QCOMPARE(s.fake.settings.Value("Colors", "Color4").has_value(), color1.isEmpty());

        Trigger(window, "mnuFileExit");
        QVERIFY(!window.isVisible());
        for (std::size_t i = 0; i < 6; ++i) {
            QCOMPARE(s.fake.settings.Value("Colors", QString("ColorValue%1").arg(i + 1)),
                     std::optional(QString::number(expected.at(i))));
        }
    }

    // From the Front side, each toolbar button 4 to 9 and "Show" entry brings
    // up its side. From each side, a left click on a neighbour label brings
    // up the side it names; a right click does nothing.
    void theShowCommandsAndTheNeighbourLabelsBringUpTheirSides() {
        Session s;
        const frmTurnix& window = s.Start();
        auto& toolbar = Child<QToolBar>(window, "Toolbar");
        const QList<QAction*> buttons = toolbar.actions();
        QCOMPARE(buttons.size(), 13);
        for (std::int16_t side = 0; side < 6; ++side) {
            Trigger(window, "mnuSideShowFront");
            QTest::mouseClick(toolbar.widgetForAction(buttons.at(3 + side)), Qt::LeftButton);
            QCOMPARE(window.CurrentSide(), side);
            Trigger(window, "mnuSideShowFront");
            Trigger(window, "mnuSideShow" + NamesOfSides.at(side));
            QCOMPARE(window.CurrentSide(), side);
            for (const char* name : {"lblNorth", "lblSouth", "lblWest", "lblEast"}) {
                Trigger(window, "mnuSideShow" + NamesOfSides.at(side));
                auto& label = Child<QLabel>(window, name);
                const QString named = label.text();
                QTest::mouseClick(&label, Qt::RightButton);
                QCOMPARE(window.CurrentSide(), side);
                QTest::mouseClick(&label, Qt::LeftButton);
                QCOMPARE(Child<QLabel>(window, "lblMain").text(), named + " Side");
                QCOMPARE(NamesOfSides.at(window.CurrentSide()), named);
            }
        }
    }

    // One action per command: a button is its menu entry, so that enabling
    // the entry enables the button. Buttons 3 and 10 are separators.
    void eachToolbarButtonIsItsMenuEntry() {
        Session s;
        const frmTurnix& window = s.Start();
        const QStringList entries{"mnuFileOpenConfiguration",
                                  "mnuFileSaveConfiguration",
                                  "",
                                  "mnuSideShowTop",
                                  "mnuSideShowBottom",
                                  "mnuSideShowFront",
                                  "mnuSideShowBack",
                                  "mnuSideShowLeft",
                                  "mnuSideShowRight",
                                  "",
                                  "mnuCubeSolve",
                                  "mnuCubeStepBack",
                                  "mnuCubePlay"};
        for (int i = 0; i < entries.size(); ++i) {
            const QString button = QString("ToolbarButton%1").arg(i + 1);
            const auto* tool = window.findChild<QToolButton*>(button);
            QVERIFY2(entries.at(i).isEmpty() ? tool == nullptr && Child(window, button).isVisible()
                                             : tool->defaultAction()->objectName() == entries.at(i),
                     qPrintable(button));
        }
    }

    void gridStaysSquareBetweenItsLabelsWhenResized() {
        Session s;
        frmTurnix& window = s.Start();
        for (const QSize size : {QSize(900, 500), QSize(480, 900), window.minimumSizeHint()}) {
            window.resize(size);
            QApplication::processEvents();
            const QRect grid = Child(window, "Shape1").geometry();
            const QRect square = Child(window, "cmdColor0").geometry();
            QCOMPARE(grid.width(), grid.height());
            QCOMPARE(square.width(), square.height());
            QVERIFY(Child(window, "lblWest").geometry().right() < grid.left());
        }
    }

    // Drawn over the grid, the arrows take no click from its squares; the
    // note of a turn of the side facing away (the fifth step here) has a line
    // of its own, also at the smallest size, and leaves the grid in place.
    void theNextTurnLeavesTheGridAndItsClicksAsTheyWere() {
        Session s;
        frmTurnix& window = s.Start();
        s.fake.clipboard.text = "DRLUUBFBRBLURRLRUBLRDDFDLFUFUFFDBRDUBRUFLLFDDBFLUBLRBD";
        Trigger(window, "mnuEditPasteFacelets");
        window.resize(900, 700);
        QTest::qWait(20);
        const auto& grid = Child<QWidget>(window, "Shape1");
        const QRect place = grid.geometry();
        QCOMPARE(Child<QWidget>(window, "gridTurnHint").geometry(), grid.rect());
        for (int i = 0; i < 9; ++i) {
            auto& square = Child<QPushButton>(window, QString("cmdColor%1").arg(i));
            QCOMPARE(grid.childAt(square.geometry().center()), &square);
        }
        Trigger(window, "mnuCubeSolve");
        s.Steps(4);
        const auto& note = Child<QLabel>(window, "lblNextTurn");
        QVERIFY(!note.text().isEmpty());
        QCOMPARE(grid.geometry(), place);
        window.resize(window.minimumSizeHint());
        QCoreApplication::processEvents();
        const QRect between(Child<QWidget>(window, "SideView").geometry().bottomLeft(),
                            Child<QWidget>(window, "fraSolution").geometry().topRight());
        QVERIFY(note.height() >= note.fontMetrics().height());
        QVERIFY(between.contains(note.geometry()));
    }

    // Values outside 0..5 included: loaded as they are, drawn neutral and
    // written back; the saved file replaces the old one whole.
    void saveThenOpenRestoresAnyCubeAndNewKeepsTheShownSide() {
        Session s;
        const frmTurnix& window = s.Start();
        clsCube marked;
        MarkEverySquare(marked);
        marked.Side(side::Front).Square(0)->SetColorIndex(7);
        marked.Side(side::Left).Square(8)->SetColorIndex(-1);
        s.Load(marked);
        QCOMPARE(ShownSquares(window), ExpectedSquares(marked, side::Front));
        const QString path = s.folder.filePath("saved.cub");
        WriteBytes(path, QByteArray(500, '\x7F'));
        s.fake.fileDialogs.saveAnswers.push_back(path);
        Trigger(window, "ToolbarButton2");
        QCOMPARE(ReadBytes(path), Encoded(EncodeConfiguration(marked)));

        Trigger(window, "mnuSideShowLeft");
        Trigger(window, "mnuFileNewConfiguration");
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
        QCOMPARE(ShownSquares(window), QStringList(9, "4 #00c000"));
        s.Open(path);
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(marked));
        QCOMPARE(ShownSquares(window), ExpectedSquares(marked, side::Left));
        QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files),
                 (QStringList{"cube1.cub", "saved.cub"}));
        QVERIFY(s.fake.messageBoxes.shown.empty());
    }

    // The dialogs offer cube files under their titles, from the menu or the
    // toolbar.
    void aMissingFileOrACancelChangesNothingAndSaysNothing() {
        Session s;
        const frmTurnix& window = s.Start();
        const clsCube scrambled = Scrambled(1);
        s.Load(scrambled);
        Trigger(window, "mnuSideShowRight");
        s.fake.fileDialogs.openAnswers = {s.folder.filePath("missing.cub"), s.folder.path(),
                                          std::nullopt};
        s.fake.fileDialogs.saveAnswers = {std::nullopt, std::nullopt};
        for (const char* command :
             {"mnuFileOpenConfiguration", "ToolbarButton1", "mnuFileOpenConfiguration",
              "mnuFileSaveConfiguration", "ToolbarButton2"}) {
            Trigger(window, command);
        }
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(scrambled));
        QCOMPARE(ShownSquares(window), ExpectedSquares(scrambled, side::Right));
        QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files), QStringList{"cube1.cub"});
        QVERIFY(s.fake.messageBoxes.shown.empty());
        QStringList asked;
        for (const auto* requests :
             {&s.fake.fileDialogs.openRequests, &s.fake.fileDialogs.saveRequests}) {
            for (const FileDialogOptions& o : *requests) {
                asked << o.strTitle + "|" + o.strFileName + "|" + o.strFilter + "|" +
                             o.strDefaultSuffix;
            }
        }
        QCOMPARE(asked, QStringList(4, "Open Configuration||Cube File (*.cub)|cub") +
                            QStringList(2, "Save Configuration|Current.cub|Cube File (*.cub)|cub"));
    }

    // What cannot be replaced by a file is refused with the path and the
    // reason, from the menu or the toolbar, and stays as it was: a pipe, a
    // folder, a missing folder. (Links are the atomic save's.)
    void aFailedSaveSaysWhy() {
        Session s;
        const frmTurnix& window = s.Start();
        s.Load(Scrambled(3));
        const QString fifo = s.folder.filePath("fifo.cub");
        QVERIFY(MakeFifo(LocalPath(fifo)));
        s.fake.fileDialogs.saveAnswers = {fifo, s.folder.path(), s.folder.filePath("no/x.cub")};
        for (int k = 0; k < 3; ++k) {
            Trigger(window, k % 2 == 0 ? "mnuFileSaveConfiguration" : "ToolbarButton2");
        }
        QCOMPARE(
            Messages(s.fake.messageBoxes),
            (QStringList{SaveFailure(fifo, "Not a regular file"),
                         SaveFailure(s.folder.path(), "Is a directory"),
                         SaveFailure(s.folder.filePath("no/x.cub"), "No such file or directory")}));
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
        QCOMPARE(
            QDir(s.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
            (QStringList{"cube1.cub", "fifo.cub"}));
    }

    // Any mouse button, or Space, on a square opens the picker; Cancel
    // changes nothing. (The stress test picks, cancels and double-clicks.)
    void anyButtonOrSpaceOnASquarePicksItsColor() {
        Session s;
        const frmTurnix& window = s.Start();
        Trigger(window, "mnuSideShowBottom");
        auto& square = Child<QPushButton>(window, "cmdColor3");
        auto& corner = Child<QPushButton>(window, "cmdColor8");
        s.fake.modalRunner.scripts = {Clicks({"picColor2", "cmdCancel"}),
                                      Clicks({"picColor3", "cmdOK"}),
                                      Clicks({"picColor5", "cmdOK"})};
        QTest::mousePress(&square, Qt::RightButton);
        QTest::mousePress(&square, Qt::MiddleButton);
        corner.setFocus();
        QTest::keyClick(&corner, Qt::Key_Space);

        clsCube expected;
        expected.Side(side::Bottom).Square(3)->SetColorIndex(3);
        expected.Side(side::Bottom).Square(8)->SetColorIndex(5);
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(expected));
        QCOMPARE(ShownSquares(window), ExpectedSquares(expected, side::Bottom));
        QCOMPARE(s.fake.modalRunner.titles, QStringList(3, "Pick a Color"));
    }

    // Stored at start, then after Define Colors.
    void theCubePicturesShowTheCurrentScreenColors() {
        const ColorScheme stored{0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x102030};
        const ColorScheme defined{0x203040, 0x5060F0, 0x0000A0, 0x00A000, 0xA00000, 0x808000};
        Session s;
        for (std::size_t i = 0; i < 6; ++i) {
            s.fake.settings.SetValue("Colors", QString("ColorValue%1").arg(i + 1),
                                     QString::number(stored.at(i)));
        }
        frmTurnix& window = s.Start();
        QCOMPARE(PictureColors(window, s.fake.modalRunner), PictureColors(stored));

        QStringList swatches;
        for (std::size_t i = 0; i < 6; ++i) {
            s.fake.colorChooser.answers.push_back(ToQColor(defined.at(i)));
            swatches << QString("picColor%1").arg(i);
        }
        s.fake.modalRunner.scripts.push_back(Clicks(swatches << "cmdOK"));
        Trigger(window, "mnuCubeDefine");
        QCOMPARE(window.Colors(), defined);
        QCOMPARE(PictureColors(window, s.fake.modalRunner), PictureColors(defined));
    }

    // Without their file the instructions stay off; About runs modally.
    void theHelpMenuWithoutInstructions() {
        for (const bool knownFolder : {false, true}) {
            Session s;
            s.fake.system.installFolder = knownFolder ? s.folder.path() : QString();
            const frmTurnix& window = s.Start();
            QVERIFY(!Child<QAction>(window, "mnuHelpInstructions").isEnabled());
            Trigger(window, "mnuHelpAbout");
            QCOMPARE(s.fake.modalRunner.titles, QStringList{"About Turnix"});
        }
    }

    // Shown beside the main window, reloaded on each use, brought back when
    // minimised, closed with it.
    void instructionsAreShownReloadedAndClosedWithTheWindow() {
        Session s;
        const QString path = s.folder.filePath("Instructions.rtf");
        WriteBytes(path, "{\\rtf1 First}");
        s.fake.system.installFolder = s.folder.path();
        frmTurnix& window = s.Start();
        const QRect screen = window.screen()->availableGeometry();
        window.move(screen.topLeft());

        Trigger(window, "mnuHelpInstructions");
        const QPointer<frmInstructions> instructions = OpenInstructions();
        QVERIFY(instructions != nullptr && instructions->isVisible());
        QCOMPARE(instructions->pos(),
                 BesideFrame(instructions->frameGeometry().size(), window.frameGeometry(), screen));
        QVERIFY(QTest::qWaitForWindowActive(instructions));
        const auto& view = Child<QTextBrowser>(*instructions, "rtxInstructions");
        QCOMPARE(view.toPlainText(), QString("First"));

        // Where the user put it, it stays.
        const QPoint moved = instructions->pos() + QPoint(0, 10);
        instructions->move(moved);
        instructions->showMinimized();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        WriteBytes(path, "{\\rtf1 Second}");
        Trigger(window, "mnuHelpInstructions");
        QCOMPARE(OpenInstructions(), instructions);
        QCOMPARE(view.toPlainText(), QString("Second"));
        QVERIFY(!instructions->isMinimized() && instructions->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(instructions));
        QCOMPARE(instructions->pos(), moved);

        Trigger(window, "mnuFileExit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(instructions == nullptr);
        QVERIFY(s.fake.modalRunner.titles.isEmpty());
    }
};

QTEST_MAIN(TestFrmTurnix)
#include "test_frmTurnix.moc"
