#include "DockGrowth.h"

#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <numeric>

namespace turnix {

std::vector<int> SharedDockLengths(int total, int centralPreferred,
                                   const std::vector<int>& docksPreferred) {
    const int preferred =
        std::accumulate(docksPreferred.cbegin(), docksPreferred.cend(), centralPreferred);
    if (docksPreferred.empty() || preferred <= 0 || total <= preferred) {
        return {};
    }
    const qint64 extra = total - preferred;
    std::vector<int> lengths;
    for (const int length : docksPreferred) {
        lengths.push_back(length + static_cast<int>(extra * length / preferred));
    }
    return lengths;
}

QList<QDockWidget*> HideDocksBeyond(QMainWindow& window, QSize room) {
    const auto fits = [&window, room] {
        const QSize smallest = window.minimumSizeHint();
        return smallest.width() <= room.width() && smallest.height() <= room.height();
    };
    const QList<QDockWidget*> docks = window.findChildren<QDockWidget*>();
    QList<QDockWidget*> hidden;
    for (auto dock = docks.crbegin(); dock != docks.crend() && !fits(); ++dock) {
        if (!(*dock)->isFloating() && !(*dock)->isHidden()) {
            (*dock)->hide();
            hidden.append(*dock);
        }
    }
    return hidden;
}

DockGrowth::DockGrowth(QMainWindow& window) : QObject(&window), mainWindow(&window) {
    window.installEventFilter(this);
}

bool DockGrowth::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainWindow && event->type() == QEvent::Resize) {
        Share(Qt::Horizontal);
        Share(Qt::Vertical);
    }
    return QObject::eventFilter(watched, event);
}

void DockGrowth::Share(Qt::Orientation orientation) {
    const QWidget* central = mainWindow->centralWidget();
    if (central == nullptr) {
        return;
    }
    const bool across = orientation == Qt::Horizontal;
    const auto along = [across](QSize size) {
        return across ? size.width() : size.height();
    };
    QList<QDockWidget*> docks;
    std::vector<int> preferred;
    int total = along(central->size());
    for (QDockWidget* dock : mainWindow->findChildren<QDockWidget*>()) {
        const Qt::DockWidgetArea area = mainWindow->dockWidgetArea(dock);
        const bool beside = area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
        const bool aboveOrBelow = area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
        if (dock->isHidden() || dock->isFloating() || (across ? !beside : !aboveOrBelow)) {
            continue;
        }
        docks.append(dock);
        preferred.push_back(along(dock->sizeHint()));
        total += along(dock->size());
    }
    const std::vector<int> lengths =
        SharedDockLengths(total, along(central->sizeHint()), preferred);
    if (!lengths.empty()) {
        mainWindow->resizeDocks(docks, QList<int>(lengths.cbegin(), lengths.cend()), orientation);
    }
}

} // namespace turnix
