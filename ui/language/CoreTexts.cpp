#include "CoreTexts.h"

#include "diagnosis/FindingText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace turnix {

namespace {

constexpr const char* CoreContext = "turnix::CoreTexts";

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
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Invalid Cube Configuration"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Cube is already complete"),
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

// The core's sentences with what varies in them as placeholders.
constexpr const char* Reasons[] = {
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "%1 cannot be opened"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "%1 is a folder, not an image"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "%1 is not a file"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "%1 is too large (%2)"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "%1 cannot be read"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "%1 is empty"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "%1 is not an image"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "%1 is cut short"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "%1 is damaged"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "no 3×3 grid found in %1"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts",
                      "A cube is read from six photos, one of each side; 1 was given."),
    QT_TRANSLATE_NOOP("turnix::CoreTexts",
                      "A cube is read from six photos, one of each side; %1 were given."),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "Photo %1 gives no colour for square %2."),
    QT_TRANSLATE_NOOP("turnix::CoreTexts",
                      "Photos %1 and %2 show the same side: their centres have one colour. "
                      "Each photo must show a different side."),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "position %1: %2 is not one of the letters U R F D L B"),
    QT_TRANSLATE_NOOP("turnix::CoreTexts", "a facelet string has 54 letters, this one has %1"),
};

// "%1 is damaged" as ^(.+) is damaged$; escaping has put a backslash before
// each %.
QRegularExpression ReasonPattern(const QString& reason) {
    QString pattern = QRegularExpression::escape(reason);
    pattern.replace(QRegularExpression(QStringLiteral(R"(\\%\d)")), QStringLiteral("(.+)"));
    return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'));
}

} // namespace

QString CoreReason(const QString& english) {
    for (const char* reason : Reasons) {
        const QRegularExpressionMatch match =
            ReasonPattern(QString::fromUtf8(reason)).match(english);
        if (match.hasMatch()) {
            QString translated = QCoreApplication::translate(CoreContext, reason);
            for (int n = 1; n <= match.lastCapturedIndex(); ++n) {
                translated = translated.arg(match.captured(n));
            }
            return translated;
        }
    }
    return english;
}

QString CoreText(std::string_view english) {
    const QByteArray key(english.data(), static_cast<qsizetype>(english.size()));
    return QCoreApplication::translate(CoreContext, key.constData());
}

QString SideWord(std::int16_t side) {
    return CoreText(SideName(side));
}

} // namespace turnix
