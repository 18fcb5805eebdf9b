#pragma once

#include "clsSolver.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace turnix {

// The tests' one way into the solver's private state and stages.
class SolverProbe {
public:
    // Puts a cube into the working cube as Solve does, without solving it.
    static void Load(clsSolver& solver, const clsCube& cube) {
        solver.ClearSolution();
        cube.Copy(solver.cubWork);
        solver.ReadCenterColors();
    }
    // A fresh list holding these codes as recorded with no rotation.
    static void SetSteps(clsSolver& solver, std::initializer_list<std::int16_t> codes) {
        solver.ClearSolution();
        for (const std::int16_t code : codes) {
            solver.AddStep(code);
        }
    }

    static void AddStep(clsSolver& solver, std::int16_t code) { solver.AddStep(code); }
    static void SetActive(clsSolver& solver, std::size_t index, bool active) {
        solver.blnActive[index] = active;
    }
    static void SetRecorded(clsSolver& solver, bool recorded) { solver.blnRecorded = recorded; }
    static void SetFinalPass(clsSolver& solver, bool finalPass) { solver.blnFinalPass = finalPass; }

    [[nodiscard]] static const std::vector<std::int16_t>& Steps(const clsSolver& solver) {
        return solver.intSteps;
    }
    [[nodiscard]] static const std::vector<bool>& Active(const clsSolver& solver) {
        return solver.blnActive;
    }
    // The recorded codes, active or not, without the trailing slot.
    [[nodiscard]] static std::vector<std::int16_t> StoredSteps(const clsSolver& solver) {
        return {solver.intSteps.begin(), solver.intSteps.end() - 1};
    }
    [[nodiscard]] static std::int16_t FirstStep(const clsSolver& solver) {
        return solver.intFirstStep;
    }
    [[nodiscard]] static std::int16_t LastStep(const clsSolver& solver) {
        return solver.intLastStep;
    }
    [[nodiscard]] static std::int16_t Rotation(const clsSolver& solver) {
        return solver.intRotation;
    }
    [[nodiscard]] static bool IsRecorded(const clsSolver& solver) { return solver.blnRecorded; }
    [[nodiscard]] static bool FinalPass(const clsSolver& solver) { return solver.blnFinalPass; }
    [[nodiscard]] static clsCube& Work(clsSolver& solver) { return solver.cubWork; }
    [[nodiscard]] static std::int16_t TopColor(const clsSolver& solver) {
        return solver.intTopColor;
    }
    [[nodiscard]] static std::int16_t FrontColor(const clsSolver& solver) {
        return solver.intFrontColor;
    }

    [[nodiscard]] static SquareLocation FindCenter(const clsSolver& solver, std::int16_t color) {
        return solver.FindCenter(color);
    }
    [[nodiscard]] static SquareLocation FindEdge(const clsSolver& solver, std::int16_t c1,
                                                 std::int16_t c2) {
        return solver.FindEdge(c1, c2);
    }
    [[nodiscard]] static SquareLocation FindCorner(const clsSolver& solver, std::int16_t c1,
                                                   std::int16_t c2, std::int16_t c3) {
        return solver.FindCorner(c1, c2, c3);
    }
    [[nodiscard]] static bool ValidateCube(const clsSolver& solver) {
        return solver.ValidateCube();
    }

    static void SolveStage1(clsSolver& solver) { solver.SolveStage1(); }
    static void SolveStage2(clsSolver& solver) { solver.SolveStage2(); }
    static void SolveStage3(clsSolver& solver) { solver.SolveStage3(); }
    [[nodiscard]] static bool SolveStage4(clsSolver& solver) { return solver.SolveStage4(); }
    [[nodiscard]] static bool SolveStage5(clsSolver& solver) { return solver.SolveStage5(); }
    [[nodiscard]] static std::uint16_t BottomCornerPattern(clsSolver& solver) {
        return solver.BottomCornerPattern();
    }
    [[nodiscard]] static std::uint16_t BottomEdgePattern(clsSolver& solver) {
        return solver.BottomEdgePattern();
    }
    static void TwistBottomCorners(clsSolver& solver, std::int16_t mode) {
        solver.TwistBottomCorners(mode);
    }
    static void CycleBottomEdges(clsSolver& solver, std::int16_t mode) {
        solver.CycleBottomEdges(mode);
    }
    static void OptimizeSteps(clsSolver& solver) { solver.OptimizeSteps(); }
};

} // namespace turnix
