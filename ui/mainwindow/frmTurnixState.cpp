#include "DockGrowth.h"
#include "editing/CubeEdit.h"
#include "frmTurnix.h"
#include "platform/WindowPlacement.h"
#include "session/SessionKeeper.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <algorithm>

namespace turnix {

namespace {

// Enough to undo a good while back, and a small file still.
constexpr int KeptEdits = 200;

// The active steps of the list, and how many of them lie before the cursor,
// which ends where it began.
std::vector<std::int16_t> ListedSteps(clsSolver& solver, std::size_t& done) {
    std::vector<std::int16_t> codes;
    const std::int16_t cursor = solver.Index();
    std::optional<std::size_t> before;
    for (solver.MoveFirst(); !solver.IsEOF(); solver.MoveNext()) {
        if (solver.Index() == cursor) {
            before = codes.size();
        }
        codes.push_back(solver.CurrentStep());
    }
    done = before.value_or(codes.size());
    solver.MoveFirst();
    while (solver.Index() != cursor && !solver.IsEOF()) {
        solver.MoveNext();
    }
    return codes;
}

std::vector<SessionEdit> KeptHistory(const QUndoStack& stack, int first) {
    std::vector<SessionEdit> history;
    for (int i = first; i < stack.count(); ++i) {
        const auto* edit = dynamic_cast<const CubeEdit*>(stack.command(i));
        if (edit == nullptr) {
            return {};
        }
        history.push_back({edit->text(), edit->Before(), edit->After()});
    }
    return history;
}

bool EverySideOneColour(const clsCube& cube) {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        const clsSide& face = cube.Side(s);
        for (std::int16_t q = 0; q < clsSide::SquareCount; ++q) {
            if (face.Square(q)->ColorIndex() != face.Square(4)->ColorIndex()) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

void frmTurnix::CreateSessionKeeping() {
    sessionKeeper = new SessionKeeper(StateFile(platform.system.StateFolder()), *this,
                                      [this] { return CaptureSession(); });
    connect(undoStack, &QUndoStack::indexChanged, sessionKeeper, &SessionKeeper::Changed);
}

SessionState frmTurnix::CaptureSession() {
    SessionState state;
    state.cube = ColorValuesOf(cubMain);
    state.side = intCurrentSide;
    const int first = std::clamp(undoStack->count() - KeptEdits, 0, undoStack->index());
    state.history = KeptHistory(*undoStack, first);
    state.historyIndex =
        state.history.empty() ? 0 : static_cast<std::size_t>(undoStack->index() - first);
    if (HasStepList()) {
        SessionSolution solution;
        solution.fewestTurns = solutionSolver == SolverKind::FewestTurns;
        solution.codes = ListedSteps(solMain, solution.done);
        solution.presented = blnSolutionMode;
        solution.followsCube = listFollowsCube;
        state.solution = std::move(solution);
    }
    state.window = SessionWindow{isMaximized() ? normalGeometry() : geometry(), isMaximized()};
    return state;
}

void frmTurnix::RestoreSession() {
    const std::optional<SessionState> state = sessionKeeper->Load();
    if (!state) {
        return;
    }
    SetColorValues(cubMain, state->cube);
    intCurrentSide = state->side;
    if (state->solution) {
        RestoreSolution(*state->solution);
    }
    if (!blnSolutionMode) {
        RestoreHistory(*state);
    }
    DisplaySide();
    RestoreGeometry(*state);
}

void frmTurnix::RestoreHistory(const SessionState& state) {
    for (const SessionEdit& edit : state.history) {
        undoStack->push(
            new CubeEdit(edit.text, edit.before, edit.after,
                         [this](const CubeColorValues& values) { RestoreCube(values); }));
    }
    undoStack->setIndex(static_cast<int>(state.historyIndex));
    // Undoing to the kept place went through the kept cubes; the cube being
    // edited is the one that counts.
    SetColorValues(cubMain, state.cube);
}

// A list that still belongs to the cube must solve it, or it is dropped
// rather than shown wrong. The layer solver's own list comes back with its
// stages when it solves the cube from before the steps the same way again;
// any other list is loaded as a plain list of turns.
void frmTurnix::RestoreSolution(const SessionSolution& solution) {
    if (solution.presented || solution.followsCube) {
        clsCube end;
        cubMain.Copy(end);
        for (std::size_t i = solution.done; i < solution.codes.size(); ++i) {
            turnix::ApplyStep(end, solution.codes.at(i));
        }
        if (!EverySideOneColour(end)) {
            return;
        }
    }
    clsCube start;
    cubMain.Copy(start);
    for (std::size_t i = solution.done; i > 0; --i) {
        turnix::ApplyStep(start, InverseStep(solution.codes.at(i - 1)));
    }
    std::size_t unused = 0;
    const bool sameAgain = !solution.fewestTurns && solMain.Solve(start) &&
                           ListedSteps(solMain, unused) == solution.codes;
    if (!sameAgain) {
        if (std::ranges::any_of(solution.codes,
                                [](std::int16_t code) { return code >= SideTurnCount; })) {
            solMain.ClearSolution();
            return;
        }
        solMain.LoadSteps(solution.codes);
    }
    for (std::size_t i = 0; i < solution.done; ++i) {
        solMain.MoveNext();
    }
    solutionSolver = solution.fewestTurns ? SolverKind::FewestTurns : SolverKind::LayerByLayer;
    listFollowsCube = solution.presented || solution.followsCube;
    if (solution.presented) {
        EnterSolutionMode();
        txtSolution->setText(LastStepDoneText());
        cmdStepsToCompletion->setEnabled(!solMain.IsEOF());
    } else {
        finishedCube = EncodeConfiguration(cubMain);
        cmdClear->setEnabled(true);
        fraSolution->setEnabled(true);
    }
    cmdPreviousSteps->setEnabled(solution.done > 0);
    UpdateFollowControls();
}

void frmTurnix::RestoreGeometry(const SessionState& state) {
    if (!state.window) {
        return;
    }
    HideDocksForRoom(RoomOnScreen(*this, state.window->normal));
    setGeometry(FittedOnScreen(*this, state.window->normal));
    if (state.window->maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

} // namespace turnix
