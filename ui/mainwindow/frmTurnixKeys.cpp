#include "frmTurnix.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace turnix {

namespace {

// Keeps an entry enabled exactly while a button is, whatever enables it.
class EnabledLikeButton final : public QObject {
public:
    EnabledLikeButton(QPushButton& source, QAction& entry) : QObject(&entry), button(&source) {
        entry.setEnabled(source.isEnabled());
        source.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == button && event->type() == QEvent::EnabledChange) {
            static_cast<QAction*>(parent())->setEnabled(button->isEnabled());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton* button;
};

} // namespace

// A text box other than the hidden resting place keeps the clipboard keys
// for its own text, even a read-only one that can only copy.
bool frmTurnix::TextBoxKeepsKey(const QObject* watched, const QKeyEvent& key) const {
    return watched != txtDummy && qobject_cast<const QLineEdit*>(watched) != nullptr &&
           (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Paste) ||
            key.matches(QKeySequence::Cut));
}

// The clipboard keys reach the facelet entries wherever the focus rests but
// in a text box that takes them itself.
void frmTurnix::CreateKeyboardEntries() {
    mnuEditCopyFacelets->setShortcuts(QKeySequence::Copy);
    mnuEditPasteFacelets->setShortcuts(QKeySequence::Paste);
    // Not every desktop names a Quit key; Ctrl+Q is the one users expect.
    mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuCubeClearSteps = new QAction(QStringLiteral("&Clear Steps"), mnuCube);
    mnuCubeClearSteps->setObjectName(QStringLiteral("mnuCubeClearSteps"));
    mnuCube->insertAction(mnuCubeRotate->menuAction(), mnuCubeClearSteps);
    new EnabledLikeButton(*cmdClear, *mnuCubeClearSteps);
    connect(mnuCubeClearSteps, &QAction::triggered, cmdClear, &QPushButton::click);
}

} // namespace turnix
