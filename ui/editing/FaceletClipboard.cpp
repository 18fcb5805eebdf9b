#include "FaceletClipboard.h"

#include "EditTexts.h"
#include "Facelets.h"
#include "FindingText.h"
#include "platform/ApplicationTitle.h"

namespace turnix {

FaceletClipboard::FaceletClipboard(Platform services, QWidget& window)
    : platform(services), parent(window) {}

void FaceletClipboard::Copy(const clsCube& cube) const {
    if (const auto square = FirstSquareWithoutFacelet(cube)) {
        const std::string_view side = SideName(square->side);
        platform.messageBoxes.ShowMessage(
            &parent, ApplicationTitle(),
            QStringLiteral("The cube cannot be copied as facelets: a square of the %1 side shows "
                           "none of the six colours.")
                .arg(QString::fromUtf8(side.data(), static_cast<qsizetype>(side.size()))),
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
            QStringLiteral("The clipboard holds no facelet string.\n\n") +
                AsSentence(QString::fromStdString(error->reason)),
            MessageIcon::Exclamation);
        return std::nullopt;
    }
    if (const auto centres = CentreColors(current)) {
        PaintInCentreColors(pasted, *centres);
    }
    return pasted;
}

} // namespace turnix
