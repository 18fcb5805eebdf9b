#pragma once

// Following a solution in the main window: what the status bar says, the
// next turn drawn, and the layer solver's list with the stage and place of
// each step.

#include "StepCodes.h"
#include "WindowTestSupport.h"
#include "appearance/TurnHint.h"
#include "layers/clsSolver.h"
#include "mainwindow/TurnHintOverlay.h"
#include "wholecube/CubeNet.h"

#include <QLabel>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace turnix::test {

// How long a window test waits for the fewest-turns tables: about a second
// normally, many under the sanitizers on a busy machine.
inline constexpr int TablesTimeoutMs = 120'000;

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

// A hint in short words: "along 2 ccw E>S" is side 2 turning
// counterclockwise, the row or column at the east edge moving south.
inline QString HintWords(const std::optional<TurnHint>& hint) {
    if (!hint) {
        return "none";
    }
    static const QStringList places{"on", "along", "away"};
    static const QStringList senses{"cw", "ccw", "half"};
    static const QStringList edges{"N", "E", "S", "W"};
    QString words = QString("%1 %2 %3")
                        .arg(places.at(int(hint->place)))
                        .arg(hint->side)
                        .arg(senses.at(int(hint->sense)));
    if (hint->place == HintPlace::AlongEdge) {
        words += " " + edges.at(int(hint->edge)) +
                 (hint->towards ? ">" + edges.at(int(*hint->towards)) : QString("<>"));
    }
    return words;
}

// What the window draws for the next turn, as "grid|net|note under the grid".
inline QString NextTurnShown(const QWidget& window) {
    return HintWords(Child<TurnHintOverlay>(window, "gridTurnHint").NextTurn()) + "|" +
           HintWords(Child<CubeNet>(window, "WholeCubeNet").NextTurn()) + "|" +
           Child<QLabel>(window, "lblNextTurn").text();
}

// What it must draw with done of the steps made and shownSide in the grid
// (nothing once all are made): the net's arrow as seen on the turning side
// itself, and words only for a side facing away.
inline QString NextTurnExpected(const std::vector<std::int16_t>& codes, std::size_t done,
                                std::int16_t shownSide) {
    if (done >= codes.size()) {
        return "none|none|";
    }
    static const QStringList names{"Top", "Bottom", "Front", "Back", "Left", "Right"};
    const std::int16_t code = codes.at(done);
    const auto hint = TurnHintFor(code, shownSide);
    const std::int16_t turning = StepTurnOf(code)->side;
    const QString note =
        hint->place == HintPlace::Opposite
            ? QString("Next turn: %1 Side (facing away), %2")
                  .arg(names.at(turning), QString::fromUtf8(SenseWords(hint->sense)))
            : QString();
    return HintWords(hint) + "|" + HintWords(TurnHintFor(code, turning)) + "|" + note;
}

// The layer solver's active steps, each with its stage's name.
struct LayerSolution {
    std::vector<std::int16_t> codes;
    QStringList stages;
};

inline LayerSolution LayerSolutionOf(const clsCube& cube) {
    clsSolver solver;
    LayerSolution solution;
    const bool solved = solver.Solve(cube);
    for (solver.MoveFirst(); solved && !solver.IsEOF(); solver.MoveNext()) {
        solution.codes.push_back(solver.CurrentStep());
        const auto stage = solver.StageOf(solver.Index());
        solution.stages << (stage ? QString::fromUtf8(StageNames.at(std::size_t(*stage))) : "?");
    }
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
