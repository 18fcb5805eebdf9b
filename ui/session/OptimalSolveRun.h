#pragma once

#include "dialogs/frmOptimalProgress.h"
#include "optimal/OptimalSolve.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>

class QWidget;

namespace turnix {

// One proven-optimal solve at a time, off the GUI thread, with a progress
// dialog over the window and Cancel. The search is a function so that tests
// hand in a fake.
class OptimalSolveRun : public QObject {
    Q_OBJECT

public:
    using Search = std::function<OptimalResult(const Arrangement&, const OptimalOptions&)>;

    OptimalSolveRun(Search search, QWidget* window);
    // Stops a search under way and waits for it.
    ~OptimalSolveRun() override;
    OptimalSolveRun(const OptimalSolveRun&) = delete;
    OptimalSolveRun& operator=(const OptimalSolveRun&) = delete;

    void SetSearch(Search replacement) { search = std::move(replacement); }

    // False, with nothing started, for a cube that turning cannot solve or
    // while a search is under way.
    bool Start(const clsCube& cube);
    [[nodiscard]] bool Running() const noexcept { return running; }

    // The dialog while a search runs; null otherwise.
    [[nodiscard]] frmOptimalProgress* Dialog() const noexcept { return dialog; }

signals:
    // The search has ended, the dialog is gone.
    void Finished(const turnix::OptimalResult& result);

private:
    void ShowProgress(const OptimalProgress& progress);
    void SearchEnded();

    Search search;
    QWidget* window;
    QFutureWatcher<OptimalResult> watcher;
    QPointer<frmOptimalProgress> dialog;
    std::atomic<bool> cancel{false};
    bool running{false};
};

} // namespace turnix
