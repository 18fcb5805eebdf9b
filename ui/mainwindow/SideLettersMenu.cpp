#include "SideLettersMenu.h"

#include "platform/Platform.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace turnix {

namespace {

const QString LettersSection = QStringLiteral("View");
const QString LettersKey = QStringLiteral("SideLetters");
const QString LettersOfSides = QStringLiteral("Sides");
const QString LettersOfColours = QStringLiteral("Colours");

QAction* AddNamedAction(QMenu& menu, const QString& text, const QString& name) {
    QAction* action = menu.addAction(text);
    action->setObjectName(name);
    action->setCheckable(true);
    return action;
}

} // namespace

SideLettersMenu::SideLettersMenu(QMenu& viewMenu, ISettingsStore& settingsStore)
    : QObject(&viewMenu), settings(settingsStore) {
    viewMenu.addSeparator();
    mnuViewShowSideLetters = AddNamedAction(viewMenu, tr("Show Side &Letters"),
                                            QStringLiteral("mnuViewShowSideLetters"));
    QMenu* kinds = viewMenu.addMenu(tr("Letters &Name"));
    kinds->setObjectName(QStringLiteral("mnuViewLetters"));
    mnuViewLettersOfSides = AddNamedAction(*kinds, tr("The Colour's &Side (U R F D L B)"),
                                           QStringLiteral("mnuViewLettersOfSides"));
    mnuViewLettersOfColours = AddNamedAction(*kinds, tr("The Colour's &Initial"),
                                             QStringLiteral("mnuViewLettersOfColours"));
    auto* group = new QActionGroup(kinds);
    group->addAction(mnuViewLettersOfSides);
    group->addAction(mnuViewLettersOfColours);

    const QString stored = settings.Value(LettersSection, LettersKey).value_or(QString());
    mnuViewShowSideLetters->setChecked(stored == LettersOfSides || stored == LettersOfColours);
    (stored == LettersOfColours ? mnuViewLettersOfColours : mnuViewLettersOfSides)
        ->setChecked(true);

    connect(mnuViewShowSideLetters, &QAction::toggled, this, &SideLettersMenu::Choose);
    connect(group, &QActionGroup::triggered, this, [this] {
        // Choosing a kind of letter means wanting letters.
        if (mnuViewShowSideLetters->isChecked()) {
            Choose();
        } else {
            mnuViewShowSideLetters->setChecked(true);
        }
    });
}

SquareLetters SideLettersMenu::Letters() const {
    return !mnuViewShowSideLetters->isChecked()   ? SquareLetters::None
           : mnuViewLettersOfColours->isChecked() ? SquareLetters::ColourInitials
                                                  : SquareLetters::Sides;
}

void SideLettersMenu::Choose() {
    const SquareLetters letters = Letters();
    settings.SetValue(LettersSection, LettersKey,
                      letters == SquareLetters::None    ? QString()
                      : letters == SquareLetters::Sides ? LettersOfSides
                                                        : LettersOfColours);
    emit changed();
}

} // namespace turnix
