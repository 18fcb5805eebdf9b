#include "frmTurnix.h"

namespace turnix {

// The side index is fixed by the command, not by the side on view.
void frmTurnix::TurnSide(std::int16_t intSide, SideTurn turn) {
    (cubMain.Side(intSide).*turn)();
    DisplaySide();
}

// The view stays on the same side position and shows the colours that the
// rotation brought there.
void frmTurnix::RotateCube(CubeRotation rotation) {
    (cubMain.*rotation)();
    DisplaySide();
}

} // namespace turnix
