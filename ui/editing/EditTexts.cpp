#include "EditTexts.h"

#include "diagnosis/FindingText.h"

namespace turnix {

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
    return QStringLiteral("Pick Color");
}

QString PaintEditText() {
    return QStringLiteral("Paint");
}

QString NewConfigurationEditText() {
    return QStringLiteral("New Configuration");
}

QString OpenConfigurationEditText() {
    return QStringLiteral("Open Configuration");
}

QString PasteFaceletsEditText() {
    return QStringLiteral("Paste Facelets");
}

QString ReadCubeEditText() {
    return QStringLiteral("Read Cube");
}

QString TurnBackEditText(std::int16_t side) {
    const std::string_view name = SideName(side);
    return QStringLiteral("Turn Back %1 Side")
        .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

QString ChangeSquareEditText() {
    return QStringLiteral("Change Square");
}

QString TurnEditText(std::int16_t side, void (clsSide::*turn)() noexcept) {
    const std::string_view name = SideName(side);
    const QString how = turn == &clsSide::RotateClockwise ? QStringLiteral("Clockwise")
                        : turn == &clsSide::RotateCounterclockwise
                            ? QStringLiteral("Counterclockwise")
                            : QStringLiteral("Twice");
    return QStringLiteral("Turn %1 Side %2")
        .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), how);
}

QString RotationEditText(void (clsCube::*rotation)() noexcept) {
    const QString where = rotation == &clsCube::RotateLeft    ? QStringLiteral("Left")
                          : rotation == &clsCube::RotateRight ? QStringLiteral("Right")
                          : rotation == &clsCube::RotateUp    ? QStringLiteral("Up")
                                                              : QStringLiteral("Down");
    return QStringLiteral("Rotate Cube ") + where;
}

} // namespace turnix
