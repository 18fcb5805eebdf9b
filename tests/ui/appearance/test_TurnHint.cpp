// Where the arrow for a turn goes, for every step code from every shown
// side, checked against what the turn does to a cube whose 54 squares all
// hold different values; and the arrows as drawn: the head at the end the
// squares move to, two heads and a "2" for a half turn, found in the black
// pixels of a picture.

#include "CubeTestSupport.h"
#include "StepCodes.h"
#include "appearance/TurnArrows.h"
#include "appearance/TurnHint.h"

#include <QImage>
#include <QPainter>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <set>

using namespace turnix;
using namespace turnix::test;

namespace {

constexpr int Size = 300;
constexpr double Middle = Size / 2.0;

std::vector<QPointF> BlackPixels(const TurnHint& hint) {
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QPainter painter(&image);
    DrawTurnHint(painter, QRectF(0, 0, Size, Size), hint);
    painter.end();
    std::vector<QPointF> black;
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            if (qGray(image.pixel(x, y)) < 40) {
                black.emplace_back(x + 0.5, y + 0.5);
            }
        }
    }
    return black;
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2),
                     values.end());
    return values.at(values.size() / 2);
}

// The compass sides of the middle on which the given pixels lie, along one
// axis: "W", "E" or "WE" across, "N", "S" or "NS" down.
QString SidesOf(const std::vector<QPointF>& pixels, bool across) {
    const auto before = std::count_if(pixels.cbegin(), pixels.cend(), [&](const QPointF& p) {
        return (across ? p.x() : p.y()) < Middle;
    });
    const auto after = qsizetype(pixels.size()) - before;
    return QString(before > 0 ? (across ? "W" : "N") : "") +
           (after > 0 ? (across ? "E" : "S") : "");
}

TurnHint AlongEdge(Edge edge, std::optional<Edge> towards) {
    TurnHint hint;
    hint.place = HintPlace::AlongEdge;
    hint.edge = edge;
    hint.towards = towards;
    hint.sense = towards ? TurnSense::Clockwise : TurnSense::Half;
    return hint;
}

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
    // The heads are the black pixels off the shaft; they lie at the end
    // the arrow points to, or at both.
    void anEdgeArrowPointsWhereTheRowGoes_data() {
        QTest::addColumn<TurnHint>("hint");
        QTest::addColumn<QString>("heads");
        using enum Edge;
        QTest::newRow("north row to the east") << AlongEdge(North, East) << "E";
        QTest::newRow("north row to the west") << AlongEdge(North, West) << "W";
        QTest::newRow("south row to the east") << AlongEdge(South, East) << "E";
        QTest::newRow("south row, half turn") << AlongEdge(South, std::nullopt) << "WE";
        QTest::newRow("east column to the north") << AlongEdge(East, North) << "N";
        QTest::newRow("east column to the south") << AlongEdge(East, South) << "S";
        QTest::newRow("west column to the south") << AlongEdge(West, South) << "S";
        QTest::newRow("west column, half turn") << AlongEdge(West, std::nullopt) << "NS";
    }

    void anEdgeArrowPointsWhereTheRowGoes() {
        QFETCH(TurnHint, hint);
        QFETCH(QString, heads);
        const bool across = hint.edge == Edge::North || hint.edge == Edge::South;
        const std::vector<QPointF> black = BlackPixels(hint);
        std::vector<double> offsets;
        offsets.reserve(black.size());
        for (const QPointF& p : black) {
            offsets.push_back(across ? p.y() : p.x());
        }
        const double shaft = Median(offsets);
        // On the row or column next to the edge.
        const bool nearStart = hint.edge == Edge::North || hint.edge == Edge::West;
        QVERIFY(std::abs(shaft - (nearStart ? Size / 6.0 : Size * 5 / 6.0)) < 2);
        std::vector<QPointF> wings;
        std::copy_if(
            black.cbegin(), black.cend(), std::back_inserter(wings),
            [&](const QPointF& p) { return std::abs((across ? p.y() : p.x()) - shaft) > 4; });
        QCOMPARE(SidesOf(wings, across), heads);
    }

    // With the gap at the bottom, a clockwise arrow runs over the top from
    // left to right and ends on the right; its heads are the pixels off the
    // circle. A half turn has a head at each end and a "2" in the middle.
    void aCurvedArrowTurnsTheWayTheSideTurns_data() {
        QTest::addColumn<int>("sense");
        QTest::addColumn<QString>("heads");
        QTest::newRow("clockwise") << int(TurnSense::Clockwise) << "E";
        QTest::newRow("counterclockwise") << int(TurnSense::Counterclockwise) << "W";
        QTest::newRow("half turn") << int(TurnSense::Half) << "WE";
    }

    void aCurvedArrowTurnsTheWayTheSideTurns() {
        QFETCH(int, sense);
        QFETCH(QString, heads);
        TurnHint hint;
        hint.sense = TurnSense(sense);
        const std::vector<QPointF> black = BlackPixels(hint);
        const auto distance = [](const QPointF& p) {
            return std::hypot(p.x() - Middle, p.y() - Middle);
        };
        std::vector<double> distances;
        std::transform(black.cbegin(), black.cend(), std::back_inserter(distances), distance);
        const double radius = Median(distances);
        std::vector<QPointF> wings;
        std::copy_if(black.cbegin(), black.cend(), std::back_inserter(wings),
                     [&](const QPointF& p) {
                         return std::abs(distance(p) - radius) > 5 && distance(p) > radius / 2;
                     });
        QCOMPARE(SidesOf(wings, true), heads);
        const bool mark = std::any_of(black.cbegin(), black.cend(),
                                      [&](const QPointF& p) { return distance(p) < radius / 3; });
        QCOMPARE(mark, hint.sense == TurnSense::Half);
    }

    // The side facing away is named in words, not drawn on.
    void aSideFacingAwayGetsNoArrow() {
        TurnHint hint;
        hint.place = HintPlace::Opposite;
        QVERIFY(BlackPixels(hint).empty());
    }

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
