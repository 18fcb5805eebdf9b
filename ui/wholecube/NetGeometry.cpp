#include "NetGeometry.h"

#include <algorithm>
#include <array>

namespace turnix {

namespace {

// Room around the net for the outline of the shown side, and between
// blocks.
constexpr int Margin = 4;
constexpr int BlockGap = 5;
constexpr int SmallestSquare = 4;
constexpr int NetColumns = 4;
constexpr int NetRows = 3;

struct BlockCell {
    int column;
    int row;
};

// The block of each side, by side index: Top, Bottom, Front, Back, Left,
// Right.
constexpr std::array<BlockCell, side::Count> Blocks{{
    {1, 0},
    {1, 2},
    {1, 1},
    {3, 1},
    {0, 1},
    {2, 1},
}};

[[nodiscard]] const BlockCell& BlockOf(std::int16_t side) {
    return Blocks.at(static_cast<std::size_t>(side));
}

} // namespace

QSize NetGeometry::AreaFor(int squareSize, int labelHeight) {
    return {2 * Margin + NetColumns * 3 * squareSize + (NetColumns - 1) * BlockGap,
            2 * Margin + NetRows * (labelHeight + 3 * squareSize) + (NetRows - 1) * BlockGap};
}

NetGeometry::NetGeometry(QSize area, int labelHeightPixels) : labelHeight(labelHeightPixels) {
    const int across = (area.width() - 2 * Margin - (NetColumns - 1) * BlockGap) / (NetColumns * 3);
    const int down =
        (area.height() - 2 * Margin - (NetRows - 1) * BlockGap - NetRows * labelHeight) /
        (NetRows * 3);
    squareSize = std::max(SmallestSquare, std::min(across, down));
    const QSize used = AreaFor(squareSize, labelHeight);
    origin = QPoint(Margin + (area.width() - used.width()) / 2,
                    Margin + (area.height() - used.height()) / 2);
}

QPoint NetGeometry::BlockOrigin(std::int16_t side) const {
    const BlockCell& block = BlockOf(side);
    return origin + QPoint(block.column * (3 * squareSize + BlockGap),
                           block.row * (labelHeight + 3 * squareSize + BlockGap));
}

QRect NetGeometry::LabelRect(std::int16_t side) const {
    return {BlockOrigin(side), QSize(3 * squareSize, labelHeight)};
}

QRect NetGeometry::SideRect(std::int16_t side) const {
    return {BlockOrigin(side) + QPoint(0, labelHeight), QSize(3 * squareSize, 3 * squareSize)};
}

QRect NetGeometry::SquareRect(SquareAt at) const {
    return {SideRect(at.side).topLeft() +
                QPoint(at.square % 3 * squareSize, at.square / 3 * squareSize),
            QSize(squareSize, squareSize)};
}

std::optional<SquareAt> NetGeometry::SquareAtPoint(QPoint point) const {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        const QRect block = SideRect(s);
        if (block.contains(point)) {
            const QPoint inside = point - block.topLeft();
            return SquareAt{s, static_cast<std::int16_t>(inside.y() / squareSize * 3 +
                                                         inside.x() / squareSize)};
        }
    }
    return std::nullopt;
}

std::optional<std::int16_t> NetGeometry::LabelAtPoint(QPoint point) const {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        if (LabelRect(s).contains(point)) {
            return s;
        }
    }
    return std::nullopt;
}

std::optional<SquareAt> NetGeometry::SquareBeside(SquareAt at, int columns, int rows) {
    const BlockCell& from = BlockOf(at.side);
    const int column = from.column * 3 + at.square % 3 + columns;
    const int row = from.row * 3 + at.square / 3 + rows;
    for (std::int16_t s = 0; s < side::Count; ++s) {
        const BlockCell& block = BlockOf(s);
        const int x = column - block.column * 3;
        const int y = row - block.row * 3;
        if (x >= 0 && x < 3 && y >= 0 && y < 3) {
            return SquareAt{s, static_cast<std::int16_t>(y * 3 + x)};
        }
    }
    return std::nullopt;
}

} // namespace turnix
