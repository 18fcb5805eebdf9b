#include "frmTurnix.h"
#include "wholecube/ColorPalette.h"
#include "wholecube/CubeNet.h"
#include "wholecube/WholeCubePanel.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace turnix {

namespace {

// The panel's place lives apart from the colours, in a section of its own.
const QString WindowSection = QStringLiteral("Window");
const QString StateKey = QStringLiteral("State");
constexpr int StateVersion = 1;

} // namespace

void frmTurnix::CreateViewMenu() {
    mnuView = menuBar()->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
}

// Docked right of the grid; "View > Whole Cube" hides and shows it.
void frmTurnix::CreateWholeCubePanel() {
    wholeCube = new WholeCubePanel(this);
    wholeCube->setObjectName(QStringLiteral("WholeCube"));
    dckWholeCube = new QDockWidget(tr("Whole Cube"), this);
    dckWholeCube->setObjectName(QStringLiteral("dckWholeCube"));
    dckWholeCube->setWidget(wholeCube);
    addDockWidget(Qt::RightDockWidgetArea, dckWholeCube);

    QAction* toggle = dckWholeCube->toggleViewAction();
    toggle->setText(tr("&Whole Cube"));
    toggle->setObjectName(QStringLiteral("mnuViewWholeCube"));
    mnuView->addAction(toggle);

    // Made after the tab order was set, and then placed after the solution
    // frame in it.
    SetTabOrder();
    setTabOrder(cmdClear, &wholeCube->Palette());
    setTabOrder(&wholeCube->Palette(), &wholeCube->Net());

    const CubeNet& net = wholeCube->Net();
    connect(&net, &CubeNet::sideChosen, this, &frmTurnix::ShowSide);
    connect(&net, &CubeNet::strokeStarted, this, [this] { ++paintStroke; });
    connect(&net, &CubeNet::squarePainted, this, &frmTurnix::PaintSquare);
}

// A stored state that Qt does not recognise is ignored.
void frmTurnix::RestoreWindowState() {
    if (const auto text = platform.settings.Value(WindowSection, StateKey)) {
        static_cast<void>(restoreState(QByteArray::fromBase64(text->toLatin1()), StateVersion));
    }
}

// What the docked panel adds to the window's default size.
QSize frmTurnix::WholeCubeRoom() const {
    if (dckWholeCube->isHidden() || dckWholeCube->isFloating()) {
        return {};
    }
    const QSize panel = dckWholeCube->sizeHint();
    const Qt::DockWidgetArea area = dockWidgetArea(dckWholeCube);
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea
               ? QSize(panel.width(), 0)
               : QSize(0, panel.height());
}

void frmTurnix::StoreWindowState() {
    platform.settings.SetValue(WindowSection, StateKey,
                               QString::fromLatin1(saveState(StateVersion).toBase64()));
}

} // namespace turnix
