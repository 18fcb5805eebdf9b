#pragma once

#include "Diagnosis.h"

#include <string>
#include <vector>

namespace turnix::cli {

// "VALID", or "INVALID" and one line per finding (centres, count X N,
// foreign N, unknown POS, duplicate POS1 POS2, twist, flip, swap), each line
// ended by a line feed.
[[nodiscard]] std::string CheckReport(const std::vector<Finding>& findings);

} // namespace turnix::cli
