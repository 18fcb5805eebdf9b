#include "CubeEdit.h"

#include <utility>

namespace turnix {

namespace {

// The one kind of command that merges.
constexpr int StrokeId = 1;

} // namespace

void SetColorValues(clsCube& cube, const CubeColorValues& values) {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        for (std::int16_t q = 0; q < clsSide::SquareCount; ++q) {
            cube.Side(s).Square(q)->SetColorIndex(
                values.at(static_cast<std::size_t>(s)).at(static_cast<std::size_t>(q)));
        }
    }
}

CubeEdit::CubeEdit(const QString& text, const CubeColorValues& colorsBefore,
                   const CubeColorValues& colorsAfter, Restore restoreCube, int strokeNumber)
    : QUndoCommand(text), before(colorsBefore), after(colorsAfter), restore(std::move(restoreCube)),
      stroke(strokeNumber) {}

void CubeEdit::undo() {
    restore(before);
}

void CubeEdit::redo() {
    if (std::exchange(made, false)) {
        return;
    }
    restore(after);
}

int CubeEdit::id() const {
    return stroke == NoStroke ? -1 : StrokeId;
}

// A stroke that ends where it began is no step at all.
bool CubeEdit::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const CubeEdit*>(other);
    if (next == nullptr || next->stroke != stroke) {
        return false;
    }
    after = next->after;
    setObsolete(after == before);
    return true;
}

} // namespace turnix
