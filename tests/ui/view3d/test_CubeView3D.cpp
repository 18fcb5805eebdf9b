// The 3-D cube. Its geometry against the cube model, and its pictures
// against its geometry: every turn carries each square where the model
// puts its value, each visible square is drawn and picked at its centre,
// and the arrow goes round the turning side the way it turns; truth comes
// from a cube whose 54 squares all hold different values. Then the view as
// the user meets it: turns that move and end on the right cube however
// fast steps come, the speed menu and its setting, Play, clicks on
// squares, drags, and the note for a side that faces away.

#include "CubeTestSupport.h"
#include "StepCodes.h"
#include "WindowTestSupport.h"
#include "view3d/CubeFrame.h"
#include "view3d/CubeView3D.h"
#include "view3d/TurnArrow3D.h"
#include "view3d/View3DController.h"
#include "view3d/View3DPanel.h"
#include "wholecube/ColorPalette.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
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

CubeView3D& View(const QWidget& window) {
    return Child<CubeView3D>(window, "CubeView3D");
}

View3DController& Controller(const QWidget& window) {
    return *window.findChild<View3DController*>();
}

const QTimer& FrameTimer(const QWidget& window) {
    return Child<QTimer>(window, "CubeView3DFrames");
}

// Where a square is drawn in the view now.
QPoint CentreOf(const CubeView3D& view, SquareAt at) {
    const view3d::FrameState frame = view.Frame();
    const view3d::FrameCameras cameras = view3d::CamerasFor(view.rect(), frame);
    for (const auto& piece : view3d::BuildScene(cameras.front, cameras.layout.front, frame.turn)) {
        if (piece.square == at) {
            return piece.centre.toPoint();
        }
    }
    return {-1, -1};
}

// A window with a scrambled cube, solved, the speed chosen; active, so
// that its keys reach their shortcuts.
void StartSolving(Session& session, const QString& speed) {
    frmTurnix& window = session.Start();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Trigger(window, "mnuViewTurnSpeed" + speed);
    session.Load(Scrambled(20));
    Trigger(window, "mnuCubeSolve");
}

} // namespace

class TestCubeView3D : public QObject {
    Q_OBJECT

private slots:
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
        QCOMPARE(joined(LettersOf(SquareLetters::Sides, ColorValuesOf(cube), standard)),
                 QString("U,D,F,B,L,R"));
        QCOMPARE(joined(LettersOf(SquareLetters::ColourInitials, ColorValuesOf(cube), standard)),
                 QString("W,Y,G,B,O,R"));
        QCOMPARE(joined(LettersOf(SquareLetters::None, ColorValuesOf(cube), standard)),
                 QString(",,,,,"));
        cube.RotateUp();
        QCOMPARE(joined(LettersOf(SquareLetters::Sides, ColorValuesOf(cube), standard)),
                 QString("B,F,U,D,L,R"));
        cube.Side(side::Top).Square(4)->SetColorIndex(0);
        QCOMPARE(joined(LettersOf(SquareLetters::Sides, ColorValuesOf(cube), standard)),
                 QString("U,D,F,B,L,R"));
        ColorScheme odd = standard;
        odd.at(3) = 0x808080;
        QCOMPARE(joined(LettersOf(SquareLetters::ColourInitials, ColorValuesOf(cube), odd)),
                 QString("W,Y,G,4,O,R"));
    }

    void speedsAreTimedAndStoredByName() {
        QCOMPARE(TurnMilliseconds(TurnSpeed::Slow, 1), 1000);
        QCOMPARE(TurnMilliseconds(TurnSpeed::Normal, 1), 500);
        QCOMPARE(TurnMilliseconds(TurnSpeed::Fast, 2), 375);
        QCOMPARE(TurnMilliseconds(TurnSpeed::NoAnimation, 2), 0);
        for (const TurnSpeed speed :
             {TurnSpeed::Slow, TurnSpeed::Normal, TurnSpeed::Fast, TurnSpeed::NoAnimation}) {
            QCOMPARE(SpeedFromWord(SpeedWord(speed)), speed);
        }
        QCOMPARE(SpeedFromWord("Warp"), std::nullopt);
    }

    void anAnimatedTurnEndsOnAFreshDrawingOfTheNewCube_data() {
        QTest::addColumn<int>("code");
        for (const int code : {0, 4, 8, 14, 18, 21}) {
            QTest::newRow(StepText(static_cast<std::int16_t>(code)).data()) << code;
        }
    }
    void anAnimatedTurnEndsOnAFreshDrawingOfTheNewCube() {
        QFETCH(int, code);
        clsCube cube = Scrambled(3);
        CubeView3D view;
        view.resize(240, 240);
        view.show();
        view.SetSpeed(TurnSpeed::Fast);
        view.ShowCube(ColorValuesOf(cube), side::Front, DefaultScreenColors);
        ApplyStep(cube, static_cast<std::int16_t>(code));
        view.ShowCube(ColorValuesOf(cube), side::Front, DefaultScreenColors);
        QVERIFY(view.Turning());
        QTRY_VERIFY(!view.Turning());
        CubeView3D fresh;
        fresh.resize(240, 240);
        fresh.ShowCube(ColorValuesOf(cube), side::Front, DefaultScreenColors);
        view.clearFocus();
        QCOMPARE(view.grab().toImage(), fresh.grab().toImage());
    }

    // A turn, then another before it ends, then a paint: each change ends
    // the turn before it, and the cube shown is always the last one.
    void aChangeDuringATurnEndsItAndShowsTheNewCube() {
        clsCube cube = Scrambled(4);
        CubeView3D view;
        view.show();
        view.SetSpeed(TurnSpeed::Slow);
        view.ShowCube(ColorValuesOf(cube), side::Front, DefaultScreenColors);
        const CubeColorValues first = ColorValuesOf(cube);
        ApplyStep(cube, 12);
        view.ShowCube(ColorValuesOf(cube), side::Front, DefaultScreenColors);
        QCOMPARE(view.Frame().colors, first);
        const CubeColorValues second = ColorValuesOf(cube);
        ApplyStep(cube, 5);
        view.ShowCube(ColorValuesOf(cube), side::Front, DefaultScreenColors);
        QVERIFY(view.Turning());
        QCOMPARE(view.Frame().colors, second);
        QCOMPARE(view.Colors(), ColorValuesOf(cube));
        cube.Side(side::Top).Square(0)->SetColorIndex(5);
        view.ShowCube(ColorValuesOf(cube), side::Front, DefaultScreenColors);
        QVERIFY(!view.Turning());
        QCOMPARE(view.Frame().colors, ColorValuesOf(cube));
    }

    // Steps, steps back and turns by hand, with no frame timer ever running.
    void noAnimationNeverStartsATimer() {
        Session session;
        StartSolving(session, "NoAnimation");
        frmTurnix& window = *session.window;
        const QTimer& timer = FrameTimer(window);
        while (!window.Solver().IsEOF()) {
            session.Steps(1);
            QVERIFY(!timer.isActive());
            QCOMPARE(View(window).Frame().colors, ColorValuesOf(window.Cube()));
        }
        Trigger(window, "mnuCubeStepBack");
        QVERIFY(!timer.isActive());
        // Whatever this desktop asks for, then reduced motion asked for.
        View(window).SetReducedMotion(false);
        Trigger(window, "mnuViewTurnSpeedNormal");
        Trigger(window, "mnuCubeStepBack");
        QVERIFY(timer.isActive());
        View(window).SetReducedMotion(true);
        QVERIFY(!timer.isActive() && !View(window).Turning());
        Trigger(window, "mnuCubeStepBack");
        QVERIFY(!timer.isActive());
        View(window).SetReducedMotion(false);
        Trigger(window, "mnuCubeStepBack");
        Trigger(window, "mnuViewTurnSpeedNoAnimation");
        QVERIFY(!timer.isActive() && !View(window).Turning());
    }

    void theSpeedIsKeptInTheSettings() {
        Session session;
        Trigger(session.Start(), "mnuViewTurnSpeedSlow");
        QCOMPARE(session.fake.settings.Value("Cube View", "TurnSpeed"), QString("Slow"));
        Session next;
        next.fake.settings.values = session.fake.settings.values;
        QVERIFY(Child<QAction>(next.Start(), "mnuViewTurnSpeedSlow").isChecked());
        QCOMPARE(View(*next.window).Speed(), TurnSpeed::Slow);
        Session odd;
        odd.fake.settings.SetValue("Cube View", "TurnSpeed", "Warp");
        QVERIFY(Child<QAction>(odd.Start(), "mnuViewTurnSpeedNormal").isChecked());
    }

    // Play stops on the last step, leaving the cube solved and the window
    // still showing the solution.
    void playRunsTheSolutionToTheSolvedCubeAndStops() {
        Session session;
        StartSolving(session, "NoAnimation");
        frmTurnix& window = *session.window;
        Controller(window).SetPlayPause(0);
        QVERIFY(Child<QToolButton>(window, "ToolbarButton13").isEnabled());
        QTest::keyClick(&session.Resting(), Qt::Key_Space);
        QVERIFY(Controller(window).Playing());
        QTRY_VERIFY_WITH_TIMEOUT(!Controller(window).Playing(), 20000);
        QVERIFY(window.Solver().IsEOF());
        QVERIFY(IsSolved(window.Cube()));
        QVERIFY(window.SolutionMode());
        QVERIFY(!Child<QAction>(window, "mnuCubePlay").isEnabled());
        session.Steps(1);
        QVERIFY(!Child<QToolButton>(window, "ToolbarButton13").isEnabled());
    }

    // A focused button keeps Space for itself.
    void spaceOnAButtonPressesTheButton() {
        Session session;
        StartSolving(session, "NoAnimation");
        frmTurnix& window = *session.window;
        QPushButton& step = session.Button("cmdOneStep");
        step.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&step, Qt::Key_Space);
        QVERIFY(!Controller(window).Playing());
        QVERIFY(session.Button("cmdPreviousSteps").isEnabled());
    }

    void spacePausesPlay() {
        Session session;
        StartSolving(session, "Fast");
        frmTurnix& window = *session.window;
        Controller(window).SetPlayPause(10);
        QTest::keyClick(&session.Resting(), Qt::Key_Space);
        QTRY_VERIFY(window.Solver().Index() >= 3);
        QTest::keyClick(&session.Resting(), Qt::Key_Space);
        QVERIFY(!Controller(window).Playing());
        const std::int16_t stopped = window.Solver().Index();
        QTest::qWait(800);
        QCOMPARE(window.Solver().Index(), stopped);
        QCOMPARE(View(window).Colors(), ColorValuesOf(window.Cube()));
    }

    // In edit mode a click paints, undoably; while solving it shows the side.
    void aClickPaintsWhileEditingAndShowsTheSideWhileSolving() {
        Session session;
        frmTurnix& window = session.Start();
        Trigger(window, "mnuViewTurnSpeedNoAnimation");
        Child<ColorPalette>(window, "WholeCubePalette").SelectColor(5);
        CubeView3D& view = View(window);
        QTest::mouseClick(&view, Qt::LeftButton, {}, CentreOf(view, {side::Top, 0}));
        QTRY_COMPARE(window.Cube().Side(side::Top).Square(0)->ColorIndex(), 5);
        QCOMPARE(view.Colors(), ColorValuesOf(window.Cube()));
        Trigger(window, "mnuEditUndo");
        QCOMPARE(window.Cube().Side(side::Top).Square(0)->ColorIndex(), side::Top);

        session.Load(Scrambled(8));
        Trigger(window, "mnuCubeSolve");
        const CubeColorValues solving = ColorValuesOf(window.Cube());
        QTest::mouseClick(&view, Qt::LeftButton, {}, CentreOf(view, {side::Right, 4}));
        QTRY_COMPARE(window.CurrentSide(), side::Right);
        QCOMPARE(ColorValuesOf(window.Cube()), solving);
        QCOMPARE(view.ShownSide(), side::Right);
    }

    // A drag turns the view, the tilt stops short of straight above, and a
    // double-click brings back the usual view.
    void dragsTurnTheViewAndADoubleClickBringsItBack() {
        CubeView3D view;
        view.resize(300, 300);
        view.show();
        view.ShowCube(ColorValuesOf(clsCube()), side::Front, DefaultScreenColors);
        QTest::mousePress(&view, Qt::LeftButton, {}, {150, 150});
        for (int y = 150; y <= 290; y += 20) {
            QMouseEvent move(QEvent::MouseMove, QPointF(200, y), view.mapToGlobal(QPointF(200, y)),
                             Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(&view, &move);
        }
        QTest::mouseRelease(&view, Qt::LeftButton, {}, {200, 290});
        QVERIFY(view.Angles().yaw < view3d::ViewAngles().yaw);
        QVERIFY(view.Angles().pitch > view3d::ViewAngles().pitch);
        for (int i = 0; i < 20; ++i) {
            view.SetAngles(view3d::Dragged(view.Angles(), {0, 100}));
        }
        QCOMPARE(view.Angles().pitch, view3d::MaxPitch);
        const QSignalSpy chosen(&view, &CubeView3D::sideChosen);
        view.SetPaintable(false);
        QTest::mouseDClick(&view, Qt::LeftButton, {}, {150, 150});
        QCOMPARE(view.Angles(), view3d::ViewAngles());
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QCOMPARE(chosen.count(), 0);
    }

    // The note follows the arrow: there while the turning side faces away,
    // gone when the view is turned to face it.
    void theNoteSaysWhenTheNextTurnFacesAway() {
        View3DPanel panel;
        panel.ShowCube(ColorValuesOf(clsCube()), side::Front, DefaultScreenColors);
        const QLabel& note = Child<QLabel>(panel, "lblView3DNote");
        panel.SetNextTurn(6);
        QCOMPARE(note.text(), FacingAwayNote(6));
        panel.SetNextTurn(0);
        QCOMPARE(note.text(), QString());
        panel.SetNextTurn(7);
        panel.View().SetAngles({std::numbers::pi, 0.3});
        QCOMPARE(note.text(), QString());
        panel.SetNextTurn(std::nullopt);
        QCOMPARE(note.text(), QString());
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

QTEST_MAIN(TestCubeView3D)
#include "test_CubeView3D.moc"
