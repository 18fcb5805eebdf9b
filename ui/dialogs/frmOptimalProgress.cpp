#include "frmOptimalProgress.h"

#include "platform/ApplicationTitle.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace turnix {

frmOptimalProgress::frmOptimalProgress(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOptimalProgress"));
    setModal(true);
    setWindowTitle(tr("Solve Optimally"));

    lblProgress = new QLabel(tr("Loading the table…"), this);
    lblProgress->setObjectName(QStringLiteral("lblProgress"));
    lblProgress->setMinimumWidth(lblProgress->fontMetrics().averageCharWidth() * 36);
    barTable = new QProgressBar(this);
    barTable->setObjectName(QStringLiteral("barTable"));
    barTable->setRange(0, 100);
    barTable->hide();
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setDefault(true);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptimalProgress::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblProgress);
    layout->addWidget(barTable);
    layout->addWidget(cmdCancel, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmOptimalProgress::ShowTablePercent(int percent) {
    lblProgress->setText(tr("Making the table, once: %1%").arg(percent));
    barTable->setValue(percent);
    barTable->show();
}

void frmOptimalProgress::ShowSearch(int depthSearched, int bestTurns) {
    barTable->hide();
    lblProgress->setText(SearchText(depthSearched, bestTurns));
}

QString frmOptimalProgress::SearchText(int depthSearched, int bestTurns) {
    const QString depth = tr("depth %1 searched").arg(std::max(depthSearched, 0));
    return bestTurns < 0 ? depth : tr("%1, best %2 so far").arg(depth).arg(bestTurns);
}

void frmOptimalProgress::Finish() {
    finished = true;
    accept();
}

// The dialog stays until the search has ended.
void frmOptimalProgress::reject() {
    if (finished) {
        QDialog::reject();
        return;
    }
    if (cancelPressed) {
        return;
    }
    cancelPressed = true;
    cmdCancel->setEnabled(false);
    lblProgress->setText(lblProgress->text() + tr(" — stopping…"));
    emit CancelRequested();
}

namespace {

QString Megabytes(std::uint64_t bytes) {
    constexpr std::uint64_t Mega = 1024 * 1024;
    return QString::number((bytes + Mega - 1) / Mega);
}

} // namespace

bool frmOptimalProgress::AskFewestTurnsInstead(Platform& platform, QWidget* parent,
                                               std::uint64_t bytesNeeded, std::uint64_t bytesFree) {
    QMessageBox question(QMessageBox::Question, ApplicationTitle(),
                         tr("The optimal solver needs %1 MB of memory for its table, and only "
                            "%2 MB are free.\n\nSolve in fewest turns instead?")
                             .arg(Megabytes(bytesNeeded), Megabytes(bytesFree)),
                         QMessageBox::Yes | QMessageBox::No, parent);
    question.setObjectName(QStringLiteral("msgOptimalMemory"));
    question.setDefaultButton(QMessageBox::Yes);
    return platform.modalRunner.Exec(question) == QMessageBox::Yes;
}

} // namespace turnix
