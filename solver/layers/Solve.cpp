#include "clsSolver.h"

namespace turnix {

bool clsSolver::Solve(const clsCube& cubTurnix) {
    ClearSolution();
    cubTurnix.Copy(cubWork);
    ReadCenterColors();
    if (!ValidateCube()) {
        return false;
    }
    BeginStage(0);
    SolveStage1();
    BeginStage(1);
    SolveStage2();
    BeginStage(2);
    SolveStage3();
    BeginStage(3);
    if (!SolveStage4()) {
        return false;
    }
    BeginStage(4);
    if (!SolveStage5()) {
        return false;
    }
    OptimizeSteps();
    return true;
}

} // namespace turnix
