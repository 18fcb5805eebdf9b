#pragma once

#include <QString>

namespace turnix {

// The program's name as the user sees it: window captions and message titles.
inline QString ApplicationTitle() {
    return QStringLiteral("Turnix");
}

} // namespace turnix
