#include "CheckReport.h"

#include "Facelets.h"

namespace turnix::cli {

namespace {

[[nodiscard]] std::string Line(const Finding& finding) {
    switch (finding.kind) {
    case FindingKind::Centres:
        return "centres";
    case FindingKind::Count:
        return std::string("count ") + FaceLetter(finding.side).value_or('?') + " " +
               std::to_string(finding.count);
    case FindingKind::Foreign:
        return "foreign " + std::to_string(finding.count);
    case FindingKind::Unknown:
    case FindingKind::Duplicate: {
        std::string line = finding.kind == FindingKind::Unknown ? "unknown" : "duplicate";
        for (const PiecePosition position : finding.positions) {
            line += ' ';
            line += PositionName(position);
        }
        return line;
    }
    case FindingKind::Twist:
        return "twist";
    case FindingKind::Flip:
        return "flip";
    case FindingKind::Swap:
        return "swap";
    }
    return {};
}

} // namespace

std::string CheckReport(const std::vector<Finding>& findings,
                        const std::vector<TurnedSide>& turned) {
    if (findings.empty()) {
        return "VALID\n";
    }
    std::string report = "INVALID\n";
    for (const Finding& finding : findings) {
        report += Line(finding) + '\n';
    }
    for (const TurnedSide& side : turned) {
        report += std::string("turned ") + FaceLetter(side.side).value_or('?') + ' ' +
                  std::to_string(side.quarters) + '\n';
    }
    return report;
}

} // namespace turnix::cli
