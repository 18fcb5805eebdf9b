#include "diagnosis/TurnedSides.h"
#include "dialogs/ColorCommands.h"
#include "editing/EditTexts.h"
#include "editing/frmApplyTurns.h"
#include "frmTurnix.h"
#include "wholecube/WholeCubePanel.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>

namespace turnix {

// Every change by hand ends here: the change is made, shown, and recorded
// as one step of the history; one that left the cube as it was is none.
void frmTurnix::EditCube(const QString& strText, const std::function<void()>& change) {
    const CubeColorValues before = ColorValuesOf(cubMain);
    change();
    NoteCubeChanged();
    DisplaySide();
    history.Record(strText, before, ColorValuesOf(cubMain));
}

// A listed solution never belongs to a cube that was replaced, nor do the
// doubts of an earlier reading.
void frmTurnix::ReplaceCube(const QString& strText, const std::function<void()>& change) {
    if (session.HasStepList()) {
        DiscardSolution();
    }
    EditCube(strText, [this, &change] {
        change();
        ClearDoubts();
    });
}

// Only Step Back can follow from a change by hand: the mode stays as it is.
void frmTurnix::NoteCubeChanged() {
    session.CubeChanged(cubMain);
    actions.mnuCubeStepBack->setEnabled(session.CanStepBack());
    KeepSession();
}

void frmTurnix::RestoreCube(const CubeColorValues& values) {
    SetColorValues(cubMain, values);
    NoteCubeChanged();
    DisplaySide();
}

// The side index is fixed by the command, not by the side on view.
void frmTurnix::TurnSide(std::int16_t intSide, MainActions::SideTurn turn) {
    EditCube(TurnEditText(intSide, turn), [&] { (cubMain.Side(intSide).*turn)(); });
}

// The view stays on the same side position and shows the colours that the
// rotation brought there.
void frmTurnix::RotateCube(MainActions::CubeRotation rotation) {
    EditCube(RotationEditText(rotation), [&] { (cubMain.*rotation)(); });
}

// The square's colour index is read from the button, where DisplaySide put
// it.
void frmTurnix::PickSquareColor(std::int16_t intSquare, QPoint globalPointer) {
    const QPushButton& square = *ui.cmdColor.at(static_cast<std::size_t>(intSquare));
    const auto current = static_cast<std::int16_t>(square.property("Tag").toString().toShort());
    if (const auto picked = PickColor(platform, this, current, lngColors, globalPointer)) {
        EditCube(PickColorEditText(),
                 [&] { cubMain.Side(intCurrentSide).Square(intSquare)->SetColorIndex(*picked); });
    }
    ui.txtDummy->setFocus();
}

// One square of a stroke; the stroke's squares make one step together.
void frmTurnix::PaintSquare(std::int16_t intSide, std::int16_t intSquare) {
    const std::int16_t color = ui.wholeCube->SelectedColor();
    const SquarePtr& square = cubMain.Side(intSide).Square(intSquare);
    if (session.SolutionMode() || square->ColorIndex() == color) {
        return;
    }
    const CubeColorValues before = ColorValuesOf(cubMain);
    square->SetColorIndex(color);
    NoteCubeChanged();
    DisplaySide();
    history.RecordPaint(before, ColorValuesOf(cubMain));
}

void frmTurnix::NewConfiguration() {
    ReplaceCube(NewConfigurationEditText(), [this] { cubMain.Reset(); });
}

// Open discards a solution only once a file has been chosen.
void frmTurnix::OpenConfiguration() {
    if (const std::optional<QString> fileName = cubeFiles.ChooseToOpen()) {
        ReplaceCube(OpenConfigurationEditText(), [&] { cubeFiles.ReadChosen(*fileName, cubMain); });
    }
}

// As Open does once a file is chosen, but a file that fails leaves the cube
// and a listed solution alone.
void frmTurnix::OpenConfigurationFile(const QString& path) {
    std::optional<clsCube> read = cubeFiles.ReadNamed(path, cubMain);
    if (read) {
        ReplaceCube(OpenConfigurationEditText(), [&] { read->Copy(cubMain); });
    }
    ui.txtDummy->setFocus();
}

// Without a folder the user chooses the file, starting from strFileName.
void frmTurnix::SaveConfiguration(const QString& strFileName,
                                  const std::optional<QString>& vFolder) {
    if (vFolder) {
        CubeFiles::SaveInFolder(*vFolder, strFileName, cubMain);
    } else {
        cubeFiles.SaveChosen(strFileName, cubMain);
    }
}

// Like Open: a string that is no cube changes nothing.
void frmTurnix::PasteFacelets() {
    std::optional<clsCube> pasted = facelets.Paste(cubMain);
    if (!pasted) {
        ui.txtDummy->setFocus();
        return;
    }
    ReplaceCube(PasteFaceletsEditText(), [&] { pasted->Copy(cubMain); });
}

// Turns by hand, written down: like the "Turn" entries, only in edit mode,
// and the whole line is one step of the history.
void frmTurnix::ApplyTurns() {
    if (session.SolutionMode()) {
        return;
    }
    frmApplyTurns dialog(this);
    if (platform.modalRunner.Exec(dialog) == QDialog::Accepted) {
        EditCube(ApplyTurnsEditText(), [&] {
            for (const NotationMove& move : dialog.Moves()) {
                ApplyMove(move, cubMain);
            }
        });
    }
    ui.txtDummy->setFocus();
}

// Replaces the cube like Open, as one step of the history; the doubts go
// when that step is undone.
void frmTurnix::ApplyReading(const CubeColorValues& values,
                             const std::vector<SquareDoubt>& doubts) {
    ReplaceCube(ReadCubeEditText(), [&] { SetColorValues(cubMain, values); });
    history.WatchLastEdit([this] { ClearDoubts(); });
    ui.wholeCube->SetDoubts(doubts);
    ui.dckWholeCube->show();
}

void frmTurnix::TurnSideBack(TurnedSide turned) {
    if (!session.SolutionMode()) {
        EditCube(TurnBackEditText(turned.side), [&] {
            SetColorValues(cubMain, TurnOuterSquares(ColorValuesOf(cubMain), turned));
        });
    }
}

void frmTurnix::ChangeDoubtfulSquare(SquareAt at, std::int16_t color) {
    if (!session.SolutionMode()) {
        EditCube(ChangeSquareEditText(),
                 [&] { cubMain.Side(at.side).Square(at.square)->SetColorIndex(color); });
    }
}

void frmTurnix::ClearDoubts() {
    history.StopWatching();
    ui.wholeCube->SetDoubts({});
}

void frmTurnix::DefineColorScheme() {
    if (const auto chosen = DefineColors(platform, this, lngColors)) {
        lngColors = *chosen;
        actions.DrawSchemePictures(*this, lngColors);
        DisplaySide();
    }
    ui.txtDummy->setFocus();
}

} // namespace turnix
