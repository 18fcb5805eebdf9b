#include "WholeCubePanel.h"

#include "ColorPalette.h"
#include "CubeNet.h"
#include "accessibility/Announcement.h"
#include "appearance/CubeColorNames.h"
#include "diagnosis/FindingText.h"
#include "language/FindingWords.h"

#include <QLabel>
#include <QScrollArea>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

namespace turnix {

namespace {

constexpr int FindingLines = 5;

QString DiagnosisText(const std::vector<Finding>& findings, const ColorNames& names) {
    return DiagnosisWords(findings, names).join(QLatin1Char('\n'));
}

// Wrapped sentences that scroll when there are many, so that the net keeps
// its room.
QScrollArea* FindingsArea(QLabel* text, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setObjectName(QStringLiteral("WholeCubeFindings"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(text);
    area->setMinimumHeight(FindingLines * text->fontMetrics().lineSpacing() + 4);
    area->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    return area;
}

} // namespace

WholeCubePanel::WholeCubePanel(QWidget* parent) : QWidget(parent) {
    palette = new ColorPalette(this);
    palette->setObjectName(QStringLiteral("WholeCubePalette"));
    net = new CubeNet(this);
    net->setObjectName(QStringLiteral("WholeCubeNet"));
    lblDiagnosis = new QLabel(this);
    lblDiagnosis->setObjectName(QStringLiteral("lblDiagnosis"));
    lblDiagnosis->setWordWrap(true);
    lblDiagnosis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDiagnosis->setTextFormat(Qt::PlainText);

    auto* column = new QVBoxLayout(this);
    column->addWidget(palette);
    column->addWidget(net, 1);
    column->addWidget(FindingsArea(lblDiagnosis, this));
    checks = new EntryChecks(this);
    column->addWidget(checks);
    setTabOrder(palette, net);
}

void WholeCubePanel::Refresh(const clsCube& cube, std::int16_t shownSide,
                             const ColorScheme& scheme) {
    const CubeColorValues colors = ColorValuesOf(cube);
    const std::vector<Finding> findings = Diagnose(colors);
    palette->SetScheme(scheme);
    net->ShowCube(colors, scheme, shownSide, SquaresToMark(findings));
    std::array<QString, ColorCount> letters;
    for (std::int16_t c = 0; c < ColorCount; ++c) {
        letters.at(SlotOf(c)) = SquareLetter(net->Letters(), c, colors, scheme);
    }
    palette->SetLetters(letters);
    // A screen reader hears the findings whenever they change.
    ShowAnnounced(*lblDiagnosis, DiagnosisText(findings, CentreColorNames(colors, scheme)));
    checks->ShowTurnedSides(findings.empty() ? std::vector<TurnedSide>() : TurnedSides(colors));
    checks->ShowCube(colors, scheme);
}

void WholeCubePanel::SetDoubts(std::vector<SquareDoubt> doubts) {
    std::vector<SquareAt> squares;
    for (const SquareDoubt& doubt : doubts) {
        squares.push_back(doubt.at);
    }
    net->SetDoubtfulSquares(std::move(squares));
    checks->SetDoubts(std::move(doubts));
}

void WholeCubePanel::SetPaintable(bool paintable) {
    net->SetPaintable(paintable);
    checks->SetEditable(paintable);
}

std::int16_t WholeCubePanel::SelectedColor() const {
    return palette->SelectedColor();
}

std::vector<SquareAt> SquaresToMark(const std::vector<Finding>& findings) {
    std::vector<SquareAt> squares;
    for (const Finding& finding : findings) {
        for (const SquareAt& at : finding.squares) {
            if (std::find(squares.cbegin(), squares.cend(), at) == squares.cend()) {
                squares.push_back(at);
            }
        }
    }
    return squares;
}

} // namespace turnix
