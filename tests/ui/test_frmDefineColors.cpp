#include "ColorCommands.h"
#include "ColorSwatch.h"
#include "DialogScripts.h"
#include "FakePlatform.h"
#include "WindowPlacement.h"
#include "frmDefineColors.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

using Scheme = std::array<ScreenColor, 6>;

// Six distinct colours that are not the defaults.
constexpr Scheme UserColors{0x101010, 0x202020, 0x303030, 0x404040, 0x505050, 0x606060};

ColorSwatch& Swatch(const QDialog& dialog, int index) {
    return Child<ColorSwatch>(dialog, QStringLiteral("picColor%1").arg(index));
}

QPushButton& Button(const QDialog& dialog, const char* name) {
    return Child<QPushButton>(dialog, QString::fromLatin1(name));
}

Scheme SwatchColors(const QDialog& dialog) {
    Scheme colors{};
    for (int i = 0; i < 6; ++i) {
        colors.at(i) = Swatch(dialog, i).Color();
    }
    return colors;
}

} // namespace

class TestFrmDefineColors : public QObject {
    Q_OBJECT

private slots:
    void showsSixLabelledSwatchesAndThreeButtonsCentredOnTheScreen() {
        FakePlatform fake;
        frmDefineColors dialog(fake.Services());
        QCOMPARE(dialog.windowTitle(), QString("Define Colors"));
        for (int i = 0; i < 6; ++i) {
            const auto& label = Child<QLabel>(dialog, QStringLiteral("lblDefineColors%1").arg(i));
            QCOMPARE(label.text(), QStringLiteral("Color %1:").arg(i + 1));
            QCOMPARE(label.buddy(), &Swatch(dialog, i));
        }
        QCOMPARE(Button(dialog, "cmdOK").text(), QString("OK"));
        QCOMPARE(Button(dialog, "cmdCancel").text(), QString("Cancel"));
        QCOMPARE(Button(dialog, "cmdDefaults").text(), QString("Defaults"));
        QVERIFY(Button(dialog, "cmdOK").isDefault());
        QVERIFY(!dialog.OK());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(dialog.pos(), CenteredIn(dialog.size(), screen));
    }

    void defaultsThenOkGivesTheDefaultScheme() {
        FakePlatform fake;
        fake.modalRunner.scripts.push_back([](QDialog& dialog) {
            dialog.show();
            Click(Button(dialog, "cmdDefaults"));
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.focusWidget(), &Button(dialog, "cmdOK"));
            Click(Button(dialog, "cmdOK"));
            QVERIFY(!dialog.isVisible());
        });
        const auto chosen = DefineColors(fake.Services(), nullptr, UserColors);
        QCOMPARE(fake.modalRunner.titles, QStringList{"Define Colors"});
        QVERIFY(chosen.has_value());
        QCOMPARE(*chosen, (Scheme{0xC00000, 0xFFFFFF, 0x0080FF, 0x0000FF, 0x00C000, 0x00FFFF}));
        QVERIFY(fake.messageBoxes.shown.empty());
    }

    void aChosenColorGoesIntoTheClickedSwatchOnly() {
        FakePlatform fake;
        fake.colorChooser.answers.push_back(QColor(0x12, 0x34, 0x56));
        fake.modalRunner.scripts.push_back([](QDialog& dialog) {
            Click(Swatch(dialog, 4));
            Click(Button(dialog, "cmdOK"));
        });
        Scheme expected = UserColors;
        expected.at(4) = 0x563412;
        QCOMPARE(DefineColors(fake.Services(), nullptr, UserColors), std::optional(expected));
        QCOMPARE(fake.colorChooser.initialColors.size(), std::size_t{1});
        QCOMPARE(fake.colorChooser.initialColors.front(), ToQColor(UserColors.at(4)));
    }

    void aCancelledChooserKeepsTheSwatch() {
        FakePlatform fake; // the chooser has no answer: the user cancels it
        fake.modalRunner.scripts.push_back([](QDialog& dialog) {
            Click(Swatch(dialog, 2));
            QCOMPARE(Swatch(dialog, 2).Color(), UserColors.at(2));
            Click(Button(dialog, "cmdOK"));
        });
        QCOMPARE(DefineColors(fake.Services(), nullptr, UserColors), std::optional(UserColors));
        QCOMPARE(fake.colorChooser.initialColors.size(), std::size_t{1});
        QVERIFY(fake.messageBoxes.shown.empty());
    }

    void aDoubleClickOnASwatchOpensTheChooserOnce() {
        FakePlatform fake;
        fake.colorChooser.answers.push_back(QColor(0x00, 0x00, 0x01));
        fake.modalRunner.scripts.push_back([](QDialog& dialog) {
            DoubleClick(Swatch(dialog, 0));
            Click(Button(dialog, "cmdOK"));
        });
        const auto chosen = DefineColors(fake.Services(), nullptr, UserColors);
        QCOMPARE(fake.colorChooser.initialColors.size(), std::size_t{1});
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->at(0), 0x010000);
    }

    void duplicatesShowTheMessageAndKeepTheDialogOpenWithTheUsersColors() {
        FakePlatform fake;
        fake.colorChooser.answers.push_back(ToQColor(UserColors.at(0)));
        fake.colorChooser.answers.push_back(QColor(0xAB, 0xCD, 0xEF));
        fake.modalRunner.scripts.push_back([&fake](QDialog& dialog) {
            dialog.show();
            Click(Swatch(dialog, 5));
            Click(Button(dialog, "cmdOK"));

            QCOMPARE(fake.messageBoxes.shown.size(), std::size_t{1});
            const auto& message = fake.messageBoxes.shown.front();
            QCOMPARE(message.strTitle, QString("Turnix"));
            QCOMPARE(message.strText, QString("Error: All colors must be unique"));
            QCOMPARE(message.icon, MessageIcon::None);
            QVERIFY(dialog.isVisible());
            QVERIFY(!static_cast<frmDefineColors&>(dialog).OK());
            Scheme duplicated = UserColors;
            duplicated.at(5) = UserColors.at(0);
            QCOMPARE(SwatchColors(dialog), duplicated);

            Click(Swatch(dialog, 5));
            Click(Button(dialog, "cmdOK"));
            QVERIFY(!dialog.isVisible());
        });
        Scheme expected = UserColors;
        expected.at(5) = 0xEFCDAB;
        QCOMPARE(DefineColors(fake.Services(), nullptr, UserColors), std::optional(expected));
        QCOMPARE(fake.messageBoxes.shown.size(), std::size_t{1});
    }

    void cancelAfterChangesChangesNothing() {
        FakePlatform fake;
        fake.colorChooser.answers.push_back(QColor(Qt::magenta));
        fake.modalRunner.scripts.push_back([](QDialog& dialog) {
            dialog.show();
            Click(Swatch(dialog, 1));
            Click(Button(dialog, "cmdDefaults"));
            Click(Button(dialog, "cmdCancel"));
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(DefineColors(fake.Services(), nullptr, UserColors), std::nullopt);
    }

    void escapeAndClosingFromTheFrameChangeNothing() {
        FakePlatform fake;
        fake.modalRunner.scripts.push_back([](QDialog& dialog) {
            dialog.show();
            Click(Button(dialog, "cmdDefaults"));
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(DefineColors(fake.Services(), nullptr, UserColors), std::nullopt);
        // No script left: the runner closes the dialog from its frame.
        QCOMPARE(DefineColors(fake.Services(), nullptr, UserColors), std::nullopt);
        QCOMPARE(fake.modalRunner.titles.size(), 2);
    }
};

QTEST_MAIN(TestFrmDefineColors)
#include "test_frmDefineColors.moc"
