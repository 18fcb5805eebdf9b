#pragma once

#include "diagnosis/Diagnosis.h"
#include "diagnosis/TurnedSides.h"

#include <string>
#include <vector>

namespace turnix::cli {

// "VALID", or "INVALID" and one line per finding (centres, count X N,
// foreign N, unknown POS, duplicate POS1 POS2, twist, flip, swap), then one
// "turned X Q" per side that looks entered turned, each line ended by a line
// feed.
[[nodiscard]] std::string CheckReport(const std::vector<Finding>& findings,
                                      const std::vector<TurnedSide>& turned = {});

} // namespace turnix::cli
