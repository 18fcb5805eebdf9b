// The main window from the keyboard: where Enter goes, Tab and the arrow
// keys, and the mark on the control that has the focus.

#include "Facelets.h"
#include "FollowTestSupport.h"
#include "wholecube/ColorPalette.h"

#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

bool ShowsFocusMark(QWidget& control) {
    return ShowsMark(control.grab().toImage(), control.rect());
}

double Luminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

// As the web's accessibility guidelines measure it: 1 (none) to 21.
double Contrast(const QColor& a, const QColor& b) {
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QPalette Dark() {
    QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x25, 0x25, 0x25));
    dark.setColor(QPalette::Link, QColor(0x4f, 0xa3, 0xf7));
    return dark;
}

} // namespace

class TestFrmTurnixKeyboard : public QObject {
    Q_OBJECT

private slots:
    void init() {
        s.emplace();
        QVERIFY(QTest::qWaitForWindowActive(&s->Start()));
    }

    void cleanup() { s.reset(); }

    // A focused step button, square or label takes Enter (or the keypad's
    // Enter) itself; with the focus at rest, Enter is One Step.
    void enterGoesToTheFocusedControlElseToOneStep() {
        const clsCube scrambled = Scrambled(11);
        s->Load(scrambled);
        const std::vector<std::int16_t> codes = LayerSolutionOf(scrambled).codes;
        clsCube expected;
        scrambled.Copy(expected);
        Trigger(Window(), "mnuCubeSolve");

        PressEnter(Resting()); // One Step
        ApplyStep(expected, codes.at(0));
        PressEnter(Button("cmdOneStep"), Qt::Key_Enter, Qt::KeypadModifier);
        ApplyStep(expected, codes.at(1));
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(expected));

        QStringList dialogs;
        for (const QString list : {"Steps to Completion", "Previous Steps"}) {
            s->fake.modalRunner.scripts.push_back(Clicks({"cmdClose"}));
            const std::int16_t cursor = Window().Solver().Index();
            PressEnter(
                Button(list == "Previous Steps" ? "cmdPreviousSteps" : "cmdStepsToCompletion"));
            QCOMPARE(s->fake.modalRunner.titles, dialogs << list);
            QCOMPARE(Window().Solver().Index(), cursor);
            QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(expected));
        }

        PressEnter(Button("cmdClear"));
        QCOMPARE(Controls(Window()), EditNoSolution);
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(expected));

        // In edit mode a focused square picks its colour and keeps the focus.
        s->fake.modalRunner.scripts.push_back(Clicks({"picColor3", "cmdOK"}));
        PressEnter(Square(4));
        expected.Side(side::Front).Square(4)->SetColorIndex(3);
        QCOMPARE(s->fake.modalRunner.titles, dialogs << "Pick a Color");
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(expected));
        QCOMPARE(Focused(), &Square(4));

        // Nothing focused and nothing to step: Enter does nothing.
        PressEnter(Resting());
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(expected));
        QCOMPARE(s->fake.modalRunner.titles, dialogs);
        QVERIFY(s->fake.messageBoxes.shown.empty());
    }

    // Tab stops once at the grid, the palette and the net, so the net is
    // three presses away; it goes round without the hidden resting place.
    // The grid's stop is the square the keyboard was last on.
    void tabReachesTheNetInThreePressesAndGoesRound() {
        QStringList order;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(Focused(), Qt::Key_Tab);
            order << Focused()->objectName();
        }
        QCOMPARE(order, (QStringList{"cmdColor0", "WholeCubePalette", "WholeCubeNet", "CubeView3D",
                                     "lblNorth", "lblWest", "lblEast", "lblSouth", "cmdColor0",
                                     "WholeCubePalette"}));
        QTest::keyClick(Focused(), Qt::Key_Backtab);
        QTest::keyClick(Focused(), Qt::Key_Right);
        QTest::keyClick(Focused(), Qt::Key_Down);
        QTest::keyClick(Focused(), Qt::Key_Tab);
        QTest::keyClick(Focused(), Qt::Key_Backtab);
        QCOMPARE(Focused(), &Square(4));
        QTest::keyClick(Focused(), Qt::Key_Backtab);
        QCOMPARE(Focused()->objectName(), QString("lblSouth"));
        Square(4).setFocus(Qt::TabFocusReason);
        QStringList path;
        for (const Qt::Key key :
             {Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down,
              Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right}) {
            QTest::keyClick(Focused(), key);
            path << Focused()->objectName().mid(8);
        }
        QCOMPARE(path.join(' '), QString("3 3 0 0 1 4 7 7 8 8"));
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(clsCube()));
    }

    // Enter or Space on a focused label shows the side it names, and the
    // focus stays on the label, which now names another side.
    void aFocusedNeighbourLabelShowsItsSideAndKeepsTheFocus() {
        auto& north = Child<QLabel>(Window(), "lblNorth");
        north.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&north, Qt::Key_Return);
        QCOMPARE(Window().CurrentSide(), side::Top);
        QCOMPARE(north.text(), QString("Back"));
        QCOMPARE(Focused(), &north);
        QTest::keyClick(&north, Qt::Key_Space);
        QCOMPARE(Window().CurrentSide(), side::Back);
        QCOMPARE(Focused(), &north);
        QCOMPARE(ShownSquares(Window()), s->Expected());
    }

    // After a dialog, say, or another program: a square or label keeps the
    // focus; a step button hands it back to the resting place.
    void theKeyboardPlaceSurvivesTheWindowComingBack() {
        for (const char* name : {"cmdColor5", "lblEast"}) {
            QWidget& place = Child(Window(), name);
            place.setFocus(Qt::TabFocusReason);
            QVERIFY(LeaveAndComeBack());
            QCOMPARE(Focused(), &place);
        }
        s->Load(Scrambled(3));
        Trigger(Window(), "mnuCubeSolve");
        Button("cmdStepsToCompletion").setFocus(Qt::TabFocusReason);
        QVERIFY(LeaveAndComeBack());
        QCOMPARE(Focused(), &Resting());
    }

    // On every screen colour, white and yellow among them; on a neighbour
    // label too. At rest in the hidden text box, no control shows it.
    void theFocusedControlAloneShowsTheMark() {
        for (std::int16_t side = 0; side < 6; ++side) {
            Trigger(Window(),
                    "mnuSideShow" +
                        QStringList{"Top", "Bottom", "Front", "Back", "Left", "Right"}.at(side));
            Square(side).setFocus(Qt::TabFocusReason);
            for (int i = 0; i < 9; ++i) {
                QVERIFY2(ShowsFocusMark(Square(i)) == (i == side),
                         qPrintable(ShownSquares(Window()).at(i)));
            }
        }
        auto& west = Child<QLabel>(Window(), "lblWest");
        QVERIFY(!ShowsFocusMark(west));
        west.setFocus(Qt::TabFocusReason);
        QVERIFY(ShowsFocusMark(west));

        Trigger(Window(), "mnuSideShowFront");
        QCOMPARE(Focused(), &Resting());
        for (const char* name : {"lblNorth", "lblWest", "lblEast", "lblSouth"}) {
            QVERIFY(!ShowsFocusMark(Child(Window(), name)));
        }
        for (int i = 0; i < 9; ++i) {
            QVERIFY(!ShowsFocusMark(Square(i)));
        }
    }

    // Wherever the focus rests but in a text box, Ctrl+C and Ctrl+V copy
    // and paste the facelets; the step text keeps both keys to itself.
    void theClipboardKeysCopyAndPasteFaceletsOutsideTextBoxes() {
        for (const char* place :
             {"txtDummy", "cmdColor4", "lblWest", "WholeCubePalette", "WholeCubeNet"}) {
            const clsCube scrambled = Scrambled(static_cast<unsigned>(qHash(QString(place))));
            s->fake.clipboard.text = QString::fromStdString(FaceletString(scrambled));
            PressOn(place, QKeySequence::Paste);
            QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(scrambled));
            s->fake.clipboard.text.clear();
            PressOn(place, QKeySequence::Copy);
            QCOMPARE(s->fake.clipboard.text, QString::fromStdString(FaceletString(scrambled)));
        }
        Trigger(Window(), "mnuCubeSolve");
        Button("cmdOneStep").click();
        clsCube stepped;
        Window().Cube().Copy(stepped);
        s->fake.clipboard.text = QString::fromStdString(FaceletString(clsCube()));
        for (const QKeySequence key : {QKeySequence::Copy, QKeySequence::Paste}) {
            PressOn("txtSolution", key);
        }
        QCOMPARE(s->fake.clipboard.text, QString::fromStdString(FaceletString(clsCube())));
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(stepped));
        QVERIFY(Window().SolutionMode());
        QVERIFY(s->fake.messageBoxes.shown.empty());
    }

    // "Clear Steps" in the Cube menu is enabled with the button and does
    // what it does; Ctrl+Q closes the window as Exit does.
    void clearStepsIsInTheCubeMenuAndCtrlQExits() {
        auto& clear = Child<QAction>(Window(), "mnuCubeClearSteps");
        QCOMPARE(Child<QMenu>(Window(), "mnuCube").actions().count(&clear), 1);
        QVERIFY(!clear.isEnabled());
        s->Load(Scrambled(5));
        Trigger(Window(), "mnuCubeSolve");
        QVERIFY(clear.isEnabled());
        clear.trigger();
        QCOMPARE(Controls(Window()), EditNoSolution);
        QVERIFY(!clear.isEnabled());

        PressOn("cmdColor0", QKeySequence(Qt::CTRL | Qt::Key_Q));
        QVERIFY(!Window().isVisible());
    }

    // On a light and a dark palette the neighbour labels read, and the
    // palette's focus mark stands out from the panel.
    void labelsAndMarksReadOnLightAndDarkPalettes() {
        for (const QPalette& palette : {QPalette(Qt::white, QColor(0xef, 0xef, 0xef)), Dark()}) {
            QApplication::setPalette(palette);
            const QColor background = Window().palette().color(QPalette::Window);
            for (const char* name : {"lblNorth", "lblWest", "lblEast", "lblSouth"}) {
                const auto& label = Child<QLabel>(Window(), name);
                QVERIFY2(Contrast(label.palette().color(label.foregroundRole()), background) >= 3,
                         name);
            }
            auto& swatches = Child<ColorPalette>(Window(), "WholeCubePalette");
            Resting().setFocus();
            const QColor resting = swatches.grab().toImage().pixelColor(1, 1);
            swatches.setFocus(Qt::TabFocusReason);
            const QColor focused = swatches.grab().toImage().pixelColor(1, 1);
            QVERIFY(focused != resting && Contrast(focused, background) >= 1.5);
        }
        QApplication::setPalette(QPalette());
    }

private:
    // A standard key pressed with the focus on the named control.
    void PressOn(const char* name, const QKeySequence& key) {
        QWidget& control = Child(Window(), name);
        control.setFocus(Qt::TabFocusReason);
        QTest::keySequence(&control, key);
    }

    frmTurnix& Window() { return *s->window; }
    QPushButton& Button(const char* name) { return s->Button(name); }
    QPushButton& Square(int i) { return s->Button(QString("cmdColor%1").arg(i)); }
    QLineEdit& Resting() { return s->Resting(); }

    // Another window becomes active, then this one again.
    bool LeaveAndComeBack() {
        QWidget other;
        other.show();
        other.activateWindow();
        if (!QTest::qWaitForWindowActive(&other)) {
            return false;
        }
        Window().activateWindow();
        return QTest::qWaitForWindowActive(&Window());
    }

    // Enter on control, with the focus there.
    static void PressEnter(QWidget& control, Qt::Key key = Qt::Key_Return,
                           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        control.setFocus(Qt::TabFocusReason);
        QCOMPARE(Focused(), &control);
        QTest::keyClick(&control, key, modifiers);
    }

    std::optional<Session> s;
};

QTEST_MAIN(TestFrmTurnixKeyboard)
#include "test_frmTurnixKeyboard.moc"
