// The unfolded cube's layout: every square found where it is drawn, and
// squares side by side across an edge of the net are side by side on the
// cube.

#include "Pieces.h"
#include "wholecube/NetGeometry.h"

#include <QtTest>
#include <map>
#include <set>

using namespace turnix;

namespace {

// The 20 pieces, each as the set of its squares.
std::vector<std::set<std::pair<int, int>>> PieceSquares() {
    std::vector<std::set<std::pair<int, int>>> pieces;
    for (const auto& corner : CornerSquares) {
        pieces.push_back({});
        for (const SquareAt& at : corner) {
            pieces.back().insert({at.side, at.square});
        }
    }
    for (const auto& edge : EdgeSquares) {
        pieces.push_back({{edge[0].side, edge[0].square}, {edge[1].side, edge[1].square}});
    }
    return pieces;
}

bool OnOnePiece(SquareAt a, SquareAt b) {
    static const auto pieces = PieceSquares();
    return std::any_of(pieces.cbegin(), pieces.cend(), [&](const auto& piece) {
        return piece.contains({a.side, a.square}) && piece.contains({b.side, b.square});
    });
}

} // namespace

class TestNetGeometry : public QObject {
    Q_OBJECT

private slots:
    // A step that stays on a side keeps its row or column; one over an edge
    // lands on a square of the same piece, and stepping back returns.
    void stepsAcrossTheNetFollowTheCube() {
        int overEdges = 0;
        for (std::int16_t side = 0; side < 6; ++side) {
            for (std::int16_t square = 0; square < 9; ++square) {
                const SquareAt at{side, square};
                for (const auto& [across, down] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                    const auto next = NetGeometry::SquareBeside(at, across, down);
                    if (!next) {
                        continue;
                    }
                    QCOMPARE(NetGeometry::SquareBeside(*next, -across, -down), std::optional(at));
                    if (next->side == side) {
                        QCOMPARE(next->square, square + across + 3 * down);
                    } else {
                        QVERIFY2(OnOnePiece(at, *next), qPrintable(QString("%1:%2 -> %3:%4")
                                                                       .arg(side)
                                                                       .arg(square)
                                                                       .arg(next->side)
                                                                       .arg(next->square)));
                        ++overEdges;
                    }
                }
            }
        }
        // Five edges of the net join sides, three squares each, both ways.
        QCOMPARE(overEdges, 5 * 3 * 2);
    }

    // At any size, down to a tiny one: every pixel of a square, and no
    // other, is found as that square; names and squares do not overlap.
    void everySquareIsFoundWhereItIsDrawn() {
        for (const QSize area :
             {QSize(300, 260), QSize(900, 300), QSize(120, 700), QSize(40, 30)}) {
            const NetGeometry net(area, 14);
            std::map<std::pair<int, int>, int> pixels;
            int misplaced = 0;
            QRect all;
            for (std::int16_t side = 0; side < 6; ++side) {
                all |= net.SideRect(side) | net.LabelRect(side);
            }
            all = all.adjusted(-2, -2, 2, 2);
            for (int x = all.left(); x <= all.right(); ++x) {
                for (int y = all.top(); y <= all.bottom(); ++y) {
                    const auto at = net.SquareAtPoint({x, y});
                    if (at) {
                        ++pixels[{at->side, at->square}];
                        misplaced += net.SquareRect(*at).contains(x, y) ? 0 : 1;
                    }
                    misplaced += at && net.LabelAtPoint({x, y}) ? 1 : 0;
                }
            }
            QCOMPARE(misplaced, 0);
            QCOMPARE(pixels.size(), std::size_t{54});
            for (const auto& [square, count] : pixels) {
                QCOMPARE(count, net.SquareSize() * net.SquareSize());
            }
            for (std::int16_t side = 0; side < 6; ++side) {
                QCOMPARE(net.LabelAtPoint(net.LabelRect(side).center()), std::optional(side));
                QVERIFY(net.LabelRect(side).bottom() < net.SideRect(side).top());
            }
            if (area.width() > 100) {
                QVERIFY(QRect(QPoint(), area).contains(net.SideRect(side::Back)));
                QVERIFY(QRect(QPoint(), area).contains(net.SideRect(side::Bottom)));
            }
        }
    }
};

QTEST_MAIN(TestNetGeometry)
#include "test_NetGeometry.moc"
