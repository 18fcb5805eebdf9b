#include "PhotoReadingController.h"

#include "ReadingColors.h"
#include "editing/EditTexts.h"
#include "frmChooseReading.h"
#include "frmScanCamera.h"
#include "platform/ApplicationTitle.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QtConcurrent>

namespace turnix {

namespace {

const QStringList PhotoSuffixes{QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                QStringLiteral("png"), QStringLiteral("bmp"),
                                QStringLiteral("webp")};

// The local files dropped, when they are six photos.
QStringList DroppedPhotos(const QMimeData& data) {
    QStringList files;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile() ||
            !PhotoSuffixes.contains(QFileInfo(url.toLocalFile()).suffix().toLower())) {
            return {};
        }
        files << url.toLocalFile();
    }
    return files.size() == PhotoCount ? files : QStringList();
}

// The local file dropped, when it is one cube file.
QString DroppedCubeFile(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.first().isLocalFile() ||
        QFileInfo(urls.first().toLocalFile()).suffix().toLower() != QStringLiteral("cub")) {
        return {};
    }
    return urls.first().toLocalFile();
}

} // namespace

PhotoReadingController::PhotoReadingController(Platform services, QWidget& mainWindow,
                                               const ColorScheme& scheme)
    : QObject(&mainWindow), platform(services), window(mainWindow), colors(scheme) {
    connect(&reader, &QFutureWatcherBase::finished, this, &PhotoReadingController::PhotosRead);
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

void PhotoReadingController::AddEntries(QMenu& file, QAction* before) {
    mnuFileReadPhotos = new QAction(tr("Read Cube from &Photos…"), &file);
    mnuFileReadPhotos->setObjectName(QStringLiteral("mnuFileReadPhotos"));
    mnuFileScanCamera = new QAction(tr("Scan with &Camera…"), &file);
    mnuFileScanCamera->setObjectName(QStringLiteral("mnuFileScanCamera"));
    file.insertSeparator(before)->setObjectName(QStringLiteral("mnuFileSeparatorReading"));
    file.insertActions(before, {mnuFileReadPhotos, mnuFileScanCamera});
    connect(mnuFileReadPhotos, &QAction::triggered, this, &PhotoReadingController::ChooseFiles);
    connect(mnuFileScanCamera, &QAction::triggered, this, &PhotoReadingController::ScanWithCamera);
}

bool PhotoReadingController::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window ||
        (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)) {
        return QObject::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = DroppedPhotos(*drop->mimeData());
    const QString cubeFile = DroppedCubeFile(*drop->mimeData());
    if (!files.isEmpty() || !cubeFile.isEmpty()) {
        drop->acceptProposedAction();
    }
    if (event->type() == QEvent::Drop && !files.isEmpty()) {
        ReadFiles(files);
    } else if (event->type() == QEvent::Drop && !cubeFile.isEmpty()) {
        emit cubeFileDropped(cubeFile);
    }
    return true;
}

void PhotoReadingController::ChooseFiles() {
    const QStringList files = platform.fileDialogs.OpenFileNames(
        &window, {tr("Read Cube from Photos"), QString(),
                  tr("Photos (*.jpg *.jpeg *.png *.bmp *.webp)"), QString()});
    if (!files.isEmpty()) {
        ReadFiles(files);
    }
}

// The entries wait while the photos are read.
void PhotoReadingController::ReadFiles(const QStringList& files) {
    if (reader.isRunning()) {
        return;
    }
    mnuFileReadPhotos->setEnabled(false);
    mnuFileScanCamera->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    reader.setFuture(QtConcurrent::run(ReadPhotos, files));
}

void PhotoReadingController::PhotosRead() {
    QApplication::restoreOverrideCursor();
    mnuFileReadPhotos->setEnabled(true);
    mnuFileScanCamera->setEnabled(true);
    const PhotoOutcome outcome = reader.result();
    if (outcome.reading) {
        Apply(*outcome.reading);
    } else {
        ShowProblems(outcome.problems);
    }
}

void PhotoReadingController::ScanWithCamera() {
    frmScanCamera dialog(platform.cameras.OpenCamera(nullptr), {}, &window);
    if (platform.modalRunner.Exec(dialog) == QDialog::Accepted && dialog.Reading()) {
        Apply(*dialog.Reading());
    }
}

// When more than one cube fits, the user chooses. The doubts belong to the
// likeliest cube; another choice settled them.
void PhotoReadingController::Apply(const vision::CubeReading& reading) {
    const ReadingIndices indices = IndicesFor(reading.centreColors, colors);
    std::vector<CubeColorValues> fits{ColorValuesOf(reading.colors, indices)};
    for (const vision::SideColors& other : reading.alsoFits) {
        fits.push_back(ColorValuesOf(other, indices));
    }
    std::size_t chosen = 0;
    if (fits.size() > 1) {
        frmChooseReading dialog(fits, colors, &window);
        if (platform.modalRunner.Exec(dialog) != QDialog::Accepted) {
            emit dismissed();
            return;
        }
        chosen = static_cast<std::size_t>(dialog.Chosen());
    }
    emit cubeRead(fits.at(chosen),
                  chosen == 0 ? DoubtsOf(reading, indices) : std::vector<SquareDoubt>());
}

// A failed reading changes nothing.
void PhotoReadingController::ShowProblems(const QStringList& problems) {
    QStringList sentences;
    for (const QString& problem : problems) {
        sentences << WithFullStop(problem);
    }
    platform.messageBoxes.ShowMessage(&window, ApplicationTitle(),
                                      tr("The cube could not be read from the photos.\n\n") +
                                          sentences.join(QLatin1Char('\n')),
                                      MessageIcon::Exclamation);
    emit dismissed();
}

} // namespace turnix
