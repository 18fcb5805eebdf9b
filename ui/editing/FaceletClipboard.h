#pragma once

#include "clsCube.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <optional>

class QWidget;

namespace turnix {

// The cube as a facelet string on the clipboard, for other cube tools.
// Squares are named by the centres, as those tools read a real cube,
// whatever colours the centres show. Problems are reported to the user in
// a message over parent.
class FaceletClipboard {
    Q_DECLARE_TR_FUNCTIONS(turnix::FaceletClipboard)

public:
    FaceletClipboard(Platform platform, QWidget& parent);

    // A square that shows none of the six colours (only an opened file
    // holds one) has no letter, so such a cube is refused rather than
    // copied with a gap.
    void Copy(const clsCube& cube) const;
    // The cube on the clipboard, each letter in the colour that its face's
    // centre shows on current, so that a copy pasted back changes nothing.
    // Nothing when the clipboard holds no cube.
    [[nodiscard]] std::optional<clsCube> Paste(const clsCube& current) const;

private:
    Platform platform;
    QWidget& parent;
};

} // namespace turnix
