#pragma once

#include "CubeReading.h"
#include "SideCollector.h"

#include <QDialog>
#include <QImage>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
template <typename T>
class QFutureWatcher;

namespace turnix {

class CameraView;
class CaptureSource;
class CapturedSides;

// "Scan with Camera": the live picture with the grid the finder sees drawn
// over it; each side is taken by itself once it has held still for about
// half a second. With six sides taken, "Use This Cube" puts them together.
// The finder runs off the GUI thread on the newest frame; frames that come
// while it works are shown but not looked at.
class frmScanCamera : public QDialog {
    Q_OBJECT

public:
    using Clock = std::function<SideCollector::Clock()>;

    // The dialog owns the source; clock gives the time of each frame (a
    // steady clock when empty).
    frmScanCamera(CaptureSource* source, Clock clock = {}, QWidget* parent = nullptr);
    ~frmScanCamera() override;

    // The cube read, once the user chose "Use This Cube" and the sides fit.
    [[nodiscard]] const std::optional<vision::CubeReading>& Reading() const noexcept {
        return reading;
    }
    [[nodiscard]] const SideCollector& Collector() const noexcept { return collector; }

signals:
    // A frame has been looked at; the next one will be.
    void frameLookedAt();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void FrameArrived(const QImage& frame);
    void LookedAt();
    void ShowProgress(SideCollector::Event event);
    void StartOver();
    void UseCube();
    void ShowProblem(const QString& problem);

    CaptureSource* source;
    Clock clock;
    SideCollector collector;
    QFutureWatcher<std::optional<vision::SideReading>>* finder{};
    bool started{false};
    std::optional<vision::CubeReading> reading;

    CameraView* view{};
    CapturedSides* sides{};
    QLabel* lblStatus{};
    QPushButton* cmdStartOver{};
    QPushButton* cmdUseCube{};
    QPushButton* cmdCancel{};
};

} // namespace turnix
