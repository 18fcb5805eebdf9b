// The "Whole Cube" panel in the main window: painting on the net, the colour
// keys, the facelet clipboard, the edit history, what is wrong, and the
// panel's place.

#include "Facelets.h"
#include "WindowTestSupport.h"
#include "wholecube/ColorPalette.h"
#include "wholecube/CubeNet.h"

#include <QApplication>
#include <QDockWidget>
#include <QtTest>
#include <set>

using namespace turnix;
using namespace turnix::test;

namespace {

const QString Solved = "UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB";

CubeNet& Net(const QWidget& window) {
    return Child<CubeNet>(window, "WholeCubeNet");
}

QPoint Centre(const QWidget& window, SquareAt at) {
    return Net(window).Geometry().SquareRect(at).center();
}

void ClickNet(const QWidget& window, QPoint point) {
    QTest::mouseClick(&Net(window), Qt::LeftButton, {}, point);
}

// "&Undo Paint" and the like, or "-" while disabled.
QString Offered(const QWidget& window, const QString& name) {
    const auto& action = Child<QAction>(window, name);
    return action.isEnabled() ? action.text() : "-";
}

QStringList History(const QWidget& window) {
    return {Offered(window, "mnuEditUndo"), Offered(window, "mnuEditRedo")};
}

// Keys reach the window's shortcuts only while it is active.
void PressKeys(frmTurnix& window, const QKeySequence& keys) {
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keySequence(QApplication::focusWidget(), keys);
}

// Whether the picture of a square on the net has near-black and near-white
// pixels (a mark) along its middle row, near its left edge.
bool MarkedInPicture(const QWidget& window, SquareAt at) {
    const QImage picture = Net(window).grab().toImage();
    const QRect square = Net(window).Geometry().SquareRect(at);
    bool dark = false;
    bool light = false;
    for (int x = square.left(); x < square.left() + square.width() / 3; ++x) {
        for (int y = square.top(); y <= square.bottom(); ++y) {
            const QColor pixel = picture.pixelColor(x, y);
            dark = dark || qGray(pixel.rgb()) < 30;
            light = light || qGray(pixel.rgb()) > 225;
        }
    }
    return dark && light;
}

std::set<std::pair<int, int>> MarkedSquares(const QWidget& window) {
    std::set<std::pair<int, int>> squares;
    for (const SquareAt& at : Net(window).MarkedSquares()) {
        squares.insert({at.side, at.square});
    }
    return squares;
}

} // namespace

class TestWholeCube : public QObject {
    Q_OBJECT

private slots:
    // One move of the pointer from the Left to the Back side paints the
    // middle row of all four; a stroke over squares of its own colour is
    // no step.
    void oneDragPaintsEverySquareItCrossesAsOneStep() {
        Session s;
        frmTurnix& window = s.Start();
        PressKeys(window, Qt::Key_5);
        const auto drag = [&window] {
            QTest::mousePress(&Net(window), Qt::LeftButton, {}, Centre(window, {side::Left, 3}));
            QTest::mouseMove(&Net(window), Centre(window, {side::Back, 5}));
            QTest::mouseRelease(&Net(window), Qt::LeftButton, {}, Centre(window, {side::Back, 5}));
        };
        drag();
        clsCube painted;
        for (const std::int16_t side : {side::Front, side::Right, side::Back}) {
            for (std::int16_t q = 3; q < 6; ++q) {
                painted.Side(side).Square(q)->SetColorIndex(side::Left);
            }
        }
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(painted));
        QCOMPARE(ShownSquares(window), ExpectedSquares(painted, side::Front));
        QCOMPARE(History(window), (QStringList{"&Undo Paint", "-"}));

        drag();
        Trigger(window, "mnuEditUndo");
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
        QCOMPARE(History(window), (QStringList{"-", "&Redo Paint"}));
        Trigger(window, "mnuEditRedo");
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(painted));
    }

    // Each kind of edit is one step, named in the menu, undone and redone
    // in turn; an edit that leaves the cube as it was is none.
    void everyEditIsOneStepNamedForWhatItUndoes() {
        Session s;
        frmTurnix& window = s.Start();
        const QString file = s.Saved(Scrambled(5));
        const std::vector<std::pair<QString, std::function<void()>>> edits{
            {"Pick Color",
             [&] {
                 s.fake.modalRunner.scripts.push_back(Clicks({"picColor3", "cmdOK"}));
                 QTest::mousePress(&Child(window, "cmdColor0"), Qt::LeftButton);
             }},
            {"Turn Top Side Clockwise",
             [&] {
                 Trigger(window, "mnuSideTurnTopClockwise");
             }},
            {"Turn Back Side Twice",
             [&] {
                 Trigger(window, "mnuSideTurnBackTwice");
             }},
            {"Turn Left Side Counterclockwise",
             [&] {
                 Trigger(window, "mnuSideTurnLeftCounterclockwise");
             }},
            {"Rotate Cube Left",
             [&] {
                 Trigger(window, "mnuCubeRotateLeft");
             }},
            {"Rotate Cube Down",
             [&] {
                 Trigger(window, "mnuCubeRotateDown");
             }},
            {"Paint",
             [&] {
                 ClickNet(window, Centre(window, {side::Right, 4}));
             }},
            {"Paste Facelets",
             [&] {
                 s.fake.clipboard.text = QString::fromStdString(FaceletString(Scrambled(8)));
                 Trigger(window, "mnuEditPasteFacelets");
             }},
            {"Open Configuration",
             [&] {
                 s.Open(file);
             }},
            {"New Configuration",
             [&] {
                 Trigger(window, "mnuFileNewConfiguration");
             }},
        };
        std::vector<CubeColors> states{ColorsOf(window.Cube())};
        for (const auto& [name, edit] : edits) {
            edit();
            QVERIFY2(ColorsOf(window.Cube()) != states.back(), qPrintable(name));
            states.push_back(ColorsOf(window.Cube()));
            QCOMPARE(Offered(window, "mnuEditUndo"), "&Undo " + name);
        }
        for (std::size_t k = edits.size(); k > 0; --k) {
            Trigger(window, "mnuEditUndo");
            QCOMPARE(ColorsOf(window.Cube()), states.at(k - 1));
            QCOMPARE(ShownSquares(window), s.Expected());
            QCOMPARE(Offered(window, "mnuEditRedo"), "&Redo " + edits.at(k - 1).first);
        }
        QCOMPARE(Offered(window, "mnuEditUndo"), QString("-"));
        for (std::size_t k = 1; k <= edits.size(); ++k) {
            Trigger(window, "mnuEditRedo");
            QCOMPARE(ColorsOf(window.Cube()), states.at(k));
        }

        Trigger(window, "mnuSideTurnFrontClockwise");
        const CubeColors turned = ColorsOf(window.Cube());
        s.fake.modalRunner.scripts.push_back(
            [](QDialog& dialog) { DoubleClick(Child(dialog, "picColor2")); });
        QTest::mousePress(&Child(window, "cmdColor4"), Qt::LeftButton); // its own colour
        s.fake.clipboard.text = QString::fromStdString(FaceletString(window.Cube()));
        Trigger(window, "mnuEditPasteFacelets");
        s.Load(window.Cube());
        ClickNet(window, Centre(window, {side::Top, 4})); // its own colour
        QCOMPARE(ColorsOf(window.Cube()), turned);
        QCOMPARE(History(window), (QStringList{"&Undo Turn Front Side Clockwise", "-"}));
        Trigger(window, "mnuEditUndo");
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
    }

    // The steps are no edits: Undo and Redo are off while a solution is
    // shown, and the history starts afresh once it is cleared, discarded
    // by New or Paste, or finished.
    void solutionModeDisablesUndoAndTheHistoryStartsAfresh() {
        Session s;
        frmTurnix& window = s.Start();
        const QStringList none{"-", "-"};
        const auto solve = [&] {
            Trigger(window, "mnuSideTurnRightClockwise");
            Trigger(window, "mnuEditUndo");
            Trigger(window, "mnuCubeSolve");
            QVERIFY(window.SolutionMode());
            QCOMPARE(History(window), none);
            Click(Child(window, "cmdOneStep"));
            QCOMPARE(History(window), none);
        };
        const auto undoFrom = [&](const CubeColors& expected) {
            QVERIFY(!window.SolutionMode());
            Trigger(window, "mnuEditUndo");
            QCOMPARE(ColorsOf(window.Cube()), expected);
            QCOMPARE(Offered(window, "mnuEditUndo"), QString("-"));
        };
        s.Load(Scrambled(2));

        solve();
        Click(Child(window, "cmdClear"));
        QCOMPARE(History(window), none);
        CubeColors stood = ColorsOf(window.Cube());
        Trigger(window, "mnuSideTurnFrontTwice");
        undoFrom(stood);

        solve();
        stood = ColorsOf(window.Cube());
        Trigger(window, "mnuFileNewConfiguration");
        QCOMPARE(History(window), (QStringList{"&Undo New Configuration", "-"}));
        undoFrom(stood);

        solve();
        stood = ColorsOf(window.Cube());
        s.fake.clipboard.text = Solved;
        Trigger(window, "mnuEditPasteFacelets");
        undoFrom(stood);

        solve();
        while (window.SolutionMode()) {
            Click(Child(window, "cmdOneStep"));
        }
        QCOMPARE(Controls(window), EditFinishedList);
        QCOMPARE(History(window), none);
        ClickNet(window, Centre(window, {side::Bottom, 0}));
        undoFrom(ColorsOf(clsCube()));
    }

    // The keys 1 to 6 and Undo work wherever the focus rests; on the
    // focused net the arrow keys move a marked cursor, Space paints and
    // Enter shows the side, and the net keeps the focus.
    void theKeyboardSelectsPaintsAndUndoes() {
        Session s;
        frmTurnix& window = s.Start();
        auto& palette = Child<ColorPalette>(window, "WholeCubePalette");
        for (int key = 6; key >= 1; --key) {
            PressKeys(window, Qt::Key(Qt::Key_0 + key));
            QCOMPARE(palette.SelectedColor(), key - 1);
        }
        QTest::mouseClick(&palette, Qt::LeftButton, {}, palette.SwatchRect(3).center());
        QCOMPARE(palette.SelectedColor(), std::int16_t{3});

        Net(window).setFocus(Qt::TabFocusReason);
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Right}) {
            QTest::keyClick(&Net(window), key);
        }
        QVERIFY(MarkedInPicture(window, {side::Right, 1}));
        PressKeys(window, Qt::Key_Space);
        PressKeys(window, Qt::Key_Return);
        clsCube expected;
        expected.Side(side::Right).Square(1)->SetColorIndex(3);
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(expected));
        QCOMPARE(window.CurrentSide(), side::Right);
        QCOMPARE(QApplication::focusWidget(), &Net(window));

        PressKeys(window, QKeySequence::Undo);
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
        Child(window, "txtDummy").setFocus();
        PressKeys(window, QKeySequence::Redo);
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(expected));
        PressKeys(window, QKeySequence::Undo);
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
    }

    // A string that is no cube is named by its first bad position and
    // changes nothing; white space around a good one is dropped. Copy
    // gives the exact string back, or says why it cannot.
    void pasteNamesTheFirstBadPositionAndCopyGivesTheExactString() {
        Session s;
        frmTurnix& window = s.Start();
        const QString scrambled = QString::fromStdString(FaceletString(Scrambled(9)));
        const std::vector<std::pair<QString, QString>> bad{
            {Solved.left(4) + "x" + Solved.mid(5),
             "Position 5: 'x' is not one of the letters U R F D L B."},
            {Solved.toLower(), "Position 1: 'u' is not one of the letters U R F D L B."},
            {Solved.left(20) + "\t" + Solved.mid(21),
             "Position 21: byte 0x09 is not one of the letters U R F D L B."},
            {Solved.left(3), "A facelet string has 54 letters, this one has 3."},
            {Solved + "U", "A facelet string has 54 letters, this one has 55."},
            {" \n ", "A facelet string has 54 letters, this one has 0."},
        };
        s.Load(Scrambled(1));
        QStringList expectedMessages;
        for (const auto& [text, reason] : bad) {
            s.fake.clipboard.text = text;
            Trigger(window, "mnuEditPasteFacelets");
            expectedMessages << "!Turnix|The clipboard holds no facelet string.\n\n" + reason;
            QCOMPARE(ColorsOf(window.Cube()), ColorsOf(Scrambled(1)));
        }
        QCOMPARE(Messages(s.fake.messageBoxes), expectedMessages);
        QCOMPARE(History(window), (QStringList{"&Undo Open Configuration", "-"}));

        s.fake.clipboard.text = "\n  " + scrambled + " \r\n";
        Trigger(window, "mnuEditPasteFacelets");
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(Scrambled(9)));
        s.fake.clipboard.text.clear();
        Trigger(window, "mnuEditCopyFacelets");
        QCOMPARE(s.fake.clipboard.text, scrambled);
        Trigger(window, "mnuFileNewConfiguration");
        Trigger(window, "mnuEditCopyFacelets");
        QCOMPARE(s.fake.clipboard.text, Solved);

        clsCube foreign;
        foreign.Side(side::Left).Square(0)->SetColorIndex(7);
        s.Load(foreign);
        Trigger(window, "mnuEditCopyFacelets");
        QCOMPARE(s.fake.clipboard.text, Solved);
        QCOMPARE(Messages(s.fake.messageBoxes).last(),
                 QString("!Turnix|The cube cannot be copied as facelets: a square of the Left "
                         "side shows none of the six colours."));
    }

    // A side's name brings it into view, and so does a square while a
    // solution is shown, which paints nothing; only the shown side is
    // framed.
    void theNetShowsSidesAndFramesTheShownOne() {
        Session s;
        frmTurnix& window = s.Start();
        const QColor frame = Net(window).palette().color(QPalette::Highlight);
        for (std::int16_t shown = 0; shown < 6; ++shown) {
            ClickNet(window, Net(window).Geometry().LabelRect(shown).center());
            QCOMPARE(window.CurrentSide(), shown);
            QCOMPARE(ShownSquares(window), s.Expected());
            const QImage picture = Net(window).grab().toImage();
            for (std::int16_t side = 0; side < 6; ++side) {
                const QRect block = Net(window).Geometry().SideRect(side);
                const QColor beside = picture.pixelColor(block.left() - 2, block.center().y());
                QCOMPARE(beside == frame, side == shown);
            }
        }
        const clsCube scrambled = Scrambled(4);
        s.Load(scrambled);
        Trigger(window, "mnuCubeSolve");
        QTest::mousePress(&Net(window), Qt::LeftButton, {}, Centre(window, {side::Back, 0}));
        QTest::mouseMove(&Net(window), Centre(window, {side::Back, 8}));
        QTest::mouseRelease(&Net(window), Qt::LeftButton, {}, Centre(window, {side::Back, 8}));
        QCOMPARE(window.CurrentSide(), side::Back);
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(scrambled));
    }

    // An edge painted over with a colour that makes it a second Front-Right
    // edge: the line names the counts and the duplicate, and the net rings
    // the squares of both positions. Solve still says only what it said.
    void theLineUnderTheNetSaysWhatIsWrongAndTheNetRingsThePieces() {
        Session s;
        frmTurnix& window = s.Start();
        const auto& line = Child<QLabel>(window, "lblDiagnosis");
        QCOMPARE(line.text(), QString("Ready to solve"));
        PressKeys(window, Qt::Key_6);
        ClickNet(window, Centre(window, {side::Top, 7}));
        QCOMPARE(line.text(), QString("The Top colour has 8 squares; it should have 9.\n"
                                      "The Right colour has 10 squares; it should have 9.\n"
                                      "The edge between Top and Front is also between Front "
                                      "and Right."));
        const std::set<std::pair<int, int>> ringed{{0, 7}, {2, 1}, {2, 5}, {5, 3}};
        QCOMPARE(MarkedSquares(window), ringed);
        for (std::int16_t side = 0; side < 6; ++side) {
            for (std::int16_t square = 0; square < 9; ++square) {
                QCOMPARE(MarkedInPicture(window, {side, square}), ringed.contains({side, square}));
            }
        }
        Trigger(window, "mnuCubeSolve");
        QCOMPARE(Messages(s.fake.messageBoxes), QStringList{"!Turnix|Invalid Cube Configuration"});
        QCOMPARE(line.text().count('\n'), 2);
        Trigger(window, "mnuEditUndo");
        QCOMPARE(line.text(), QString("Ready to solve"));
        QVERIFY(MarkedSquares(window).empty());
    }

    // View > Whole Cube hides and shows the panel; where it is, and whether
    // it is shown, is stored in a section of its own at exit and read at
    // start; a stored value Qt does not know leaves the panel at its start.
    void thePanelsPlaceIsRememberedApartFromTheColors() {
        const QStringList storedKeys{
            "Colors/ColorValue1", "Colors/ColorValue2", "Colors/ColorValue3", "Colors/ColorValue4",
            "Colors/ColorValue5", "Colors/ColorValue6", "Window/State"};
        QStringList keys;
        // Starts a window on what is stored, lets use do its part, exits;
        // gives what is stored then.
        const auto run = [&keys](const std::optional<QString>& stored,
                                 const std::function<void(frmTurnix&, QDockWidget&)>& use) {
            Session s;
            if (stored) {
                s.fake.settings.SetValue("Window", "State", *stored);
            }
            frmTurnix& window = s.Start();
            use(window, Child<QDockWidget>(window, "dckWholeCube"));
            Trigger(window, "mnuFileExit");
            keys.clear();
            for (const auto& [key, value] : s.fake.settings.values) {
                keys << key.first + "/" + key.second;
            }
            return s.fake.settings.Value("Window", "State").value_or(QString());
        };
        const auto placed = [](frmTurnix& window, QDockWidget& dock) {
            return QString(dock.isVisible() ? "shown " : "hidden ") +
                   (dock.isFloating() ? "floating " : "docked ") +
                   QString::number(int(window.dockWidgetArea(&dock)));
        };
        const QString atStart = "shown docked 2";

        const QString hidden = run(std::nullopt, [&](frmTurnix& window, QDockWidget& dock) {
            QCOMPARE(placed(window, dock), atStart);
            Trigger(window, "mnuViewWholeCube");
            QVERIFY(!Child<QAction>(window, "mnuViewWholeCube").isChecked());
        });
        QCOMPARE(keys, storedKeys);
        run(hidden, [&](frmTurnix& window, QDockWidget& dock) {
            QCOMPARE(placed(window, dock), QString("hidden docked 2"));
            Trigger(window, "mnuViewWholeCube");
            QCOMPARE(placed(window, dock), atStart);
        });
        const QString left = run(std::nullopt, [&](frmTurnix& window, QDockWidget& dock) {
            window.addDockWidget(Qt::LeftDockWidgetArea, &dock);
        });
        run(left, [&](frmTurnix& window, QDockWidget& dock) {
            QCOMPARE(placed(window, dock), QString("shown docked 1"));
        });

        const QByteArray state = QByteArray::fromBase64(hidden.toLatin1());
        for (const QString& garbage :
             {QString("garbage"), QString(), QString(5000, 'A'),
              QString::fromLatin1(state.left(state.size() / 2).toBase64()),
              QString::fromLatin1(state.left(state.size() - 1).toBase64()),
              QString::fromLatin1(QByteArray(state.size(), '\xff').toBase64())}) {
            run(garbage, [&](frmTurnix& window, QDockWidget& dock) {
                QCOMPARE(placed(window, dock), atStart);
                QCOMPARE(window.Colors(), DefaultScreenColors);
            });
            QCOMPARE(keys, storedKeys);
        }
    }
};

QTEST_MAIN(TestWholeCube)
#include "test_WholeCube.moc"
