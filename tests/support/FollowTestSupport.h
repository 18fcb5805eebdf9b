#pragma once

// Following a solution in the main window: what the status bar says, and
// the layer solver's list with the stage and place of each step.

#include "StepCodes.h"
#include "WindowTestSupport.h"
#include "clsSolver.h"

#include <QLabel>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace turnix::test {

// The status bar as "message|stage|solver".
inline QString StatusBar(const QWidget& window) {
    QStringList texts;
    for (const char* name : {"lblStatusStep", "lblStatusStage", "lblStatusSolver"}) {
        texts << Child<QLabel>(window, name).text();
    }
    return texts.join('|');
}

// What the status bar says with done of the steps made.
inline QString ExpectedStatus(const std::vector<std::int16_t>& codes, const QStringList& stages,
                              std::size_t done, const QString& solver) {
    if (done == codes.size()) {
        return (codes.size() == 1 ? QString("Solved in 1 step")
                                  : QString("Solved in %1 steps").arg(codes.size())) +
               "||" + solver;
    }
    return QString("Step %1 of %2 \u2014 next: %3|%4|%5")
        .arg(done + 1)
        .arg(codes.size())
        .arg(QString::fromUtf8(StepText(codes.at(done))), stages.value(qsizetype(done)), solver);
}

// The layer solver's active steps, each with its stage's name and its
// place in the list; end is the place after the last.
struct LayerSolution {
    std::vector<std::int16_t> codes;
    QStringList stages;
    std::vector<std::int16_t> places;
    std::int16_t end{0};
};

inline LayerSolution LayerSolutionOf(const clsCube& cube) {
    clsSolver solver;
    LayerSolution solution;
    const bool solved = solver.Solve(cube);
    for (solver.MoveFirst(); solved && !solver.IsEOF(); solver.MoveNext()) {
        solution.codes.push_back(solver.CurrentStep());
        const auto stage = solver.StageOf(solver.Index());
        solution.stages << (stage ? QString::fromUtf8(StageNames.at(std::size_t(*stage))) : "?");
        solution.places.push_back(solver.Index());
    }
    solution.end = solver.Index();
    return solution;
}

// The codes of step descriptions joined as the step lists join them.
inline std::vector<std::int16_t> CodesOf(const QString& steps) {
    std::vector<std::int16_t> codes;
    for (const QString& line : steps.split("\r\n", Qt::SkipEmptyParts)) {
        std::int16_t code = 0;
        while (code < StepCodeCount && QString::fromUtf8(StepText(code)) != line) {
            ++code;
        }
        codes.push_back(code);
    }
    return codes;
}

} // namespace turnix::test
