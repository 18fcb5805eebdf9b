#pragma once

#include "CubeVocabulary.h"
#include "clsSide.h"

#include <array>
#include <cstdint>
#include <memory>

namespace turnix {

// The whole puzzle: six sides of nine squares, joined by 72 links that are
// made once, here. A new cube is solved: every square of side s holds s.
class clsCube {
public:
    clsCube();
    // The links reach this cube's own squares, so a cube cannot be copied
    // member by member; use Copy() to transfer colours.
    clsCube(const clsCube&) = delete;
    clsCube& operator=(const clsCube&) = delete;
    clsCube(clsCube&&) noexcept = default;
    clsCube& operator=(clsCube&&) noexcept = default;
    ~clsCube() = default;

    // Throw std::out_of_range for an index outside 0..5 and change nothing.
    [[nodiscard]] clsSide& Side(std::int16_t intIndex);
    [[nodiscard]] const clsSide& Side(std::int16_t intIndex) const;
    // Replaces the stored side only; no link is re-made.
    void SetSide(std::int16_t intIndex, std::unique_ptr<clsSide> sidNewSide);

    // Makes every square of side s show colour s: the solved cube. Tags,
    // labels and links stay as they are.
    void Reset();

    // Whole-cube quarter rotations, named by where the front side goes.
    void RotateUp() noexcept;
    void RotateDown() noexcept;
    void RotateLeft() noexcept;
    void RotateRight() noexcept;

    // Writes this cube's 54 colour indices into cubNew; tags stay behind.
    void Copy(clsCube& cubNew) const;

private:
    void SetLabels();
    void SetLinks();

    std::array<std::unique_ptr<clsSide>, side::Count> sides;
};

} // namespace turnix
