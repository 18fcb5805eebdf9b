// The 3-D cube's geometry against the cube model, and its pictures against
// its geometry: squares of one piece meet, every turn carries each square
// where the model puts its value, each visible square is drawn and picked
// at its centre, and the arrow goes round the turning side the way it
// turns. Truth comes from a cube whose 54 squares all hold different values.

#include "CubeTestSupport.h"
#include "StepCodes.h"
#include "view3d/CubeFrame.h"
#include "view3d/TurnArrow3D.h"
#include "view3d/View3DPanel.h"

#include <QImage>
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <numbers>
#include <random>

using namespace turnix;
using namespace turnix::test;
using namespace turnix::view3d;

namespace {

constexpr double Near = 1e-6;

bool Same(Vec3 a, Vec3 b) {
    return Dot(a - b, a - b) < Near;
}

std::vector<SquareAt> AllSquares() {
    std::vector<SquareAt> all;
    for (std::int16_t s = 0; s < side::Count; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            all.push_back({s, q});
        }
    }
    return all;
}

// The square whose centre and outward normal these are.
std::optional<SquareAt> SquareAtPlace(Vec3 centre, Vec3 normal) {
    for (const SquareAt at : AllSquares()) {
        if (Same(SquareCentre(at), centre) && Same(FrameOf(at.side).normal, normal)) {
            return at;
        }
    }
    return std::nullopt;
}

std::int16_t ValueAt(const clsCube& cube, SquareAt at) {
    return cube.Side(at.side).Square(at.square)->ColorIndex();
}

// A picture of the frame on grey, for sampling.
QImage Drawn(const FrameState& state, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QPainter painter(&image);
    DrawFrame(painter, image.rect(), state, Qt::black);
    return image;
}

// Eight points round a centre, beyond the reach of edges and smoothing.
const std::array<QPointF, 8> Around{QPointF(3, 0), QPointF(-3, 0), QPointF(0, 3),  QPointF(0, -3),
                                    QPointF(2, 2), QPointF(-2, 2), QPointF(2, -2), QPointF(-2, -2)};

// The pixel a point falls in.
QPoint PixelOf(QPointF point) {
    return {static_cast<int>(std::floor(point.x())), static_cast<int>(std::floor(point.y()))};
}

// A point well inside the piece, so that edges and smoothing stay away.
bool WellInside(const ScenePiece& piece) {
    for (const QPointF offset : Around) {
        if (!piece.outline.containsPoint(piece.centre + offset, Qt::OddEvenFill)) {
            return false;
        }
    }
    return true;
}

QColor ExpectedColor(const FrameState& state, SquareAt at) {
    return ToQColor(
        state.scheme.at(SlotOf(state.colors.at(SlotOf(at.side)).at(SlotOf(at.square)))));
}

const ScenePiece& TopAt(const std::vector<ScenePiece>& scene, QPointF point) {
    return *std::find_if(scene.crbegin(), scene.crend(), [&](const ScenePiece& piece) {
        return piece.outline.containsPoint(point, Qt::OddEvenFill);
    });
}

// No other piece covers any part of top near its centre.
bool OnTopAround(const std::vector<ScenePiece>& scene, const ScenePiece& top) {
    for (const QPointF offset : Around) {
        if (&TopAt(scene, top.centre + offset) != &top) {
            return false;
        }
    }
    return true;
}

// Positive when from turns to to counterclockwise about axis through centre.
double TurnAbout(Vec3 centre, Vec3 axis, Vec3 from, Vec3 to) {
    return Dot(Cross(from - centre, to - centre), axis);
}

} // namespace

class TestView3DGeometry : public QObject {
    Q_OBJECT

private slots:
    // Every square of a corner or edge piece lies half a unit's diagonal
    // from the other squares of its piece, and from no other square.
    void squaresOfOnePieceMeetAndNoOthers() {
        std::vector<std::vector<SquareAt>> pieces;
        for (const auto& corner : CornerSquares) {
            pieces.emplace_back(corner.begin(), corner.end());
        }
        for (const auto& edge : EdgeSquares) {
            pieces.emplace_back(edge.begin(), edge.end());
        }
        int touching = 0;
        for (const SquareAt a : AllSquares()) {
            for (const SquareAt b : AllSquares()) {
                const Vec3 d = SquareCentre(a) - SquareCentre(b);
                if (a.side != b.side && std::abs(Dot(d, d) - 0.5) < Near) {
                    const bool samePiece = std::ranges::any_of(pieces, [&](const auto& piece) {
                        return std::ranges::count(piece, a) + std::ranges::count(piece, b) == 2;
                    });
                    QVERIFY2(samePiece, qPrintable(QString("%1/%2 and %3/%4")
                                                       .arg(a.side)
                                                       .arg(a.square)
                                                       .arg(b.side)
                                                       .arg(b.square)));
                    ++touching;
                }
            }
        }
        // Ordered pairs: 8 corners of 6, 12 edges of 2.
        QCOMPARE(touching, 8 * 6 + 12 * 2);
    }

    // The motion of each step code, at its full angle, puts every moving
    // square on a square whose new value is the old one there, and leaves
    // every other square's value where it was.
    void everyMotionCarriesEachSquareWhereTheModelPutsIt() {
        for (std::int16_t code = 0; code < StepCodeCount; ++code) {
            clsCube before;
            MarkEverySquare(before);
            clsCube after;
            MarkEverySquare(after);
            ApplyStep(after, code);
            const auto motion = MotionOf(code);
            QVERIFY(motion);
            int moving = 0;
            for (const SquareAt at : AllSquares()) {
                Vec3 centre = SquareCentre(at);
                Vec3 normal = FrameOf(at.side).normal;
                if (MovesWith(*motion, centre)) {
                    centre = Rotated(centre, motion->axis, motion->angle);
                    normal = Rotated(normal, motion->axis, motion->angle);
                    ++moving;
                }
                const auto landed = SquareAtPlace(centre, normal);
                QVERIFY(landed);
                QCOMPARE(ValueAt(after, *landed), ValueAt(before, at));
            }
            QCOMPARE(moving, code < SideTurnCount ? 21 : 54);
        }
    }

    // Random cubes seen from random angles, still and part way through a
    // turn: a still cube hides none of the squares it faces, so each is drawn
    // and picked at its centre; in a turn, what is picked is what is drawn.
    void eachVisibleSquareIsDrawnAndPickedAtItsCentre() {
        std::mt19937 random(20261207);
        std::uniform_real_distribution<double> yaw(-std::numbers::pi, std::numbers::pi);
        std::uniform_real_distribution<double> pitch(-MaxPitch, MaxPitch);
        std::uniform_real_distribution<double> part(0.05, 0.95);
        int checked = 0;
        for (int n = 0; n < 60; ++n) {
            FrameState state;
            for (auto& sideColors : state.colors) {
                for (auto& color : sideColors) {
                    color = static_cast<std::int16_t>(random() % ColorCount);
                }
            }
            state.shownSide = static_cast<std::int16_t>(random() % side::Count);
            state.angles = {yaw(random), pitch(random)};
            const bool still = n % 3 != 0;
            if (!still) {
                const auto motion = MotionOf(static_cast<std::int16_t>(random() % StepCodeCount));
                state.turn = TurnInProgress{*motion, motion->angle * part(random)};
            }
            // Square, tall and wide, for each layout of the two views.
            const std::array<QSize, 3> sizes{QSize(360, 360), QSize(300, 480), QSize(480, 320)};
            const QImage image = Drawn(state, sizes.at(static_cast<std::size_t>(n % 4) % 3));
            const FrameCameras cameras = CamerasFor(image.rect(), state);
            for (const auto& [camera, viewport] :
                 {std::pair(cameras.front, cameras.layout.front),
                  std::pair(cameras.behind, cameras.layout.behind)}) {
                const auto scene = BuildScene(camera, viewport, state.turn);
                for (const ScenePiece& piece : scene) {
                    if (!piece.square || !WellInside(piece)) {
                        continue;
                    }
                    const QColor sampled = image.pixelColor(PixelOf(piece.centre));
                    const auto picked = PickSquare(image.rect(), state, piece.centre);
                    if (still) {
                        QCOMPARE(picked, piece.square);
                        QCOMPARE(sampled, ExpectedColor(state, *piece.square));
                        ++checked;
                    } else if (const ScenePiece& top = TopAt(scene, piece.centre);
                               top.square && OnTopAround(scene, top)) {
                        QCOMPARE(picked, top.square);
                        QCOMPARE(sampled, ExpectedColor(state, *top.square));
                    }
                }
            }
        }
        QVERIFY(checked > 40 * 20);
    }

    // From every shown side's usual view, the arrow of each turn runs just
    // above the side whose eight outer squares the turn moves among
    // themselves, round it the way they go; a half turn has no way to go and
    // two heads. The side facing away gets its arrow on the view from
    // behind, and the note names it.
    void theArrowGoesRoundTheTurningSideTheWayItTurns() {
        for (std::int16_t shown = 0; shown < side::Count; ++shown) {
            const Camera camera(shown, {});
            for (std::int16_t code = 0; code < SideTurnCount; ++code) {
                clsCube before;
                MarkEverySquare(before);
                clsCube after;
                MarkEverySquare(after);
                ApplyStep(after, code);
                const auto arrow = ArrowFor(code, camera);
                QVERIFY(arrow);
                const std::int16_t turning = TurningSide(before, after);
                QCOMPARE(arrow->side, turning);
                const SideFrame& frame = FrameOf(turning);
                const Vec3 middle = frame.normal * HalfSize;
                for (const Vec3 point : arrow->path) {
                    QVERIFY(std::abs(Dot(point - middle, frame.normal) - 0.03) < Near);
                }
                // Where square 1's value went, round the side's centre.
                const SquareAt north{turning, 1};
                const SquareAt went = WhereValueWent(after, ValueAt(before, north));
                const double truth =
                    TurnAbout(middle, frame.normal, SquareCentre(north), SquareCentre(went));
                const double drawn =
                    TurnAbout(middle, frame.normal, arrow->path.front(), arrow->path.at(1));
                if (std::abs(truth) < Near) {
                    QCOMPARE(arrow->sense, TurnSense::Half);
                    QVERIFY(drawn < 0); // shown clockwise, as the step text does not say
                } else {
                    QVERIFY(arrow->sense != TurnSense::Half);
                    QVERIFY(truth * drawn > 0);
                }
                QCOMPARE(arrow->behind, !camera.Sees(middle, frame.normal));
                // The camera stands above and right of the shown side.
                QCOMPARE(arrow->behind, turning == (shown ^ 1) ||
                                            turning == NeighbourAt(shown, Edge::West) ||
                                            turning == NeighbourAt(shown, Edge::South));
                CheckArrowIsDrawnInItsView(code, shown, arrow->behind);
            }
        }
        QCOMPARE(FacingAwayNote(7),
                 QString("Turn the back side counterclockwise (it faces away: see the view "
                         "from behind)"));
    }

    void holdingLineNamesTheFrontAndTopCentres() {
        clsCube cube;
        const ColorScheme standard{0xFFFFFF, 0x00D5FF, 0x489B00, 0xAD4600, 0x0058FF, 0x3412B7};
        QCOMPARE(HoldText(ColorValuesOf(cube), standard),
                 QString("Hold the cube with green facing you and white on top"));
        cube.RotateUp();
        QCOMPARE(HoldText(ColorValuesOf(cube), standard),
                 QString("Hold the cube with yellow facing you and green on top"));
        ColorScheme odd = standard;
        odd.at(1) = 0x808080;
        QVERIFY(HoldText(ColorValuesOf(cube), odd).contains("front side facing you"));
    }

    // By the side whose centre shows the colour, or by the colour's own side
    // while two centres show one colour; by the colour's name, or its number
    // when it has none, as the grid says it.
    void stickerLettersNameSidesOrColours() {
        const ColorScheme standard{0xFFFFFF, 0x00D5FF, 0x489B00, 0xAD4600, 0x0058FF, 0x3412B7};
        const auto joined = [](const auto& letters) {
            return QStringList(letters.begin(), letters.end()).join(',');
        };
        clsCube cube;
        QCOMPARE(joined(LettersOf(StickerLetters::Side, ColorValuesOf(cube), standard)),
                 QString("U,D,F,B,L,R"));
        QCOMPARE(joined(LettersOf(StickerLetters::ColorInitial, ColorValuesOf(cube), standard)),
                 QString("W,Y,G,B,O,R"));
        QCOMPARE(joined(LettersOf(StickerLetters::None, ColorValuesOf(cube), standard)),
                 QString(",,,,,"));
        cube.RotateUp();
        QCOMPARE(joined(LettersOf(StickerLetters::Side, ColorValuesOf(cube), standard)),
                 QString("B,F,U,D,L,R"));
        cube.Side(side::Top).Square(4)->SetColorIndex(0);
        QCOMPARE(joined(LettersOf(StickerLetters::Side, ColorValuesOf(cube), standard)),
                 QString("U,D,F,B,L,R"));
        ColorScheme odd = standard;
        odd.at(3) = 0x808080;
        QCOMPARE(joined(LettersOf(StickerLetters::ColorInitial, ColorValuesOf(cube), odd)),
                 QString("W,Y,G,4,O,R"));
    }

private:
    static std::int16_t TurningSide(const clsCube& before, const clsCube& after) {
        for (std::int16_t s = 0; s < side::Count; ++s) {
            int movedWithin = 0;
            for (std::int16_t q = 0; q < 9; ++q) {
                const SquareAt went = WhereValueWent(after, ValueAt(before, {s, q}));
                movedWithin += went.side == s && went.square != q ? 1 : 0;
            }
            if (movedWithin == 8) {
                return s;
            }
        }
        return -1;
    }

    static SquareAt WhereValueWent(const clsCube& cube, std::int16_t value) {
        for (const SquareAt at : AllSquares()) {
            if (ValueAt(cube, at) == value) {
                return at;
            }
        }
        return {-1, -1};
    }

    // The arrow's black pixels fall in the view it belongs to.
    static void CheckArrowIsDrawnInItsView(std::int16_t code, std::int16_t shown, bool behind) {
        FrameState state;
        state.colors = ColorValuesOf(clsCube());
        state.shownSide = shown;
        const QImage plain = Drawn(state, QSize(300, 300));
        state.nextTurn = code;
        const QImage marked = Drawn(state, QSize(300, 300));
        const ViewLayout layout = LayoutIn(plain.rect());
        int inFront = 0;
        int inBehind = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (plain.pixel(x, y) != marked.pixel(x, y)) {
                    const QPointF d = QPointF(x, y) - layout.behind.centre;
                    (std::hypot(d.x(), d.y()) < layout.behind.radius ? inBehind : inFront) += 1;
                }
            }
        }
        QVERIFY(behind ? inBehind > 0 && inFront == 0 : inFront > 0 && inBehind == 0);
    }
};

QTEST_MAIN(TestView3DGeometry)
#include "test_View3DGeometry.moc"
