#include "dialogs/frmSolutionSteps.h"
#include "frmTurnix.h"
#include "language/CoreTexts.h"
#include "platform/ApplicationTitle.h"
#include "printing/StepLines.h"
#include "wholecube/WholeCubePanel.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QUndoStack>

namespace turnix {

void frmTurnix::FillStepTexts() {
    for (std::size_t code = 0; code < strStepText.size(); ++code) {
        strStepText.at(code) = CoreText(StepDescriptions.at(code));
    }
}

void frmTurnix::SolveCube() {
    SolveWith(SolverKind::LayerByLayer);
}

// The cube goes to "SaveLast.cub" before every attempt, so that a cube the
// solver refuses can be opened again and checked. An attempt that fails or
// finds nothing to do leaves no list behind, not even a finished one from
// before: the solver has dropped it, so its controls go too.
void frmTurnix::SolveWith(SolverKind kind) {
    cmdPreviousSteps->setEnabled(false);
    if (!strInstallFolder.isEmpty()) {
        SaveConfiguration(QStringLiteral("SaveLast.cub"), strInstallFolder);
    }
    const bool solved =
        kind == SolverKind::FewestTurns ? LoadFewestTurnsSolution() : solMain.Solve(cubMain);
    if (!solved) {
        ShowSolveMessage(tr("Invalid Cube Configuration"));
        DiscardSolution();
        return;
    }
    if (solMain.IsEOF()) {
        ShowSolveMessage(tr("Cube is already complete"));
        DiscardSolution();
        return;
    }
    solutionSolver = kind;
    listFollowsCube = true;
    EnterSolutionMode();
}

void frmTurnix::ShowSolveMessage(const QString& strText) {
    platform.messageBoxes.ShowMessage(this, ApplicationTitle(), strText, MessageIcon::Exclamation);
}

// Leaves Previous Steps, Clear Steps and the frame alone, so that a finished
// list can still be viewed.
void frmTurnix::EnterEditMode() {
    SetEditControlsEnabled(true);
    txtSolution->clear();
    blnSolutionMode = false;
    UpdateFollowControls();
    txtDummy->setFocus();
}

// The steps change the cube outside the history, which starts afresh
// from the cube as it stands when edit mode comes back: there is nothing to
// undo meanwhile.
void frmTurnix::EnterSolutionMode() {
    undoStack->clear();
    ClearDoubts();
    SetEditControlsEnabled(false);
    cmdClear->setEnabled(true);
    fraSolution->setEnabled(true);
    blnSolutionMode = true;
    UpdateFollowControls();
    txtDummy->setFocus();
}

void frmTurnix::SetEditControlsEnabled(bool editing) {
    for (QPushButton* square : cmdColor) {
        square->setEnabled(editing);
        square->setToolTip(tr("Click to change color"));
    }
    SetSolveEntriesEnabled(editing && !fewestTurnsWaiting);
    // The entries too, not only their menus, so that their keys do nothing.
    for (QMenu* menu : {mnuCubeRotate, mnuSideTurn}) {
        menu->setEnabled(editing);
        for (QAction* entry : menu->findChildren<QAction*>()) {
            entry->setEnabled(editing);
        }
    }
    wholeCube->SetPaintable(editing);
    cmdOneStep->setEnabled(!editing);
    cmdStepsToCompletion->setEnabled(!editing);
    txtSolution->setEnabled(!editing);

    // A step text on a window-coloured field; an idle field looks inactive.
    const QPalette system = QApplication::palette(txtSolution);
    QPalette colors = txtSolution->palette();
    colors.setColor(QPalette::Base, editing ? system.color(QPalette::Inactive, QPalette::Window)
                                            : system.color(QPalette::Active, QPalette::Base));
    txtSolution->setPalette(colors);
}

void frmTurnix::DiscardSolution() {
    listFollowsCube = false;
    EnterEditMode();
    cmdPreviousSteps->setEnabled(false);
    cmdClear->setEnabled(false);
    solMain.ClearSolution();
    fraSolution->setEnabled(false);
}

// True in solution mode and while a finished list waits to be viewed. Only an
// empty list has its cursor on the first step and at the end at once.
bool frmTurnix::HasStepList() const noexcept {
    return blnSolutionMode || !(solMain.IsBOF() && solMain.IsEOF());
}

void frmTurnix::ApplyStep(std::int16_t intStep) {
    turnix::ApplyStep(cubMain, intStep);
    DisplaySide();
}

// After the last step One Step stays enabled; the next click returns to edit
// mode and keeps the finished list.
void frmTurnix::OneStep() {
    if (solMain.IsEOF()) {
        finishedCube = EncodeConfiguration(cubMain);
        EnterEditMode();
        return;
    }
    const std::int16_t code = solMain.CurrentStep();
    solMain.MoveNext();
    txtSolution->setText(strStepText.at(static_cast<std::size_t>(code)));
    ApplyStep(code);
    cmdPreviousSteps->setEnabled(true);
    if (solMain.IsEOF()) {
        cmdStepsToCompletion->setEnabled(false);
    }
    UpdateFollowControls();
}

// Walks from the first step up to the cursor, which ends where it began.
void frmTurnix::PreviousSteps() {
    std::vector<std::int16_t> codes;
    const std::int16_t cursor = solMain.Index();
    solMain.MoveFirst();
    while (!solMain.IsEOF() && solMain.Index() != cursor) {
        codes.push_back(solMain.CurrentStep());
        solMain.MoveNext();
    }
    ShowStepList(tr("Previous Steps"), codes);
}

void frmTurnix::StepsToCompletion() {
    std::vector<std::int16_t> codes;
    solMain.SaveBookMark();
    while (!solMain.IsEOF()) {
        codes.push_back(solMain.CurrentStep());
        solMain.MoveNext();
    }
    solMain.RestoreBookMark();
    ShowStepList(tr("Steps to Completion"), codes);
}

// The window shows the steps in the user's language; a saved list is in
// English, as every file the program writes.
void frmTurnix::ShowStepList(const QString& strCaption, const std::vector<std::int16_t>& codes) {
    QStringList shown;
    QStringList english;
    for (const std::int16_t code : codes) {
        shown << strStepText.at(static_cast<std::size_t>(code));
        english << QString::fromUtf8(StepText(code).data(),
                                     static_cast<qsizetype>(StepText(code).size()));
    }
    frmSolutionSteps form(platform, this);
    form.SetSteps(shown.join(StepLineEnd));
    form.SetFileSteps(english.join(StepLineEnd));
    form.setWindowTitle(strCaption);
    platform.modalRunner.Exec(form);
    // No button keeps a focus mark.
    txtDummy->setFocus();
}

} // namespace turnix
