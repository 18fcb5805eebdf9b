#include "View3DPanel.h"

#include "CubeView3D.h"
#include "appearance/CubeColorNames.h"
#include "appearance/TurnHint.h"
#include "clsCube.h"
#include "language/CoreTexts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace turnix {

namespace {

std::optional<QString> CentreColorName(const CubeColorValues& colors, std::int16_t side,
                                       const ColorScheme& scheme) {
    const std::int16_t centre = colors.at(SlotOf(side)).at(4);
    if (centre < 0 || centre >= ColorCount) {
        return std::nullopt;
    }
    const auto name = CubeColorName(scheme.at(SlotOf(centre)));
    if (!name) {
        return std::nullopt;
    }
    return CoreText(*name).toLower();
}

QLabel* PanelLine(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

QString HoldText(const CubeColorValues& colors, const ColorScheme& scheme) {
    const auto front = CentreColorName(colors, side::Front, scheme);
    const auto top = CentreColorName(colors, side::Top, scheme);
    if (!front || !top) {
        return View3DPanel::tr("Hold the cube with its front side facing you and its top side up");
    }
    return View3DPanel::tr("Hold the cube with %1 facing you and %2 on top").arg(*front, *top);
}

QString FacingAwayNote(std::int16_t code) {
    const auto turn = StepTurnOf(code);
    if (!turn) {
        return {};
    }
    const clsCube cube;
    const QString sideName = CoreText(cube.Side(turn->side).MainLabel()).toLower();
    return View3DPanel::tr("Turn the %1 %2 (it faces away: see the view from behind)")
        .arg(sideName, CoreText(SenseWords(turn->sense)));
}

View3DPanel::View3DPanel(QWidget* parent) : QWidget(parent) {
    view = new CubeView3D(this);
    lblHold = PanelLine(QStringLiteral("lblHoldCube"), this);
    lblNote = PanelLine(QStringLiteral("lblView3DNote"), this);
    auto* column = new QVBoxLayout(this);
    column->addWidget(view, 1);
    column->addWidget(lblHold);
    column->addWidget(lblNote);
    connect(view, &CubeView3D::arrowMoved, this, &View3DPanel::ShowNote);
}

void View3DPanel::ShowCube(const CubeColorValues& colors, std::int16_t shownSide,
                           const ColorScheme& scheme) {
    view->ShowCube(colors, shownSide, scheme);
    lblHold->setText(HoldText(colors, scheme));
}

void View3DPanel::SetNextTurn(std::optional<std::int16_t> code) {
    nextTurn = code;
    view->SetNextTurn(code);
    ShowNote();
}

void View3DPanel::ShowNote() {
    lblNote->setText(nextTurn && view->NextTurnFacesAway() ? FacingAwayNote(*nextTurn) : QString());
}

} // namespace turnix
