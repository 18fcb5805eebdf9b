#include "ColorCommands.h"
#include "ColorSwatch.h"
#include "DialogScripts.h"
#include "FakePlatform.h"
#include "frmPickColor.h"

#include <QPushButton>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

// The main window's tests cover clicks, OK, Cancel and a double click on the
// square's own colour; these cover what the window cannot see.

namespace {

constexpr std::array<ScreenColor, 6> Colors{0x101010, 0x202020, 0x303030,
                                            0x404040, 0x505050, 0x606060};

ColorSwatch& Swatch(const QDialog& dialog, const QString& name) {
    return Child<ColorSwatch>(dialog, name);
}

QRect Screen() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Runs the pick command for a square of colour index current with one script.
std::optional<std::int16_t> Pick(std::int16_t current, FakeModalRunner::Script script) {
    FakePlatform fake;
    fake.modalRunner.scripts.push_back(std::move(script));
    return PickColor(fake.Services(), nullptr, current, Colors, Screen().center());
}

} // namespace

class TestFrmPickColor : public QObject {
    Q_OBJECT

private slots:
    void showsTheSchemeAndTheSquaresColorOnEntry() {
        QCOMPARE(Pick(4,
                      [](QDialog& dialog) {
                          QCOMPARE(Captions(dialog, {"lblCurrentColor", "cmdOK", "cmdCancel"}),
                                   QString("Pick a Color|Current Color:|OK|Cancel"));
                          QVERIFY(Child<QPushButton>(dialog, "cmdOK").isDefault());
                          for (int i = 0; i < 6; ++i) {
                              QCOMPARE(Swatch(dialog, QString("picColor%1").arg(i)).Color(),
                                       Colors.at(i));
                          }
                          QCOMPARE(Swatch(dialog, "picCurrentColor").Color(), Colors.at(4));
                          Click(Swatch(dialog, "picColor1"));
                          QCOMPARE(Swatch(dialog, "picCurrentColor").Color(), Colors.at(1));
                          QTest::keyClick(&dialog, Qt::Key_Escape);
                      }),
                 std::nullopt);
    }

    void theKeyboardSelectsWithSpaceAndConfirmsWithEnter() {
        QCOMPARE(Pick(0,
                      [](QDialog& dialog) {
                          dialog.show();
                          Swatch(dialog, "picColor4").setFocus();
                          QTest::keyClick(&Swatch(dialog, "picColor4"), Qt::Key_Space);
                          QTest::keyClick(dialog.focusWidget(), Qt::Key_Enter);
                      }),
                 std::optional<std::int16_t>(4));
    }

    void doubleClickingAnotherColorChoosesItAtOnce() {
        QCOMPARE(Pick(1,
                      [](QDialog& dialog) {
                          dialog.show();
                          DoubleClick(Swatch(dialog, "picColor0"));
                          QVERIFY(!dialog.isVisible());
                      }),
                 std::optional<std::int16_t>(0));
    }

    void aSquareWithoutAColorShowsNeutralAndGetsOneOnlyWhenPicked() {
        QCOMPARE(Pick(7,
                      [](QDialog& dialog) {
                          QCOMPARE(Swatch(dialog, "picCurrentColor").Color(),
                                   FromQColor(NeutralSquareColor));
                          Click(Child<QWidget>(dialog, "cmdOK"));
                      }),
                 std::nullopt);
        QCOMPARE(Pick(-1,
                      [](QDialog& dialog) {
                          Click(Swatch(dialog, "picColor2"));
                          Click(Child<QWidget>(dialog, "cmdOK"));
                      }),
                 std::optional<std::int16_t>(2));
    }

    // Just beside the pointer, and wholly on the screen near its edges.
    void theDialogOpensBesideThePointer() {
        FakePlatform fake;
        frmPickColor dialog(fake.Services());
        const QPoint pointer = Screen().center();
        dialog.PlaceNearPointer(pointer);
        const QPoint offset = dialog.pos() - pointer;
        QVERIFY(offset.x() > 0 && offset.x() < 10 && offset.y() > 0 && offset.y() < 10);
        for (const QPoint corner : {Screen().bottomRight(), Screen().topRight(),
                                    Screen().bottomLeft() + QPoint(-40, 40)}) {
            dialog.PlaceNearPointer(corner);
            QVERIFY(Screen().contains(dialog.geometry()));
        }
    }
};

QTEST_MAIN(TestFrmPickColor)
#include "test_frmPickColor.moc"
