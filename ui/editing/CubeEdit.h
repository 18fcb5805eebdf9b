#pragma once

#include "clsCube.h"
#include "diagnosis/Diagnosis.h"

#include <QUndoCommand>
#include <functional>

namespace turnix {

// Sets all 54 squares of the cube.
void SetColorValues(clsCube& cube, const CubeColorValues& values);

// One change of the cube, kept as its 54 colour values before and after:
// undo and redo hand one or the other to the window, which sets the cube
// and redisplays it. A cube is that small, and every kind of change (a
// pick, a turn, an opened file) is undone the same way.
class CubeEdit final : public QUndoCommand {
public:
    using Restore = std::function<void(const CubeColorValues&)>;
    static constexpr int NoStroke = -1;

    // The change is already made when the command is pushed, so the push's
    // own redo leaves the cube alone. Edits of the same stroke (0 or more)
    // that follow one another merge into one step.
    CubeEdit(const QString& text, const CubeColorValues& before, const CubeColorValues& after,
             Restore restore, int stroke = NoStroke);

    void undo() override;
    void redo() override;
    [[nodiscard]] int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    [[nodiscard]] const CubeColorValues& Before() const noexcept { return before; }
    [[nodiscard]] const CubeColorValues& After() const noexcept { return after; }

private:
    CubeColorValues before;
    CubeColorValues after;
    Restore restore;
    int stroke;
    bool made{true};
};

} // namespace turnix
