#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

namespace turnix {

// A letter in the middle of a coloured square, black or white, whichever
// reads better on the colour; nothing for an empty letter.
void DrawSquareLetter(QPainter& painter, const QRect& square, const QString& letter,
                      const QColor& background);

// Black or white, whichever reads better on the colour.
[[nodiscard]] QColor LetterColorOn(const QColor& background);

} // namespace turnix
