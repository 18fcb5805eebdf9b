#include "SolutionSession.h"

#include "fewest/FewestTurns.h"
#include "language/CoreTexts.h"

#include <algorithm>

namespace turnix {

namespace {

// Shown in the user's language; files get the core's English.
QString SessionText(std::string_view text) {
    return CoreText(text);
}

bool EverySideOneColour(const clsCube& cube) {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        const clsSide& face = cube.Side(s);
        for (std::int16_t q = 0; q < clsSide::SquareCount; ++q) {
            if (face.Square(q)->ColorIndex() != face.Square(4)->ColorIndex()) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

SolutionSession::SolutionSession() {
    for (std::size_t code = 0; code < strStepText.size(); ++code) {
        strStepText.at(code) = SessionText(StepDescriptions.at(code));
    }
}

// Only an empty list has its cursor on the first step and at the end at once.
bool SolutionSession::HasStepList() const noexcept {
    return blnSolutionMode || !(solMain.IsBOF() && solMain.IsEOF());
}

bool SolutionSession::HasStepsMade() const noexcept {
    return HasStepList() && !solMain.IsBOF();
}

bool SolutionSession::HasStepsToMake() const noexcept {
    return blnSolutionMode && !solMain.IsEOF();
}

bool SolutionSession::CanStepBack() const noexcept {
    return listFollowsCube && !solMain.IsBOF();
}

std::optional<std::int16_t> SolutionSession::NextStep() const noexcept {
    if (!HasStepsToMake()) {
        return std::nullopt;
    }
    return solMain.CurrentStep();
}

// The fewest-turns solver keeps the old list when it fails; it goes all the
// same.
SolveOutcome SolutionSession::Solve(SolverKind kind, const clsCube& cube,
                                    const std::vector<std::int16_t>* found) {
    bool solved = false;
    if (found != nullptr) {
        solMain.LoadSteps(*found);
        solved = true;
    } else if (kind == SolverKind::FewestTurns) {
        if (const auto codes = SolveFewestTurns(cube)) {
            solMain.LoadSteps(*codes);
            solved = true;
        }
    } else {
        solved = solMain.Solve(cube);
    }
    if (!solved || solMain.IsEOF()) {
        Discard();
        return solved ? SolveOutcome::AlreadyComplete : SolveOutcome::Invalid;
    }
    solutionSolver = kind;
    listFollowsCube = true;
    blnSolutionMode = true;
    return SolveOutcome::Started;
}

void SolutionSession::Discard() {
    solMain.ClearSolution();
    blnSolutionMode = false;
    listFollowsCube = false;
}

std::optional<std::int16_t> SolutionSession::TakeStep(const clsCube& cube) {
    if (solMain.IsEOF()) {
        finishedCube = EncodeConfiguration(cube);
        blnSolutionMode = false;
        return std::nullopt;
    }
    const std::int16_t code = solMain.CurrentStep();
    solMain.MoveNext();
    return code;
}

std::optional<std::int16_t> SolutionSession::TakeStepBack() {
    if (!CanStepBack()) {
        return std::nullopt;
    }
    blnSolutionMode = true;
    solMain.MovePrevious();
    return solMain.CurrentStep();
}

void SolutionSession::CubeChanged(const clsCube& cube) {
    if (!blnSolutionMode && listFollowsCube && EncodeConfiguration(cube) != finishedCube) {
        listFollowsCube = false;
    }
}

std::optional<SessionSolution> SolutionSession::Kept() const {
    if (!HasStepList()) {
        return std::nullopt;
    }
    ActiveSteps steps = Walk();
    return SessionSolution{solutionSolver == SolverKind::FewestTurns, std::move(steps.codes),
                           steps.done, blnSolutionMode, listFollowsCube};
}

// The layer solver's own list comes back with its stages when it solves
// the cube from before the steps the same way again; any other list is
// loaded as a plain list of turns.
bool SolutionSession::Restore(const SessionSolution& kept, const clsCube& cube) {
    Discard();
    clsCube start;
    clsCube end;
    cube.Copy(start);
    cube.Copy(end);
    for (std::size_t i = kept.done; i > 0; --i) {
        ApplyStep(start, InverseStep(kept.codes.at(i - 1)));
    }
    for (std::size_t i = kept.done; i < kept.codes.size(); ++i) {
        ApplyStep(end, kept.codes.at(i));
    }
    const bool follows = kept.presented || kept.followsCube;
    if (follows && !EverySideOneColour(end)) {
        return false;
    }
    const bool sameAgain = !kept.fewestTurns && solMain.Solve(start) && Walk().codes == kept.codes;
    if (!sameAgain) {
        if (std::ranges::any_of(kept.codes,
                                [](std::int16_t code) { return code >= SideTurnCount; })) {
            Discard();
            return false;
        }
        solMain.LoadSteps(kept.codes);
    }
    for (std::size_t i = 0; i < kept.done; ++i) {
        solMain.MoveNext();
    }
    solutionSolver = kept.fewestTurns ? SolverKind::FewestTurns : SolverKind::LayerByLayer;
    blnSolutionMode = kept.presented;
    listFollowsCube = follows;
    finishedCube = EncodeConfiguration(cube);
    return true;
}

QString SolutionSession::StepText(std::int16_t code) const {
    return strStepText.at(static_cast<std::size_t>(code));
}

QString SolutionSession::EnglishStepText(const QString& shown) const {
    for (std::size_t code = 0; code < strStepText.size(); ++code) {
        if (strStepText.at(code) == shown) {
            const std::string_view english = StepDescriptions.at(code);
            return QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
        }
    }
    return shown;
}

QString SolutionSession::LastStepText() const {
    const ActiveSteps steps = Walk();
    return steps.done == 0 ? QString() : StepText(steps.codes.at(steps.done - 1));
}

QStringList SolutionSession::PreviousStepTexts() const {
    const ActiveSteps steps = Walk();
    return Texts(steps.codes, 0, steps.done);
}

QStringList SolutionSession::RemainingStepTexts() const {
    const ActiveSteps steps = Walk();
    return Texts(steps.codes, steps.done, steps.codes.size());
}

SolutionProgress SolutionSession::Progress() const {
    const ActiveSteps steps = Walk();
    SolutionProgress progress;
    progress.solver = solutionSolver;
    progress.done = static_cast<int>(steps.done);
    progress.total = static_cast<int>(steps.codes.size());
    if (steps.done < steps.codes.size()) {
        progress.next = StepText(steps.codes.at(steps.done));
        if (const auto stage = solMain.StageOf(solMain.Index())) {
            progress.stage = SessionText(StageNames.at(static_cast<std::size_t>(*stage)));
        }
    }
    return progress;
}

// Every active step, and how many lie before the cursor.
SolutionSession::ActiveSteps SolutionSession::Walk() const {
    ActiveSteps steps;
    steps.codes = solMain.ActiveSteps().Codes();
    steps.done = solMain.StepsBeforeCursor().size();
    return steps;
}

QStringList SolutionSession::Texts(const std::vector<std::int16_t>& codes, std::size_t from,
                                   std::size_t to) const {
    QStringList texts;
    for (std::size_t i = from; i < to; ++i) {
        texts << StepText(codes.at(i));
    }
    return texts;
}

} // namespace turnix
