#include "SolutionSession.h"

#include "fewest/FewestTurns.h"
#include "language/CoreTexts.h"

namespace turnix {

namespace {

// Shown in the user's language; files get the core's English.
QString SessionText(std::string_view text) {
    return CoreText(text);
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
SolveOutcome SolutionSession::Solve(SolverKind kind, const clsCube& cube) {
    bool solved = false;
    if (kind == SolverKind::FewestTurns) {
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
