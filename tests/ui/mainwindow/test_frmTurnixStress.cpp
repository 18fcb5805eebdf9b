// Twenty thousand random user actions on the main window, from a fixed seed,
// checked after every one against a cube, a colour scheme, a mode and an
// edit history kept here on the side.

#include "Facelets.h"
#include "FollowTestSupport.h"
#include "appearance/CubeColorNames.h"
#include "diagnosis/FindingText.h"
#include "dialogs/frmSolutionSteps.h"
#include "fewest/FewestTurns.h"
#include "view3d/CubeView3D.h"
#include "view3d/View3DController.h"
#include "wholecube/ColorPalette.h"
#include "wholecube/CubeNet.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>
#include <numeric>
#include <set>

using namespace turnix;
using namespace turnix::test;

class TestFrmTurnixStress : public QObject {
    Q_OBJECT

private slots:
    void twentyThousandRandomActionsKeepTheWindowConsistent() {
        s.fake.system.installFolder = s.folder.path();
        for (const QByteArray& garbage :
             {QByteArray(), QByteArray(7, '\x02'), QByteArray(5000, '\xff'),
              QByteArray::fromHex("0700ffff00800500")}) {
            files << s.folder.filePath(QString("garbage%1.cub").arg(files.size()));
            WriteBytes(files.back(), garbage);
        }
        // As the program does, so that a solve may have to wait for them.
        s.prepareFewestTurns = PrepareFewestTurnsTables;
        s.Start();
        // Stepping through solutions dominates, as it does for a user.
        // clang-format off
        const std::array<std::pair<int, void (TestFrmTurnixStress::*)()>, 23> actions{{
            {12, &TestFrmTurnixStress::Turn},
            {6, &TestFrmTurnixStress::ShowSide},
            {4, &TestFrmTurnixStress::PickColor},
            {3, &TestFrmTurnixStress::Solve},
            {27, &TestFrmTurnixStress::OneStep},
            {6, &TestFrmTurnixStress::StepBack},
            {2, &TestFrmTurnixStress::ListPrevious},
            {2, &TestFrmTurnixStress::ListToCompletion},
            {1, &TestFrmTurnixStress::Clear},
            {1, &TestFrmTurnixStress::New},
            {2, &TestFrmTurnixStress::Open},
            {1, &TestFrmTurnixStress::Save},
            {1, &TestFrmTurnixStress::DefineColors},
            {6, &TestFrmTurnixStress::PaintOnTheNet},
            {2, &TestFrmTurnixStress::SelectPaint},
            {2, &TestFrmTurnixStress::Paste},
            {1, &TestFrmTurnixStress::Copy},
            {4, &TestFrmTurnixStress::Undo},
            {2, &TestFrmTurnixStress::Redo},
            {1, &TestFrmTurnixStress::UndoAllThenRedoAll},
            {2, &TestFrmTurnixStress::DragView},
            {1, &TestFrmTurnixStress::ChangeSpeed},
            {2, &TestFrmTurnixStress::Play},
        }};
        // clang-format on
        const int weights = std::accumulate(actions.begin(), actions.end(), 0,
                                            [](int sum, const auto& a) { return sum + a.first; });
        for (int n = 0; n < 20000 && !QTest::currentTestFailed(); ++n) {
            int pick = Uniform(0, weights - 1);
            auto chosen = actions.begin();
            for (; pick >= chosen->first; ++chosen) {
                pick -= chosen->first;
            }
            (this->*chosen->second)();
            Check();
            if (QTest::currentTestFailed()) {
                qWarning("after action %d, of kind %d", n, int(chosen - actions.begin()));
            }
        }
        // The mix must keep reaching the interesting states.
        qInfo("%d solutions started, %d of them in fewest turns, %d finished, %d returned to; "
              "longest history %zu",
              solutionsStarted, fewestStarted, solutionsFinished, returnsToSolving, longestHistory);
        QVERIFY(solutionsStarted > 20 && solutionsFinished > 5 && fewestStarted > 5 &&
                returnsToSolving > 5 && longestHistory > 20);
    }

private:
    frmTurnix& Window() { return *s.window; }
    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random); }
    bool Solving() const { return solving; }

    // The steps changed the cube outside the history, which starts afresh
    // once they are dropped, or finished.
    void Discard() {
        if (Solving()) {
            StartHistory();
        }
        solving = false;
        follows = false;
        codes.clear();
        done = 0;
    }

    // A change of the cube in edit mode, named as Undo names it; one that
    // leaves the cube as it was is no step.
    void Edited(const QString& text) {
        if (Solving() || ColorsOf(shadow) == history.at(editsDone).first) {
            return;
        }
        history.resize(editsDone + 1);
        history.emplace_back(ColorsOf(shadow), text);
        ++editsDone;
        longestHistory = std::max(longestHistory, history.size() - 1);
    }

    void StartHistory() {
        history = {{ColorsOf(shadow), QString()}};
        editsDone = 0;
    }

    // The Turn and Rotate menus are off while solving.
    void Turn() {
        static const QStringList sides{"Front", "Left", "Back", "Right", "Top", "Bottom"};
        static const QStringList turns{"Clockwise", "Counterclockwise", "Twice"};
        static const QStringList rotations{"Up", "Down", "Left", "Right"};
        if (const auto code = static_cast<std::int16_t>(Uniform(0, 21)); !Solving()) {
            Trigger(Window(), CommandName(code));
            ApplyStep(shadow, code);
            Edited(code < SideTurnCount
                       ? QString("Turn %1 Side %2").arg(sides.at(code / 3), turns.at(code % 3))
                       : "Rotate Cube " + rotations.at(code - SideTurnCount));
        }
    }

    void ShowSide() {
        static const QStringList labels{"lblNorth", "lblSouth", "lblWest", "lblEast"};
        static const QStringList sides{"Top", "Bottom", "Front", "Back", "Left", "Right"};
        const int how = Uniform(0, 2);
        if (how == 0) {
            Trigger(Window(), QString("ToolbarButton%1").arg(Uniform(4, 9)));
        } else if (how == 1) {
            Trigger(Window(), "mnuSideShow" + sides.at(Uniform(0, 5)));
        } else {
            QTest::mouseClick(&Child(Window(), labels.at(Uniform(0, 3))), Qt::LeftButton);
        }
    }

    // Chosen and confirmed, double-clicked, chosen then cancelled, or closed
    // from the frame; the squares take no pick while solving.
    void PickColor() {
        const int square = Uniform(0, 8);
        const int color = Uniform(0, 5);
        const QString swatch = QString("picColor%1").arg(color);
        const int how = Solving() ? 3 : Uniform(0, 3);
        if (how == 1) {
            s.fake.modalRunner.scripts.push_back(
                [swatch](QDialog& dialog) { DoubleClick(Child(dialog, swatch)); });
        } else if (how != 3) {
            s.fake.modalRunner.scripts.push_back(
                Clicks({swatch, how == 0 ? "cmdOK" : "cmdCancel"}));
        }
        if (how < 2) {
            shadow.Side(Window().CurrentSide())
                .Square(static_cast<std::int16_t>(square))
                ->SetColorIndex(static_cast<std::int16_t>(color));
        }
        const qsizetype dialogs = s.fake.modalRunner.titles.size();
        QTest::mousePress(&Child(Window(), QString("cmdColor%1").arg(square)), Qt::LeftButton);
        QCOMPARE(s.fake.modalRunner.titles.size(), dialogs + (Solving() ? 0 : 1));
        Edited("Pick Color");
    }

    // A solved or unsolvable cube gives a message and drops any list. Both
    // solvers judge a cube alike; the fewest-turns list is read from "Steps
    // to Completion", once it is there, and must solve the cube.
    void Solve() {
        const std::size_t messages = s.fake.messageBoxes.shown.size();
        const int how = Uniform(0, 3);
        Trigger(Window(), how == 0   ? "mnuCubeSolveInFewestTurns"
                          : how == 1 ? "ToolbarButton11"
                                     : "mnuCubeSolve");
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::overrideCursor(), nullptr, TablesTimeoutMs);
        if (Solving()) {
            return;
        }
        Discard();
        const LayerSolution layer = LayerSolutionOf(shadow);
        QCOMPARE(s.fake.messageBoxes.shown.size(), messages + (layer.codes.empty() ? 1 : 0));
        if (layer.codes.empty()) {
            return;
        }
        ++solutionsStarted;
        StartHistory();
        solving = true;
        follows = true;
        codes = layer.codes;
        stages = layer.stages;
        solver = "Layer by layer";
        if (how == 0) {
            ++fewestStarted;
            s.fake.modalRunner.scripts.push_back([this](QDialog& dialog) {
                codes = CodesOf(static_cast<frmSolutionSteps&>(dialog).Steps());
            });
            QTest::mouseClick(&Child(Window(), "cmdStepsToCompletion"), Qt::LeftButton);
            clsCube solved;
            shadow.Copy(solved);
            for (const std::int16_t code : codes) {
                ApplyStep(solved, code);
            }
            QVERIFY(IsSolved(solved));
            stages.clear();
            solver = "Fewest turns";
        }
    }

    // By click, Enter or the keypad's Enter, which reach the active window.
    void OneStep() {
        if (const int how = Uniform(0, 2); how == 0) {
            QTest::mouseClick(&Child(Window(), "cmdOneStep"), Qt::LeftButton);
        } else {
            Window().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&Window()));
            QTest::keyClick(QApplication::focusWidget(), how == 1 ? Qt::Key_Return : Qt::Key_Enter,
                            how == 1 ? Qt::NoModifier : Qt::KeypadModifier);
        }
        if (Solving() && done < codes.size()) {
            ApplyStep(shadow, codes.at(done++));
        } else if (Solving()) {
            ++solutionsFinished;
            solving = false;
            finished = ColorsOf(shadow);
            StartHistory();
            QVERIFY2(IsSolved(shadow), "a finished solution left the cube unsolved");
            // As a user who went one step too far, now and then.
            if (Uniform(0, 2) == 0) {
                Check();
                StepBack();
            }
        }
    }

    // By the menu, the toolbar or Backspace; from the finished list back into
    // solution mode.
    void StepBack() {
        const int how = Uniform(0, 2);
        if (how == 2) {
            Window().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&Window()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        } else {
            Trigger(Window(), how == 0 ? "mnuCubeStepBack" : "ToolbarButton12");
        }
        if (follows && done > 0) {
            returnsToSolving += Solving() ? 0 : 1;
            solving = true;
            ApplyStep(shadow, InverseStep(codes.at(--done)));
        }
    }

    CubeView3D& View3D() { return Child<CubeView3D>(Window(), "CubeView3D"); }

    // A drag across the 3-D cube, long enough never to count as a click,
    // now and then followed by a double-click.
    void DragView() {
        CubeView3D& view = View3D();
        const QPoint from(Uniform(0, view.width() - 1), Uniform(0, view.height() - 1));
        const QPoint to =
            from + QPoint(Uniform(20, 80) * (Uniform(0, 1) == 0 ? 1 : -1), Uniform(-80, 80));
        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, view.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(&view, &move);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
        if (Uniform(0, 3) == 0) {
            QMouseEvent twice(QEvent::MouseButtonDblClick, to, view.mapToGlobal(to), Qt::LeftButton,
                              Qt::LeftButton, {});
            QApplication::sendEvent(&view, &twice);
        }
    }

    void ChangeSpeed() {
        static const QStringList speeds{"Slow", "Normal", "Fast", "NoAnimation"};
        Trigger(Window(), "mnuViewTurnSpeed" + speeds.at(Uniform(0, 3)));
    }

    // Play makes one step at once; it is stopped before its timer can make
    // another, by the menu or by Space. After the last step it stops itself.
    void Play() {
        Trigger(Window(), "mnuCubePlay");
        if (Solving() && done < codes.size()) {
            ApplyStep(shadow, codes.at(done++));
        }
        auto& controller = *Window().findChild<View3DController*>();
        QCOMPARE(controller.Playing(), Solving() && done < codes.size());
        if (controller.Playing()) {
            Trigger(Window(), "mnuCubePlay");
        }
        QVERIFY(!controller.Playing());
    }

    void ListPrevious() { ListSteps(true); }
    void ListToCompletion() { ListSteps(false); }

    // The list of the steps done, or of those still to do, under its
    // caption; the cursor stays.
    void ListSteps(bool previous) {
        const std::size_t from = previous ? 0 : done;
        const std::size_t to = previous ? done : codes.size();
        const bool enabled = previous ? to > 0 : Solving() && to > from;
        QString listed;
        if (enabled) {
            s.fake.modalRunner.scripts.push_back([&listed](QDialog& dialog) {
                listed =
                    dialog.windowTitle() + "|" + static_cast<frmSolutionSteps&>(dialog).Steps();
                Click(Child(dialog, "cmdClose"));
            });
        }
        const std::int16_t cursor = Window().Solver().Index();
        QTest::mouseClick(&Child(Window(), previous ? "cmdPreviousSteps" : "cmdStepsToCompletion"),
                          Qt::LeftButton);
        QCOMPARE(listed, enabled ? QString(previous ? "Previous Steps|" : "Steps to Completion|") +
                                       Joined(codes, from, to)
                                 : QString());
        QCOMPARE(Window().Solver().Index(), cursor);
    }

    void Clear() {
        QTest::mouseClick(&Child(Window(), "cmdClear"), Qt::LeftButton);
        Discard();
    }

    void New() {
        Trigger(Window(), "mnuFileNewConfiguration");
        Discard();
        clsCube().Copy(shadow);
        Edited("New Configuration");
    }

    // A garbage file or one saved before; sometimes cancelled.
    void Open() {
        if (Uniform(0, 4) == 0) {
            s.Open(std::nullopt);
            return;
        }
        const QString path = files.at(Uniform(0, static_cast<int>(files.size()) - 1));
        s.Open(path);
        Discard();
        (void)ReadConfigurationFile(QFile::encodeName(path).toStdString(), shadow);
        Edited("Open Configuration");
    }

    void Save() {
        const bool cancel = Uniform(0, 4) == 0;
        const QString path = s.folder.filePath(QString("saved%1.cub").arg(Uniform(0, 9)));
        s.fake.fileDialogs.saveAnswers.push_back(cancel ? std::nullopt : std::optional(path));
        const QByteArray expected = cancel ? ReadBytes(path) : ReadBytes(s.Saved(shadow));
        Trigger(Window(), Uniform(0, 1) == 0 ? "mnuFileSaveConfiguration" : "ToolbarButton2");
        QCOMPARE(ReadBytes(path), expected);
        if (!cancel && !files.contains(path)) {
            files << path;
        }
    }

    // Defaults, or one swatch chosen anew, then OK or Cancel; a scheme with a
    // colour twice is refused.
    void DefineColors() {
        const auto swatch = static_cast<std::size_t>(Uniform(0, 5));
        const bool defaults = Uniform(0, 2) == 0;
        const bool confirm = Uniform(0, 1) == 0;
        ColorScheme proposed = defaults ? DefaultScreenColors : colors;
        if (!defaults) {
            // Now and then a colour already in use.
            proposed.at(swatch) = Uniform(0, 3) == 0
                                      ? colors.at(static_cast<std::size_t>(Uniform(0, 5)))
                                      : Uniform(0, 0xFFFFFF);
            s.fake.colorChooser.answers.push_back(ToQColor(proposed.at(swatch)));
        }
        s.fake.modalRunner.scripts.push_back(
            Clicks({defaults ? "cmdDefaults" : QString("picColor%1").arg(swatch),
                    confirm ? "cmdOK" : "cmdCancel"}));
        if (confirm && std::set(proposed.begin(), proposed.end()).size() == 6) {
            colors = proposed;
        }
        Trigger(Window(), "mnuCubeDefine");
    }

    CubeNet& Net() { return Child<CubeNet>(Window(), "WholeCubeNet"); }
    QPoint Centre(SquareAt at) { return Net().Geometry().SquareRect(at).center(); }

    // A walk across the net from square to square, over the edges between
    // sides, as one drag: each square it passes is painted, or, while
    // solving, the press chooses its side if the walk ends on that side.
    // Now and then a click on a side's name instead.
    void PaintOnTheNet() {
        const auto side = static_cast<std::int16_t>(Uniform(0, 5));
        if (Uniform(0, 5) == 0) {
            QTest::mouseClick(&Net(), Qt::LeftButton, {},
                              Net().Geometry().LabelRect(side).center());
            QCOMPARE(Window().CurrentSide(), side);
            return;
        }
        SquareAt at{side, static_cast<std::int16_t>(Uniform(0, 8))};
        const std::int16_t pressedSide = at.side;
        const std::int16_t shownBefore = Window().CurrentSide();
        QTest::mousePress(&Net(), Qt::LeftButton, {}, Centre(at));
        for (int length = Uniform(0, 6); length >= 0; --length) {
            if (!Solving()) {
                shadow.Side(at.side).Square(at.square)->SetColorIndex(paint);
            }
            // Straight on, so that the pointer passes no other square.
            const int way = Uniform(0, 3);
            const int across = way == 0 ? -1 : way == 1 ? 1 : 0;
            const int down = way == 2 ? -1 : way == 3 ? 1 : 0;
            const auto next = NetGeometry::SquareBeside(at, across, down);
            if (length > 0 && next) {
                at = *next;
                QTest::mouseMove(&Net(), Centre(at));
            }
        }
        QTest::mouseRelease(&Net(), Qt::LeftButton, {}, Centre(at));
        Edited("Paint");
        QCOMPARE(Window().CurrentSide(),
                 Solving() && at.side == pressedSide ? pressedSide : shownBefore);
    }

    // By the keys 1 to 6, wherever the focus rests, or a click on the
    // palette.
    void SelectPaint() {
        paint = static_cast<std::int16_t>(Uniform(0, 5));
        if (Uniform(0, 1) == 0) {
            Window().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&Window()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_1 + paint));
        } else {
            auto& palette = Child<ColorPalette>(Window(), "WholeCubePalette");
            QTest::mouseClick(&palette, Qt::LeftButton, {}, palette.SwatchRect(paint).center());
        }
    }

    // A string of another cube, or one broken at a random place; a good one
    // ends any solution, a bad one only says why.
    void Paste() {
        clsCube pasted;
        Scrambled(static_cast<unsigned>(Uniform(0, 50))).Copy(pasted);
        std::string text = FaceletString(pasted);
        const int how = Uniform(0, 3);
        if (how == 1) {
            text.at(static_cast<std::size_t>(Uniform(0, 53))) = "xu?\n"[Uniform(0, 3)];
        } else if (how == 2) {
            text.resize(static_cast<std::size_t>(Uniform(0, 60)), 'F');
        }
        s.fake.clipboard.text = QString::fromStdString(text) + (how == 3 ? " \n" : "");
        const std::size_t messages = s.fake.messageBoxes.shown.size();
        Trigger(Window(), "mnuEditPasteFacelets");
        clsCube expected;
        if (ReadFacelets(QString::fromStdString(text).trimmed().toStdString(), expected)) {
            QCOMPARE(s.fake.messageBoxes.shown.size(), messages + 1);
            return;
        }
        Discard();
        if (const auto centres = CentreColors(shadow)) {
            PaintInCentreColors(expected, *centres);
        }
        expected.Copy(shadow);
        Edited("Paste Facelets");
    }

    // Refused for a cube with a colour index outside 0..5.
    void Copy() {
        s.fake.clipboard.text.clear();
        const std::size_t messages = s.fake.messageBoxes.shown.size();
        Trigger(Window(), "mnuEditCopyFacelets");
        const bool copied = !FirstSquareWithoutFacelet(shadow);
        QCOMPARE(s.fake.clipboard.text,
                 copied ? QString::fromStdString(
                              CentreFaceletString(shadow).value_or(FaceletString(shadow)))
                        : QString());
        QCOMPARE(s.fake.messageBoxes.shown.size(), messages + (copied ? 0 : 1));
    }

    // From the menu, or by the key wherever the focus rests.
    void Undo() {
        if (Uniform(0, 1) == 0) {
            Trigger(Window(), "mnuEditUndo");
        } else {
            Window().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&Window()));
            QTest::keySequence(QApplication::focusWidget(), QKeySequence::Undo);
        }
        if (!Solving() && editsDone > 0) {
            SetColorValues(shadow, history.at(--editsDone).first);
        }
    }

    void Redo() {
        Trigger(Window(), "mnuEditRedo");
        if (!Solving() && editsDone + 1 < history.size()) {
            SetColorValues(shadow, history.at(++editsDone).first);
        }
    }

    void UndoAllThenRedoAll() {
        const std::size_t edits = history.size() - 1;
        for (std::size_t k = 0; k < edits; ++k) {
            Trigger(Window(), "mnuEditUndo");
        }
        QVERIFY(!Child<QAction>(Window(), "mnuEditUndo").isEnabled());
        QCOMPARE(ColorsOf(Window().Cube()), Solving() ? ColorsOf(shadow) : history.front().first);
        for (std::size_t k = 0; k < edits; ++k) {
            Trigger(Window(), "mnuEditRedo");
        }
        QVERIFY(!Child<QAction>(Window(), "mnuEditRedo").isEnabled());
        QCOMPARE(ColorsOf(Window().Cube()), Solving() ? ColorsOf(shadow) : history.back().first);
        if (!Solving()) {
            editsDone = edits;
            SetColorValues(shadow, history.back().first);
        }
    }

    // What Undo and Redo offer, by the history kept here.
    static QString Entry(const QString& prefix, bool enabled, const QString& text) {
        return prefix + (enabled ? "+ " + text : "-");
    }

    QStringList UndoEntries() {
        const bool undo = !Solving() && editsDone > 0;
        const bool redo = !Solving() && editsDone + 1 < history.size();
        return {Entry("&Undo", undo, undo ? history.at(editsDone).second : QString()),
                Entry("&Redo", redo, redo ? history.at(editsDone + 1).second : QString())};
    }

    QStringList ShownEntries() {
        QStringList entries;
        for (const char* name : {"mnuEditUndo", "mnuEditRedo"}) {
            const auto& action = Child<QAction>(Window(), name);
            const QString text = action.text();
            entries << text.section(' ', 0, 0) +
                           (action.isEnabled() ? "+ " + text.section(' ', 1) : "-");
        }
        return entries;
    }

    // The net shows every square of the cube and the shown side, the line
    // under it the diagnosis.
    void CheckPanel() {
        CubeColors netColors{};
        for (std::int16_t side = 0; side < 6; ++side) {
            for (std::int16_t square = 0; square < 9; ++square) {
                netColors.at(SlotOf(side)).at(SlotOf(square)) = Net().ColorIndexAt({side, square});
            }
        }
        QCOMPARE(netColors, ColorsOf(shadow));
        QCOMPARE(Net().ShownSide(), Window().CurrentSide());
        QStringList sentences;
        const CubeColorValues values = ColorValuesOf(shadow);
        for (const std::string& sentence :
             DiagnosisSentences(Diagnose(values), CentreColorNames(values, colors))) {
            sentences << QString::fromStdString(sentence);
        }
        QCOMPARE(Child<QLabel>(Window(), "lblDiagnosis").text(), sentences.join('\n'));
        QCOMPARE(Child<ColorPalette>(Window(), "WholeCubePalette").SelectedColor(), paint);
        QCOMPARE(ShownEntries(), UndoEntries());
        // The 3-D cube shows the cube, or is on its way to it.
        QCOMPARE(View3D().Colors(), ColorValuesOf(shadow));
        QCOMPARE(View3D().ShownSide(), Window().CurrentSide());
        if (!View3D().Turning()) {
            QCOMPARE(View3D().Frame().colors, ColorValuesOf(shadow));
        }
    }

    // The step text shows the last step done; every prepared answer was
    // used, so every dialog that should have opened did. A hand change of
    // the cube after the last step parts the list from it for good.
    void Check() {
        follows = follows && (Solving() || ColorsOf(shadow) == finished);
        CheckPanel();
        QCOMPARE(ColorsOf(Window().Cube()), ColorsOf(shadow));
        QCOMPARE(Window().Colors(), colors);
        QCOMPARE(ShownSquares(Window()), ExpectedSquares(shadow, Window().CurrentSide(), colors));
        QCOMPARE(Window().SolutionMode(), Solving());
        const auto& text = Child<QLineEdit>(Window(), "txtSolution");
        QCOMPARE(text.text(), Solving() && done > 0 ? Joined(codes, done - 1, done) : QString());
        // A field like any while solving; idle, it looks inactive.
        QCOMPARE(text.palette().color(QPalette::Base),
                 Solving()
                     ? QApplication::palette(&text).color(QPalette::Active, QPalette::Base)
                     : QApplication::palette(&text).color(QPalette::Inactive, QPalette::Window));
        QCOMPARE(Controls(Window()), Solving() ? ModeControls(false, done > 0, done < codes.size())
                                     : !codes.empty() ? EditFinishedList
                                                      : EditNoSolution);
        QCOMPARE(Child<QAction>(Window(), "mnuCubeStepBack").isEnabled(), follows && done > 0);
        QCOMPARE(Child<QAction>(Window(), "mnuCubeSolveInFewestTurns").isEnabled(), !Solving());
        QCOMPARE(StatusBar(Window()),
                 Solving() ? ExpectedStatus(codes, stages, done, solver) : QString("||"));
        QCOMPARE(NextTurnShown(Window()),
                 NextTurnExpected(codes, Solving() ? done : codes.size(), Window().CurrentSide()));
        QVERIFY(s.fake.modalRunner.scripts.empty() && s.fake.fileDialogs.openAnswers.empty() &&
                s.fake.fileDialogs.saveAnswers.empty() && s.fake.colorChooser.answers.empty());
    }

    std::mt19937 random{20261206};
    Session s;
    QStringList files;
    clsCube shadow;
    // Each state of the cube since the history began, with the name of the
    // edit that led to it; editsDone of them are done.
    std::vector<std::pair<CubeColors, QString>> history{{ColorsOf(clsCube()), QString()}};
    std::size_t editsDone{0};
    std::size_t longestHistory{0};
    std::int16_t paint{0};
    ColorScheme colors{DefaultScreenColors};
    bool solving{false};
    std::vector<std::int16_t> codes; // the list, while solving or finished
    QStringList stages;              // of each step, for the layer solver
    QString solver;
    std::size_t done{0}; // steps done
    // The list still belongs to the cube, which after the last step was this.
    bool follows{false};
    CubeColors finished{};
    int solutionsStarted{0};
    int fewestStarted{0};
    int solutionsFinished{0};
    int returnsToSolving{0};
};

QTEST_MAIN(TestFrmTurnixStress)
#include "test_frmTurnixStress.moc"
