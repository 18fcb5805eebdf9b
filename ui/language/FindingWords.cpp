#include "FindingWords.h"

#include "CoreTexts.h"

#include <QCoreApplication>

namespace turnix {

namespace {

struct FindingTexts {
    Q_DECLARE_TR_FUNCTIONS(turnix::FindingTexts)
};

// The sides of a piece in the order the sentences name them: a corner's Top
// or Bottom side first, then the other two counterclockwise.
QStringList PieceSides(PiecePosition position) {
    const auto squares = PositionSquares(position);
    if (IsCorner(position)) {
        return {SideWord(squares[0].side), SideWord(squares[2].side), SideWord(squares[1].side)};
    }
    return {SideWord(squares[0].side), SideWord(squares[1].side)};
}

QString ColorWords(std::int16_t side, const ColorNames& names) {
    const bool named =
        side >= 0 && side < side::Count && !names.at(static_cast<std::size_t>(side)).empty();
    return named ? CoreText(names.at(static_cast<std::size_t>(side)))
                 : FindingTexts::tr("The %1 colour").arg(SideWord(side));
}

QString CountWords(const Finding& finding, const ColorNames& names) {
    const QString colour = ColorWords(finding.side, names);
    return finding.count == 1 ? FindingTexts::tr("%1 has 1 square; it should have 9.").arg(colour)
                              : FindingTexts::tr("%1 has %2 squares; it should have 9.")
                                    .arg(colour)
                                    .arg(finding.count);
}

QString UnknownWords(const Finding& finding) {
    const QStringList sides = PieceSides(finding.positions.at(0));
    return sides.size() == 3
               ? FindingTexts::tr(
                     "The corner at %1, %2, %3 shows three colours that no corner has.")
                     .arg(sides[0], sides[1], sides[2])
               : FindingTexts::tr("The edge between %1 and %2 shows two colours that no edge has.")
                     .arg(sides[0], sides[1]);
}

QString DuplicateWords(const Finding& finding) {
    const QStringList first = PieceSides(finding.positions.at(0));
    const QStringList second = PieceSides(finding.positions.at(1));
    return first.size() == 3
               ? FindingTexts::tr("The corner at %1, %2, %3 is also at %4, %5, %6.")
                     .arg(first[0], first[1], first[2], second[0], second[1], second[2])
               : FindingTexts::tr("The edge between %1 and %2 is also between %3 and %4.")
                     .arg(first[0], first[1], second[0], second[1]);
}

} // namespace

QString FindingWords(const Finding& finding, const ColorNames& names) {
    switch (finding.kind) {
    case FindingKind::Centres:
        return FindingTexts::tr("The centres do not show the six colours, one each.");
    case FindingKind::Count:
        return CountWords(finding, names);
    case FindingKind::Foreign:
        return finding.count == 1
                   ? FindingTexts::tr("One square shows a colour that is on no centre.")
                   : FindingTexts::tr("%1 squares show colours that are on no centre.")
                         .arg(finding.count);
    case FindingKind::Unknown:
        return UnknownWords(finding);
    case FindingKind::Duplicate:
        return DuplicateWords(finding);
    case FindingKind::Twist:
        return FindingTexts::tr("One corner is twisted in place.");
    case FindingKind::Flip:
        return FindingTexts::tr("One edge is flipped.");
    case FindingKind::Swap:
        return FindingTexts::tr("Two pieces are swapped.");
    }
    return {};
}

QStringList DiagnosisWords(const std::vector<Finding>& findings, const ColorNames& names) {
    if (findings.empty()) {
        return {FindingTexts::tr("Ready to solve")};
    }
    QStringList sentences;
    for (const Finding& finding : findings) {
        sentences << FindingWords(finding, names);
    }
    return sentences;
}

QString TurnedSideWords(TurnedSide turned) {
    // Turning back by q clockwise quarters undoes an entry turned by q
    // counterclockwise ones.
    const QString side = SideWord(turned.side);
    switch (turned.quarters) {
    case 1:
        return FindingTexts::tr("The %1 side looks entered turned a quarter counterclockwise.")
            .arg(side);
    case 2:
        return FindingTexts::tr("The %1 side looks entered turned half round.").arg(side);
    default:
        return FindingTexts::tr("The %1 side looks entered turned a quarter clockwise.").arg(side);
    }
}

} // namespace turnix
