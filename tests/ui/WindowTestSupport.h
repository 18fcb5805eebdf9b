#pragma once

// Reaching into the main window the way a user sees it: by the names of its
// controls, what its nine squares show, and the files it reads.

#include "ConfigurationFile.h"
#include "CubeTestSupport.h"
#include "DialogScripts.h"
#include "FakePlatform.h"
#include "StepCodes.h"
#include "clsSolver.h"
#include "frmTurnix.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <random>
#include <stdexcept>

namespace turnix::test {

inline void Trigger(const QWidget& window, const QString& actionName) {
    Child<QAction>(window, actionName).trigger();
}

inline QString LabelText(const QWidget& window, const QString& name) {
    return Child<QLabel>(window, name).text();
}

// Each of the nine squares as "colour index #rrggbb".
inline QStringList ShownSquares(const QWidget& window) {
    QStringList squares;
    for (int i = 0; i < 9; ++i) {
        const auto& button = Child<QPushButton>(window, QString("cmdColor%1").arg(i));
        squares << button.property("Tag").toString() + " " +
                       button.palette().color(QPalette::Button).name();
    }
    return squares;
}

// What the squares must show for one side of a cube.
inline QStringList ExpectedSquares(const clsCube& cube, std::int16_t intSide,
                                   const ColorScheme& colors = DefaultScreenColors) {
    QStringList squares;
    for (std::int16_t q = 0; q < 9; ++q) {
        const std::int16_t index = cube.Side(intSide).Square(q)->ColorIndex();
        const QColor color = index >= 0 && index < 6
                                 ? ToQColor(colors.at(static_cast<std::size_t>(index)))
                                 : NeutralSquareColor;
        squares << QString::number(index) + " " + color.name();
    }
    return squares;
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A cube reached by random turns, so the solver always finds a solution.
inline clsCube Scrambled(unsigned seed) {
    clsCube cube;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> code(0, SideTurnCount - 1);
    for (int i = 0; i < 30; ++i) {
        ApplyStep(cube, static_cast<std::int16_t>(code(random)));
    }
    return cube;
}

inline bool IsSolved(const clsCube& cube) {
    for (std::int16_t s = 0; s < 6; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            if (cube.Side(s).Square(q)->ColorIndex() != cube.Side(s).Square(4)->ColorIndex()) {
                return false;
            }
        }
    }
    return true;
}

// The solver's steps for a cube; none when it is solved or unsolvable.
inline std::vector<std::int16_t> SolutionOf(const clsCube& cube) {
    clsSolver solver;
    std::vector<std::int16_t> codes;
    if (solver.Solve(cube)) {
        for (solver.MoveFirst(); !solver.IsEOF(); solver.MoveNext()) {
            codes.push_back(solver.CurrentStep());
        }
    }
    return codes;
}

// The descriptions of codes[from, to), as the step lists join them.
inline QString Joined(const std::vector<std::int16_t>& codes, std::size_t from, std::size_t to) {
    QStringList texts;
    for (std::size_t i = from; i < to; ++i) {
        texts << QString::fromUtf8(StepText(codes.at(i)).data(),
                                   static_cast<qsizetype>(StepText(codes.at(i)).size()));
    }
    return texts.join("\r\n");
}

// The enabled state of every control that the two modes and the step list
// set, in one line.
inline QString Controls(const QWidget& window) {
    const auto enabled = [&window](const QString& name) {
        QObject& control = Child<QObject>(window, name);
        if (const auto* menu = qobject_cast<QMenu*>(&control)) {
            return menu->menuAction()->isEnabled();
        }
        if (const auto* action = qobject_cast<QAction*>(&control)) {
            return action->isEnabled();
        }
        return static_cast<QWidget&>(control).isEnabled();
    };
    bool squares = true;
    for (int i = 0; i < 9; ++i) {
        squares = squares && enabled(QString("cmdColor%1").arg(i));
    }
    QString state = squares ? "squares+" : "squares-";
    for (const char* name :
         {"mnuCubeSolve", "mnuCubeRotate", "mnuSideTurn", "ToolbarButton11", "cmdOneStep",
          "cmdStepsToCompletion", "cmdPreviousSteps", "cmdClear", "fraSolution", "txtSolution"}) {
        state += QString(" %1%2").arg(name, enabled(name) ? "+" : "-");
    }
    return state;
}

inline const QString EditNoSolution =
    "squares+ mnuCubeSolve+ mnuCubeRotate+ mnuSideTurn+ ToolbarButton11+ cmdOneStep- "
    "cmdStepsToCompletion- cmdPreviousSteps- cmdClear- fraSolution- txtSolution-";
inline const QString EditFinishedList =
    "squares+ mnuCubeSolve+ mnuCubeRotate+ mnuSideTurn+ ToolbarButton11+ cmdOneStep- "
    "cmdStepsToCompletion- cmdPreviousSteps+ cmdClear+ fraSolution+ txtSolution-";

inline QString Stepping(bool previous, bool toCompletion) {
    return QString("squares- mnuCubeSolve- mnuCubeRotate- mnuSideTurn- ToolbarButton11- "
                   "cmdOneStep+ cmdStepsToCompletion%1 cmdPreviousSteps%2 cmdClear+ "
                   "fraSolution+ txtSolution+")
        .arg(toCompletion ? "+" : "-", previous ? "+" : "-");
}

// A main window on fake services, with a folder for its files. Set the fakes
// up, then Start().
struct Session {
    QTemporaryDir folder;
    FakePlatform fake;
    std::optional<frmTurnix> window;
    int files{0};

    frmTurnix& Start() {
        window.emplace(fake.Services());
        window->show();
        return *window;
    }

    // A new file in the folder holding cube.
    QString Saved(const clsCube& cube) {
        const QString path = folder.filePath(QString("cube%1.cub").arg(++files));
        if (!WriteConfigurationFile(QFile::encodeName(path).toStdString(), cube)) {
            throw std::runtime_error("cannot write " + path.toStdString());
        }
        return path;
    }

    // Puts cube into the window through "Open Configuration".
    void Load(const clsCube& cube) { Open(Saved(cube)); }

    // Nothing is a cancelled dialog.
    void Open(const std::optional<QString>& path) {
        fake.fileDialogs.openAnswers.push_back(path);
        Trigger(*window, "mnuFileOpenConfiguration");
    }

    // What the squares must show of the window's own cube.
    [[nodiscard]] QStringList Expected() const {
        return ExpectedSquares(window->Cube(), window->CurrentSide(), window->Colors());
    }
};

} // namespace turnix::test
