#include "EditHistory.h"

#include "editing/EditTexts.h"

#include <QAction>
#include <QKeySequence>
#include <QUndoStack>
#include <utility>

namespace turnix {

EditHistory::EditHistory(Restore restoreCube)
    : restore(std::move(restoreCube)), stack(std::make_unique<QUndoStack>()) {
    QObject::connect(stack.get(), &QUndoStack::indexChanged, stack.get(), [this](int index) {
        if (index < watchedIndex) {
            watchedIndex = -1;
            watchedUndone();
        }
    });
}

EditHistory::~EditHistory() {
    QObject::disconnect(stack.get(), nullptr, nullptr, nullptr);
}

QAction* EditHistory::CreateUndoAction(QObject* parent) const {
    QAction* undo = stack->createUndoAction(parent, tr("&Undo"));
    undo->setObjectName(QStringLiteral("mnuEditUndo"));
    undo->setShortcuts(QKeySequence::Undo);
    return undo;
}

QAction* EditHistory::CreateRedoAction(QObject* parent) const {
    QAction* redo = stack->createRedoAction(parent, tr("&Redo"));
    redo->setObjectName(QStringLiteral("mnuEditRedo"));
    redo->setShortcuts(QKeySequence::Redo);
    return redo;
}

void EditHistory::Record(const QString& text, const CubeColorValues& before,
                         const CubeColorValues& after) {
    Push(text, before, after, CubeEdit::NoStroke);
}

void EditHistory::RecordPaint(const CubeColorValues& before, const CubeColorValues& after) {
    Push(PaintEditText(), before, after, paintStroke);
}

void EditHistory::Clear() {
    stack->clear();
}

void EditHistory::WatchLastEdit(std::function<void()> onUndone) {
    watchedIndex = stack->index();
    watchedUndone = std::move(onUndone);
}

void EditHistory::Push(const QString& text, const CubeColorValues& before,
                       const CubeColorValues& after, int stroke) {
    if (after != before) {
        stack->push(new CubeEdit(text, before, after, restore, stroke));
    }
}

} // namespace turnix
