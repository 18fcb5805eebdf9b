#pragma once

#include "PhotoReading.h"
#include "appearance/ColorScheme.h"
#include "platform/Platform.h"
#include "wholecube/EntryChecks.h"

#include <QFutureWatcher>
#include <QObject>
#include <QStringList>
#include <vector>

class QAction;
class QMenu;
class QMimeData;
class QWidget;

namespace turnix {

// Reading the cube from six photos or from the camera, for the main window:
// the two File entries, the photos read on worker threads, the choice among
// several cubes that fit, and the report of a reading that failed. The cube
// read goes to the window through cubeRead, which replaces its cube. Six
// photos dropped on the window are read as well; one cube file dropped
// there is handed on through cubeFileDropped.
class PhotoReadingController : public QObject {
    Q_OBJECT

public:
    // colors is the window's scheme, read when a reading arrives.
    PhotoReadingController(Platform platform, QWidget& window, const ColorScheme& colors);

    // "Read Cube from &Photos…" and "Scan with &Camera…", after a separator,
    // before the entry before.
    void AddEntries(QMenu& file, QAction* before);
    void ReadFiles(const QStringList& files);

signals:
    // values in the scheme's colours nearest to the photos'.
    void cubeRead(const CubeColorValues& values, const std::vector<SquareDoubt>& doubts);
    // Nothing changed: the reading failed or the choice was cancelled.
    void dismissed();
    void cubeFileDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ChooseFiles();
    void PhotosRead();
    void ScanWithCamera();
    void Apply(const vision::CubeReading& reading);
    void ShowProblems(const QStringList& problems);

    Platform platform;
    QWidget& window;
    const ColorScheme& colors;
    QFutureWatcher<PhotoOutcome> reader;
    QAction* mnuFileReadPhotos{};
    QAction* mnuFileScanCamera{};
};

} // namespace turnix
