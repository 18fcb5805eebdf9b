#include "CoreTexts.h"

#include "FindingText.h"

#include <QCoreApplication>

namespace turnix {

namespace {

constexpr const char* Context = "turnix::CoreTexts";

// Every text the core may hand the window, so that lupdate finds them.
[[maybe_unused]] constexpr const char* Known[] = {
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Top"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Bottom"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Front"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Back"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Left"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Right"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Top Side"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Bottom Side"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Front Side"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Back Side"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Left Side"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Right Side"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn front side clockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn front side counterclockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn front side twice"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn left side clockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn left side counterclockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn left side twice"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn back side clockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn back side counterclockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn back side twice"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn right side clockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn right side counterclockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn right side twice"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn top side clockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn top side counterclockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn top side twice"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn bottom side clockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn bottom side counterclockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Turn bottom side twice"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Rotate cube up (front side becomes top side)"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Rotate cube down (front side becomes bottom side)"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Rotate cube left (front side becomes left side)"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Rotate cube right (front side becomes right side)"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Top edges"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Top corners"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Middle edges"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Bottom corners"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Bottom edges"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "clockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "counterclockwise"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "twice"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "White"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Yellow"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Green"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Blue"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Red"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Orange"),
};

} // namespace

QString CoreText(std::string_view english) {
    const QByteArray key(english.data(), static_cast<qsizetype>(english.size()));
    return QCoreApplication::translate(Context, key.constData());
}

QString SideWord(std::int16_t side) {
    return CoreText(SideName(side));
}

} // namespace turnix
