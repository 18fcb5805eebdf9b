#include "dialogs/ColorCommands.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmInstructions.h"
#include "editing/EditTexts.h"
#include "frmTurnix.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>

namespace turnix {

void frmTurnix::DefineColorScheme() {
    if (const auto chosen = DefineColors(platform, this, lngColors)) {
        lngColors = *chosen;
        DrawSchemePictures();
        DisplaySide();
    }
    txtDummy->setFocus();
}

// The square's colour index is read from the button, where DisplaySide put
// it.
void frmTurnix::PickSquareColor(std::int16_t intSquare, QPoint globalPointer) {
    const QPushButton& square = *cmdColor.at(static_cast<std::size_t>(intSquare));
    const auto current = static_cast<std::int16_t>(square.property("Tag").toString().toShort());
    if (const auto picked = PickColor(platform, this, current, lngColors, globalPointer)) {
        const CubeColorValues before = ColorValuesOf(cubMain);
        cubMain.Side(intCurrentSide).Square(intSquare)->SetColorIndex(*picked);
        DisplaySide();
        RecordEdit(PickColorEditText(), before);
    }
    txtDummy->setFocus();
}

void frmTurnix::ShowAbout() {
    frmAbout about(platform, lngColors, this);
    platform.modalRunner.Exec(about);
    txtDummy->setFocus();
}

// Probed once: without a readable guide the entry stays off for the run.
void frmTurnix::ProbeInstructions() {
    const std::optional<QString> path = ProbeInstructionsFile(strInstallFolder);
    strInstructionsFile = path.value_or(QString());
    mnuHelpInstructions->setEnabled(path.has_value());
}

// A window of its own rather than one that the window manager keeps above
// this one, so that the cube can be brought to the front while the guide is
// open; it opens beside this window so as not to hide the cube.
void frmTurnix::ShowInstructionsWindow() {
    ShowInstructions(instructionsWindow, this, strInstructionsFile);
}

void frmTurnix::CloseInstructions() {
    if (instructionsWindow != nullptr) {
        instructionsWindow->close();
    }
}

} // namespace turnix
