#include "frmChooseReading.h"

#include "wholecube/CubeNet.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace turnix {

namespace {

constexpr int Columns = 3;

std::vector<SquareAt> Differences(const CubeColorValues& a, const CubeColorValues& b) {
    std::vector<SquareAt> squares;
    for (std::int16_t s = 0; s < side::Count; ++s) {
        for (std::int16_t q = 0; q < 9; ++q) {
            const auto side = static_cast<std::size_t>(s);
            const auto square = static_cast<std::size_t>(q);
            if (a[side][square] != b[side][square]) {
                squares.push_back({s, q});
            }
        }
    }
    return squares;
}

} // namespace

frmChooseReading::frmChooseReading(const std::vector<CubeColorValues>& cubes,
                                   const ColorScheme& scheme, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmChooseReading"));
    setWindowTitle(tr("Choose the Cube"));
    auto* text =
        new QLabel(tr("More than one cube fits the photos. Choose the one that matches your "
                      "cube: its squares that differ from the first are marked."),
                   this);
    text->setWordWrap(true);

    auto* grid = new QGridLayout;
    choices = new QButtonGroup(this);
    for (std::size_t k = 0; k < cubes.size(); ++k) {
        const int n = static_cast<int>(k);
        auto* net = new CubeNet(this);
        net->setObjectName(QStringLiteral("netChoice%1").arg(n));
        net->SetPaintable(false);
        net->setFocusPolicy(Qt::NoFocus);
        net->ShowCube(cubes[k], scheme, -1, {});
        net->SetDoubtfulSquares(Differences(cubes[k], cubes.front()));
        auto* choice =
            new QRadioButton(n == 0 ? tr("Cube &1 (likeliest)") : tr("Cube &%1").arg(n + 1), this);
        choice->setObjectName(QStringLiteral("optChoice%1").arg(n));
        choices->addButton(choice, n);
        connect(net, &CubeNet::sideChosen, choice, [choice] { choice->setChecked(true); });
        auto* cell = new QVBoxLayout;
        cell->addWidget(net, 1);
        cell->addWidget(choice, 0, Qt::AlignHCenter);
        grid->addLayout(cell, n / Columns, n % Columns);
    }
    if (QAbstractButton* first = choices->button(0)) {
        first->setChecked(true);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(grid, 1);
    layout->addWidget(buttons);
}

int frmChooseReading::Chosen() const {
    return std::max(0, choices->checkedId());
}

} // namespace turnix
