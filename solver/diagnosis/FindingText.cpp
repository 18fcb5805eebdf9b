#include "FindingText.h"

#include <array>

namespace turnix {

namespace {

[[nodiscard]] std::string Squares(int count) {
    return std::to_string(count) + (count == 1 ? " square" : " squares");
}

// "between Top and Front", "at Top, Front, Right".
[[nodiscard]] std::string PlaceWords(PiecePosition position) {
    const auto squares = PositionSquares(position);
    const auto name = [&squares](std::size_t n) {
        return std::string(SideName(squares[n].side));
    };
    if (IsCorner(position)) {
        return "at " + name(0) + ", " + name(2) + ", " + name(1);
    }
    return "between " + name(0) + " and " + name(1);
}

// Unknown and duplicate findings always carry their positions.
[[nodiscard]] std::string UnknownSentence(const Finding& finding) {
    const PiecePosition position = finding.positions.at(0);
    return "The " + PositionWords(position) +
           (IsCorner(position) ? " shows three colours that no corner has."
                               : " shows two colours that no edge has.");
}

[[nodiscard]] std::string DuplicateSentence(const Finding& finding) {
    return "The " + PositionWords(finding.positions.at(0)) + " is also " +
           PlaceWords(finding.positions.at(1)) + ".";
}

// "White", or "The Top colour" when the colour has no name.
[[nodiscard]] std::string ColorWords(std::int16_t side, const ColorNames& names) {
    const std::string_view name = side >= 0 && side < side::Count
                                      ? names[static_cast<std::size_t>(side)]
                                      : std::string_view();
    return name.empty() ? "The " + std::string(SideName(side)) + " colour" : std::string(name);
}

} // namespace

std::string PositionWords(PiecePosition position) {
    return (IsCorner(position) ? "corner " : "edge ") + PlaceWords(position);
}

std::string FindingSentence(const Finding& finding, const ColorNames& names) {
    switch (finding.kind) {
    case FindingKind::Centres:
        return "The centres do not show the six colours, one each.";
    case FindingKind::Count:
        return ColorWords(finding.side, names) + " has " + Squares(finding.count) +
               "; it should have 9.";
    case FindingKind::Foreign:
        return finding.count == 1 ? "One square shows a colour that is on no centre."
                                  : Squares(finding.count) + " show colours that are on no centre.";
    case FindingKind::Unknown:
        return UnknownSentence(finding);
    case FindingKind::Duplicate:
        return DuplicateSentence(finding);
    case FindingKind::Twist:
        return "One corner is twisted in place.";
    case FindingKind::Flip:
        return "One edge is flipped.";
    case FindingKind::Swap:
        return "Two pieces are swapped.";
    }
    return {};
}

std::vector<std::string> DiagnosisSentences(const std::vector<Finding>& findings,
                                            const ColorNames& names) {
    if (findings.empty()) {
        return {std::string(ReadyToSolve)};
    }
    std::vector<std::string> sentences;
    sentences.reserve(findings.size());
    for (const Finding& finding : findings) {
        sentences.push_back(FindingSentence(finding, names));
    }
    return sentences;
}

std::string TurnedSideSentence(TurnedSide turned) {
    // Turning back by q clockwise quarters undoes an entry turned by q
    // counterclockwise ones.
    constexpr std::array<std::string_view, 4> Turns{"", "a quarter counterclockwise", "half round",
                                                    "a quarter clockwise"};
    return "The " + std::string(SideName(turned.side)) + " side looks entered turned " +
           std::string(Turns.at(static_cast<std::size_t>(turned.quarters))) + ".";
}

} // namespace turnix
