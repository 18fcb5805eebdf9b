#include "EditTexts.h"

#include "diagnosis/FindingText.h"
#include "language/CoreTexts.h"

#include <QCoreApplication>

namespace turnix {

namespace {

struct EditWords {
    Q_DECLARE_TR_FUNCTIONS(turnix::EditWords)
};

} // namespace

QString WithFullStop(const QString& text) {
    return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
}

QString AsSentence(QString reason) {
    if (!reason.isEmpty()) {
        reason[0] = reason[0].toUpper();
    }
    return WithFullStop(reason);
}

QString PickColorEditText() {
    return EditWords::tr("Pick Color");
}

QString PaintEditText() {
    return EditWords::tr("Paint");
}

QString NewConfigurationEditText() {
    return EditWords::tr("New Configuration");
}

QString OpenConfigurationEditText() {
    return EditWords::tr("Open Configuration");
}

QString PasteFaceletsEditText() {
    return EditWords::tr("Paste Facelets");
}

QString ReadCubeEditText() {
    return EditWords::tr("Read Cube");
}

QString ApplyTurnsEditText() {
    return EditWords::tr("Apply Turns");
}

QString TurnBackEditText(std::int16_t side) {
    return EditWords::tr("Turn Back %1 Side").arg(SideWord(side));
}

QString ChangeSquareEditText() {
    return EditWords::tr("Change Square");
}

QString TurnEditText(std::int16_t side, void (clsSide::*turn)() noexcept) {
    const QString how = turn == &clsSide::RotateClockwise ? EditWords::tr("Clockwise")
                        : turn == &clsSide::RotateCounterclockwise
                            ? EditWords::tr("Counterclockwise")
                            : EditWords::tr("Twice");
    return EditWords::tr("Turn %1 Side %2").arg(SideWord(side), how);
}

QString RotationEditText(void (clsCube::*rotation)() noexcept) {
    const QString where = rotation == &clsCube::RotateLeft    ? EditWords::tr("Left")
                          : rotation == &clsCube::RotateRight ? EditWords::tr("Right")
                          : rotation == &clsCube::RotateUp    ? EditWords::tr("Up")
                                                              : EditWords::tr("Down");
    return EditWords::tr("Rotate Cube %1").arg(where);
}

} // namespace turnix
