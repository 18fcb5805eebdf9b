#include "Facelets.h"
#include "FindingText.h"
#include "editing/EditTexts.h"
#include "frmTurnix.h"
#include "language/CoreTexts.h"
#include "platform/ApplicationTitle.h"
#include "wholecube/WholeCubePanel.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace turnix {

namespace {} // namespace

// The entries follow the history: "Undo Paint", "Redo Turn Top Side
// Clockwise", or disabled when there is nothing to undo or redo.
void frmTurnix::CreateEditMenu() {
    undoStack = new QUndoStack(this);
    mnuEdit = menuBar()->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* undo = undoStack->createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("mnuEditUndo"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = undoStack->createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("mnuEditRedo"));
    redo->setShortcuts(QKeySequence::Redo);
    mnuEdit->addActions({undo, redo});
    mnuEdit->addSeparator()->setObjectName(QStringLiteral("mnuEditSeparatorBar1"));
    mnuEditCopyFacelets = mnuEdit->addAction(tr("&Copy Facelets"));
    mnuEditCopyFacelets->setObjectName(QStringLiteral("mnuEditCopyFacelets"));
    mnuEditPasteFacelets = mnuEdit->addAction(tr("&Paste Facelets"));
    mnuEditPasteFacelets->setObjectName(QStringLiteral("mnuEditPasteFacelets"));
    connect(mnuEditCopyFacelets, &QAction::triggered, this, &frmTurnix::CopyFacelets);
    connect(mnuEditPasteFacelets, &QAction::triggered, this, &frmTurnix::PasteFacelets);
}

// Called by each edit once it is made and shown; an edit that left the cube
// as it was is no step.
void frmTurnix::RecordEdit(const QString& strText, const CubeColorValues& before, int stroke) {
    const CubeColorValues after = ColorValuesOf(cubMain);
    if (after == before) {
        return;
    }
    undoStack->push(new CubeEdit(
        strText, before, after, [this](const CubeColorValues& values) { RestoreCube(values); },
        stroke));
}

void frmTurnix::RestoreCube(const CubeColorValues& values) {
    SetColorValues(cubMain, values);
    DisplaySide();
}

// Squares are named by the centres, as other cube tools read a real cube,
// whatever colours the centres show. A square that shows none of the six
// colours (only an opened file holds one) has no letter, so such a cube is
// refused rather than copied with a gap; the net shows the square grey and
// ringed.
void frmTurnix::CopyFacelets() {
    if (const auto square = FirstSquareWithoutFacelet(cubMain)) {
        platform.messageBoxes.ShowMessage(
            this, ApplicationTitle(),
            tr("The cube cannot be copied as facelets: a square of the %1 side shows "
               "none of the six colours.")
                .arg(SideWord(square->side)),
            MessageIcon::Exclamation);
    } else {
        platform.clipboard.SetText(
            QString::fromStdString(CentreFaceletString(cubMain).value_or(FaceletString(cubMain))));
    }
    txtDummy->setFocus();
}

// Like Open: a new cube discards a listed solution, and a string that is no
// cube changes nothing. A letter takes the colour of its face's centre as
// the cube shows it now, so that a copy pasted back changes nothing.
void frmTurnix::PasteFacelets() {
    clsCube pasted;
    if (const auto error =
            ReadFacelets(platform.clipboard.Text().trimmed().toStdString(), pasted)) {
        platform.messageBoxes.ShowMessage(
            this, ApplicationTitle(),
            tr("The clipboard holds no facelet string.\n\n") +
                AsSentence(CoreReason(QString::fromStdString(error->reason))),
            MessageIcon::Exclamation);
        txtDummy->setFocus();
        return;
    }
    if (HasStepList()) {
        DiscardSolution();
    }
    if (const auto centres = CentreColors(cubMain)) {
        PaintInCentreColors(pasted, *centres);
    }
    const CubeColorValues before = ColorValuesOf(cubMain);
    pasted.Copy(cubMain);
    ClearDoubts();
    DisplaySide();
    RecordEdit(PasteFaceletsEditText(), before);
}

// One square of a stroke; the stroke's squares make one step together.
void frmTurnix::PaintSquare(std::int16_t intSide, std::int16_t intSquare) {
    const std::int16_t color = wholeCube->SelectedColor();
    const SquarePtr& square = cubMain.Side(intSide).Square(intSquare);
    if (blnSolutionMode || square->ColorIndex() == color) {
        return;
    }
    const CubeColorValues before = ColorValuesOf(cubMain);
    square->SetColorIndex(color);
    DisplaySide();
    RecordEdit(PaintEditText(), before, paintStroke);
}

} // namespace turnix
