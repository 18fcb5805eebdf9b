#include "ColorSwatch.h"
#include "WindowTestSupport.h"
#include "frmInstructions.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

using Script = FakeModalRunner::Script;

// A scheme unlike the defaults, stored as the user's.
constexpr ColorScheme UserColors{0x101010, 0x202020, 0x303030, 0x404040, 0x505050, 0x606060};

void StoreUserColors(FakeSettingsStore& settings) {
    for (int i = 0; i < 6; ++i) {
        settings.SetValue("Colors", QString("ColorValue%1").arg(i + 1),
                          QString::number(UserColors.at(static_cast<std::size_t>(i))));
    }
}

Script ClickInOrder(QStringList names) {
    return [names](QDialog& dialog) {
        dialog.show();
        for (const QString& name : names) {
            Click(Child<QWidget>(dialog, name));
        }
    };
}

void WriteText(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

class TestFrmTurnixDialogs : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder.emplace();
        QVERIFY(folder->isValid());
    }

    void defineColorsAppliesTheSchemeOnlyWhenConfirmed() {
        FakePlatform fake;
        StoreUserColors(fake.settings);
        frmTurnix window(fake.Services());
        QCOMPARE(ShownColors(window), QList<QColor>(9, ToQColor(UserColors.at(2))));

        fake.modalRunner.scripts.push_back(ClickInOrder({"cmdDefaults", "cmdCancel"}));
        Trigger(window, "mnuCubeDefine");
        Trigger(window, "mnuCubeDefine"); // closed from its frame
        QCOMPARE(window.Colors(), UserColors);
        QCOMPARE(ShownColors(window), QList<QColor>(9, ToQColor(UserColors.at(2))));

        fake.modalRunner.scripts.push_back(ClickInOrder({"cmdDefaults", "cmdOK"}));
        Trigger(window, "mnuCubeDefine");
        QCOMPARE(window.Colors(), DefaultScreenColors);
        QCOMPARE(ShownColors(window), QList<QColor>(9, QColor("#FF8000")));
        QCOMPARE(fake.modalRunner.titles, QStringList(3, "Define Colors"));
        QVERIFY(fake.messageBoxes.shown.empty());
    }

    // Any mouse button; the square of the shown side takes the colour.
    void pickingAColorSetsTheSquareOnlyWhenAnotherIsConfirmed() {
        FakePlatform fake;
        frmTurnix window(fake.Services());
        window.show();
        Trigger(window, "mnuSideShowTop");
        auto& square = Child<QPushButton>(window, "cmdColor3");

        const std::vector<Script> unchanged{
            ClickInOrder({"picColor4", "cmdCancel"}),
            ClickInOrder({"cmdOK"}),
            [](QDialog& dialog) { DoubleClick(Child<QWidget>(dialog, "picColor0")); },
        };
        for (const Script& script : unchanged) {
            fake.modalRunner.scripts.push_back(script);
            QTest::mousePress(&square, Qt::RightButton);
        }
        QTest::mousePress(&square, Qt::MiddleButton); // no script: closed from its frame
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));

        fake.modalRunner.scripts.push_back(ClickInOrder({"picColor4", "cmdOK"}));
        QTest::mousePress(&square, Qt::LeftButton);
        QCOMPARE(window.Cube().Side(side::Top).Square(3)->ColorIndex(), std::int16_t{4});
        QCOMPARE(ShownTags(window).at(3), QString("4"));
        QCOMPARE(ShownColors(window).at(3), ToQColor(DefaultScreenColors.at(4)));
        QCOMPARE(window.Cube().Side(side::Front).Square(3)->ColorIndex(), std::int16_t{2});
        QCOMPARE(fake.modalRunner.titles, QStringList(5, "Pick a Color"));

        // The keyboard reaches a square too.
        fake.modalRunner.scripts.push_back(ClickInOrder({"picColor5", "cmdOK"}));
        auto& corner = Child<QPushButton>(window, "cmdColor8");
        corner.setFocus();
        QTest::keyClick(&corner, Qt::Key_Space);
        QCOMPARE(window.Cube().Side(side::Top).Square(8)->ColorIndex(), std::int16_t{5});
    }

    // The squares are disabled while a solution is presented; colours can
    // still be defined, and the solution stays as it is.
    void duringASolutionSquaresTakeNoPickButColorsCanBeDefined() {
        FakePlatform fake;
        frmTurnix window(fake.Services());
        window.show();
        clsCube scrambled;
        Scramble(scrambled);
        LoadCube(window, fake, scrambled, folder->filePath("scrambled.cub"));
        Trigger(window, "mnuCubeSolve");
        Child<QPushButton>(window, "cmdOneStep").click();
        const std::int16_t cursor = window.Solver().Index();
        const QString shownStep = Child<QLineEdit>(window, "txtSolution").text();

        QTest::mousePress(&Child<QPushButton>(window, "cmdColor0"), Qt::LeftButton);
        QVERIFY(fake.modalRunner.titles.isEmpty());

        fake.modalRunner.scripts.push_back(ClickInOrder({"cmdDefaults", "cmdOK"}));
        StoreUserColors(fake.settings);
        Trigger(window, "mnuCubeDefine");
        QCOMPARE(fake.modalRunner.titles, QStringList{"Define Colors"});
        QVERIFY(window.SolutionMode());
        QCOMPARE(window.Solver().Index(), cursor);
        QCOMPARE(Child<QLineEdit>(window, "txtSolution").text(), shownStep);
    }

    void aboutIsShownModally() {
        FakePlatform fake;
        frmTurnix window(fake.Services());
        fake.modalRunner.scripts.push_back(ClickInOrder({"cmdOK"}));
        Trigger(window, "mnuHelpAbout");
        QCOMPARE(fake.modalRunner.titles, QStringList{"About Turnix"});
    }

    void instructionsAreOffWithoutTheirFile() {
        for (const QString& installFolder : {QString(), folder->path()}) {
            FakePlatform fake;
            fake.system.installFolder = installFolder;
            const frmTurnix window(fake.Services());
            QVERIFY(!Child<QAction>(window, "mnuHelpInstructions").isEnabled());
        }
    }

    // Shown beside the main window, reloaded on each use, closed with it.
    void instructionsAreShownReloadedAndClosedWithTheWindow() {
        const QString path = folder->filePath("Instructions.rtf");
        WriteText(path, "{\\rtf1 First}");
        FakePlatform fake;
        fake.system.installFolder = folder->path();
        frmTurnix window(fake.Services());
        window.show();
        QVERIFY(Child<QAction>(window, "mnuHelpInstructions").isEnabled());

        Trigger(window, "mnuHelpInstructions");
        const QPointer<frmInstructions> instructions = OpenInstructions();
        QVERIFY(instructions != nullptr && instructions->isVisible());
        QVERIFY(!instructions->isModal());
        const auto& view = Child<QTextBrowser>(*instructions, "rtxInstructions");
        QCOMPARE(view.toPlainText(), QString("First"));

        WriteText(path, "{\\rtf1 Second}");
        Trigger(window, "mnuHelpInstructions");
        QCOMPARE(OpenInstructions(), instructions);
        QCOMPARE(view.toPlainText(), QString("Second"));

        Trigger(window, "mnuFileExit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(instructions == nullptr);
        QVERIFY(fake.modalRunner.titles.isEmpty());
    }

private:
    // The one instructions window, a window of its own.
    static frmInstructions* OpenInstructions() {
        frmInstructions* found = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* instructions = qobject_cast<frmInstructions*>(widget)) {
                if (found != nullptr) {
                    return nullptr;
                }
                found = instructions;
            }
        }
        return found;
    }

    std::optional<QTemporaryDir> folder;
};

QTEST_MAIN(TestFrmTurnixDialogs)
#include "test_frmTurnixDialogs.moc"
