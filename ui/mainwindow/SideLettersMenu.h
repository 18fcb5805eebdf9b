#pragma once

#include "language/SquareWords.h"

#include <QObject>

class QAction;
class QMenu;

namespace turnix {

class ISettingsStore;

// "Show Side Letters" and the kind of letter, at the end of the View menu.
// Off at first; the user's choice is kept in the settings, and only once
// made, so that a first start writes nothing.
class SideLettersMenu final : public QObject {
    Q_OBJECT

public:
    SideLettersMenu(QMenu& viewMenu, ISettingsStore& settings);

    [[nodiscard]] SquareLetters Letters() const;

signals:
    void changed();

private:
    void Choose();

    ISettingsStore& settings;
    QAction* mnuViewShowSideLetters{};
    QAction* mnuViewLettersOfSides{};
    QAction* mnuViewLettersOfColours{};
};

} // namespace turnix
