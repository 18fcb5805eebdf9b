#include "editing/EditTexts.h"
#include "frmTurnix.h"
#include "platform/ApplicationTitle.h"
#include "reading/ReadingColors.h"
#include "reading/frmChooseReading.h"
#include "reading/frmScanCamera.h"
#include "wholecube/WholeCubePanel.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMenu>
#include <QMimeData>
#include <QUndoStack>
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

} // namespace

// Beside Open: a reading replaces the cube as Open does.
void frmTurnix::CreateReadingEntries() {
    QAction* beforeExit = mnuFile->actions().at(mnuFile->actions().indexOf(mnuFileExit) - 1);
    mnuFileReadPhotos = new QAction(tr("Read Cube from &Photos…"), mnuFile);
    mnuFileReadPhotos->setObjectName(QStringLiteral("mnuFileReadPhotos"));
    mnuFileScanCamera = new QAction(tr("Scan with &Camera…"), mnuFile);
    mnuFileScanCamera->setObjectName(QStringLiteral("mnuFileScanCamera"));
    mnuFile->insertSeparator(beforeExit)->setObjectName(QStringLiteral("mnuFileSeparatorReading"));
    mnuFile->insertActions(beforeExit, {mnuFileReadPhotos, mnuFileScanCamera});
    connect(mnuFileReadPhotos, &QAction::triggered, this, &frmTurnix::ReadCubeFromPhotos);
    connect(mnuFileScanCamera, &QAction::triggered, this, &frmTurnix::ScanWithCamera);

    photoReader = new QFutureWatcher<PhotoOutcome>(this);
    connect(photoReader, &QFutureWatcherBase::finished, this, &frmTurnix::PhotosRead);
    setAcceptDrops(true);

    EntryChecks& checks = wholeCube->Checks();
    connect(&checks, &EntryChecks::turnBackRequested, this, &frmTurnix::TurnSideBack);
    connect(&checks, &EntryChecks::colorChosen, this, &frmTurnix::ChangeDoubtfulSquare);
    connect(undoStack, &QUndoStack::indexChanged, this, [this](int index) {
        if (index < readingIndex) {
            ClearDoubts();
        }
    });
}

void frmTurnix::ReadCubeFromPhotos() {
    const QStringList files = platform.fileDialogs.OpenFileNames(
        this, {tr("Read Cube from Photos"), QString(),
               tr("Photos (*.jpg *.jpeg *.png *.bmp *.webp)"), QString()});
    if (!files.isEmpty()) {
        ReadPhotoFiles(files);
    }
}

// The photos are read on worker threads; the entries wait meanwhile.
void frmTurnix::ReadPhotoFiles(const QStringList& files) {
    if (photoReader->isRunning()) {
        return;
    }
    mnuFileReadPhotos->setEnabled(false);
    mnuFileScanCamera->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    photoReader->setFuture(QtConcurrent::run(ReadPhotos, files));
}

void frmTurnix::PhotosRead() {
    QApplication::restoreOverrideCursor();
    mnuFileReadPhotos->setEnabled(true);
    mnuFileScanCamera->setEnabled(true);
    const PhotoOutcome outcome = photoReader->result();
    if (outcome.reading) {
        ApplyReading(*outcome.reading);
    } else {
        ShowReadingProblems(outcome.problems);
    }
}

void frmTurnix::ScanWithCamera() {
    frmScanCamera dialog(platform.cameras.OpenCamera(nullptr), {}, this);
    if (platform.modalRunner.Exec(dialog) == QDialog::Accepted && dialog.Reading()) {
        ApplyReading(*dialog.Reading());
    }
}

// A failed reading changes nothing.
void frmTurnix::ShowReadingProblems(const QStringList& problems) {
    QStringList sentences;
    for (const QString& problem : problems) {
        sentences << WithFullStop(problem);
    }
    platform.messageBoxes.ShowMessage(this, ApplicationTitle(),
                                      tr("The cube could not be read from the photos.\n\n") +
                                          sentences.join(QLatin1Char('\n')),
                                      MessageIcon::Exclamation);
    txtDummy->setFocus();
}

// When more than one cube fits, the user chooses; the cube then replaces
// the one shown, like Open, as one step of the history, in the scheme's
// colours nearest to the photos'.
void frmTurnix::ApplyReading(const vision::CubeReading& reading) {
    const ReadingIndices indices = IndicesFor(reading.centreColors, lngColors);
    std::vector<CubeColorValues> fits{ColorValuesOf(reading.colors, indices)};
    for (const vision::SideColors& other : reading.alsoFits) {
        fits.push_back(ColorValuesOf(other, indices));
    }
    std::size_t chosen = 0;
    if (fits.size() > 1) {
        frmChooseReading dialog(fits, lngColors, this);
        if (platform.modalRunner.Exec(dialog) != QDialog::Accepted) {
            txtDummy->setFocus();
            return;
        }
        chosen = static_cast<std::size_t>(dialog.Chosen());
    }
    if (HasStepList()) {
        DiscardSolution();
    }
    const CubeColorValues before = ColorValuesOf(cubMain);
    SetColorValues(cubMain, fits.at(chosen));
    readingIndex = -1;
    DisplaySide();
    RecordEdit(ReadCubeEditText(), before);
    readingIndex = undoStack->index();
    // The doubts belong to the likeliest cube; another choice settled them.
    wholeCube->SetDoubts(chosen == 0 ? DoubtsOf(reading, indices) : std::vector<SquareDoubt>());
    dckWholeCube->show();
}

void frmTurnix::ClearDoubts() {
    readingIndex = -1;
    wholeCube->SetDoubts({});
}

void frmTurnix::TurnSideBack(TurnedSide turned) {
    if (blnSolutionMode) {
        return;
    }
    const CubeColorValues before = ColorValuesOf(cubMain);
    SetColorValues(cubMain, TurnOuterSquares(before, turned));
    DisplaySide();
    RecordEdit(TurnBackEditText(turned.side), before);
}

void frmTurnix::ChangeDoubtfulSquare(SquareAt at, std::int16_t color) {
    if (blnSolutionMode) {
        return;
    }
    const CubeColorValues before = ColorValuesOf(cubMain);
    cubMain.Side(at.side).Square(at.square)->SetColorIndex(color);
    DisplaySide();
    RecordEdit(ChangeSquareEditText(), before);
}

void frmTurnix::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedPhotos(*event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void frmTurnix::dropEvent(QDropEvent* event) {
    const QStringList files = DroppedPhotos(*event->mimeData());
    if (!files.isEmpty()) {
        event->acceptProposedAction();
        ReadPhotoFiles(files);
    }
}

} // namespace turnix
