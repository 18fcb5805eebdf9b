// The "Whole Cube" panel. The unfolded cube's layout: every square found
// where it is drawn, and squares side by side across an edge of the net are
// side by side on the cube. Then the panel in the main window: the net's
// keyboard and frame, the facelet clipboard, what is wrong, and the
// panel's place. The stress test paints, pastes, undoes and redoes at
// random.

#include "Facelets.h"
#include "Pieces.h"
#include "WindowTestSupport.h"
#include "wholecube/CubeNet.h"
#include "wholecube/NetGeometry.h"

#include <QDockWidget>
#include <QtTest>
#include <map>
#include <set>

using namespace turnix;
using namespace turnix::test;

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

// Keys reach the window's shortcuts only while it is active.
void PressKeys(frmTurnix& window, const QKeySequence& keys) {
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keySequence(Focused(), keys);
}

bool MarkedInPicture(const QWidget& window, SquareAt at) {
    return ShowsMark(Net(window).grab().toImage(), Net(window).Geometry().SquareRect(at));
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

    // On the focused net the arrow keys move a marked cursor, Space paints
    // and Enter shows the side, and the net keeps the focus; Undo and Redo
    // work by their keys wherever the focus rests.
    void theKeyboardPaintsOnTheNetAndUndoes() {
        Session s;
        frmTurnix& window = s.Start();
        PressKeys(window, Qt::Key_4);
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
        QCOMPARE(Focused(), &Net(window));

        PressKeys(window, QKeySequence::Undo);
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
        s.Resting().setFocus();
        PressKeys(window, QKeySequence::Redo);
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(expected));
    }

    // Named by its first bad position; the cube and its history stay.
    void pastingAStringThatIsNoCubeSaysWhy_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        const QString letters = " is not one of the letters U R F D L B.";
        QTest::newRow("lower case") << Solved.toLower() << "Position 1: 'u'" + letters;
        QTest::newRow("tab") << Solved.left(20) + "\t" + Solved.mid(21)
                             << "Position 21: byte 0x09" + letters;
        QTest::newRow("short") << Solved.left(3)
                               << "A facelet string has 54 letters, this one has 3.";
        QTest::newRow("blank") << " \n "
                               << "A facelet string has 54 letters, this one has 0.";
    }

    void pastingAStringThatIsNoCubeSaysWhy() {
        QFETCH(QString, text);
        QFETCH(QString, reason);
        Session s;
        frmTurnix& window = s.Start();
        s.Load(Scrambled(1));
        s.fake.clipboard.text = text;
        Trigger(window, "mnuEditPasteFacelets");
        QCOMPARE(Messages(s.fake.messageBoxes),
                 QStringList{"!Turnix|The clipboard holds no facelet string.\n\n" + reason});
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(Scrambled(1)));
        QCOMPARE(Child<QAction>(window, "mnuEditUndo").text(), QString("&Undo Open Configuration"));
    }

    // White space around a good string is dropped; Copy gives the exact
    // string back, or says why it cannot.
    void copyAndPasteGiveTheExactString() {
        Session s;
        frmTurnix& window = s.Start();
        const QString scrambled = QString::fromStdString(FaceletString(Scrambled(9)));
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
        QCOMPARE(Messages(s.fake.messageBoxes),
                 QStringList{"!Turnix|The cube cannot be copied as facelets: a square of the Left "
                             "side shows none of the six colours."});
    }

    // A side's name brings it into view; only the shown side is framed.
    void theNetFramesTheShownSide() {
        Session s;
        frmTurnix& window = s.Start();
        const QColor frame = Net(window).palette().color(QPalette::Highlight);
        for (std::int16_t shown = 0; shown < 6; ++shown) {
            ClickNet(window, Net(window).Geometry().LabelRect(shown).center());
            QCOMPARE(window.CurrentSide(), shown);
            const QImage picture = Net(window).grab().toImage();
            for (std::int16_t side = 0; side < 6; ++side) {
                const QRect block = Net(window).Geometry().SideRect(side);
                const QColor beside = picture.pixelColor(block.left() - 2, block.center().y());
                QCOMPARE(beside == frame, side == shown);
            }
        }
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
        QCOMPARE(line.text(), QString("Blue has 8 squares; it should have 9.\n"
                                      "Yellow has 10 squares; it should have 9.\n"
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
