#include "WindowTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace turnix;
using namespace turnix::test;

namespace {

using CubeCommand = std::function<void(clsCube&)>;

// Every entry of the "Turn" and "Rotate" submenus with what it must do.
std::vector<std::pair<QString, CubeCommand>> AllCommands() {
    const QStringList sides{"Top", "Bottom", "Front", "Back", "Left", "Right"};
    const std::array<std::pair<QString, void (clsSide::*)() noexcept>, 3> turns{{
        {"Clockwise", &clsSide::RotateClockwise},
        {"Counterclockwise", &clsSide::RotateCounterclockwise},
        {"Twice", &clsSide::RotateDouble},
    }};
    std::vector<std::pair<QString, CubeCommand>> commands;
    for (std::int16_t s = 0; s < 6; ++s) {
        for (const auto& [name, turn] : turns) {
            commands.emplace_back("mnuSideTurn" + sides.at(s) + name,
                                  [s, turn = turn](clsCube& cube) { (cube.Side(s).*turn)(); });
        }
    }
    commands.emplace_back("mnuCubeRotateLeft", [](clsCube& cube) { cube.RotateLeft(); });
    commands.emplace_back("mnuCubeRotateRight", [](clsCube& cube) { cube.RotateRight(); });
    commands.emplace_back("mnuCubeRotateUp", [](clsCube& cube) { cube.RotateUp(); });
    commands.emplace_back("mnuCubeRotateDown", [](clsCube& cube) { cube.RotateDown(); });
    return commands;
}

} // namespace

class TestFrmTurnixCommands : public QObject {
    Q_OBJECT

private slots:
    void everyCommandDoesToTheCubeWhatTheModelDoes_data() {
        QTest::addColumn<int>("cubeKind");
        QTest::addColumn<QString>("showCommand");
        QTest::newRow("solved, front shown") << 0 << "mnuSideShowFront";
        QTest::newRow("scrambled, top shown") << 1 << "mnuSideShowTop";
        QTest::newRow("every square marked, back shown") << 2 << "mnuSideShowBack";
        QTest::newRow("every square marked, right shown") << 2 << "mnuSideShowRight";
    }

    void everyCommandDoesToTheCubeWhatTheModelDoes() {
        QFETCH(int, cubeKind);
        QFETCH(QString, showCommand);
        QTemporaryDir folder;

        for (const auto& [name, apply] : AllCommands()) {
            clsCube expected;
            if (cubeKind == 1) {
                Scramble(expected);
            } else if (cubeKind == 2) {
                MarkEverySquare(expected);
            }
            FakePlatform fake;
            frmTurnix window(fake.Services());
            LoadCube(window, fake, expected, folder.filePath("start.cub"));
            Trigger(window, showCommand);
            const std::int16_t shown = window.CurrentSide();

            Trigger(window, name);
            apply(expected);
            QVERIFY2(ColorsOf(window.Cube()) == ColorsOf(expected), qPrintable(name));
            QCOMPARE(window.CurrentSide(), shown);
            QCOMPARE(ShownTags(window), TagsOf(expected, shown));
        }
    }

    void rotatingUpBringsTheBottomColorsToTheFront() {
        FakePlatform fake;
        frmTurnix window(fake.Services());
        Trigger(window, "mnuCubeRotateUp");
        QCOMPARE(window.CurrentSide(), side::Front);
        QCOMPARE(ShownColors(window), QList<QColor>(9, QColor(Qt::white)));
        Trigger(window, "mnuSideShowTop");
        QCOMPARE(ShownTags(window), QStringList(9, "2"));
    }
};

QTEST_MAIN(TestFrmTurnixCommands)
#include "test_frmTurnixCommands.moc"
