#pragma once

// Reaching into the main window the way a user sees it: by the names of its
// controls, the tags and colours of the nine squares, and the files it reads.

#include "ConfigurationFile.h"
#include "CubeTestSupport.h"
#include "DialogScripts.h"
#include "FakePlatform.h"
#include "StepCodes.h"
#include "frmTurnix.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <stdexcept>

namespace turnix::test {

inline void Trigger(const QWidget& window, const QString& actionName) {
    Child<QAction>(window, actionName).trigger();
}

inline QString LabelText(const QWidget& window, const QString& name) {
    return Child<QLabel>(window, name).text();
}

// The colour index each of the nine buttons says it shows, and its colour.
inline QStringList ShownTags(const QWidget& window) {
    QStringList tags;
    for (int i = 0; i < 9; ++i) {
        tags << Child<QPushButton>(window, QString("cmdColor%1").arg(i)).property("Tag").toString();
    }
    return tags;
}

inline QList<QColor> ShownColors(const QWidget& window) {
    QList<QColor> colors;
    for (int i = 0; i < 9; ++i) {
        colors << Child<QPushButton>(window, QString("cmdColor%1").arg(i))
                      .palette()
                      .color(QPalette::Button);
    }
    return colors;
}

inline QStringList TagsOf(const clsCube& cube, std::int16_t intSide) {
    QStringList tags;
    for (std::int16_t q = 0; q < 9; ++q) {
        tags << QString::number(cube.Side(intSide).Square(q)->ColorIndex());
    }
    return tags;
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

// Puts any cube into the window through "Open Configuration".
inline void LoadCube(const QWidget& window, FakePlatform& fake, const clsCube& cube,
                     const QString& path) {
    if (!WriteConfigurationFile(QFile::encodeName(path).toStdString(), cube)) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
    fake.fileDialogs.openAnswers.push_back(path);
    Trigger(window, "mnuFileOpenConfiguration");
}

// A cube in the program's own colours with all six sides mixed up.
inline void Scramble(clsCube& cube) {
    cube.Side(side::Front).RotateClockwise();
    cube.Side(side::Right).RotateCounterclockwise();
    cube.Side(side::Top).RotateDouble();
    cube.Side(side::Left).RotateClockwise();
    cube.Side(side::Back).RotateClockwise();
    cube.Side(side::Bottom).RotateCounterclockwise();
}

// The enabled state of every control that the two modes and the step list
// set, in one line.
inline QString Controls(const QWidget& window) {
    bool squares = true;
    for (int i = 0; i < 9; ++i) {
        squares = squares && Child<QPushButton>(window, QString("cmdColor%1").arg(i)).isEnabled();
    }
    const auto flag = [](const char* name, bool enabled) {
        return QString::fromLatin1(name) + (enabled ? "+" : "-");
    };
    return QStringList{
        flag("squares", squares),
        flag("solve", Child<QAction>(window, "mnuCubeSolve").isEnabled()),
        flag("rotate", Child<QMenu>(window, "mnuCubeRotate").menuAction()->isEnabled()),
        flag("turn", Child<QMenu>(window, "mnuSideTurn").menuAction()->isEnabled()),
        flag("button11", Child<QAction>(window, "ToolbarButton11").isEnabled()),
        flag("oneStep", Child<QPushButton>(window, "cmdOneStep").isEnabled()),
        flag("toCompletion", Child<QPushButton>(window, "cmdStepsToCompletion").isEnabled()),
        flag("previous", Child<QPushButton>(window, "cmdPreviousSteps").isEnabled()),
        flag("clear", Child<QPushButton>(window, "cmdClear").isEnabled()),
        flag("frame", Child<QGroupBox>(window, "fraSolution").isEnabled()),
        flag("text", Child<QLineEdit>(window, "txtSolution").isEnabled()),
    }
        .join(' ');
}

inline const QString EditNoSolution =
    "squares+ solve+ rotate+ turn+ button11+ oneStep- toCompletion- "
    "previous- clear- frame- text-";
inline const QString EditFinishedList =
    "squares+ solve+ rotate+ turn+ button11+ oneStep- toCompletion- "
    "previous+ clear+ frame+ text-";

inline QString Stepping(bool previous, bool toCompletion) {
    return QString("squares- solve- rotate- turn- button11- oneStep+ toCompletion%1 previous%2 "
                   "clear+ frame+ text+")
        .arg(toCompletion ? "+" : "-", previous ? "+" : "-");
}

inline QString Description(std::int16_t code) {
    return QString::fromLatin1(StepText(code).data(),
                               static_cast<qsizetype>(StepText(code).size()));
}

} // namespace turnix::test
