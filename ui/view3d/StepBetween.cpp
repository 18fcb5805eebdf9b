#include "StepBetween.h"

#include "StepCodes.h"
#include "editing/CubeEdit.h"

namespace turnix {

namespace {

bool Gives(const CubeColorValues& before, const CubeColorValues& after, std::int16_t code) {
    clsCube cube;
    SetColorValues(cube, before);
    ApplyStep(cube, code);
    return ColorValuesOf(cube) == after;
}

} // namespace

std::optional<std::int16_t> StepBetween(const CubeColorValues& before, const CubeColorValues& after,
                                        std::optional<std::int16_t> likely) {
    if (before == after) {
        return std::nullopt;
    }
    if (likely && *likely >= 0 && *likely < StepCodeCount && Gives(before, after, *likely)) {
        return likely;
    }
    for (std::int16_t code = 0; code < StepCodeCount; ++code) {
        if (Gives(before, after, code)) {
            return code;
        }
    }
    return std::nullopt;
}

} // namespace turnix
