// The arrows as drawn: the head at the end the squares move to, two heads
// and a "2" for a half turn, found in the black pixels of a picture.

#include "appearance/TurnArrows.h"

#include <QImage>
#include <QPainter>
#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace turnix;

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

} // namespace

Q_DECLARE_METATYPE(TurnHint)

class TestTurnArrows : public QObject {
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
};

QTEST_MAIN(TestTurnArrows)
#include "test_TurnArrows.moc"
