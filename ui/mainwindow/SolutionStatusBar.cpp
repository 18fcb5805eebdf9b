#include "SolutionStatusBar.h"

#include "ElidingLabel.h"

#include <QLabel>

namespace turnix {

SolutionStatusBar::SolutionStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("statusSolution"));
    lblStatusStep = new ElidingLabel(this);
    lblStatusStep->setObjectName(QStringLiteral("lblStatusStep"));
    lblStatusStage = new QLabel(this);
    lblStatusStage->setObjectName(QStringLiteral("lblStatusStage"));
    lblStatusSolver = new QLabel(this);
    lblStatusSolver->setObjectName(QStringLiteral("lblStatusSolver"));
    addWidget(lblStatusStep, 1);
    addWidget(lblStatusStage);
    addPermanentWidget(lblStatusSolver);
}

void SolutionStatusBar::Show(const SolutionProgress& progress) {
    lblStatusStep->setText(StepMessage(progress));
    // The whole message, for when the bar is too narrow for it.
    lblStatusStep->setToolTip(lblStatusStep->text());
    lblStatusStage->setText(progress.stage);
    lblStatusSolver->setText(SolverName(progress.solver));
}

void SolutionStatusBar::Clear() {
    for (QLabel* label : {static_cast<QLabel*>(lblStatusStep), lblStatusStage, lblStatusSolver}) {
        label->clear();
    }
    lblStatusStep->setToolTip(QString());
}

QString SolutionStatusBar::StepMessage(const SolutionProgress& progress) {
    if (progress.done < progress.total) {
        return tr("Step %1 of %2 — next: %3")
            .arg(QString::number(progress.done + 1), QString::number(progress.total),
                 progress.next);
    }
    return progress.total == 1 ? tr("Solved in 1 step")
                               : tr("Solved in %1 steps").arg(progress.total);
}

QString SolutionStatusBar::SolverName(SolverKind solver) {
    switch (solver) {
    case SolverKind::FewestTurns:
        return tr("Fewest turns");
    case SolverKind::Optimal:
        return tr("Optimal");
    case SolverKind::LayerByLayer:
        break;
    }
    return tr("Layer by layer");
}

} // namespace turnix
