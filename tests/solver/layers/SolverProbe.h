#pragma once

#include "layers/clsSolver.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace turnix {

// The tests' one way into the solver's private state and stages.
class SolverProbe {
public:
    // Puts a cube into the working cube as Solve does, without solving it.
    static void Load(clsSolver& s, const clsCube& cube) {
        s.ClearSolution();
        cube.Copy(s.cubWork);
        s.ReadCenterColors();
    }
    static void AddStep(clsSolver& s, std::int16_t code) { s.AddStep(code); }
    static void BeginStage(clsSolver& s, std::size_t stage) { s.BeginStage(stage); }

    // The recorded codes, active or not, without the trailing slot.
    static std::vector<std::int16_t> Stored(const clsSolver& s) {
        return {s.intSteps.begin(), s.intSteps.end() - 1};
    }
    static std::int16_t FirstStep(const clsSolver& s) { return s.intFirstStep; }
    static std::int16_t LastStep(const clsSolver& s) { return s.intLastStep; }
    static std::int16_t Rotation(const clsSolver& s) { return s.intRotation; }
    static clsCube& Work(clsSolver& s) { return s.cubWork; }

    static void SolveStage1(clsSolver& s) { s.SolveStage1(); }
    static void SolveStage2(clsSolver& s) { s.SolveStage2(); }
    static void SolveStage3(clsSolver& s) { s.SolveStage3(); }
    static bool SolveStage4(clsSolver& s) { return s.SolveStage4(); }
    static bool SolveStage5(clsSolver& s) { return s.SolveStage5(); }
    static void OptimizeSteps(clsSolver& s) { s.OptimizeSteps(); }
};

} // namespace turnix
