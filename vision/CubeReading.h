#pragma once

#include "SideReading.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace turnix::vision {

// How six photos are given.
enum class PhotoOrder : std::uint8_t {
    // The sides U R F D L B in that order, each upright as in the facelet
    // net: U with the B side at the top of the photo, D with the F side at
    // the top, the other four with U at the top.
    Fixed,
    // Any order, each photo turned by any quarter. The cube is written with
    // the first photo's side as F and that photo's top edge towards U.
    Any,
};

// Colour values by side index (Top, Bottom, Front, Back, Left, Right, as
// clsCube numbers them) and square; value s is the colour of side s's
// centre.
using SideColors = std::array<std::array<std::int16_t, 9>, 6>;

// Squares whose colour is not certain.
struct Doubt {
    std::int16_t side{0};
    std::int16_t square{0};
    std::int16_t read{0};   // the colour given
    std::int16_t second{0}; // the next likeliest
};

struct CubeReading {
    // A cube that turning can solve; unless the photos clearly show one that
    // cannot be (a twisted corner, a flipped edge, two pieces swapped by
    // hand), which is then read as it is, for the diagnosis to report.
    SideColors colors{};
    // 0..1 for each square: how sure the reading is; 1 for the centres.
    std::array<std::array<float, 9>, 6> confidence{};
    // The squares worth a second look, in facelet order (U R F D L B,
    // squares 0..8): those that a cube fitting nearly as well reads
    // otherwise, and those read otherwise than they look by themselves
    // because the pieces allow nothing else. Their confidence is below every
    // other square's.
    std::vector<Doubt> doubts;
    // Other cubes that fit the photos as well as colors does, likeliest
    // first; empty when the reading is unambiguous.
    std::vector<SideColors> alsoFits;
    // The photo's colour of each centre, for showing the cube in colours
    // like the real one's.
    std::array<Rgb, 6> centreColors{};
};

struct AssemblyError {
    std::string message;
};

// Classifies all 54 stickers of six sides together and puts the sides in
// their places. An error, in a sentence, for other than six readings, a
// colour that is no number, or two photos of the same side. Safe to call
// from any thread.
[[nodiscard]] std::variant<CubeReading, AssemblyError>
AssembleCube(std::span<const SideReading> sides, PhotoOrder order);

} // namespace turnix::vision
