#include "CameraSource.h"

#include <QCamera>
#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>
#include <cstdlib>
#include <limits>

namespace turnix {

namespace {

// Enough for the finder, and quick to look at ten times a second.
constexpr QSize WantedSize{640, 480};

} // namespace

CameraSource::CameraSource(QObject* parent) : CaptureSource(parent) {}

CameraSource::~CameraSource() {
    Stop();
}

bool CameraSource::Start() {
    const QCameraDevice device = QMediaDevices::defaultVideoInput();
    if (device.isNull()) {
        problem = tr("No camera was found. Connect a webcam, or read the cube from "
                     "six photos instead (File ▸ Read Cube from Photos…).");
        return false;
    }
    camera = new QCamera(device, this);
    if (!camera->isAvailable()) {
        problem = tr("The camera cannot be used: Qt Multimedia has no camera back-end "
                     "on this system (on Debian, install gstreamer1.0-plugins-good).");
        camera->deleteLater();
        camera = nullptr;
        return false;
    }
    session = new QMediaCaptureSession(this);
    sink = new QVideoSink(this);
    session->setCamera(camera);
    session->setVideoSink(sink);
    ChooseSmallFormat();
    connect(sink, &QVideoSink::videoFrameChanged, this, &CameraSource::DeliverFrame);
    connect(camera, &QCamera::errorOccurred, this, [this](QCamera::Error, const QString& text) {
        problem = tr("The camera stopped: %1").arg(text);
        emit failed(problem);
    });
    camera->start();
    return true;
}

void CameraSource::Stop() {
    if (camera != nullptr) {
        camera->stop();
    }
}

void CameraSource::ChooseSmallFormat() {
    const QList<QCameraFormat> formats = camera->cameraDevice().videoFormats();
    QCameraFormat best;
    int bestDistance = std::numeric_limits<int>::max();
    for (const QCameraFormat& format : formats) {
        const QSize size = format.resolution();
        const int distance = std::abs(size.width() - WantedSize.width()) +
                             std::abs(size.height() - WantedSize.height());
        if (distance < bestDistance) {
            bestDistance = distance;
            best = format;
        }
    }
    if (!best.isNull()) {
        camera->setCameraFormat(best);
    }
}

void CameraSource::DeliverFrame(const QVideoFrame& frame) {
    const QImage image = frame.toImage();
    if (!image.isNull()) {
        emit frameArrived(image);
    }
}

} // namespace turnix
