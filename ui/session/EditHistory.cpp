#include "EditHistory.h"

#include "editing/EditTexts.h"

#include <QAction>
#include <QKeySequence>
#include <QUndoStack>
#include <algorithm>
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

EditHistory::Kept EditHistory::Keep(int most) const {
    const int first = std::clamp(stack->count() - most, 0, stack->index());
    Kept kept;
    for (int i = first; i < stack->count(); ++i) {
        const auto* edit = dynamic_cast<const CubeEdit*>(stack->command(i));
        if (edit == nullptr) {
            return {};
        }
        kept.edits.push_back({edit->text(), edit->Before(), edit->After()});
    }
    kept.made = kept.edits.empty() ? 0 : static_cast<std::size_t>(stack->index() - first);
    return kept;
}

void EditHistory::Reload(const Kept& kept) {
    for (const SessionEdit& edit : kept.edits) {
        Record(edit.text, edit.before, edit.after);
    }
    stack->setIndex(static_cast<int>(kept.made));
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
