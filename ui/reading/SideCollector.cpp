#include "SideCollector.h"

#include "ReadingColors.h"
#include "appearance/CubeColorNames.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace turnix {

namespace {

// A grid moved by less than this share of its size counts as still.
constexpr double StillShare = 0.06;
// Centres closer than this are the same colour; red and orange in poor
// light lie further apart.
constexpr double SameCentre = 10.0;

constexpr auto Centre = static_cast<std::size_t>(square::Centre);

double Distance(vision::PointF a, vision::PointF b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

double GridSize(const vision::SideReading& side) {
    return std::max(Distance(side.corners[0], side.corners[2]),
                    Distance(side.corners[1], side.corners[3]));
}

double CentreDistance(const vision::SideReading& a, const vision::SideReading& b) {
    return ColorDistance(ScreenColorOf(a.stickers[Centre].color),
                         ScreenColorOf(b.stickers[Centre].color));
}

} // namespace

SideCollector::Event SideCollector::Add(const std::optional<vision::SideReading>& found, Clock at) {
    if (!found || !held || !StillSince(*found)) {
        held = found;
        heldSince = at;
        settled = false;
        steadiness = 0;
        return Event::None;
    }
    held = found;
    steadiness = std::min(1.0, static_cast<double>((at - heldSince).count()) /
                                   static_cast<double>(SteadyTime.count()));
    if (settled || Complete() || at - heldSince < SteadyTime) {
        return Event::None;
    }
    settled = true;
    if (AlreadyHave(*found)) {
        return Event::AlreadyTaken;
    }
    sides.push_back(*found);
    return Event::Captured;
}

void SideCollector::Reset() {
    sides.clear();
    held.reset();
    settled = false;
    steadiness = 0;
}

bool SideCollector::StillSince(const vision::SideReading& found) const {
    const double allowed = StillShare * GridSize(*held);
    for (std::size_t k = 0; k < found.corners.size(); ++k) {
        if (Distance(found.corners[k], held->corners[k]) > allowed) {
            return false;
        }
    }
    return CentreDistance(found, *held) < SameCentre;
}

bool SideCollector::AlreadyHave(const vision::SideReading& found) const {
    return std::any_of(sides.begin(), sides.end(), [&found](const vision::SideReading& side) {
        return CentreDistance(side, found) < SameCentre;
    });
}

} // namespace turnix
