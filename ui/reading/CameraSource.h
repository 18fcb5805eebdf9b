#pragma once

#include "CaptureSource.h"

#include <QPointer>

class QCamera;
class QMediaCaptureSession;
class QVideoFrame;
class QVideoSink;

namespace turnix {

// The system's default camera through Qt Multimedia, at about 640×480 when
// it offers that.
class CameraSource final : public CaptureSource {
    Q_OBJECT

public:
    explicit CameraSource(QObject* parent = nullptr);
    ~CameraSource() override;

    bool Start() override;
    void Stop() override;
    [[nodiscard]] QString Problem() const override { return problem; }

private:
    void ChooseSmallFormat();
    void DeliverFrame(const QVideoFrame& frame);

    QCamera* camera{};
    QMediaCaptureSession* session{};
    QVideoSink* sink{};
    QString problem;
};

} // namespace turnix
