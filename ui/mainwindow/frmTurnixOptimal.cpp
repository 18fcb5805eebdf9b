#include "frmTurnix.h"
#include "optimal/OptimalSolve.h"
#include "platform/ApplicationTitle.h"
#include "session/OptimalSolveRun.h"

#include <QMessageBox>

namespace turnix {

namespace {

QString Megabytes(std::uint64_t bytes) {
    constexpr std::uint64_t Mega = 1024 * 1024;
    return QString::number((bytes + Mega - 1) / Mega);
}

} // namespace

void frmTurnix::CreateOptimalSolve() {
    optimalSolve = new OptimalSolveRun(
        [](const Arrangement& cube, const OptimalOptions& options) {
            return SolveOptimal(cube, options);
        },
        this);
    connect(optimalSolve, &OptimalSolveRun::Finished, this, &frmTurnix::OptimalSolveFinished);
}

// The progress dialog is modal, so the cube stays as it is until the
// search ends.
void frmTurnix::SolveOptimally() {
    if (optimalSolve->Running() || fewestTurns.Waiting()) {
        return;
    }
    if (!optimalSolve->Start(cubMain)) {
        DiscardSolution();
        platform.messageBoxes.ShowMessage(this, ApplicationTitle(),
                                          QStringLiteral("Invalid Cube Configuration"),
                                          MessageIcon::Exclamation);
    }
}

// A search stopped early still gives the fewest-turns solver's answer it
// started from: that list is shown as the fewest-turns solver's, never as
// optimal.
void frmTurnix::OptimalSolveFinished(const OptimalResult& result) {
    if (result.outcome == OptimalResult::Outcome::NoMemory) {
        QMessageBox question(
            QMessageBox::Question, ApplicationTitle(),
            QStringLiteral("The optimal solver needs %1 MB of memory for its table, and only "
                           "%2 MB are free.\n\nSolve in fewest turns instead?")
                .arg(Megabytes(result.bytesNeeded), Megabytes(result.bytesFree)),
            QMessageBox::Yes | QMessageBox::No, this);
        question.setObjectName(QStringLiteral("msgOptimalMemory"));
        question.setDefaultButton(QMessageBox::Yes);
        if (platform.modalRunner.Exec(question) == QMessageBox::Yes) {
            SolveInFewestTurns();
        }
        return;
    }
    if (!result.steps) {
        return;
    }
    SolveWith(result.outcome == OptimalResult::Outcome::Proven ? SolverKind::Optimal
                                                               : SolverKind::FewestTurns,
              &*result.steps);
}

} // namespace turnix
