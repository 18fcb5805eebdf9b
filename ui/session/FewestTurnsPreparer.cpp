#include "FewestTurnsPreparer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

namespace turnix {

FewestTurnsPreparer::FewestTurnsPreparer(std::function<void()> prepare, QObject* parent)
    : QObject(parent) {
    connect(&watcher, &QFutureWatcher<void>::finished, this, &FewestTurnsPreparer::Finished);
    tables = QtConcurrent::run([prepare = std::move(prepare)] {
        try {
            prepare();
        } catch (...) {
        }
    });
    watcher.setFuture(tables);
}

FewestTurnsPreparer::~FewestTurnsPreparer() {
    StopWaiting();
    watcher.disconnect(this);
    tables.waitForFinished();
}

void FewestTurnsPreparer::StartWaiting() {
    if (!waiting) {
        waiting = true;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

void FewestTurnsPreparer::Finished() {
    if (waiting) {
        StopWaiting();
        emit prepared();
    }
}

void FewestTurnsPreparer::StopWaiting() {
    if (waiting) {
        waiting = false;
        QGuiApplication::restoreOverrideCursor();
    }
}

} // namespace turnix
