#pragma once

#include <QImage>
#include <QObject>
#include <QString>

namespace turnix {

// Where the camera dialog gets its pictures: the camera, or in tests a list
// of images.
class CaptureSource : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts delivering frames; false, with Problem() saying why in a
    // sentence, when there is no camera to use.
    virtual bool Start() = 0;
    virtual void Stop() = 0;
    [[nodiscard]] virtual QString Problem() const = 0;

signals:
    void frameArrived(const QImage& frame);
    // The camera stopped working after it started.
    void failed(const QString& problem);
};

} // namespace turnix
