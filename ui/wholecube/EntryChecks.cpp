#include "EntryChecks.h"

#include "appearance/CubeColorNames.h"
#include "diagnosis/FindingText.h"
#include "language/CoreTexts.h"
#include "language/FindingWords.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

namespace turnix {

namespace {

constexpr int DoubtColumns = 2;

QIcon SwatchIcon(const QColor& color, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(color);
    painter.drawRect(0, 0, size - 1, size - 1);
    return QIcon(pixmap);
}

void ClearLayout(QLayout& layout) {
    while (QLayoutItem* item = layout.takeAt(0)) {
        if (QLayout* inner = item->layout()) {
            ClearLayout(*inner);
        }
        delete item->widget();
        delete item;
    }
}

} // namespace

QString SquarePlace(std::int16_t square) {
    constexpr std::array<const char*, 9> Places{
        QT_TRANSLATE_NOOP("turnix::EntryChecks", "top left"),
        QT_TRANSLATE_NOOP("turnix::EntryChecks", "top"),
        QT_TRANSLATE_NOOP("turnix::EntryChecks", "top right"),
        QT_TRANSLATE_NOOP("turnix::EntryChecks", "left"),
        QT_TRANSLATE_NOOP("turnix::EntryChecks", "centre"),
        QT_TRANSLATE_NOOP("turnix::EntryChecks", "right"),
        QT_TRANSLATE_NOOP("turnix::EntryChecks", "bottom left"),
        QT_TRANSLATE_NOOP("turnix::EntryChecks", "bottom"),
        QT_TRANSLATE_NOOP("turnix::EntryChecks", "bottom right")};
    return EntryChecks::tr(Places.at(static_cast<std::size_t>(square)));
}

QString SquareWords(SquareAt at) {
    return EntryChecks::tr("%1 side, %2 square").arg(SideWord(at.side), SquarePlace(at.square));
}

EntryChecks::EntryChecks(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("EntryChecks"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    turnedRows = new QVBoxLayout;
    column->addLayout(turnedRows);
    lblDoubts = new QLabel(this);
    lblDoubts->setObjectName(QStringLiteral("lblDoubts"));
    lblDoubts->setWordWrap(true);
    column->addWidget(lblDoubts);
    doubtButtons = new QGridLayout;
    column->addLayout(doubtButtons);
    UpdateVisibility();
}

void EntryChecks::ShowTurnedSides(const std::vector<TurnedSide>& turned) {
    if (turned == shownTurned) {
        return;
    }
    shownTurned = turned;
    ClearLayout(*turnedRows);
    for (const TurnedSide& side : turned) {
        auto* row = new QHBoxLayout;
        auto* sentence = new QLabel(TurnedSideWords(side), this);
        sentence->setWordWrap(true);
        auto* button = new QPushButton(tr("Turn It Back"), this);
        button->setObjectName(QStringLiteral("cmdTurnBack%1").arg(side.side));
        button->setAccessibleName(
            tr("Turn the %1 side's outer squares back").arg(SideWord(side.side)));
        button->setEnabled(canEdit);
        connect(button, &QPushButton::clicked, this,
                [this, side] { emit turnBackRequested(side); });
        row->addWidget(sentence, 1);
        row->addWidget(button);
        turnedRows->addLayout(row);
    }
    UpdateVisibility();
}

void EntryChecks::SetDoubts(std::vector<SquareDoubt> newDoubts) {
    doubts = std::move(newDoubts);
    RebuildDoubtButtons();
}

void EntryChecks::ShowCube(const CubeColorValues& cubeColors, const ColorScheme& colorScheme) {
    colors = cubeColors;
    scheme = colorScheme;
    RebuildDoubtButtons();
}

void EntryChecks::SetEditable(bool editable) {
    canEdit = editable;
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        button->setEnabled(editable);
    }
}

std::int16_t EntryChecks::Alternative(const SquareDoubt& doubt, std::int16_t now) {
    return now == doubt.second ? doubt.read : doubt.second;
}

void EntryChecks::RebuildDoubtButtons() {
    ClearLayout(*doubtButtons);
    lblDoubts->setText(
        doubts.size() == 1
            ? tr("1 square to check; it wears a ? in the net:")
            : tr("%1 squares to check; each wears a ? in the net:").arg(doubts.size()));
    const int iconSize = fontMetrics().height();
    for (std::size_t k = 0; k < doubts.size(); ++k) {
        const SquareDoubt& doubt = doubts[k];
        const std::int16_t now = colors.at(static_cast<std::size_t>(doubt.at.side))
                                     .at(static_cast<std::size_t>(doubt.at.square));
        const std::int16_t other = Alternative(doubt, now);
        const ScreenColor otherColor = scheme.at(SlotOf(other));
        const auto otherName = CubeColorName(otherColor);
        const QString colorName = otherName ? CoreText(*otherName) : tr("the other colour");
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cmdDoubt%1").arg(k));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setText(
            QStringLiteral("%1, %2").arg(SideWord(doubt.at.side), SquarePlace(doubt.at.square)));
        button->setIcon(SwatchIcon(ToQColor(otherColor), iconSize));
        button->setToolTip(tr("Make the %1 %2").arg(SquareWords(doubt.at), colorName.toLower()));
        button->setAccessibleName(button->toolTip());
        button->setEnabled(canEdit);
        const SquareAt at = doubt.at;
        connect(button, &QToolButton::clicked, this,
                [this, at, other] { emit colorChosen(at, other); });
        const int n = static_cast<int>(k);
        doubtButtons->addWidget(button, n / DoubtColumns, n % DoubtColumns);
    }
    UpdateVisibility();
}

void EntryChecks::UpdateVisibility() {
    lblDoubts->setVisible(!doubts.empty());
    setVisible(!doubts.empty() || !shownTurned.empty());
}

} // namespace turnix
