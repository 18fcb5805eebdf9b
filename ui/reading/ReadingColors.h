#pragma once

#include "CubeReading.h"
#include "appearance/ScreenColor.h"
#include "diagnosis/Diagnosis.h"
#include "wholecube/EntryChecks.h"

#include <QColor>
#include <array>
#include <cstdint>
#include <vector>

namespace turnix {

// A colour the camera saw, for the screen.
[[nodiscard]] QColor ScreenColorOf(const vision::Rgb& rgb);

// The colour index that stands for each of a reading's colours (the colour
// of side s's centre), by side.
using ReadingIndices = std::array<std::int16_t, 6>;

// The indices whose screen colours look most like the photographed centres,
// taken together, so that a cube read in real colours is shown in the
// scheme's colours nearest to them: white as white when the scheme has one.
[[nodiscard]] ReadingIndices IndicesFor(const std::array<vision::Rgb, 6>& centreColors,
                                        const ColorScheme& scheme);

[[nodiscard]] CubeColorValues ColorValuesOf(const vision::SideColors& colors,
                                            const ReadingIndices& indices);

[[nodiscard]] std::vector<SquareDoubt> DoubtsOf(const vision::CubeReading& reading,
                                                const ReadingIndices& indices);

} // namespace turnix
