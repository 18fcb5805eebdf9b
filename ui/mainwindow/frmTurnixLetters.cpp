#include "ColorSquare.h"
#include "frmTurnix.h"
#include "view3d/View3DController.h"
#include "wholecube/CubeNet.h"
#include "wholecube/WholeCubePanel.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace turnix {

namespace {

const QString LettersSection = QStringLiteral("View");
const QString LettersKey = QStringLiteral("SideLetters");
const QString LettersOfSides = QStringLiteral("Sides");
const QString LettersOfColours = QStringLiteral("Colours");

} // namespace

// Off at first; the choice is kept in the settings. Letters name either the
// side where the colour belongs (U R F D L B) or the colour itself.
void frmTurnix::CreateLetterEntries() {
    actions.mnuView->addSeparator();
    mnuViewShowSideLetters = actions.mnuView->addAction(tr("Show Side &Letters"));
    mnuViewShowSideLetters->setObjectName(QStringLiteral("mnuViewShowSideLetters"));
    mnuViewShowSideLetters->setCheckable(true);

    QMenu* kinds = actions.mnuView->addMenu(tr("Letters &Name"));
    kinds->setObjectName(QStringLiteral("mnuViewLetters"));
    auto* group = new QActionGroup(kinds);
    mnuViewLettersOfSides = kinds->addAction(tr("The Colour's &Side (U R F D L B)"));
    mnuViewLettersOfSides->setObjectName(QStringLiteral("mnuViewLettersOfSides"));
    mnuViewLettersOfColours = kinds->addAction(tr("The Colour's &Initial"));
    mnuViewLettersOfColours->setObjectName(QStringLiteral("mnuViewLettersOfColours"));
    for (QAction* kind : {mnuViewLettersOfSides, mnuViewLettersOfColours}) {
        kind->setCheckable(true);
        group->addAction(kind);
    }

    const QString stored = platform.settings.Value(LettersSection, LettersKey).value_or(QString());
    mnuViewShowSideLetters->setChecked(stored == LettersOfSides || stored == LettersOfColours);
    (stored == LettersOfColours ? mnuViewLettersOfColours : mnuViewLettersOfSides)
        ->setChecked(true);
    ChooseSideLetters();

    // Stored only when the user chooses, so that a first start writes nothing.
    const auto chosen = [this] {
        ChooseSideLetters();
        const QString choice = sideLetters == SquareLetters::None    ? QString()
                               : sideLetters == SquareLetters::Sides ? LettersOfSides
                                                                     : LettersOfColours;
        platform.settings.SetValue(LettersSection, LettersKey, choice);
        DisplaySide();
    };
    connect(mnuViewShowSideLetters, &QAction::toggled, this, chosen);
    connect(group, &QActionGroup::triggered, this, [this, chosen] {
        // Choosing a kind of letter means wanting letters.
        if (mnuViewShowSideLetters->isChecked()) {
            chosen();
        } else {
            mnuViewShowSideLetters->setChecked(true);
        }
    });
}

void frmTurnix::ChooseSideLetters() {
    sideLetters = !mnuViewShowSideLetters->isChecked()   ? SquareLetters::None
                  : mnuViewLettersOfColours->isChecked() ? SquareLetters::ColourInitials
                                                         : SquareLetters::Sides;
    ui.wholeCube->Net().SetLetters(sideLetters);
    view3d->SetLetters(sideLetters == SquareLetters::None    ? StickerLetters::None
                       : sideLetters == SquareLetters::Sides ? StickerLetters::Side
                                                             : StickerLetters::ColorInitial);
}

// Names, descriptions and letters of the nine squares shown. The box where
// the focus rests is named after the side, so a screen reader says where
// the user is rather than the box's own text.
void frmTurnix::DescribeGridSquares() {
    ui.txtDummy->setAccessibleName(ui.lblMain->text());
    const CubeColorValues values = ColorValuesOf(cubMain);
    for (std::int16_t i = 0; i < clsSide::SquareCount; ++i) {
        QPushButton* button = ui.cmdColor.at(static_cast<std::size_t>(i));
        const std::int16_t colorIndex = cubMain.Side(intCurrentSide).Square(i)->ColorIndex();
        button->setAccessibleName(SquareAccessibleName({intCurrentSide, i}, colorIndex, lngColors));
        button->setAccessibleDescription(SquareAccessibleDescription(colorIndex));
        if (auto* square = qobject_cast<ColorSquare*>(button)) {
            square->SetLetter(SquareLetter(sideLetters, colorIndex, values, lngColors));
        }
    }
}

} // namespace turnix
