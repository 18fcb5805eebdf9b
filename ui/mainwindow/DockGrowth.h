#pragma once

#include <QList>
#include <QObject>
#include <vector>

class QDockWidget;
class QMainWindow;
class QSize;

namespace turnix {

// The docks' lengths along one direction when the window is total long
// there: up to the preferred lengths of all, the docks keep what they have
// (nothing is returned); beyond them, the central widget and the docks share
// the extra length in proportion to what each prefers.
[[nodiscard]] std::vector<int> SharedDockLengths(int total, int centralPreferred,
                                                 const std::vector<int>& docksPreferred);

// Hides docked docks, the last made first, until the window's smallest size
// fits room, so that a small or magnified screen still shows the whole
// window with its status bar. The View menu brings them back. Returns the
// docks it hid.
QList<QDockWidget*> HideDocksBeyond(QMainWindow& window, QSize room);

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
