// The next turn of a solution, drawn before it is made: the exact words
// under the grid for the side facing away, the place of that line, and
// clicks through the arrows. The stress test follows the arrows through
// every step.

#include "Facelets.h"
#include "FollowTestSupport.h"

#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

// Solved by the layer solver as F2 U2 R' U2 B R ...
const QString Facelets = "DRLUUBFBRBLURRLRUBLRDDFDLFUFUFFDBRDUBRUFLLFDDBFLUBLRBD";

} // namespace

class TestFrmTurnixNextTurn : public QObject {
    Q_OBJECT

private slots:
    void init() { s.emplace(); }
    void cleanup() { s.reset(); }

    // The fifth step turns the back side: named under the grid, which stays
    // where it was. (What the grid, the net and the note show at each step
    // is the stress test's.)
    void aTurnOfTheSideFacingAwayIsNamedUnderTheGrid() {
        s->Start();
        s->fake.clipboard.text = Facelets;
        Trigger(Window(), "mnuEditPasteFacelets");
        const auto& grid = Child<QWidget>(Window(), "Shape1");
        const QRect place = grid.geometry();
        Trigger(Window(), "mnuCubeSolve");
        s->Steps(4);
        QVERIFY(!Child<QLabel>(Window(), "lblNextTurn").text().isEmpty());
        QCOMPARE(grid.geometry(), place);

        // At the window's smallest the note still has its line, between the
        // grid's area and the solution frame.
        Window().resize(Window().minimumSizeHint());
        QCoreApplication::processEvents();
        const auto& note = Child<QLabel>(Window(), "lblNextTurn");
        const QRect between(Child<QWidget>(Window(), "SideView").geometry().bottomLeft(),
                            Child<QWidget>(Window(), "fraSolution").geometry().topRight());
        QVERIFY(note.height() >= note.fontMetrics().height());
        QVERIFY(between.contains(note.geometry()));
    }

    // Drawn over the squares, the arrows take no click away from them.
    void theArrowsCoverTheGridAndLetClicksThrough() {
        s->Start();
        Window().resize(900, 700);
        QTest::qWait(20);
        const auto& grid = Child<QWidget>(Window(), "Shape1");
        QCOMPARE(Child<TurnHintOverlay>(Window(), "gridTurnHint").geometry(), grid.rect());
        for (int i = 0; i < 9; ++i) {
            auto& square = Child<QPushButton>(Window(), QString("cmdColor%1").arg(i));
            QCOMPARE(grid.childAt(square.geometry().center()), &square);
        }
    }

private:
    frmTurnix& Window() { return *s->window; }
    void Click(const char* name) { Child<QPushButton>(Window(), name).click(); }

    std::optional<Session> s;
};

QTEST_MAIN(TestFrmTurnixNextTurn)
#include "test_frmTurnixNextTurn.moc"
