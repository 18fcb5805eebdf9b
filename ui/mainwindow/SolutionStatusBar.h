#pragma once

#include "session/SolutionSession.h"

#include <QStatusBar>
#include <QString>

class QLabel;

namespace turnix {

class ElidingLabel;

// The main window's status bar. In solution mode it tells how far along the
// solution is and what comes next ("lblStatusStep"), the stage of the
// method that step belongs to ("lblStatusStage"), and on the right which
// solver made the list ("lblStatusSolver"). In edit mode it is empty.
class SolutionStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit SolutionStatusBar(QWidget* parent = nullptr);

    void Show(const SolutionProgress& progress);
    void Clear();

    // "Step 12 of 107 — next: Turn right side clockwise", or after the last
    // step "Solved in 107 steps".
    [[nodiscard]] static QString StepMessage(const SolutionProgress& progress);
    [[nodiscard]] static QString SolverName(SolverKind solver);

private:
    ElidingLabel* lblStatusStep{};
    QLabel* lblStatusStage{};
    QLabel* lblStatusSolver{};
};

} // namespace turnix
