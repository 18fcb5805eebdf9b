#include "FaceletClipboard.h"

#include "EditTexts.h"
#include "Facelets.h"
#include "diagnosis/FindingText.h"
#include "language/CoreTexts.h"
#include "platform/ApplicationTitle.h"

namespace turnix {

FaceletClipboard::FaceletClipboard(Platform services, QWidget& window)
    : platform(services), parent(window) {}

void FaceletClipboard::Copy(const clsCube& cube) const {
    if (const auto square = FirstSquareWithoutFacelet(cube)) {
        platform.messageBoxes.ShowMessage(
            &parent, ApplicationTitle(),
            tr("The cube cannot be copied as facelets: a square of the %1 side shows "
               "none of the six colours.")
                .arg(SideWord(square->side)),
            MessageIcon::Exclamation);
        return;
    }
    platform.clipboard.SetText(
        QString::fromStdString(CentreFaceletString(cube).value_or(FaceletString(cube))));
}

std::optional<clsCube> FaceletClipboard::Paste(const clsCube& current) const {
    clsCube pasted;
    if (const auto error =
            ReadFacelets(platform.clipboard.Text().trimmed().toStdString(), pasted)) {
        platform.messageBoxes.ShowMessage(
            &parent, ApplicationTitle(),
            tr("The clipboard holds no facelet string.\n\n") +
                AsSentence(CoreReason(QString::fromStdString(error->reason))),
            MessageIcon::Exclamation);
        return std::nullopt;
    }
    if (const auto centres = CentreColors(current)) {
        PaintInCentreColors(pasted, *centres);
    }
    return pasted;
}

} // namespace turnix
