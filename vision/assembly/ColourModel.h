#pragma once

#include "LightBalance.h"

namespace turnix::vision {

// The six colours as the balanced photos show them, and how far a sticker
// of one colour strays from it on each axis of CIELAB.
struct ColourModel {
    Gains gains{EvenGains()};
    std::array<Lab, PhotoCount> colours{};
    Lab scale{};
};

// Each colour as its centre shows it, under the given gains; the scale a
// typical set of photos has. The start before anything is classified.
[[nodiscard]] ColourModel CentreModel(const Samples& samples, const Gains& gains);

// Light, colours and scale fitted to the samples, given which colour each
// shows; the light refined from the model's.
[[nodiscard]] ColourModel FitModel(const Samples& samples, const ClassOf& classes,
                                   const Gains& start);

// A heavy-tailed (Student's t) cost, so that one sticker with glare or a
// shadow costs much but never outweighs the rest of the cube; an uneven
// sticker's cost is flatter.
[[nodiscard]] SampleCosts CostsOf(const ColourModel& model, const Samples& samples);

} // namespace turnix::vision
