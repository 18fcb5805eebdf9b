// "Define Colors" and "Pick a Color", each run the way the main window runs
// it (the stress test covers the pick dialog's OK, Cancel and a double
// click on the square's own colour); "About Turnix" and the instructions
// window, whose Help menu, reloading and closing with the main window are
// the main window's tests.

#include "DialogScripts.h"
#include "FakePlatform.h"
#include "TurnixVersion.h"
#include "appearance/CubeColorNames.h"
#include "dialogs/ColorCommands.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmInstructions.h"
#include "dialogs/frmPickColor.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

QTextBrowser& View(const QWidget& window) {
    return Child<QTextBrowser>(window, "rtxInstructions");
}

bool HasBoldRun(const QTextDocument& document, const QString& text) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text() == text &&
                it.fragment().charFormat().fontWeight() >= QFont::Bold) {
                return true;
            }
        }
    }
    return false;
}

using Script = FakeModalRunner::Script;

// Six distinct colours that are not the defaults.
constexpr ColorScheme UserColors{0x101010, 0x202020, 0x303030, 0x404040, 0x505050, 0x606060};

ColorSwatch& Swatch(const QDialog& dialog, std::size_t index) {
    return Child<ColorSwatch>(dialog, QString("picColor%1").arg(index));
}

ColorSwatch& CurrentSwatch(const QDialog& dialog) {
    return Child<ColorSwatch>(dialog, "picCurrentColor");
}

QRect Screen() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

std::optional<ColorScheme> Define(FakePlatform& fake, Script script) {
    fake.modalRunner.scripts.push_back(std::move(script));
    return DefineColors(fake.Services(), nullptr, UserColors);
}

// The pick command on a square of colour index current.
std::optional<std::int16_t> Pick(std::int16_t current, Script script) {
    FakePlatform fake;
    fake.modalRunner.scripts.push_back(std::move(script));
    return PickColor(fake.Services(), nullptr, current, UserColors, Screen().center());
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void aboutShowsCaptionTitleVersionAndPictureAndOkCloses() {
        FakePlatform fake;
        frmAbout about(fake.Services(), DefaultScreenColors);
        QCOMPARE(Captions(about, {"lblTitle", "lblVersion", "cmdOK", "cmdSysInfo"}),
                 QString("About Turnix|Turnix|Version %1|OK|&System Info...")
                     .arg(QLatin1String(version::Text.data(), version::Text.size())));
        QVERIFY(!Child<QLabel>(about, "picIcon").pixmap().isNull() && IsCentred(about));
        about.show();
        Click(Child(about, "cmdOK"));
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    // The first tool found that starts, in the order of preference; without
    // one, a message.
    void systemInfoStartsTheFirstToolThatWorksOrSaysItIsUnavailable() {
        for (const bool startSucceeds : {true, false}) {
            FakePlatform fake;
            fake.system.programs = {{"lxtask", "/bin/lxtask"}, {"ksysguard", "/bin/ksysguard"}};
            fake.system.startSucceeds = startSucceeds;
            frmAbout about(fake.Services(), DefaultScreenColors);
            Click(Child(about, "cmdSysInfo"));
            QCOMPARE(fake.system.started.join(' '),
                     QString(startSucceeds ? "/bin/ksysguard" : "/bin/ksysguard /bin/lxtask"));
            QCOMPARE(Messages(fake.messageBoxes),
                     QStringList(startSucceeds ? 0 : 1,
                                 "Turnix|System Information Is Unavailable At This Time"));
        }
    }

    // A modeless, read-only viewer; Close or Escape ends it.
    void theInstructionsWindowShowsAMissingOrOversizedFileAndCloses() {
        QTemporaryDir folder;
        QFile large(folder.filePath("large.rtf"));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(frmInstructions::MaxFileSize + 1));
        QPointer<frmInstructions> window;
        for (const bool escape : {false, true}) {
            ShowInstructions(window, nullptr, folder.filePath("missing.rtf"));
            QVERIFY(QTest::qWaitForWindowActive(window));
            QCOMPARE(Captions(*window, {"cmdClose"}), QString("Instructions|Close"));
            QVERIFY(!window->isModal() && View(*window).isReadOnly() && IsCentred(*window));
            QCOMPARE(QApplication::focusWidget(), &View(*window));
            QVERIFY(View(*window).toPlainText().contains("cannot be opened"));
            QVERIFY(!window->LoadFile(large.fileName()));
            QVERIFY(View(*window).toPlainText().contains("too large"));
            if (escape) {
                QTest::keyClick(window.data(), Qt::Key_Escape);
            } else {
                Click(Child(*window, "cmdClose"));
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(window == nullptr);
        }
    }

    void theShippedFileRendersWithBoldHeadingsAndParagraphs() {
        QFile built(QStringLiteral(TURNIX_BUILT_INSTRUCTIONS));
        QFile source(QStringLiteral(TURNIX_SOURCE_INSTRUCTIONS));
        QVERIFY(built.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
        QCOMPARE(built.readAll(), source.readAll());
        frmInstructions window;
        QVERIFY(window.LoadFile(built.fileName()));
        const QTextDocument& document = *View(window).document();
        QVERIFY(document.blockCount() > 40);
        QCOMPARE(document.begin().text(), QString("Turnix"));
        QCOMPARE(document.begin().blockFormat().alignment(), Qt::AlignHCenter);
        for (const char* heading : {"Turnix", "Solving and stepping", "One Step"}) {
            QVERIFY2(HasBoldRun(document, heading), heading);
        }
        // It names the program's own texts, and no RTF shows through.
        const QString text = document.toPlainText();
        for (const char* phrase : {"Pick a Color", "Current Color:", "Invalid Cube Configuration",
                                   "Cube is already complete", "Error: All colors must be unique",
                                   "Clear  Steps", "SaveLast.cub", "Current.cub", "Solution.txt",
                                   "Cube \u25b8 Define Colors", "3\u00d73\u00d73", "cube\u2019s"}) {
            QVERIFY2(text.contains(QString::fromUtf8(phrase)), phrase);
        }
        QVERIFY(!text.contains('\\') && !text.contains('{') && !text.contains('?'));
    }

    void defaultsThenOkGivesTheDefaultScheme() {
        FakePlatform fake;
        const auto chosen = Define(fake, [](QDialog& dialog) {
            QCOMPARE(Captions(dialog, {"lblDefineColors0", "lblDefineColors5", "cmdDefaults",
                                       "cmdStandard", "cmdOK", "cmdCancel"}),
                     QString("Define Colors|Color 1:|Color 6:|Defaults|Standard Cube "
                             "Colours|OK|Cancel"));
            QCOMPARE(Child<QLabel>(dialog, "lblDefineColors5").buddy(), &Swatch(dialog, 5));
            QVERIFY(Child<QPushButton>(dialog, "cmdOK").isDefault() && IsCentred(dialog));
            Clicks({"cmdDefaults", "cmdOK"})(dialog);
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(chosen, std::optional(ColorScheme{0xC00000, 0xFFFFFF, 0x0080FF, 0x0000FF, 0x00C000,
                                                   0x00FFFF}));
    }

    // White on top, yellow below, green in front, blue behind, orange left
    // and red right: each named so, and opposite sides opposite.
    void standardCubeColoursGiveTheColoursOfCubesSoldToday() {
        FakePlatform fake;
        const auto chosen = Define(fake, Clicks({"cmdStandard", "cmdOK"}));
        QCOMPARE(chosen, std::optional(StandardCubeColors));
        QStringList names;
        for (const ScreenColor color : *chosen) {
            names << QString::fromLatin1(CubeColorName(color).value_or("?").data());
        }
        QCOMPARE(names.join(' '), QString("White Yellow Green Blue Orange Red"));
    }

    // The default scheme's colours and the pure ones go by their names too;
    // colours far from a cube's go by none.
    void colorsNearARealCubesHaveItsNames_data() {
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("name");
        const QStringList defaults{"Blue", "White", "Orange", "Red", "Green", "Yellow"};
        for (std::size_t k = 0; k < DefaultScreenColors.size(); ++k) {
            QTest::newRow(qPrintable(defaults.at(qsizetype(k))))
                << DefaultScreenColors.at(k) << defaults.at(qsizetype(k));
        }
        QTest::newRow("pure red") << 0x0000FF << "Red";
        QTest::newRow("pure green") << 0x00FF00 << "Green";
        QTest::newRow("off white") << 0xF0F4F8 << "White";
        QTest::newRow("black") << 0x000000 << "";
        QTest::newRow("grey") << 0x808080 << "";
        QTest::newRow("magenta") << 0xFF00FF << "";
        QTest::newRow("pink") << 0xCBC0FF << "";
        QTest::newRow("brown") << 0x13458B << "";
    }

    void colorsNearARealCubesHaveItsNames() {
        QFETCH(int, color);
        QFETCH(QString, name);
        QCOMPARE(QString::fromLatin1(CubeColorName(color).value_or("").data()), name);
    }

    // A double click opens the chooser once, at the swatch's colour; a
    // cancelled chooser keeps the swatch.
    void aChosenColorGoesIntoTheClickedSwatchOnly() {
        FakePlatform fake;
        fake.colorChooser.answers = {QColor(0x12, 0x34, 0x56), std::nullopt};
        const auto chosen = Define(fake, [](QDialog& dialog) {
            DoubleClick(Swatch(dialog, 4));
            Clicks({"picColor2", "cmdOK"})(dialog);
        });
        ColorScheme expected = UserColors;
        expected.at(4) = 0x563412;
        QCOMPARE(chosen, std::optional(expected));
        QCOMPARE(fake.colorChooser.initialColors,
                 (std::vector{ToQColor(UserColors.at(4)), ToQColor(UserColors.at(2))}));
    }

    // Any swatch given any other's colour, all thirty ways: the message, and
    // the dialog stays open with the user's colours; a colour of its own
    // then is taken.
    void everyPairOfEqualColorsIsRefused_data() {
        QTest::addColumn<int>("changed");
        QTest::addColumn<int>("copied");
        for (int changed = 0; changed < 6; ++changed) {
            for (int copied = 0; copied < 6; ++copied) {
                if (changed != copied) {
                    QTest::newRow(qPrintable(QString("%1 as %2").arg(changed).arg(copied)))
                        << changed << copied;
                }
            }
        }
    }

    void everyPairOfEqualColorsIsRefused() {
        QFETCH(int, changed);
        QFETCH(int, copied);
        FakePlatform fake;
        fake.colorChooser.answers = {ToQColor(UserColors.at(std::size_t(copied))),
                                     QColor(0xAB, 0xCD, 0xEF)};
        ColorScheme shown = UserColors;
        shown.at(std::size_t(changed)) = UserColors.at(std::size_t(copied));
        const QString swatch = QString("picColor%1").arg(changed);
        const auto chosen = Define(fake, [&](QDialog& dialog) {
            Clicks({swatch, "cmdOK", "cmdOK"})(dialog);
            QCOMPARE(Messages(fake.messageBoxes),
                     QStringList(2, "Turnix|Error: All colors must be unique"));
            QVERIFY(dialog.isVisible());
            for (std::size_t i = 0; i < shown.size(); ++i) {
                QCOMPARE(Swatch(dialog, i).Color(), shown.at(i));
            }
            Clicks({swatch, "cmdOK"})(dialog);
        });
        shown.at(std::size_t(changed)) = 0xEFCDAB;
        QCOMPARE(chosen, std::optional(shown));
    }

    // Cancel, Escape or the frame, after changes.
    void leavingDefineColorsWithoutOkChangesNothing() {
        FakePlatform fake;
        fake.colorChooser.answers = {QColor(Qt::magenta)};
        QCOMPARE(Define(fake, Clicks({"picColor1", "cmdCancel"})), std::nullopt);
        QCOMPARE(Define(fake,
                        [](QDialog& dialog) {
                            Clicks({"cmdDefaults"})(dialog);
                            QTest::keyClick(&dialog, Qt::Key_Escape);
                        }),
                 std::nullopt);
        QCOMPARE(DefineColors(fake.Services(), nullptr, UserColors),
                 std::nullopt); // no script
    }

    // The current colour shows what OK would confirm.
    void pickShowsTheSchemeAndTheSquaresColorOnEntry() {
        QCOMPARE(Pick(4,
                      [](QDialog& dialog) {
                          QCOMPARE(Captions(dialog, {"lblCurrentColor", "cmdOK", "cmdCancel"}),
                                   QString("Pick a Color|Current Color:|OK|Cancel"));
                          QVERIFY(Child<QPushButton>(dialog, "cmdOK").isDefault());
                          for (std::size_t i = 0; i < UserColors.size(); ++i) {
                              QCOMPARE(Swatch(dialog, i).Color(), UserColors.at(i));
                          }
                          QCOMPARE(CurrentSwatch(dialog).Color(), UserColors.at(4));
                          Click(Swatch(dialog, 1));
                          QCOMPARE(CurrentSwatch(dialog).Color(), UserColors.at(1));
                          QTest::keyClick(&dialog, Qt::Key_Escape);
                      }),
                 std::nullopt);
    }

    // Space selects and Enter confirms; a double click chooses at once.
    void pickByKeyboardOrDoubleClick() {
        QCOMPARE(Pick(0,
                      [](QDialog& dialog) {
                          dialog.show();
                          Swatch(dialog, 4).setFocus();
                          QTest::keyClick(&Swatch(dialog, 4), Qt::Key_Space);
                          QTest::keyClick(dialog.focusWidget(), Qt::Key_Enter);
                      }),
                 std::optional<std::int16_t>(4));
        QCOMPARE(Pick(1, [](QDialog& dialog) { DoubleClick(Swatch(dialog, 0)); }),
                 std::optional<std::int16_t>(0));
    }

    void aSquareWithoutAColorShowsNeutralAndGetsOneOnlyWhenPicked() {
        QCOMPARE(Pick(7,
                      [](QDialog& dialog) {
                          QCOMPARE(CurrentSwatch(dialog).Color(), FromQColor(NeutralSquareColor));
                          Click(Child(dialog, "cmdOK"));
                      }),
                 std::nullopt);
        QCOMPARE(Pick(-1, Clicks({"picColor2", "cmdOK"})), std::optional<std::int16_t>(2));
    }

    // Just beside the pointer, and wholly on the screen near its edges.
    void pickOpensBesideThePointer() {
        FakePlatform fake;
        frmPickColor dialog(fake.Services());
        dialog.PlaceNearPointer(Screen().center());
        const QPoint offset = dialog.pos() - Screen().center();
        QVERIFY(offset.x() > 0 && offset.x() < 10 && offset.y() > 0 && offset.y() < 10);
        for (const QPoint corner : {Screen().bottomRight(), Screen().topRight(),
                                    Screen().bottomLeft() + QPoint(-40, 40)}) {
            dialog.PlaceNearPointer(corner);
            QVERIFY(Screen().contains(dialog.geometry()));
        }
    }
};

QTEST_MAIN(TestDialogs)
#include "test_Dialogs.moc"
