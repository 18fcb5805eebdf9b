#include "session/OptimalSolveRun.h"

#include "diagnosis/Diagnosis.h"
#include "dialogs/frmOptimalProgress.h"

#include <QtConcurrent/QtConcurrentRun>

namespace turnix {

OptimalSolveRun::OptimalSolveRun(Search searchIn, QWidget* windowIn)
    : QObject(windowIn), search(std::move(searchIn)), window(windowIn) {
    connect(&watcher, &QFutureWatcher<OptimalResult>::finished, this,
            &OptimalSolveRun::SearchEnded);
}

OptimalSolveRun::~OptimalSolveRun() {
    watcher.disconnect(this);
    cancel = true;
    watcher.waitForFinished();
}

bool OptimalSolveRun::Start(const clsCube& cube) {
    const std::optional<Arrangement> arrangement = ArrangementOf(cube);
    if (running || !arrangement) {
        return false;
    }
    running = true;
    cancel = false;
    dialog = new frmOptimalProgress(window);
    connect(dialog, &frmOptimalProgress::CancelRequested, this, [this] { cancel = true; });
    dialog->open();

    OptimalOptions options;
    options.cancel = &cancel;
    // Reports cross to the GUI thread; once this object is gone they are
    // dropped.
    options.progress = [this](const OptimalProgress& progress) {
        QMetaObject::invokeMethod(
            this, [this, progress] { ShowProgress(progress); }, Qt::QueuedConnection);
    };
    watcher.setFuture(QtConcurrent::run(
        [run = search, cube = *arrangement, options] { return run(cube, options); }));
    return true;
}

void OptimalSolveRun::ShowProgress(const OptimalProgress& progress) {
    if (dialog.isNull() || dialog->CancelPressed()) {
        return;
    }
    if (progress.tablePercent >= 0) {
        dialog->ShowTablePercent(progress.tablePercent);
    } else {
        dialog->ShowSearch(progress.depthSearched, progress.bestTurns);
    }
}

void OptimalSolveRun::SearchEnded() {
    running = false;
    if (!dialog.isNull()) {
        dialog->Finish();
        dialog->deleteLater();
    }
    emit Finished(watcher.result());
}

} // namespace turnix
