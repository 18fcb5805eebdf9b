#pragma once

#include "clsCube.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace turnix {

// Where a lookup found a square; side 0, square 0 and not found otherwise.
struct SquareLocation {
    std::int16_t Side{0};
    std::int16_t Square{0};
    bool Found{false};

    friend bool operator==(const SquareLocation&, const SquareLocation&) = default;
};

// The solving stages in the order they run, by the pieces they finish.
inline constexpr std::size_t StageCount = 5;
inline constexpr std::array<std::string_view, StageCount> StageNames{
    "Top edges", "Top corners", "Middle edges", "Bottom corners", "Bottom edges"};

// One active step of a list: its position and its code.
struct ActiveStep {
    std::int16_t index;
    std::int16_t code;

    friend bool operator==(const ActiveStep&, const ActiveStep&) = default;
};

// Active steps of a list, in order, from a first position up to an end
// position; the first counts whatever its flag, as a walk with the cursor
// counts it. Reading never moves the cursor. Valid until the list changes.
class ActiveStepView {
public:
    class Iterator {
    public:
        using value_type = ActiveStep;
        using difference_type = std::ptrdiff_t;

        Iterator() = default;
        Iterator(const ActiveStepView& view, std::int16_t index) noexcept
            : codes(view.codes), active(view.active), last(view.last), at(index) {}
        [[nodiscard]] ActiveStep operator*() const noexcept {
            return {at, (*codes)[static_cast<std::size_t>(at)]};
        }
        Iterator& operator++() noexcept {
            do {
                ++at;
            } while (at < last && !(*active)[static_cast<std::size_t>(at)]);
            return *this;
        }
        Iterator operator++(int) noexcept {
            Iterator old = *this;
            ++*this;
            return old;
        }
        friend bool operator==(const Iterator& a, const Iterator& b) noexcept {
            return a.at == b.at;
        }

    private:
        const std::vector<std::int16_t>* codes{nullptr};
        const std::vector<bool>* active{nullptr};
        std::int16_t last{0};
        std::int16_t at{0};
    };

    ActiveStepView(const std::vector<std::int16_t>& stepCodes, const std::vector<bool>& flags,
                   std::int16_t from, std::int16_t to) noexcept
        : codes(&stepCodes), active(&flags), first(from), last(std::max(from, to)) {}

    [[nodiscard]] Iterator begin() const noexcept { return {*this, first}; }
    [[nodiscard]] Iterator end() const noexcept { return {*this, last}; }
    [[nodiscard]] bool empty() const noexcept { return first == last; }
    // Counts by walking.
    [[nodiscard]] std::size_t size() const noexcept;
    [[nodiscard]] std::vector<std::int16_t> Codes() const;

private:
    const std::vector<std::int16_t>* codes;
    const std::vector<bool>* active;
    std::int16_t first;
    std::int16_t last;
};

// Solves a copy of the cube layer by layer and keeps the result as a list
// of side turns in the caller's orientation, walked with a cursor that skips
// the steps the optimisation pass removed.
class clsSolver {
public:
    clsSolver();

    // The cursor position.
    [[nodiscard]] std::int16_t Index() const noexcept { return intCursor; }
    // The step under the cursor; at the end position the trailing 0, so
    // test IsEOF() first.
    [[nodiscard]] std::int16_t CurrentStep() const noexcept;

    // Empties the list; keeps the bookmark, the working cube and the
    // capacity of the list, so that solving again does not allocate.
    void ClearSolution();

    // The cursor stands on the first active step / on the end position.
    [[nodiscard]] bool IsBOF() const noexcept { return intCursor == intFirstStep; }
    [[nodiscard]] bool IsEOF() const noexcept { return intCursor == intLastStep; }
    void MoveFirst() noexcept { intCursor = intFirstStep; }
    void MoveNext() noexcept;
    void MovePrevious() noexcept;
    void SaveBookMark() noexcept { intBookMark = intCursor; }
    void RestoreBookMark() noexcept { intCursor = intBookMark; }

    // The active steps, first to last, as MoveFirst and MoveNext visit
    // them; those before the cursor; those from the cursor on.
    [[nodiscard]] ActiveStepView ActiveSteps() const noexcept {
        return {intSteps, blnActive, intFirstStep, intLastStep};
    }
    [[nodiscard]] ActiveStepView StepsBeforeCursor() const noexcept {
        return {intSteps, blnActive, intFirstStep, intCursor};
    }
    [[nodiscard]] ActiveStepView StepsFromCursor() const noexcept {
        return {intSteps, blnActive, intCursor, intLastStep};
    }

    // The stage (0..4, as in StageNames) whose steps the step at the index
    // finishes: the stage that recorded it, or the earlier one for a turn
    // that the optimisation folded across the boundary between them.
    // Nothing at the end position, outside the list, or in a loaded list.
    [[nodiscard]] std::optional<std::int16_t> StageOf(std::int16_t index) const noexcept;

    // Replaces the list with side turns (codes 0..17) found elsewhere, all
    // active, the cursor on the first. Such a list belongs to no stage.
    // Throws std::invalid_argument for any other code and std::length_error
    // past 32,767 steps, leaving the list empty.
    void LoadSteps(std::span<const std::int16_t> intCodes);

    // Records a solution of cubTurnix, which is only read. False when the
    // colours describe no cube that turning can solve; the steps recorded
    // so far then stay until ClearSolution. Always returns in bounded time.
    [[nodiscard]] bool Solve(const clsCube& cubTurnix);

private:
    // Tests reach the private state and stages through this one class,
    // which they define themselves.
    friend class SolverProbe;

    // Step list (clsSolver.cpp). Stores a side turn translated into the
    // caller's orientation, or counts a whole-cube rotation (20, 21).
    // Throws std::length_error past 32,767 stored steps.
    void AddStep(std::int16_t intStep);
    // The steps recorded from now on belong to the stage, and to none after
    // it until that one begins.
    void BeginStage(std::size_t stage) noexcept;
    // AddStep, then the same move on cubWork.
    void Move(std::int16_t intStep);
    void Play(std::span<const std::int16_t> steps);

    // Lookups on cubWork (SolverLookup.cpp).
    void ReadCenterColors() noexcept;
    [[nodiscard]] SquareLocation FindCenter(std::int16_t intColor) const;
    [[nodiscard]] SquareLocation FindEdge(std::int16_t intColor1, std::int16_t intColor2) const;
    [[nodiscard]] SquareLocation FindCorner(std::int16_t intColor1, std::int16_t intColor2,
                                            std::int16_t intColor3) const;
    [[nodiscard]] bool ValidateCube() const;

    // The stages, one file each.
    void SolveStage1();
    void SolveStage2();
    void SolveStage3();
    // Stage 4: bottom corners. The patterns are PatternKey numbers.
    [[nodiscard]] bool SolveStage4();
    [[nodiscard]] std::uint16_t BottomCornerPattern();
    void TwistBottomCorners(std::int16_t intMode);
    // Stage 5: bottom edges. PlaceBottomEdges is false when the edges cannot
    // be brought home, which happens exactly for an odd arrangement.
    [[nodiscard]] bool SolveStage5();
    [[nodiscard]] bool PlaceBottomEdges();
    void CycleBottomEdges(std::int16_t intMode);
    [[nodiscard]] std::uint16_t BottomEdgePattern();
    void OpeningPair();
    void ClosingPairKeptBack();
    void Flush();
    void RotateWithFlush(std::int16_t intStep);

    void OptimizeSteps();
    // The turn at b took in the turn at a: it keeps a's stage.
    void KeepStageOfFolded(std::int16_t a, std::int16_t b) noexcept;

    clsCube cubWork;
    std::int16_t intFrontColor{0};
    std::int16_t intBackColor{0};
    std::int16_t intTopColor{0};
    std::int16_t intBottomColor{0};
    std::int16_t intLeftColor{0};
    std::int16_t intRightColor{0};
    // Entries 0..intLastStep-1 are steps; entry intLastStep is a trailing 0.
    std::vector<std::int16_t> intSteps;
    std::int16_t intFirstStep{0};
    std::int16_t intCursor{0};
    std::int16_t intLastStep{0};
    std::int16_t intBookMark{0};
    // Net quarter rotations of cubWork to the right, 0..3.
    std::int16_t intRotation{0};
    // One flag per entry of intSteps; the trailing slot's is always true.
    std::vector<bool> blnActive;
    // Stage 5: false while a closing pair is applied to cubWork but not yet
    // recorded; true in the final placement, where closing pairs are
    // recorded at once.
    bool blnRecorded{true};
    bool blnFinalPass{false};
    // Where each stage's steps begin in intSteps; a later stage never begins
    // before an earlier one.
    std::array<std::int16_t, StageCount> stageStarts{};
};

} // namespace turnix
