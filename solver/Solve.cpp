#include "clsSolver.h"

namespace turnix {

bool clsSolver::Solve(const clsCube& cubTurnix) {
    ClearSolution();
    cubTurnix.Copy(cubWork);
    ReadCenterColors();
    if (!ValidateCube()) {
        return false;
    }
    SolveStage1();
    SolveStage2();
    SolveStage3();
    if (!SolveStage4() || !SolveStage5()) {
        return false;
    }
    OptimizeSteps();
    return true;
}

} // namespace turnix
