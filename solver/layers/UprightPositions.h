#pragma once

#include "clsCube.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace turnix {

// The bookkeeping that stages 2 and 3 share. Each finishes one position per
// upright side, while that side is at the front, and tags the side "Done"
// when its position is finished; the tags travel with the sides as the cube
// rotates between passes.
class UprightPositions {
public:
    static constexpr std::string_view DoneTag = "Done";

    // Clears the tags of the four upright sides.
    explicit UprightPositions(clsCube& work) : cube(work) {
        for (const std::int16_t s : {side::Front, side::Left, side::Back, side::Right}) {
            cube.Side(s).SetTag("");
        }
    }

    [[nodiscard]] bool AnyLeft() const noexcept { return remaining > 0; }

    // The piece is at the front's position: finished, unless it was already.
    void FoundInPlace() {
        if (cube.Side(side::Front).Tag() != DoneTag) {
            FinishFront();
        }
    }

    // A piece in another wrong position of the layer is left for a later
    // pass, which counts as a try, until the tries catch up with the
    // positions remaining; false when it must be dealt with now.
    [[nodiscard]] bool LeaveForLaterPass() noexcept {
        if (tries == remaining) {
            return false;
        }
        ++tries;
        return true;
    }

    void FinishFront() {
        cube.Side(side::Front).SetTag(std::string(DoneTag));
        --remaining;
        tries = 1;
    }

private:
    clsCube& cube;
    std::int16_t remaining{4};
    std::int16_t tries{1};
};

} // namespace turnix
