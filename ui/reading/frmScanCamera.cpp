#include "frmScanCamera.h"

#include "CameraView.h"
#include "CaptureSource.h"
#include "CapturedSides.h"
#include "PhotoReading.h"
#include "SidePhoto.h"
#include "editing/EditTexts.h"

#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent>
#include <chrono>

namespace turnix {

namespace {

std::optional<vision::SideReading> FindSideIn(const QImage& frame) {
    const QImage pixels = frame.convertToFormat(QImage::Format_RGB32);
    // Format_RGB32 keeps blue, green, red and a fourth byte in memory order
    // on little-endian machines.
    const vision::ImageView view{pixels.width(), pixels.height(),
                                 static_cast<std::size_t>(pixels.bytesPerLine()), 4,
                                 pixels.constBits()};
    return vision::FindSide(view);
}

SideCollector::Clock SteadyNow() {
    return std::chrono::duration_cast<SideCollector::Clock>(
        std::chrono::steady_clock::now().time_since_epoch());
}

} // namespace

frmScanCamera::frmScanCamera(CaptureSource* captureSource, Clock frameClock, QWidget* parent)
    : QDialog(parent), source(captureSource),
      clock(frameClock ? std::move(frameClock) : SteadyNow) {
    setObjectName(QStringLiteral("frmScanCamera"));
    setWindowTitle(tr("Scan with Camera"));
    source->setParent(this);

    view = new CameraView(this);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picHoldCube"));
    picture->setPixmap(HoldCubePicture(8 * fontMetrics().height(), palette()));
    picture->setAccessibleName(tr("How to hold the cube"));
    auto* howTo =
        new QLabel(tr("Hold one side of the cube square to the camera, filling about a third of "
                      "the picture, and keep it still until its grid turns green. Then turn the "
                      "cube to show the next side. The sides may come in any order and any way "
                      "up; the first becomes the front, its top edge the top."),
                   this);
    howTo->setObjectName(QStringLiteral("lblHowTo"));
    howTo->setWordWrap(true);
    auto* help = new QVBoxLayout;
    help->addWidget(picture, 0, Qt::AlignHCenter);
    help->addWidget(howTo);
    help->addStretch();

    sides = new CapturedSides(this);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);

    cmdStartOver = new QPushButton(tr("&Start Over"), this);
    cmdStartOver->setObjectName(QStringLiteral("cmdStartOver"));
    cmdUseCube = new QPushButton(tr("&Use This Cube"), this);
    cmdUseCube->setObjectName(QStringLiteral("cmdUseCube"));
    cmdUseCube->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdStartOver, &QPushButton::clicked, this, &frmScanCamera::StartOver);
    connect(cmdUseCube, &QPushButton::clicked, this, &frmScanCamera::UseCube);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(view, 3);
    top->addLayout(help, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdStartOver);
    buttons->addStretch();
    buttons->addWidget(cmdUseCube);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(sides, 0, Qt::AlignHCenter);
    layout->addWidget(lblStatus);
    layout->addLayout(buttons);

    finder = new QFutureWatcher<std::optional<vision::SideReading>>(this);
    connect(finder, &QFutureWatcherBase::finished, this, &frmScanCamera::LookedAt);
    connect(source, &CaptureSource::frameArrived, this, &frmScanCamera::FrameArrived);
    connect(source, &CaptureSource::failed, this, &frmScanCamera::ShowProblem);
    ShowProgress(SideCollector::Event::None);
}

frmScanCamera::~frmScanCamera() {
    source->Stop();
    finder->waitForFinished();
}

void frmScanCamera::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!started) {
        started = true;
        if (!source->Start()) {
            ShowProblem(source->Problem());
        }
    }
}

void frmScanCamera::done(int result) {
    source->Stop();
    QDialog::done(result);
}

void frmScanCamera::FrameArrived(const QImage& frame) {
    view->ShowFrame(frame);
    if (finder->isRunning() || collector.Complete()) {
        return;
    }
    finder->setFuture(QtConcurrent::run(FindSideIn, frame));
}

void frmScanCamera::LookedAt() {
    const std::optional<vision::SideReading> found = finder->result();
    const SideCollector::Event event = collector.Add(found, clock());
    view->ShowGrid(found, collector.Steadiness(), event == SideCollector::Event::Captured);
    ShowProgress(event);
    emit frameLookedAt();
}

void frmScanCamera::ShowProgress(SideCollector::Event event) {
    const auto taken = static_cast<int>(collector.Sides().size());
    sides->ShowSides(collector.Sides());
    cmdUseCube->setEnabled(collector.Complete());
    QString status = taken == SideCollector::SideCount
                         ? tr("All six sides taken. Choose Use This Cube.")
                         : tr("%1 of 6 sides taken.").arg(taken);
    if (event == SideCollector::Event::AlreadyTaken) {
        status += tr(" That side was taken already: show another.");
    }
    lblStatus->setText(status);
}

void frmScanCamera::StartOver() {
    collector.Reset();
    reading.reset();
    ShowProgress(SideCollector::Event::None);
}

void frmScanCamera::UseCube() {
    PhotoOutcome outcome = AssembleSides(collector.Sides());
    if (!outcome.reading) {
        lblStatus->setText(AsSentence(outcome.problems.join(QLatin1Char(' '))) +
                           tr(" Choose Start Over and show the sides again."));
        return;
    }
    reading = std::move(outcome.reading);
    accept();
}

void frmScanCamera::ShowProblem(const QString& problem) {
    view->ShowProblem(problem);
    lblStatus->setText(problem);
    cmdStartOver->setEnabled(false);
}

} // namespace turnix
