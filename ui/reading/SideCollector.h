#pragma once

#include "CubeVocabulary.h"
#include "SideReading.h"

#include <chrono>
#include <optional>
#include <vector>

namespace turnix {

// Turns what the finder sees in a stream of camera frames into six captured
// sides. A side is taken by itself once its grid has held still for about
// half a second, and only when its centre is not the colour of a side taken
// already. No widgets: the camera dialog feeds it and shows its state.
class SideCollector {
public:
    using Clock = std::chrono::milliseconds;

    static constexpr int SideCount = side::Count;
    static constexpr Clock SteadyTime{500};

    enum class Event {
        None,        // nothing taken
        Captured,    // a new side was taken
        AlreadyTaken // a steady side whose centre was taken before
    };

    // One frame's finding, at a time that only grows.
    Event Add(const std::optional<vision::SideReading>& found, Clock at);

    [[nodiscard]] const std::vector<vision::SideReading>& Sides() const noexcept { return sides; }
    [[nodiscard]] bool Complete() const noexcept { return sides.size() == SideCount; }
    // 0..1: how long the grid in view has held still, of SteadyTime.
    [[nodiscard]] double Steadiness() const noexcept { return steadiness; }
    void Reset();

private:
    [[nodiscard]] bool StillSince(const vision::SideReading& found) const;
    [[nodiscard]] bool AlreadyHave(const vision::SideReading& found) const;

    std::vector<vision::SideReading> sides;
    std::optional<vision::SideReading> held;
    Clock heldSince{0};
    // The side in view was dealt with; it must leave before the next counts.
    bool settled{false};
    double steadiness{0};
};

} // namespace turnix
