#include "ColorCommands.h"
#include "ColorSwatch.h"
#include "DialogScripts.h"
#include "FakePlatform.h"
#include "frmDefineColors.h"

#include <QPushButton>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

using Scheme = std::array<ScreenColor, 6>;

// Six distinct colours that are not the defaults.
constexpr Scheme UserColors{0x101010, 0x202020, 0x303030, 0x404040, 0x505050, 0x606060};

ColorSwatch& Swatch(const QDialog& dialog, int index) {
    return Child<ColorSwatch>(dialog, QString("picColor%1").arg(index));
}

// Runs "Define Colors" on UserColors with one script.
std::optional<Scheme> Define(FakePlatform& fake, FakeModalRunner::Script script) {
    fake.modalRunner.scripts.push_back(std::move(script));
    return DefineColors(fake.Services(), nullptr, UserColors);
}

} // namespace

class TestFrmDefineColors : public QObject {
    Q_OBJECT

private slots:
    void showsSixLabelledSwatchesAndThreeButtonsCentredOnTheScreen() {
        FakePlatform fake;
        const frmDefineColors dialog(fake.Services());
        QCOMPARE(Captions(dialog, {"lblDefineColors0", "lblDefineColors1", "lblDefineColors2",
                                   "lblDefineColors3", "lblDefineColors4", "lblDefineColors5",
                                   "cmdDefaults", "cmdOK", "cmdCancel"}),
                 QString("Define Colors|Color 1:|Color 2:|Color 3:|Color 4:|Color 5:|Color 6:|"
                         "Defaults|OK|Cancel"));
        QCOMPARE(Child<QLabel>(dialog, "lblDefineColors5").buddy(), &Swatch(dialog, 5));
        QVERIFY(Child<QPushButton>(dialog, "cmdOK").isDefault());
        QVERIFY(IsCentred(dialog));
    }

    void defaultsThenOkGivesTheDefaultScheme() {
        FakePlatform fake;
        const auto chosen = Define(fake, [](QDialog& dialog) {
            dialog.show();
            Click(Child<QWidget>(dialog, "cmdDefaults"));
            Click(Child<QWidget>(dialog, "cmdOK"));
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(chosen,
                 std::optional(Scheme{0xC00000, 0xFFFFFF, 0x0080FF, 0x0000FF, 0x00C000, 0x00FFFF}));
        QCOMPARE(fake.modalRunner.titles, QStringList{"Define Colors"});
    }

    // A double click opens the chooser once, starting from the swatch's
    // colour; a cancelled chooser keeps the swatch.
    void aChosenColorGoesIntoTheClickedSwatchOnly() {
        FakePlatform fake;
        fake.colorChooser.answers = {QColor(0x12, 0x34, 0x56), std::nullopt};
        const auto chosen = Define(fake, [](QDialog& dialog) {
            DoubleClick(Swatch(dialog, 4));
            Click(Swatch(dialog, 2));
            Click(Child<QWidget>(dialog, "cmdOK"));
        });
        Scheme expected = UserColors;
        expected.at(4) = 0x563412;
        QCOMPARE(chosen, std::optional(expected));
        QCOMPARE(fake.colorChooser.initialColors,
                 (std::vector{ToQColor(UserColors.at(4)), ToQColor(UserColors.at(2))}));
    }

    void duplicatesShowTheMessageAndKeepTheDialogOpenWithTheUsersColors() {
        FakePlatform fake;
        fake.colorChooser.answers = {ToQColor(UserColors.at(0)), QColor(0xAB, 0xCD, 0xEF)};
        const auto chosen = Define(fake, [&fake](QDialog& dialog) {
            dialog.show();
            Click(Swatch(dialog, 5));
            Click(Child<QWidget>(dialog, "cmdOK"));

            QCOMPARE(fake.messageBoxes.shown.size(), std::size_t{1});
            const auto& message = fake.messageBoxes.shown.front();
            QCOMPARE(message.strTitle + "|" + message.strText,
                     QString("Turnix|Error: All colors must be unique"));
            QCOMPARE(message.icon, MessageIcon::None);
            QVERIFY(dialog.isVisible());
            for (int i = 0; i < 6; ++i) {
                QCOMPARE(Swatch(dialog, i).Color(), UserColors.at(i == 5 ? 0 : i));
            }
            Click(Swatch(dialog, 5));
            Click(Child<QWidget>(dialog, "cmdOK"));
        });
        Scheme expected = UserColors;
        expected.at(5) = 0xEFCDAB;
        QCOMPARE(chosen, std::optional(expected));
        QCOMPARE(fake.messageBoxes.shown.size(), std::size_t{1});
    }

    // Cancel, Escape or the frame, after changes.
    void leavingWithoutOkChangesNothing() {
        FakePlatform fake;
        fake.colorChooser.answers = {QColor(Qt::magenta)};
        QCOMPARE(Define(fake,
                        [](QDialog& dialog) {
                            Click(Swatch(dialog, 1));
                            Click(Child<QWidget>(dialog, "cmdCancel"));
                        }),
                 std::nullopt);
        QCOMPARE(Define(fake,
                        [](QDialog& dialog) {
                            dialog.show();
                            Click(Child<QWidget>(dialog, "cmdDefaults"));
                            QTest::keyClick(&dialog, Qt::Key_Escape);
                        }),
                 std::nullopt);
        // No script left: the runner closes the dialog from its frame.
        QCOMPARE(DefineColors(fake.Services(), nullptr, UserColors), std::nullopt);
    }
};

QTEST_MAIN(TestFrmDefineColors)
#include "test_frmDefineColors.moc"
