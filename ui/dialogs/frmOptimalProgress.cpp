#include "frmOptimalProgress.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace turnix {

frmOptimalProgress::frmOptimalProgress(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOptimalProgress"));
    setModal(true);
    setWindowTitle(QStringLiteral("Solve Optimally"));

    lblProgress = new QLabel(QStringLiteral("Loading the table\u2026"), this);
    lblProgress->setObjectName(QStringLiteral("lblProgress"));
    lblProgress->setMinimumWidth(lblProgress->fontMetrics().averageCharWidth() * 36);
    barTable = new QProgressBar(this);
    barTable->setObjectName(QStringLiteral("barTable"));
    barTable->setRange(0, 100);
    barTable->hide();
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
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
    lblProgress->setText(QStringLiteral("Making the table, once: %1%").arg(percent));
    barTable->setValue(percent);
    barTable->show();
}

void frmOptimalProgress::ShowSearch(int depthSearched, int bestTurns) {
    barTable->hide();
    lblProgress->setText(SearchText(depthSearched, bestTurns));
}

QString frmOptimalProgress::SearchText(int depthSearched, int bestTurns) {
    const QString depth = QStringLiteral("depth %1 searched").arg(std::max(depthSearched, 0));
    return bestTurns < 0 ? depth : QStringLiteral("%1, best %2 so far").arg(depth).arg(bestTurns);
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
    lblProgress->setText(lblProgress->text() + QStringLiteral(" \u2014 stopping\u2026"));
    emit CancelRequested();
}

} // namespace turnix
