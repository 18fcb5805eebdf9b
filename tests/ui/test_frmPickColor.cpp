#include "ColorCommands.h"
#include "ColorSwatch.h"
#include "DialogScripts.h"
#include "FakePlatform.h"
#include "frmPickColor.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

using Scheme = std::array<ScreenColor, 6>;

constexpr Scheme Colors{0x101010, 0x202020, 0x303030, 0x404040, 0x505050, 0x606060};

ColorSwatch& Swatch(const QDialog& dialog, int index) {
    return Child<ColorSwatch>(dialog, QStringLiteral("picColor%1").arg(index));
}

ColorSwatch& CurrentColor(const QDialog& dialog) {
    return Child<ColorSwatch>(dialog, QStringLiteral("picCurrentColor"));
}

QPushButton& Button(const QDialog& dialog, const char* name) {
    return Child<QPushButton>(dialog, QString::fromLatin1(name));
}

QPoint ScreenMiddle() {
    return QGuiApplication::primaryScreen()->availableGeometry().center();
}

// Runs the pick command for a square of colour index current with one script.
std::optional<std::int16_t> Pick(FakePlatform& fake, std::int16_t current,
                                 FakeModalRunner::Script script) {
    fake.modalRunner.scripts.push_back(std::move(script));
    return PickColor(fake.Services(), nullptr, current, Colors, ScreenMiddle());
}

} // namespace

class TestFrmPickColor : public QObject {
    Q_OBJECT

private slots:
    void showsSixSwatchesTheCurrentColorAndTwoButtons() {
        FakePlatform fake;
        frmPickColor dialog(fake.Services());
        QCOMPARE(dialog.windowTitle(), QString("Pick a Color"));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(Swatch(dialog, i).Color(), DefaultScreenColors.at(i));
        }
        QCOMPARE(Child<QLabel>(dialog, "lblCurrentColor").text(), QString("Current Color:"));
        QCOMPARE(Button(dialog, "cmdOK").text(), QString("OK"));
        QCOMPARE(Button(dialog, "cmdCancel").text(), QString("Cancel"));
        QVERIFY(Button(dialog, "cmdOK").isDefault());
        QVERIFY(!dialog.OK());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, dialog.SetColor(6, 0));
    }

    void theCurrentColorShowsTheSquaresColorOnEntry() {
        FakePlatform fake;
        const auto picked = Pick(fake, 4, [](QDialog& dialog) {
            QCOMPARE(Swatch(dialog, 4).Color(), Colors.at(4));
            QCOMPARE(CurrentColor(dialog).Color(), Colors.at(4));
        });
        QCOMPARE(picked, std::nullopt);
        QCOMPARE(fake.modalRunner.titles, QStringList{"Pick a Color"});
    }

    void clickingSwatchThreeThenOkOnASquareOfColorOneGivesThree() {
        FakePlatform fake;
        const auto picked = Pick(fake, 1, [](QDialog& dialog) {
            dialog.show();
            Click(Swatch(dialog, 3));
            QVERIFY(dialog.isVisible());
            QCOMPARE(CurrentColor(dialog).Color(), Colors.at(3));
            QCOMPARE(dialog.focusWidget(), &Button(dialog, "cmdOK"));
            Click(Button(dialog, "cmdOK"));
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(picked, std::optional<std::int16_t>(3));
    }

    void theKeyboardSelectsWithSpaceAndConfirmsWithEnter() {
        FakePlatform fake;
        const auto picked = Pick(fake, 0, [](QDialog& dialog) {
            dialog.show();
            Swatch(dialog, 4).setFocus();
            QTest::keyClick(&Swatch(dialog, 4), Qt::Key_Space);
            QCOMPARE(CurrentColor(dialog).Color(), Colors.at(4));
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Enter);
        });
        QCOMPARE(picked, std::optional<std::int16_t>(4));
    }

    void doubleClickingAnotherColorChoosesItAtOnce() {
        FakePlatform fake;
        const auto picked = Pick(fake, 1, [](QDialog& dialog) {
            dialog.show();
            DoubleClick(Swatch(dialog, 0));
            QVERIFY(!dialog.isVisible());
            QCOMPARE(CurrentColor(dialog).Color(), Colors.at(0));
        });
        QCOMPARE(picked, std::optional<std::int16_t>(0));
    }

    void doubleClickingTheCurrentColorChangesNothing() {
        FakePlatform fake;
        const auto picked = Pick(fake, 1, [](QDialog& dialog) {
            DoubleClick(Swatch(dialog, 1));
            const auto& pick = static_cast<const frmPickColor&>(dialog);
            QVERIFY(pick.OK());
            QCOMPARE(pick.Index(), std::int16_t{1});
        });
        QCOMPARE(picked, std::nullopt);
    }

    void plainOkConfirmsTheSquaresOwnColor() {
        FakePlatform fake;
        frmPickColor dialog(fake.Services());
        dialog.SetIndex(4);
        Click(Button(dialog, "cmdOK"));
        QVERIFY(dialog.OK());
        QCOMPARE(dialog.Index(), std::int16_t{4});

        const auto picked = Pick(fake, 4, [](QDialog& shown) { Click(Button(shown, "cmdOK")); });
        QCOMPARE(picked, std::nullopt);
    }

    void cancelAfterAClickChangesNothing() {
        FakePlatform fake;
        frmPickColor dialog(fake.Services());
        dialog.SetIndex(1);
        Click(Swatch(dialog, 3));
        Click(Button(dialog, "cmdCancel"));
        QVERIFY(!dialog.OK());
        QCOMPARE(dialog.Index(), std::int16_t{1});

        const auto picked = Pick(fake, 1, [](QDialog& shown) {
            Click(Swatch(shown, 3));
            Click(Button(shown, "cmdCancel"));
        });
        QCOMPARE(picked, std::nullopt);
    }

    void escapeAndClosingFromTheFrameChangeNothing() {
        FakePlatform fake;
        QCOMPARE(Pick(fake, 1,
                      [](QDialog& dialog) {
                          dialog.show();
                          Click(Swatch(dialog, 3));
                          QTest::keyClick(&dialog, Qt::Key_Escape);
                      }),
                 std::nullopt);
        // No script left: the runner closes the dialog from its frame.
        QCOMPARE(PickColor(fake.Services(), nullptr, 1, Colors, ScreenMiddle()), std::nullopt);
    }

    void aSquareWithoutAColorShowsNeutralAndGetsOneOnlyWhenPicked() {
        FakePlatform fake;
        QCOMPARE(Pick(fake, 7,
                      [](QDialog& dialog) {
                          QCOMPARE(CurrentColor(dialog).Color(), FromQColor(NeutralSquareColor));
                          Click(Button(dialog, "cmdOK"));
                      }),
                 std::nullopt);
        QCOMPARE(Pick(fake, -1,
                      [](QDialog& dialog) {
                          Click(Swatch(dialog, 2));
                          Click(Button(dialog, "cmdOK"));
                      }),
                 std::optional<std::int16_t>(2));
    }

    void theDialogOpensBesideThePointer() {
        FakePlatform fake;
        frmPickColor dialog(fake.Services());
        const QPoint pointer = ScreenMiddle() - QPoint(dialog.width(), dialog.height());
        dialog.PlaceNearPointer(pointer);
        QVERIFY(dialog.pos().x() > pointer.x() && dialog.pos().x() < pointer.x() + 10);
        QVERIFY(dialog.pos().y() > pointer.y() && dialog.pos().y() < pointer.y() + 10);
    }

    void theDialogStaysOnTheScreenNearItsEdges() {
        FakePlatform fake;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (const QPoint pointer : {screen.bottomRight(), screen.topRight(), screen.bottomLeft(),
                                     screen.bottomRight() + QPoint(40, 40)}) {
            frmPickColor dialog(fake.Services());
            dialog.PlaceNearPointer(pointer);
            QVERIFY2(screen.contains(dialog.geometry()),
                     qPrintable(QStringLiteral("pointer %1,%2").arg(pointer.x()).arg(pointer.y())));
        }
    }
};

QTEST_MAIN(TestFrmPickColor)
#include "test_frmPickColor.moc"
