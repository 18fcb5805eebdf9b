#include "FewestTurns.h"
#include "frmTurnix.h"

#include <QAction>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

namespace turnix {

// The tables take about a second to build, so they are built as the window
// opens, off the GUI thread. Should that fail, the first solve builds them
// itself.
void frmTurnix::StartPreparingFewestTurns(std::function<void()> prepare) {
    fewestTurnsWatcher = new QFutureWatcher<void>(this);
    connect(fewestTurnsWatcher, &QFutureWatcher<void>::finished, this,
            &frmTurnix::FewestTurnsTablesPrepared);
    fewestTurnsTables = QtConcurrent::run([prepare = std::move(prepare)] {
        try {
            prepare();
        } catch (...) {
        }
    });
    fewestTurnsWatcher->setFuture(fewestTurnsTables);
}

// Before the tables are ready the solve waits for them under a busy cursor,
// and the window stays usable; the solve then takes the cube as it stands.
// No second solve can start meanwhile, and no step can be taken back from a
// list that the solve is about to replace.
void frmTurnix::SolveInFewestTurns() {
    if (fewestTurnsWaiting) {
        return;
    }
    if (fewestTurnsTables.isFinished()) {
        SolveWith(SolverKind::FewestTurns);
        return;
    }
    fewestTurnsWaiting = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    SetSolveEntriesEnabled(false);
    listFollowsCube = false;
    UpdateFollowControls();
}

void frmTurnix::FewestTurnsTablesPrepared() {
    if (!fewestTurnsWaiting) {
        return;
    }
    StopWaitingForFewestTurns();
    SetSolveEntriesEnabled(!blnSolutionMode);
    SolveWith(SolverKind::FewestTurns);
}

void frmTurnix::StopWaitingForFewestTurns() {
    if (fewestTurnsWaiting) {
        fewestTurnsWaiting = false;
        QGuiApplication::restoreOverrideCursor();
    }
}

// False, with the old list still there, for a cube that cannot be solved.
bool frmTurnix::LoadFewestTurnsSolution() {
    const std::optional<std::vector<std::int16_t>> codes =
        presetSteps ? std::exchange(presetSteps, std::nullopt) : SolveFewestTurns(cubMain);
    if (!codes) {
        return false;
    }
    solMain.LoadSteps(*codes);
    return true;
}

void frmTurnix::SetSolveEntriesEnabled(bool enabled) {
    for (QAction* entry :
         {mnuCubeSolve, mnuCubeSolveInFewestTurns, mnuCubeSolveOptimally, toolbarSolve}) {
        entry->setEnabled(enabled);
    }
}

} // namespace turnix
