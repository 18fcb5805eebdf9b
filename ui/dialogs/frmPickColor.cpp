#include "frmPickColor.h"

#include "ColorSwatch.h"
#include "platform/WindowPlacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace turnix {

namespace {

// Keeps the pointer just off the dialog's corner, clear of the first swatch.
constexpr QPoint PointerOffset{4, 4};

[[nodiscard]] bool IsColorIndex(std::int16_t index) {
    return index >= 0 && index < ColorCount;
}

} // namespace

frmPickColor::frmPickColor(Platform /*platform*/, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Pick a Color"));
    setObjectName(QStringLiteral("frmPickColor"));

    auto* grid = new QGridLayout;
    for (std::int16_t i = 0; i < ColorCount; ++i) {
        auto* swatch = new ColorSwatch(this);
        swatch->setObjectName(QStringLiteral("picColor%1").arg(i));
        swatch->setToolTip(tr("Click to select, double-click to choose at once"));
        swatch->setAccessibleName(tr("Color %1").arg(i + 1));
        swatch->SetColor(DefaultScreenColors.at(SlotOf(i)));
        connect(swatch, &ColorSwatch::clicked, this, [this, i] { Select(i); });
        connect(swatch, &ColorSwatch::doubleClicked, this, [this, i] { Choose(i); });
        picColor.at(SlotOf(i)) = swatch;
        grid->addWidget(swatch, i / 3, i % 3);
    }

    auto* current = new QHBoxLayout;
    auto* label = new QLabel(tr("Current Color:"), this);
    label->setObjectName(QStringLiteral("lblCurrentColor"));
    picCurrentColor = new ColorSwatch(this);
    picCurrentColor->setObjectName(QStringLiteral("picCurrentColor"));
    picCurrentColor->setFocusPolicy(Qt::NoFocus);
    picCurrentColor->setAccessibleName(tr("Current Color"));
    current->addWidget(label);
    current->addWidget(picCurrentColor);
    current->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &frmPickColor::Confirm);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(current);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowSelection();
    adjustSize();
}

ScreenColor frmPickColor::Color(std::int16_t intIndex) const {
    return picColor.at(SlotOf(intIndex))->Color();
}

void frmPickColor::SetColor(std::int16_t intIndex, ScreenColor lngNewValue) {
    picColor.at(SlotOf(intIndex))->SetColor(lngNewValue);
    ShowSelection();
}

void frmPickColor::SetIndex(std::int16_t intNewValue) {
    intChosen = intNewValue;
    intSelected = intNewValue;
    ShowSelection();
}

void frmPickColor::PlaceNearPointer(QPoint globalPointer) {
    PlaceAt(*this, globalPointer + PointerOffset);
}

void frmPickColor::Select(std::int16_t index) {
    intSelected = index;
    ShowSelection();
    cmdOK->setFocus();
}

void frmPickColor::Choose(std::int16_t index) {
    intSelected = index;
    ShowSelection();
    intChosen = index;
    blnOK = true;
    accept();
}

void frmPickColor::Confirm() {
    intChosen = intSelected;
    blnOK = true;
    accept();
}

// The current-colour swatch always shows what OK would confirm.
void frmPickColor::ShowSelection() {
    if (IsColorIndex(intSelected)) {
        picCurrentColor->SetColor(Color(intSelected));
    } else {
        picCurrentColor->SetNeutral();
    }
}

} // namespace turnix
