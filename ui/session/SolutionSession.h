#pragma once

#include "ConfigurationFile.h"
#include "SessionState.h"
#include "StepCodes.h"
#include "clsCube.h"
#include "layers/clsSolver.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace turnix {

// Which solver made a list of steps.
enum class SolverKind { LayerByLayer, FewestTurns, Optimal };

// Where a presented solution stands.
struct SolutionProgress {
    int done{0};   // active steps made
    int total{0};  // active steps in the list
    QString next;  // the words of the next step; empty after the last
    QString stage; // the stage the next step belongs to; empty when none
    SolverKind solver{SolverKind::LayerByLayer};
};

enum class SolveOutcome { Invalid, AlreadyComplete, Started };

// A solution and how far the user has followed it on the cube. Three states:
// no list (edit mode); solution mode, in which the cube changes only by the
// steps; and the finished list, back in edit mode after the last step, which
// can still be viewed until it is cleared or replaced. The session never
// changes the cube: it says which step to make, and the window makes it.
class SolutionSession {
public:
    SolutionSession();

    [[nodiscard]] const clsSolver& Solver() const noexcept { return solMain; }
    [[nodiscard]] bool SolutionMode() const noexcept { return blnSolutionMode; }
    [[nodiscard]] SolverKind Kind() const noexcept { return solutionSolver; }
    // In solution mode and while a finished list waits to be viewed.
    [[nodiscard]] bool HasStepList() const noexcept;
    // A step made that Previous Steps can list.
    [[nodiscard]] bool HasStepsMade() const noexcept;
    // Solution mode with a step still to make.
    [[nodiscard]] bool HasStepsToMake() const noexcept;
    // The list still belongs to the cube and a step has been made.
    [[nodiscard]] bool CanStepBack() const noexcept;
    // The step that One Step would make; nothing outside solution mode.
    [[nodiscard]] std::optional<std::int16_t> NextStep() const noexcept;

    // Solves the cube; an attempt that fails or finds nothing to do leaves
    // no list behind, not even a finished one from before. With `found`, the
    // steps a search has already found stand for the solver's.
    SolveOutcome Solve(SolverKind kind, const clsCube& cube,
                       const std::vector<std::int16_t>* found = nullptr);
    void Discard();
    // The step to make now, the cursor moved past it. After the last step
    // the session returns to edit mode with the finished list, remembers the
    // cube as it stands, and gives nothing.
    [[nodiscard]] std::optional<std::int16_t> TakeStep(const clsCube& cube);
    // The step to undo now, the cursor moved back onto it. From the finished
    // list it returns to solution mode first. Nothing when it cannot.
    [[nodiscard]] std::optional<std::int16_t> TakeStepBack();
    // A cube changed by hand after the last step no longer leads back
    // through the steps to the cube that was solved.
    void CubeChanged(const clsCube& cube);
    // A list about to be replaced is not followed back.
    void StopFollowing() noexcept { listFollowsCube = false; }

    // The list and how far it was followed, for the next run; nothing
    // without a list.
    [[nodiscard]] std::optional<SessionSolution> Kept() const;
    // Brings a kept list back on cube, which stands where it was left. A
    // list that still belongs to the cube must solve it; false, with no
    // list, when it does not.
    bool Restore(const SessionSolution& kept, const clsCube& cube);

    [[nodiscard]] QString StepText(std::int16_t code) const;
    // The words of the step just made; empty before the first.
    [[nodiscard]] QString LastStepText() const;
    // A step text as shown, in English, as files are written.
    [[nodiscard]] QString EnglishStepText(const QString& shown) const;
    [[nodiscard]] QStringList PreviousStepTexts() const;
    [[nodiscard]] QStringList RemainingStepTexts() const;
    [[nodiscard]] SolutionProgress Progress() const;

private:
    struct ActiveSteps {
        std::vector<std::int16_t> codes;
        std::size_t done{0}; // those before the cursor
    };
    [[nodiscard]] ActiveSteps Walk() const;
    [[nodiscard]] QStringList Texts(const std::vector<std::int16_t>& codes, std::size_t from,
                                    std::size_t to) const;

    std::array<QString, StepCodeCount> strStepText;
    clsSolver solMain;
    bool blnSolutionMode{false};
    SolverKind solutionSolver{SolverKind::LayerByLayer};
    // From a solve until the cube is changed other than by its steps.
    bool listFollowsCube{false};
    // The cube after the last step, to tell whether it changed since.
    ConfigurationBytes finishedCube{};
};

} // namespace turnix
