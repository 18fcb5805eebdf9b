#include "DockGrowth.h"

#include "CentralArea.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <algorithm>
#include <iterator>
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

namespace {

const char* const HiddenForRoomMark = "turnixHiddenForRoom";

// Until the user shows or hides it with the View menu.
void HideForRoom(QDockWidget& dock) {
    if (!dock.property(HiddenForRoomMark).isValid()) {
        QObject::connect(dock.toggleViewAction(), &QAction::triggered, &dock,
                         [&dock] { dock.setProperty(HiddenForRoomMark, false); });
    }
    dock.hide();
    dock.setProperty(HiddenForRoomMark, true);
}

bool FitsIn(QSize smallest, QSize room) {
    return smallest.width() <= room.width() && smallest.height() <= room.height();
}

// The docks shown in the window, the last made first.
QList<QDockWidget*> DocksInGivingUpOrder(const QMainWindow& window) {
    QList<QDockWidget*> docks;
    const QList<QDockWidget*> all = window.findChildren<QDockWidget*>();
    for (auto dock = all.crbegin(); dock != all.crend(); ++dock) {
        if (!(*dock)->isFloating() && !(*dock)->isHidden()) {
            docks.append(*dock);
        }
    }
    return docks;
}

} // namespace

bool HiddenForRoom(const QDockWidget& dock) {
    return dock.isHidden() && dock.property(HiddenForRoomMark).toBool();
}

QList<QDockWidget*> HideDocksBeyond(QMainWindow& window, QSize room) {
    // A restored window may stand on another screen than the one its first
    // fit measured.
    for (QDockWidget* dock : window.findChildren<QDockWidget*>()) {
        if (HiddenForRoom(*dock)) {
            dock->setProperty(HiddenForRoomMark, false);
            dock->show();
        }
    }
    QList<QDockWidget*> hidden;
    for (QDockWidget* dock : DocksInGivingUpOrder(window)) {
        if (FitsIn(window.minimumSizeHint(), room)) {
            break;
        }
        HideForRoom(*dock);
        hidden.append(dock);
    }
    return hidden;
}

RoomFit FitToRoom(QSize room, QSize preferred, const std::vector<QSize>& minimums) {
    if (minimums.empty()) {
        return {0, preferred.boundedTo(room)};
    }
    const auto fits = std::find_if(minimums.cbegin(), minimums.cend(),
                                   [room](QSize smallest) { return FitsIn(smallest, room); });
    const auto chosen = fits == minimums.cend() ? std::prev(fits) : fits;
    return {static_cast<std::size_t>(chosen - minimums.cbegin()),
            preferred.boundedTo(room).expandedTo(*chosen)};
}

namespace {

// A dock to hide, or a centre to let scroll.
struct WindowPart {
    QDockWidget* dock{};
    CentralArea* centre{};

    void GiveUp(bool givenUp) const {
        if (dock != nullptr) {
            dock->setHidden(givenUp);
        } else {
            centre->SetScrolling(givenUp);
        }
    }
};

// In the order the window gives them up.
std::vector<WindowPart> PartsToGiveUp(const QMainWindow& window) {
    std::vector<WindowPart> parts;
    for (QDockWidget* dock : DocksInGivingUpOrder(window)) {
        parts.push_back({dock, nullptr});
    }
    if (auto* centre = dynamic_cast<CentralArea*>(window.centralWidget())) {
        parts.push_back({nullptr, centre});
    }
    return parts;
}

} // namespace

// Giving every part up in turn measures what the window needs at each
// step; the parts it keeps are then taken back.
QList<QDockWidget*> FitWindowInto(QMainWindow& window, QSize preferred, QSize room) {
    const std::vector<WindowPart> parts = PartsToGiveUp(window);
    std::vector<QSize> minimums{window.minimumSizeHint()};
    for (const WindowPart& part : parts) {
        part.GiveUp(true);
        minimums.push_back(window.minimumSizeHint());
    }
    const RoomFit fit = FitToRoom(room, preferred, minimums);
    QList<QDockWidget*> hidden;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i >= fit.givenUp) {
            parts.at(i).GiveUp(false);
        } else if (parts.at(i).dock != nullptr) {
            HideForRoom(*parts.at(i).dock);
            hidden.append(parts.at(i).dock);
        }
    }
    window.resize(fit.size);
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
