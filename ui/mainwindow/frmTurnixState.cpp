#include "editing/CubeEdit.h"
#include "frmTurnix.h"
#include "platform/WindowPlacement.h"
#include "session/SessionKeeper.h"

#include <QUndoStack>
#include <algorithm>

namespace turnix {

namespace {

// Enough to undo a good while back, and a small file still.
constexpr int KeptEdits = 200;

std::vector<SessionEdit> KeptHistory(const QUndoStack& stack, int first) {
    std::vector<SessionEdit> kept;
    for (int i = first; i < stack.count(); ++i) {
        const auto* edit = dynamic_cast<const CubeEdit*>(stack.command(i));
        if (edit == nullptr) {
            return {};
        }
        kept.push_back({edit->text(), edit->Before(), edit->After()});
    }
    return kept;
}

} // namespace

void frmTurnix::CreateSessionKeeping() {
    sessionKeeper = new SessionKeeper(StateFile(platform.system.StateFolder()), *this,
                                      [this] { return CaptureSession(); });
    connect(&history.Stack(), &QUndoStack::indexChanged, sessionKeeper, &SessionKeeper::Changed);
}

SessionState frmTurnix::CaptureSession() const {
    const QUndoStack& stack = history.Stack();
    SessionState state;
    state.cube = ColorValuesOf(cubMain);
    state.side = intCurrentSide;
    const int first = std::clamp(stack.count() - KeptEdits, 0, stack.index());
    state.history = KeptHistory(stack, first);
    state.historyIndex =
        state.history.empty() ? 0 : static_cast<std::size_t>(stack.index() - first);
    state.solution = session.Kept();
    state.window = SessionWindow{isMaximized() ? normalGeometry() : geometry(), isMaximized()};
    return state;
}

// The history first: undoing to its place goes through the kept cubes,
// which a finished list must not take for changes by hand.
void frmTurnix::RestoreSession() {
    const std::optional<SessionState> state = sessionKeeper->Load();
    if (!state) {
        return;
    }
    intCurrentSide = state->side;
    RestoreHistory(*state);
    if (state->solution && session.Restore(*state->solution, cubMain) && session.SolutionMode()) {
        EnterSolutionMode();
    }
    ShowSessionState();
    DisplaySide();
    RestoreGeometry(*state);
}

void frmTurnix::RestoreHistory(const SessionState& state) {
    for (const SessionEdit& edit : state.history) {
        history.Record(edit.text, edit.before, edit.after);
    }
    history.Stack().setIndex(static_cast<int>(state.historyIndex));
    // The cube being edited is the one that counts.
    SetColorValues(cubMain, state.cube);
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
