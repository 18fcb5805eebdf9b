#include "clsCube.h"

#include <QApplication>
#include <QColor>
#include <QGridLayout>
#include <QPushButton>
#include <QWidget>
#include <array>

namespace {

// Screen colour of each colour index, as 0x00BBGGRR.
constexpr std::array<unsigned, 6> DefaultColors{0xC00000, 0xFFFFFF, 0x0080FF,
                                                0x0000FF, 0x00C000, 0x00FFFF};

QColor FromBgr(unsigned bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    turnix::clsCube cube;

    QWidget window;
    window.setWindowTitle(QStringLiteral("Turnix"));
    auto* grid = new QGridLayout(&window);
    for (std::int16_t i = 0; i < 9; ++i) {
        auto* square = new QPushButton(&window);
        square->setFixedSize(48, 48);
        square->setFlat(true);
        square->setAutoFillBackground(true);
        const auto colorIndex = cube.Side(turnix::side::Front).Square(i)->ColorIndex();
        QPalette palette = square->palette();
        palette.setColor(QPalette::Button, FromBgr(DefaultColors.at(colorIndex)));
        square->setPalette(palette);
        grid->addWidget(square, i / 3, i % 3);
    }
    window.show();
    return QApplication::exec();
}
