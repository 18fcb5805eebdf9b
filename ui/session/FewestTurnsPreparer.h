#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <functional>

namespace turnix {

// The fewest-turns tables take about a second to build, so they are built
// as the window opens, on a worker thread. A solve asked for before they are
// ready waits for them under a busy cursor, and the window stays usable
// meanwhile. Should building fail, the first solve builds them itself.
class FewestTurnsPreparer : public QObject {
    Q_OBJECT

public:
    explicit FewestTurnsPreparer(std::function<void()> prepare, QObject* parent = nullptr);
    // The worker must not outlive the tables' user.
    ~FewestTurnsPreparer() override;
    FewestTurnsPreparer(const FewestTurnsPreparer&) = delete;
    FewestTurnsPreparer& operator=(const FewestTurnsPreparer&) = delete;

    [[nodiscard]] bool Ready() const { return tables.isFinished(); }
    [[nodiscard]] bool Waiting() const noexcept { return waiting; }
    // Until the tables are ready, when prepared follows.
    void StartWaiting();

signals:
    void prepared();

private:
    void Finished();
    void StopWaiting();

    QFuture<void> tables;
    QFutureWatcher<void> watcher;
    bool waiting{false};
};

} // namespace turnix
