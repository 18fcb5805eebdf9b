#pragma once

// Reaching into the main window the way a user sees it: by the names of its
// controls, what its nine squares show, and the files it reads.

#include "ConfigurationFile.h"
#include "CubeTestSupport.h"
#include "DialogScripts.h"
#include "FakePlatform.h"
#include "StepCodes.h"
#include "layers/clsSolver.h"
#include "mainwindow/frmTurnix.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>
#include <functional>
#include <random>
#include <stdexcept>

namespace turnix::test {

inline QWidget* Focused() {
    return QApplication::focusWidget();
}

// Whether a picture shows the black and white ring of a focus or a finding
// in area: near-black and near-white pixels in its left third.
inline bool ShowsMark(const QImage& picture, const QRect& area) {
    bool dark = false;
    bool light = false;
    for (int x = area.left(); x < area.left() + area.width() / 3; ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const int gray = qGray(picture.pixel(x, y));
            dark = dark || gray < 30;
            light = light || gray > 225;
        }
    }
    return dark && light;
}

// A menu entry by its name, or a toolbar button's by the button's name.
inline QAction& Command(const QWidget& window, const QString& name) {
    if (const auto* button = window.findChild<QToolButton*>(name)) {
        return *button->defaultAction();
    }
    return Child<QAction>(window, name);
}

inline void Trigger(const QWidget& window, const QString& actionName) {
    Command(window, actionName).trigger();
}

// The menu entry that performs a step code, e.g. "mnuSideTurnFrontClockwise".
inline QString CommandName(std::int16_t code) {
    static const QStringList sides{"Front", "Left", "Back", "Right", "Top", "Bottom"};
    static const QStringList turns{"Clockwise", "Counterclockwise", "Twice"};
    static const QStringList rotations{"Up", "Down", "Left", "Right"};
    return code < SideTurnCount ? "mnuSideTurn" + sides.at(code / 3) + turns.at(code % 3)
                                : "mnuCubeRotate" + rotations.at(code - SideTurnCount);
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

// The codec's bytes, which its own tests pin to the file format.
inline QByteArray Encoded(const ConfigurationBytes& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A cube reached by random turns, so the solver always finds a solution.
inline clsCube Scrambled(unsigned seed) {
    clsCube cube;
    std::mt19937 random(seed);
    for (int i = 0; i < 30; ++i) {
        ApplyStep(cube, static_cast<std::int16_t>(random() % SideTurnCount));
    }
    return cube;
}

// The descriptions of codes[from, to), as the step lists join them.
inline QString Joined(const std::vector<std::int16_t>& codes, std::size_t from, std::size_t to) {
    QStringList texts;
    for (std::size_t i = from; i < to; ++i) {
        texts << QString::fromUtf8(StepText(codes.at(i)));
    }
    return texts.join("\r\n");
}

// The enabled state of every control that the two modes and the step list
// set, in one line; the nine squares count as one.
inline QString Controls(const QWidget& window) {
    QString state;
    for (const char* name : {"cmdColor", "mnuCubeSolve", "mnuCubeRotate", "mnuSideTurn",
                             "ToolbarButton11", "cmdOneStep", "cmdStepsToCompletion",
                             "cmdPreviousSteps", "cmdClear", "fraSolution", "txtSolution"}) {
        const auto controls =
            window.findChildren<QObject*>(QRegularExpression(QString("^%1\\d?$").arg(name)));
        bool enabled = !controls.isEmpty();
        for (QObject* control : controls) {
            const auto* menu = qobject_cast<QMenu*>(control);
            const auto* action = menu ? menu->menuAction() : qobject_cast<QAction*>(control);
            enabled = enabled &&
                      (action ? action->isEnabled() : static_cast<QWidget*>(control)->isEnabled());
        }
        state += QString(" %1%2").arg(name, enabled ? "+" : "-");
    }
    return state;
}

// The mode table: edit mode, with or without a finished list, or solution
// mode with Previous Steps and Steps To Completion as given.
inline QString ModeControls(bool editing, bool previous, bool toCompletion) {
    const auto on = [](bool enabled) {
        return enabled ? "+" : "-";
    };
    return QString(" cmdColor%1 mnuCubeSolve%1 mnuCubeRotate%1 mnuSideTurn%1 ToolbarButton11%1 "
                   "cmdOneStep%2 cmdStepsToCompletion%3 cmdPreviousSteps%4 cmdClear%5 "
                   "fraSolution%5 txtSolution%2")
        .arg(on(editing), on(!editing), on(toCompletion), on(previous), on(!editing || previous));
}

inline const QString EditNoSolution = ModeControls(true, false, false);
inline const QString EditFinishedList = ModeControls(true, true, false);

// Whether the window took the files when they were dragged over it.
inline bool Drop(QWidget& window, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files) {
        urls << QUrl::fromLocalFile(file);
    }
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return enter.isAccepted();
}

// A main window on fake services, with a folder for its files. Set the fakes
// up, then Start().
struct Session {
    QTemporaryDir folder;
    FakePlatform fake;
    std::optional<frmTurnix> window;
    int files{0};
    // Most tests never solve in fewest turns, and building the tables beside
    // each of them would only cost time; a fewest-turns solve then builds
    // them itself.
    std::function<void()> prepareFewestTurns = [] {
    };

    frmTurnix& Start() {
        window.emplace(fake.Services(), prepareFewestTurns);
        window->show();
        return *window;
    }

    // A new file in the folder holding cube.
    QString Saved(const clsCube& cube) {
        QString path = folder.filePath(QString("cube%1.cub").arg(++files));
        if (!WriteConfigurationFile(QFile::encodeName(path).toStdString(), cube)) {
            throw std::runtime_error("cannot write " + path.toStdString());
        }
        return path;
    }

    // Through "Open Configuration"; nothing is a cancelled dialog.
    void Open(const std::optional<QString>& path) {
        fake.fileDialogs.openAnswers.push_back(path);
        Trigger(*window, "mnuFileOpenConfiguration");
    }
    void Load(const clsCube& cube) { Open(Saved(cube)); }

    QPushButton& Button(const QString& name) { return Child<QPushButton>(*window, name); }
    // The hidden box where the focus rests.
    QLineEdit& Resting() { return Child<QLineEdit>(*window, "txtDummy"); }
    void Steps(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            Button("cmdOneStep").click();
        }
    }

    // What the squares must show of the window's own cube.
    [[nodiscard]] QStringList Expected() const {
        return ExpectedSquares(window->Cube(), window->CurrentSide(), window->Colors());
    }
};

} // namespace turnix::test
