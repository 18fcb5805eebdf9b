#include "SolutionStatusBar.h"
#include "SolveMessages.h"
#include "dialogs/frmOptimalProgress.h"
#include "dialogs/frmSolutionSteps.h"
#include "frmTurnix.h"
#include "language/CoreTexts.h"
#include "platform/ApplicationTitle.h"
#include "printing/StepLines.h"
#include "session/SessionKeeper.h"
#include "view3d/View3DController.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace turnix {

void frmTurnix::SolveCube() {
    SolveWith(SolverKind::LayerByLayer);
}

// The cube goes to "SaveLast.cub" before every attempt, so that a cube the
// solver refuses can be opened again and checked.
void frmTurnix::SolveWith(SolverKind kind, const std::vector<std::int16_t>* found) {
    if (!strInstallFolder.isEmpty()) {
        SaveConfiguration(QStringLiteral("SaveLast.cub"), strInstallFolder);
    }
    const SolveOutcome outcome = session.Solve(kind, cubMain, found);
    if (outcome == SolveOutcome::Started) {
        EnterSolutionMode();
        return;
    }
    SessionChanged();
    platform.messageBoxes.ShowMessage(this, ApplicationTitle(),
                                      outcome == SolveOutcome::Invalid
                                          ? CoreText(InvalidCubeMessage)
                                          : CoreText(AlreadyCompleteMessage),
                                      MessageIcon::Exclamation);
    ui.txtDummy->setFocus();
}

// A solve asked for before the tables are ready waits for them and then
// takes the cube as it stands. No second solve can start meanwhile, and no
// step can be taken back from a list that the solve is about to replace.
void frmTurnix::SolveInFewestTurns() {
    if (fewestTurns.Waiting()) {
        return;
    }
    if (fewestTurns.Ready()) {
        SolveWith(SolverKind::FewestTurns);
        return;
    }
    fewestTurns.StartWaiting();
    session.StopFollowing();
    SessionChanged();
}

// The progress dialog is modal, so the cube stays as it is until the
// search ends.
void frmTurnix::SolveOptimally() {
    if (optimalSolve.Running() || fewestTurns.Waiting()) {
        return;
    }
    if (!optimalSolve.Start(cubMain)) {
        DiscardSolution();
        platform.messageBoxes.ShowMessage(this, ApplicationTitle(), CoreText(InvalidCubeMessage),
                                          MessageIcon::Exclamation);
    }
}

// A search stopped early still gives the fewest-turns solver's answer it
// started from: that list is shown as the fewest-turns solver's, never as
// optimal.
void frmTurnix::OptimalSolveFinished(const OptimalResult& result) {
    if (result.outcome == OptimalResult::Outcome::NoMemory) {
        if (frmOptimalProgress::AskFewestTurnsInstead(platform, this, result.bytesNeeded,
                                                      result.bytesFree)) {
            SolveInFewestTurns();
        }
        return;
    }
    if (result.steps) {
        SolveWith(result.outcome == OptimalResult::Outcome::Proven ? SolverKind::Optimal
                                                                   : SolverKind::FewestTurns,
                  &*result.steps);
    }
}

// The steps change the cube outside the history, which starts afresh from
// the cube as it stands when edit mode comes back.
void frmTurnix::EnterSolutionMode() {
    history.Clear();
    ClearDoubts();
    SessionChanged();
    ui.txtDummy->setFocus();
}

void frmTurnix::DiscardSolution() {
    session.Discard();
    SessionChanged();
    ui.txtDummy->setFocus();
}

void frmTurnix::ApplyStep(std::int16_t intStep) {
    turnix::ApplyStep(cubMain, intStep);
    DisplaySide();
    KeepSession();
}

// After the last step One Step stays enabled; the next click returns to edit
// mode and keeps the finished list.
void frmTurnix::OneStep() {
    const std::optional<std::int16_t> code = session.TakeStep(cubMain);
    SessionChanged();
    if (code) {
        ApplyStep(*code);
    }
    ui.txtDummy->setFocus();
}

// From the finished list, stepping back returns to solution mode.
void frmTurnix::StepBack() {
    const bool entering = !session.SolutionMode();
    if (const auto undone = session.TakeStepBack()) {
        if (entering) {
            EnterSolutionMode();
        } else {
            SessionChanged();
        }
        ApplyStep(InverseStep(*undone));
    }
}

// The window shows the steps in the user's language; a saved list is in
// English, as every file the program writes.
void frmTurnix::ShowStepList(const QString& strCaption, const QStringList& steps) {
    QStringList english;
    for (const QString& step : steps) {
        english << session.EnglishStepText(step);
    }
    frmSolutionSteps form(platform, this);
    form.SetSteps(steps.join(StepLineEnd));
    form.SetFileSteps(english.join(StepLineEnd));
    form.setWindowTitle(strCaption);
    platform.modalRunner.Exec(form);
    // No button keeps a focus mark.
    ui.txtDummy->setFocus();
}

// Every control that the solution sets, read from the session: edit mode
// enables the cube's commands, solution mode the stepping.
void frmTurnix::ShowSessionState() {
    const bool editing = !session.SolutionMode();
    actions.SetEditCommandsEnabled(editing, editing && !fewestTurns.Waiting());
    actions.mnuCubeStepBack->setEnabled(session.CanStepBack());
    actions.mnuCubeClearSteps->setEnabled(session.HasStepList());
    ui.ShowSession(session);
    view3d->SetPaintable(editing);
    ShowNextTurn();
}

void frmTurnix::SessionChanged() {
    ShowSessionState();
    KeepSession();
}

// The step that One Step would make, drawn before it is made.
void frmTurnix::ShowNextTurn() {
    ui.ShowNextTurn(session.NextStep(), intCurrentSide);
    view3d->ShowNextTurn(session.NextStep());
}

} // namespace turnix
