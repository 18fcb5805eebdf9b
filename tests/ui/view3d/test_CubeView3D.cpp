// The 3-D cube as the user meets it: turns that move and end on the right
// cube however fast steps come, the speed menu and its setting, Play, clicks
// on squares, drags, and the note for a side that faces away.

#include "CubeTestSupport.h"
#include "StepCodes.h"
#include "WindowTestSupport.h"
#include "view3d/CubeView3D.h"
#include "view3d/View3DController.h"
#include "view3d/View3DPanel.h"
#include "wholecube/ColorPalette.h"

#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <numbers>

using namespace turnix;
using namespace turnix::test;

namespace {

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
};

QTEST_MAIN(TestCubeView3D)
#include "test_CubeView3D.moc"
