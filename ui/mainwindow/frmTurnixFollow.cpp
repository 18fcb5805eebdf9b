#include "TurnHintOverlay.h"
#include "frmTurnix.h"
#include "language/CoreTexts.h"
#include "wholecube/CubeNet.h"
#include "wholecube/WholeCubePanel.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace turnix {

void frmTurnix::CreateFollowControls() {
    statusSolution = new SolutionStatusBar(this);
    setStatusBar(statusSolution);
    txtDummy->installEventFilter(this);
    txtSolution->installEventFilter(this);
}

// The hidden resting place of the focus takes no typing, and the step text
// is read-only; left to themselves, both would keep Backspace, and the
// resting place the turning letters, from the window's shortcuts.
bool frmTurnix::LeavesKeyToShortcuts(const QObject* watched, const QKeyEvent& key) const {
    return watched == txtDummy || (watched == txtSolution && key.key() == Qt::Key_Backspace);
}

// A step can be taken back while the list still belongs to the cube, in
// solution mode and from the finished list alike.
bool frmTurnix::CanStepBack() const noexcept {
    return listFollowsCube && !solMain.IsBOF();
}

// Undoes the last step made. From the finished list it returns to solution
// mode first, so that stepping goes on from there.
void frmTurnix::StepBack() {
    if (!CanStepBack()) {
        return;
    }
    if (!blnSolutionMode) {
        EnterSolutionMode();
    }
    solMain.MovePrevious();
    const std::int16_t undone = solMain.CurrentStep();
    txtSolution->setText(LastStepDoneText());
    ApplyStep(InverseStep(undone));
    cmdStepsToCompletion->setEnabled(true);
    cmdPreviousSteps->setEnabled(!solMain.IsBOF());
    UpdateFollowControls();
}

// The words of the step before the cursor; empty at the first step.
QString frmTurnix::LastStepDoneText() {
    if (solMain.IsBOF()) {
        return {};
    }
    solMain.MovePrevious();
    const std::int16_t code = solMain.CurrentStep();
    solMain.MoveNext();
    return strStepText.at(static_cast<std::size_t>(code));
}

void frmTurnix::UpdateFollowControls() {
    const bool back = CanStepBack();
    mnuCubeStepBack->setEnabled(back);
    toolbarStepBack->setEnabled(back);
    if (blnSolutionMode) {
        statusSolution->Show(Progress());
    } else {
        statusSolution->Clear();
    }
    ShowNextTurn();
}

// The step that One Step would make, drawn before it is made: on the net's
// turning side, and over the grid or, for the side facing away, in words.
void frmTurnix::ShowNextTurn() {
    std::optional<std::int16_t> code;
    if (blnSolutionMode && !solMain.IsEOF()) {
        code = solMain.CurrentStep();
    }
    const std::optional<TurnHint> hint = code ? TurnHintFor(*code, intCurrentSide) : std::nullopt;
    gridTurnHint->SetHint(hint);
    wholeCube->Net().SetNextTurn(code);
    QString note;
    if (hint && hint->place == HintPlace::Opposite) {
        note = tr("Next turn: %1 (facing away), %2")
                   .arg(CoreText(cubMain.Side(hint->side).MainLabel()),
                        CoreText(SenseWords(hint->sense)));
    }
    lblNextTurn->setText(note);
}

// Once the cube has been changed by hand after the last step, turning the
// steps back would no longer lead to the cube that was solved.
void frmTurnix::CheckFinishedListStillFits() {
    if (!blnSolutionMode && listFollowsCube && EncodeConfiguration(cubMain) != finishedCube) {
        listFollowsCube = false;
        UpdateFollowControls();
    }
}

// Counts the active steps on both sides of the cursor, which ends where it
// began.
SolutionProgress frmTurnix::Progress() {
    SolutionProgress progress;
    progress.solver = solutionSolver;
    const std::int16_t cursor = solMain.Index();
    for (solMain.MoveFirst(); solMain.Index() != cursor; solMain.MoveNext()) {
        ++progress.done;
    }
    if (!solMain.IsEOF()) {
        progress.next = strStepText.at(static_cast<std::size_t>(solMain.CurrentStep()));
        if (const auto stage = solMain.StageOf(cursor)) {
            progress.stage = CoreText(StageNames.at(static_cast<std::size_t>(*stage)));
        }
    }
    progress.total = progress.done;
    for (; !solMain.IsEOF(); solMain.MoveNext()) {
        ++progress.total;
    }
    solMain.MoveFirst();
    while (solMain.Index() != cursor) {
        solMain.MoveNext();
    }
    return progress;
}

} // namespace turnix
