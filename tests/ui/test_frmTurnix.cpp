#include "WindowTestSupport.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

const QStringList SideNames{"Top", "Bottom", "Front", "Back", "Left", "Right"};

// Every control's and action's enabled state and every text box's text:
// what must not change when only the view changes.
QStringList ControlState(const QWidget& window) {
    QStringList state;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        state << widget->objectName() + (widget->isEnabled() ? "+" : "-");
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            state << edit->text();
        }
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        state << action->objectName() + (action->isEnabled() ? "+" : "-");
    }
    return state;
}

} // namespace

class TestFrmTurnix : public QObject {
    Q_OBJECT

private slots:
    void startsOnTheFrontSideOfASolvedCubeInTheDefaultColors() {
        FakePlatform fake;
        fake.system.installFolder = "/opt/turnix";
        frmTurnix window(fake.Services());

        QCOMPARE(window.CurrentSide(), side::Front);
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
        QCOMPARE(ShownColors(window), QList<QColor>(9, QColor("#FF8000")));
        QCOMPARE(ShownTags(window), QStringList(9, "2"));
        const QStringList labels{"lblMain", "lblNorth", "lblSouth", "lblWest", "lblEast"};
        const QStringList captions{"Front Side", "Top", "Bottom", "Left", "Right"};
        for (int i = 0; i < labels.size(); ++i) {
            QCOMPARE(LabelText(window, labels.at(i)), captions.at(i));
        }
        QCOMPARE(window.InstallFolder(), QString("/opt/turnix"));
        QVERIFY(!Child<QAction>(window, "mnuHelpInstructions").isEnabled());
        QVERIFY(fake.messageBoxes.shown.empty());
    }

    void startsWithTheStoredColorsDropsOldKeysAndDefaultsBadValues() {
        FakePlatform fake;
        fake.settings.SetValue("Colors", "Color1", "8421376");
        fake.settings.SetValue("Colors", "Color4", "255");
        fake.settings.SetValue("Colors", "ColorValue1", "65280");
        fake.settings.SetValue("Colors", "ColorValue3", "255");
        fake.settings.SetValue("Colors", "ColorValue4", "red");
        frmTurnix window(fake.Services());

        const ColorScheme expected{0x00FF00, 0xFFFFFF, 0x0000FF, 0x0000FF, 0x00C000, 0x00FFFF};
        QCOMPARE(window.Colors(), expected);
        QCOMPARE(ShownColors(window), QList<QColor>(9, QColor(Qt::red)));
        QVERIFY(!fake.settings.Value("Colors", "Color1").has_value());
        QVERIFY(!fake.settings.Value("Colors", "Color4").has_value());
    }

    void exitStoresTheSixColorsAsDecimalText() {
        FakePlatform fake;
        fake.settings.SetValue("Colors", "ColorValue2", "not a colour");
        fake.settings.SetValue("Colors", "ColorValue3", "0000255");
        frmTurnix window(fake.Services());
        window.show();
        Trigger(window, "mnuFileExit");

        QVERIFY(!window.isVisible());
        const QStringList expected{"12582912", "16777215", "255", "255", "49152", "65535"};
        QCOMPARE(fake.settings.values.size(), std::size_t{6});
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(fake.settings.Value("Colors", QString("ColorValue%1").arg(i + 1)),
                     std::optional<QString>(expected.at(i)));
        }
    }

    void eachNeighbourLabelBringsUpTheSideItNames() {
        // Shown side -> side brought up by north, south, west, east.
        const std::array<std::array<std::int16_t, 4>, 6> expected{{
            {3, 2, 4, 5},
            {2, 3, 4, 5},
            {0, 1, 4, 5},
            {0, 1, 5, 4},
            {0, 1, 3, 2},
            {0, 1, 2, 3},
        }};
        const QStringList labels{"lblNorth", "lblSouth", "lblWest", "lblEast"};
        FakePlatform fake;
        frmTurnix window(fake.Services());
        window.show();

        for (std::int16_t s = 0; s < 6; ++s) {
            for (int edge = 0; edge < 4; ++edge) {
                Trigger(window, "mnuSideShow" + SideNames.at(s));
                const QString caption = LabelText(window, labels.at(edge));
                QTest::mouseClick(&Child<QLabel>(window, labels.at(edge)), Qt::RightButton);
                QCOMPARE(window.CurrentSide(), s);
                QTest::mouseClick(&Child<QLabel>(window, labels.at(edge)), Qt::LeftButton);

                QCOMPARE(window.CurrentSide(), expected.at(s).at(edge));
                QCOMPARE(LabelText(window, "lblMain"), caption + " Side");
                QCOMPARE(ShownTags(window), QStringList(9, QString::number(window.CurrentSide())));
            }
        }
    }

    // Toolbar buttons 4 to 9 and the "Show" entries; 3 and 10 are separators.
    void showCommandsChangeTheViewAndNothingElse() {
        QTemporaryDir folder;
        FakePlatform fake;
        frmTurnix window(fake.Services());
        window.show();
        clsCube marked;
        MarkEverySquare(marked);
        LoadCube(window, fake, marked, folder.filePath("marked.cub"));
        const QStringList before = ControlState(window);
        auto& toolbar = Child<QToolBar>(window, "Toolbar");
        const QList<QAction*> buttons = toolbar.actions();
        QCOMPARE(buttons.size(), 11);

        for (std::int16_t s = 0; s < 6; ++s) {
            Trigger(window, "mnuSideShow" + SideNames.at(s));
            QCOMPARE(window.CurrentSide(), s);
            QCOMPARE(ShownTags(window), TagsOf(marked, s));

            Trigger(window, "mnuSideShowFront");
            QTest::mouseClick(toolbar.widgetForAction(buttons.at(3 + s)), Qt::LeftButton);
            QCOMPARE(window.CurrentSide(), s);
            for (int separator : {3, 10}) {
                QVERIFY(buttons.at(separator - 1)->isSeparator());
                buttons.at(separator - 1)->trigger();
            }
            QCOMPARE(window.CurrentSide(), s);
            QCOMPARE(LabelText(window, "lblMain"), SideNames.at(s) + " Side");
            QCOMPARE(ColorsOf(window.Cube()), ColorsOf(marked));
            QCOMPARE(ControlState(window), before);
        }
        QVERIFY(fake.fileDialogs.saveRequests.empty());
        QCOMPARE(fake.fileDialogs.openRequests.size(), std::size_t{1});
    }

    void focusReturnsToTheHiddenTextBox() {
        FakePlatform fake;
        frmTurnix window(fake.Services());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto& dummy = Child<QLineEdit>(window, "txtDummy");
        QCOMPARE(QApplication::focusWidget(), &dummy);
        QVERIFY(!window.rect().intersects(dummy.geometry()));

        Child<QPushButton>(window, "cmdColor4").setFocus();
        QTest::mouseClick(window.centralWidget(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(QApplication::focusWidget(), &dummy);
    }

    void gridStaysSquareBetweenItsLabelsWhenResized() {
        FakePlatform fake;
        frmTurnix window(fake.Services());
        window.show();
        for (const QSize size : {QSize(900, 500), QSize(480, 900), window.minimumSizeHint()}) {
            window.resize(size);
            Trigger(window, "mnuSideShowBottom");
            QApplication::processEvents();
            const QRect grid = Child<QWidget>(window, "Shape1").geometry();
            const QRect square = Child<QWidget>(window, "cmdColor0").geometry();
            QCOMPARE(grid.width(), grid.height());
            QCOMPARE(square.width(), square.height());
            QVERIFY(Child<QLabel>(window, "lblWest").geometry().right() < grid.left());
            QVERIFY(Child<QLabel>(window, "lblEast").geometry().left() > grid.right());
            QVERIFY(Child<QLabel>(window, "lblNorth").geometry().bottom() < grid.top());
            QVERIFY(Child<QLabel>(window, "lblSouth").geometry().top() > grid.bottom());
        }
    }
};

QTEST_MAIN(TestFrmTurnix)
#include "test_frmTurnix.moc"
