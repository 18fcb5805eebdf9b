// Where the arrow for a turn goes, for every step code from every shown
// side, checked against what the turn does to a cube whose 54 squares all
// hold different values.

#include "CubeTestSupport.h"
#include "StepCodes.h"
#include "appearance/TurnHint.h"

#include <QtTest>
#include <set>

using namespace turnix;
using namespace turnix::test;

namespace {

const QStringList NamesOfSides{"Top", "Bottom", "Front", "Back", "Left", "Right"};

// The squares of the row or column next to an edge, in the grid's numbering.
std::set<std::int16_t> EdgeSquares(Edge edge) {
    switch (edge) {
    case Edge::North:
        return {0, 1, 2};
    case Edge::East:
        return {2, 5, 8};
    case Edge::South:
        return {6, 7, 8};
    case Edge::West:
        break;
    }
    return {0, 3, 6};
}

// The side named by the shown side's label at an edge, as the grid labels it.
std::int16_t SideAtEdge(const clsCube& cube, std::int16_t shown, Edge edge) {
    const clsSide& side = cube.Side(shown);
    const std::string label = edge == Edge::North   ? side.NorthLabel()
                              : edge == Edge::East  ? side.EastLabel()
                              : edge == Edge::South ? side.SouthLabel()
                                                    : side.WestLabel();
    return static_cast<std::int16_t>(NamesOfSides.indexOf(QString::fromStdString(label)));
}

// The side that none of the shown side's labels names.
std::int16_t FacingAway(const clsCube& cube, std::int16_t shown) {
    std::set<std::int16_t> others{0, 1, 2, 3, 4, 5};
    others.erase(shown);
    for (const Edge edge : {Edge::North, Edge::East, Edge::South, Edge::West}) {
        others.erase(SideAtEdge(cube, shown, edge));
    }
    return others.size() == 1 ? *others.begin() : std::int16_t{-1};
}

// Where a marked value is now.
std::pair<std::int16_t, std::int16_t> Find(const clsCube& cube, std::int16_t value) {
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            if (cube.Side(s).Square(q)->ColorIndex() == value) {
                return {s, q};
            }
        }
    }
    return {-1, -1};
}

// The side that turned: the one whose squares changed among themselves.
std::int16_t TurnedSide(const clsCube& cube) {
    for (std::int16_t s = 0; s < 6; ++s) {
        bool own = true;
        bool moved = false;
        for (std::int16_t q = 0; q < 9; ++q) {
            const std::int16_t value = cube.Side(s).Square(q)->ColorIndex();
            own = own && value / 100 == s + 1;
            moved = moved || value != Marker(s, q);
        }
        if (own && moved) {
            return s;
        }
    }
    return -1;
}

// A turn seen on its own side: where square 0's value lands.
TurnSense SenseOn(const clsCube& cube, std::int16_t turned) {
    const std::int16_t landed = Find(cube, Marker(turned, 0)).second;
    return landed == 2   ? TurnSense::Clockwise
           : landed == 6 ? TurnSense::Counterclockwise
                         : TurnSense::Half;
}

} // namespace

class TestTurnHint : public QObject {
    Q_OBJECT

private slots:
    void theHintShowsWhereTheTurnMovesTheSquares_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shown");
        for (std::int16_t code = 0; code < SideTurnCount; ++code) {
            for (int shown = 0; shown < 6; ++shown) {
                QTest::addRow("%s from %s", StepNotation(code).data(),
                              qPrintable(NamesOfSides.at(shown)))
                    << int(code) << shown;
            }
        }
    }

    void theHintShowsWhereTheTurnMovesTheSquares() {
        QFETCH(int, code);
        QFETCH(int, shown);
        const auto shownSide = static_cast<std::int16_t>(shown);
        clsCube cube;
        MarkEverySquare(cube);
        ApplyStep(cube, static_cast<std::int16_t>(code));
        std::set<std::int16_t> changed;
        for (std::int16_t q = 0; q < 9; ++q) {
            if (cube.Side(shownSide).Square(q)->ColorIndex() != Marker(shownSide, q)) {
                changed.insert(q);
            }
        }

        const auto hint = TurnHintFor(static_cast<std::int16_t>(code), shownSide);
        QVERIFY(hint.has_value());
        const std::int16_t turned = TurnedSide(cube);
        QCOMPARE(hint->side, turned);
        QCOMPARE(hint->sense, SenseOn(cube, turned));
        switch (hint->place) {
        case HintPlace::ShownSide:
            QCOMPARE(turned, shownSide);
            break;
        case HintPlace::Opposite:
            QVERIFY(changed.empty());
            QCOMPARE(turned, FacingAway(cube, shownSide));
            break;
        case HintPlace::AlongEdge: {
            QCOMPARE(turned, SideAtEdge(cube, shownSide, hint->edge));
            QCOMPARE(changed, EdgeSquares(hint->edge));
            const bool half = hint->sense == TurnSense::Half;
            QCOMPARE(hint->towards.has_value(), !half);
            const std::int16_t onto =
                half ? FacingAway(cube, shownSide) : SideAtEdge(cube, shownSide, *hint->towards);
            for (const std::int16_t q : changed) {
                QCOMPARE(Find(cube, Marker(shownSide, q)).first, onto);
            }
            break;
        }
        }
    }

    // The rotations and codes outside the table turn no side.
    void aCodeThatTurnsNoSideHasNoHint() {
        for (const int code : {-1, 18, 19, 20, 21, 22}) {
            QVERIFY(!TurnHintFor(std::int16_t(code), side::Front).has_value());
            QVERIFY(!StepTurnOf(std::int16_t(code)).has_value());
        }
    }
};

QTEST_MAIN(TestTurnHint)
#include "test_TurnHint.moc"
