#include "WindowTestSupport.h"
#include "accessibility/Announcement.h"
#include "mainwindow/ColorSquare.h"
#include "view3d/CubeView3D.h"
#include "wholecube/ColorPalette.h"
#include "wholecube/CubeNet.h"
#include "wholecube/WholeCubePanel.h"

#include <QAccessible>
#include <QLabel>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

const QStringList Sides{"Top", "Bottom", "Front", "Back", "Left", "Right"};
const QStringList Places{"top left", "top",         "top right", "left",        "centre",
                         "right",    "bottom left", "bottom",    "bottom right"};
// The default scheme's colours, by colour index.
const QStringList Colours{"blue", "white", "orange", "red", "green", "yellow"};

QString Spoken(std::int16_t s, std::int16_t q, const clsCube& cube) {
    return QString("%1 side, %2 square: %3")
        .arg(Sides.at(s), Places.at(q), Colours.at(cube.Side(s).Square(q)->ColorIndex()));
}

QString Name(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    // Every side in turn on a scrambled cube: the nine squares of the grid
    // and the 54 of the net and of the 3-D view say where they are and what
    // colour they show; the 3-D view's already while a turn still moves.
    void everySquareIsNamedAfterTheCube() {
        Session s;
        frmTurnix& window = s.Start();
        const clsCube cube = Scrambled(11);
        s.Load(cube);
        auto& net = Child<CubeNet>(window, "WholeCubeNet");
        QAccessibleInterface* netFace = QAccessible::queryAccessibleInterface(&net);
        QCOMPARE(netFace->childCount(), 54);
        const QRect netRect(net.mapToGlobal(QPoint(0, 0)), net.size());
        auto& view = Child<CubeView3D>(window, "CubeView3D");
        QAccessibleInterface* viewFace = QAccessible::queryAccessibleInterface(&view);
        QCOMPARE(viewFace->childCount(), 54);
        const QRect viewRect(view.mapToGlobal(QPoint(0, 0)), view.size());
        for (std::int16_t side = 0; side < 6; ++side) {
            Trigger(window, "mnuSideShow" + Sides.at(side));
            for (std::int16_t q = 0; q < 9; ++q) {
                QCOMPARE(Name(&s.Button(QString("cmdColor%1").arg(q))), Spoken(side, q, cube));
                QAccessibleInterface* square = netFace->child(side * 9 + q);
                QCOMPARE(square->text(QAccessible::Name), Spoken(side, q, cube));
                QCOMPARE(square->parent(), netFace);
                QCOMPARE(netFace->indexOfChild(square), side * 9 + q);
                QVERIFY(netRect.contains(square->rect()));
                QCOMPARE(netFace->childAt(square->rect().center().x(), square->rect().center().y()),
                         square);
                QAccessibleInterface* sticker = viewFace->child(side * 9 + q);
                QCOMPARE(sticker->text(QAccessible::Name), Spoken(side, q, cube));
                QVERIFY(!sticker->rect().isEmpty() && viewRect.contains(sticker->rect()));
            }
        }
        Trigger(window, "mnuSideTurnTopClockwise");
        QVERIFY(view.Turning());
        for (std::int16_t item = 0; item < 54; ++item) {
            QCOMPARE(viewFace->child(item)->text(QAccessible::Name),
                     Spoken(std::int16_t(item / 9), std::int16_t(item % 9), window.Cube()));
        }
        auto& palette = Child<ColorPalette>(window, "WholeCubePalette");
        QAccessibleInterface* swatches = QAccessible::queryAccessibleInterface(&palette);
        QCOMPARE(swatches->childCount(), 6);
        for (int i = 0; i < 6; ++i) {
            const QString name = QString("Colour %1: %2").arg(i + 1).arg(Colours.at(i));
            QCOMPARE(swatches->child(i)->text(QAccessible::Name),
                     i == 0 ? name + ", selected" : name);
        }
    }

    // Each change of the findings is announced once, on the findings line;
    // a cube that leaves them as they are says nothing.
    void theFindingsAreAnnouncedWhenTheyChange() {
        static QList<QPair<QObject*, QAccessible::Event>> heard;
        const AnnouncementHandler before = InstallAnnouncementHandler([](QAccessibleEvent* e) {
            heard.append({e->object(), e->type()});
        });
        Session s;
        frmTurnix& window = s.Start();
        QObject* findings = &Child<QLabel>(window, "lblDiagnosis");
        clsCube wrong;
        wrong.Side(side::Front).Square(0)->SetColorIndex(side::Top);
        const QString oneWrong = s.Saved(wrong);
        wrong.Side(side::Back).Square(8)->SetColorIndex(side::Top);
        const QString twoWrong = s.Saved(wrong);
        const QString solved = s.Saved(clsCube());
        for (const auto& [file, announced] :
             {std::pair{oneWrong, 1}, {oneWrong, 0}, {twoWrong, 1}, {solved, 1}}) {
            heard.clear();
            s.Open(file);
            QCOMPARE(heard, (QList<QPair<QObject*, QAccessible::Event>>(
                                announced, {findings, QAccessible::NameChanged})));
        }
        InstallAnnouncementHandler(before);
    }

    // Off at first; then the side each colour belongs to, then its initial,
    // the same on the grid and the net, and kept for the next start. The
    // cube is turned over, so that colours and sides part company.
    void sideLettersFollowTheChoice() {
        Session s;
        frmTurnix& window = s.Start();
        s.Load(Scrambled(5));
        Trigger(window, "mnuCubeRotateUp");
        const clsCube& cube = window.Cube();
        auto& net = Child<CubeNet>(window, "WholeCubeNet");
        const auto letters = [&] {
            QString shown;
            for (int q = 0; q < 9; ++q) {
                shown += Child<ColorSquare>(window, QString("cmdColor%1").arg(q)).Letter();
            }
            return shown;
        };
        const auto expected = [&](const QString& byColour) {
            QString shown;
            for (std::int16_t q = 0; q < 9; ++q) {
                shown += byColour.at(cube.Side(side::Front).Square(q)->ColorIndex());
            }
            return shown;
        };
        // The letter of the side whose centre shows each colour.
        QString bySide(6, ' ');
        for (std::int16_t side = 0; side < 6; ++side) {
            bySide[cube.Side(side).Square(4)->ColorIndex()] = QString("UDFBLR").at(side);
        }
        QCOMPARE(letters(), QString());
        QCOMPARE(net.Letters(), SquareLetters::None);

        Trigger(window, "mnuViewShowSideLetters");
        QVERIFY(bySide != "UDFBLR");
        QCOMPARE(letters(), expected(bySide));
        QCOMPARE(net.Letters(), SquareLetters::Sides);

        Trigger(window, "mnuViewLettersOfColours");
        QCOMPARE(letters(), expected("BWORGY"));
        QCOMPARE(net.Letters(), SquareLetters::ColourInitials);
        window.close();

        s.window.reset();
        frmTurnix& again = s.Start();
        QVERIFY(Child<QAction>(again, "mnuViewShowSideLetters").isChecked());
        QCOMPARE(Child<CubeNet>(again, "WholeCubeNet").Letters(), SquareLetters::ColourInitials);
        Trigger(again, "mnuViewShowSideLetters");
        QCOMPARE(Child<CubeNet>(again, "WholeCubeNet").Letters(), SquareLetters::None);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_Accessibility.moc"
