#pragma once

#include "CubeReading.h"
#include "CubeVocabulary.h"
#include "SideReading.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace turnix {

// A cube read from photos, or why there is none: one sentence a problem.
struct PhotoOutcome {
    std::optional<vision::CubeReading> reading;
    QStringList problems;
};

inline constexpr int PhotoCount = side::Count;

// Reads the six photos at once, one thread each, and puts the cube
// together. Any order and any quarter turn: the first photo's side becomes
// the front, with its top edge towards the top. Safe off the GUI thread.
[[nodiscard]] PhotoOutcome ReadPhotos(const QStringList& files);

// The same for six sides already found, as the camera captures them.
[[nodiscard]] PhotoOutcome AssembleSides(const std::vector<vision::SideReading>& sides);

} // namespace turnix
