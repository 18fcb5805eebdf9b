#include "frmDefineColors.h"

#include "ColorSwatch.h"
#include "appearance/CubeColorNames.h"
#include "platform/ApplicationTitle.h"
#include "platform/WindowPlacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

namespace turnix {

namespace {

QPushButton* AddButton(QHBoxLayout& row, QWidget& owner, const QString& caption,
                       const QString& name) {
    auto* button = new QPushButton(caption, &owner);
    button->setObjectName(name);
    row.addWidget(button);
    return button;
}

} // namespace

frmDefineColors::frmDefineColors(Platform services, QWidget* parent)
    : QDialog(parent), platform(services) {
    setWindowTitle(tr("Define Colors"));
    setObjectName(QStringLiteral("frmDefineColors"));

    // Two columns of three, numbered down each column.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    for (std::int16_t i = 0; i < ColorCount; ++i) {
        auto* label = new QLabel(tr("Color %1:").arg(i + 1), this);
        label->setObjectName(QStringLiteral("lblDefineColors%1").arg(i));
        auto* swatch = new ColorSwatch(this);
        swatch->setObjectName(QStringLiteral("picColor%1").arg(i));
        swatch->setToolTip(tr("Click to choose this color"));
        swatch->setAccessibleName(label->text().chopped(1));
        swatch->SetColor(DefaultScreenColors.at(SlotOf(i)));
        label->setBuddy(swatch);
        connect(swatch, &ColorSwatch::clicked, this, [this, i] { ChooseColor(i); });
        picColor.at(SlotOf(i)) = swatch;
        const int column = 2 * (i / 3);
        grid->addWidget(label, i % 3, column, Qt::AlignRight);
        grid->addWidget(swatch, i % 3, column + 1);
    }

    auto* buttons = new QHBoxLayout;
    cmdDefaults = AddButton(*buttons, *this, tr("Defaults"), "cmdDefaults");
    cmdStandard = AddButton(*buttons, *this, tr("Standard Cube Colours"), "cmdStandard");
    cmdStandard->setToolTip(
        tr("White on top, yellow below, green in front, blue behind, orange on the "
           "left and red on the right, as on cubes sold today"));
    buttons->addStretch();
    cmdOK = AddButton(*buttons, *this, tr("OK"), "cmdOK");
    cmdCancel = AddButton(*buttons, *this, tr("Cancel"), "cmdCancel");
    cmdOK->setDefault(true);
    connect(cmdDefaults, &QPushButton::clicked, this, &frmDefineColors::SetDefaults);
    connect(cmdStandard, &QPushButton::clicked, this, [this] { SetScheme(StandardCubeColors); });
    connect(cmdOK, &QPushButton::clicked, this, &frmDefineColors::Confirm);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    adjustSize();
    CenterOnScreen(*this);
}

ScreenColor frmDefineColors::Color(std::int16_t intIndex) const {
    return picColor.at(SlotOf(intIndex))->Color();
}

void frmDefineColors::SetColor(std::int16_t intIndex, ScreenColor lngNewValue) {
    picColor.at(SlotOf(intIndex))->SetColor(lngNewValue);
}

void frmDefineColors::ChooseColor(std::int16_t intIndex) {
    ColorSwatch& swatch = *picColor.at(SlotOf(intIndex));
    if (const auto chosen = platform.colorChooser.ChooseColor(this, ToQColor(swatch.Color()))) {
        swatch.SetColor(FromQColor(*chosen));
    }
}

void frmDefineColors::SetDefaults() {
    SetScheme(DefaultScreenColors);
}

void frmDefineColors::SetScheme(const ColorScheme& scheme) {
    for (std::int16_t i = 0; i < ColorCount; ++i) {
        SetColor(i, scheme.at(SlotOf(i)));
    }
    cmdOK->setFocus();
}

void frmDefineColors::Confirm() {
    if (!ColorsAreUnique()) {
        platform.messageBoxes.ShowMessage(
            this, ApplicationTitle(), tr("Error: All colors must be unique"), MessageIcon::None);
        return;
    }
    blnOK = true;
    accept();
}

bool frmDefineColors::ColorsAreUnique() const {
    for (std::size_t i = 0; i < picColor.size(); ++i) {
        for (std::size_t j = i + 1; j < picColor.size(); ++j) {
            if (picColor.at(i)->Color() == picColor.at(j)->Color()) {
                return false;
            }
        }
    }
    return true;
}

} // namespace turnix
