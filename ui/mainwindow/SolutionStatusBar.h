#pragma once

#include <QStatusBar>
#include <QString>

class QLabel;

namespace turnix {

class ElidingLabel;

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
