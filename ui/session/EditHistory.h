#pragma once

#include "SessionState.h"
#include "editing/CubeEdit.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

class QAction;
class QObject;
class QUndoStack;

namespace turnix {

// The changes of the cube made by hand, for Undo and Redo. Each edit is
// recorded once it is made, as the cube's colours before and after; undo and
// redo hand one or the other back through restore. The squares of one paint
// stroke make one step, and an edit that left the cube as it was makes none.
class EditHistory {
    Q_DECLARE_TR_FUNCTIONS(turnix::EditHistory)

public:
    using Restore = CubeEdit::Restore;

    explicit EditHistory(Restore restore);
    // Stops the stack's signals before it goes, so nothing hears its clear.
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    [[nodiscard]] QUndoStack& Stack() const noexcept { return *stack; }
    // "&Undo" and "&Redo" entries that follow the history.
    [[nodiscard]] QAction* CreateUndoAction(QObject* parent) const;
    [[nodiscard]] QAction* CreateRedoAction(QObject* parent) const;

    void Record(const QString& text, const CubeColorValues& before, const CubeColorValues& after);
    // The squares painted until the next stroke starts are one step.
    void StartStroke() noexcept { ++paintStroke; }
    void RecordPaint(const CubeColorValues& before, const CubeColorValues& after);
    void Clear();

    // The steps kept for the next run: at most `most` made ones before the
    // current place, and every one after it that can be redone.
    struct Kept {
        std::vector<SessionEdit> edits;
        std::size_t made{0};
    };
    [[nodiscard]] Kept Keep(int most) const;
    // Records kept steps again and goes back to their place; the cube is
    // then the last one undone to, or the last one recorded.
    void Reload(const Kept& kept);

    // A reading's doubts go when the reading is undone: onUndone runs when
    // the history steps back past the edit recorded last.
    void WatchLastEdit(std::function<void()> onUndone);
    void StopWatching() noexcept { watchedIndex = -1; }

private:
    void Push(const QString& text, const CubeColorValues& before, const CubeColorValues& after,
              int stroke);

    Restore restore;
    std::unique_ptr<QUndoStack> stack;
    int paintStroke{0};
    int watchedIndex{-1};
    std::function<void()> watchedUndone;
};

} // namespace turnix
