#pragma once

// Reaching into the main window the way a user sees it: by the names of its
// controls, the tags and colours of the nine squares, and the files it reads.

#include "ConfigurationFile.h"
#include "CubeTestSupport.h"
#include "DialogScripts.h"
#include "FakePlatform.h"
#include "frmTurnix.h"

#include <QAction>
#include <QFile>
#include <QLabel>
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

} // namespace turnix::test
