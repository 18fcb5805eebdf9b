#pragma once

#include <QList>
#include <QObject>
#include <QSize>
#include <cstddef>
#include <vector>

class QDockWidget;
class QMainWindow;

namespace turnix {

// The docks' lengths along one direction when the window is total long
// there: up to the preferred lengths of all, the docks keep what they have
// (nothing is returned); beyond them, the central widget and the docks share
// the extra length in proportion to what each prefers.
[[nodiscard]] std::vector<int> SharedDockLengths(int total, int centralPreferred,
                                                 const std::vector<int>& docksPreferred);

// Hides docked docks, the last made first, until the window's smallest size
// fits room, so that a small or magnified screen still shows the whole
// window with its status bar. The View menu brings them back. Docks hidden
// for room before are shown again first. Returns the docks it hid.
QList<QDockWidget*> HideDocksBeyond(QMainWindow& window, QSize room);

// Whether dock was hidden for want of room (by HideDocksBeyond or
// FitWindowInto) and not shown or hidden by the user since. Such a dock is
// stored as shown, so that a larger screen shows it again.
[[nodiscard]] bool HiddenForRoom(const QDockWidget& dock);

// A window that gives up parts of itself, one after another, to fit a small
// screen; minimums holds its smallest size with none given up, then with
// one, and so on. It gives up the fewest that let it fit room and opens at
// preferred, within room but never below what it then needs. When nothing
// fits, it gives up everything.
struct RoomFit {
    std::size_t givenUp{0};
    QSize size;
};
[[nodiscard]] RoomFit FitToRoom(QSize room, QSize preferred, const std::vector<QSize>& minimums);

// Sizes a window that is not yet shown to preferred, within room (the room
// for all but its frame). Where it must, it hides docked docks, the last
// made first, and then lets its centre scroll if that is a CentralArea.
// Returns the docks it hid.
QList<QDockWidget*> FitWindowInto(QMainWindow& window, QSize preferred, QSize room);

// Lets a main window's docks grow with it, not only its central widget, so
// that a maximised window shows the net large as well as the grid. Every
// dock docked beside or above and below the centre takes part.
class DockGrowth final : public QObject {
public:
    explicit DockGrowth(QMainWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Share(Qt::Orientation orientation);

    QMainWindow* mainWindow;
};

} // namespace turnix
