#pragma once

#include "diagnosis/FindingText.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace turnix {

// The findings of a diagnosis as sentences in the user's language. Under
// the C locale each sentence equals the core's own.
[[nodiscard]] QString FindingWords(const Finding& finding, const ColorNames& names = {});
[[nodiscard]] QStringList DiagnosisWords(const std::vector<Finding>& findings,
                                         const ColorNames& names = {});
[[nodiscard]] QString TurnedSideWords(TurnedSide turned);

} // namespace turnix
