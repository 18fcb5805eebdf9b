#include "SquareLetterPainter.h"

#include <QFont>
#include <QPainter>

namespace turnix {

QColor LetterColorOn(const QColor& background) {
    return qGray(background.rgb()) > 128 ? Qt::black : Qt::white;
}

void DrawSquareLetter(QPainter& painter, const QRect& square, const QString& letter,
                      const QColor& background) {
    if (letter.isEmpty() || square.height() < 6) {
        return;
    }
    painter.save();
    QFont font = painter.font();
    font.setUnderline(false);
    font.setBold(true);
    font.setPixelSize(std::max(6, square.height() * 11 / 20));
    painter.setFont(font);
    painter.setPen(LetterColorOn(background));
    painter.drawText(square, Qt::AlignCenter, letter);
    painter.restore();
}

} // namespace turnix
