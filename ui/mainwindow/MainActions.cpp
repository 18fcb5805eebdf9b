#include "MainActions.h"

#include "appearance/TurnixPictures.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace turnix {

namespace {

// The captions of the sides in the "&Show" and "&Turn" submenus, which list
// the sides in index order.
constexpr std::array<const char*, side::Count> SideCaptions{"&Top",  "&Bottom", "&Front",
                                                            "B&ack", "&Left",   "&Right"};

struct TurnKind {
    const char* name;
    const char* caption;
    MainActions::SideTurn turn;
    const char* keys; // before the side's letter
};

constexpr std::array<TurnKind, 3> TurnKinds{{
    {"Clockwise", "&Clockwise", &clsSide::RotateClockwise, ""},
    {"Counterclockwise", "Co&unterclockwise", &clsSide::RotateCounterclockwise, "Shift+"},
    {"Twice", "&Twice", &clsSide::RotateDouble, nullptr},
}};

struct RotateKind {
    const char* name;
    const char* caption;
    MainActions::CubeRotation rotation;
};

constexpr std::array<RotateKind, 4> RotateKinds{{
    {"mnuCubeRotateLeft", "&Left", &clsCube::RotateLeft},
    {"mnuCubeRotateRight", "&Right", &clsCube::RotateRight},
    {"mnuCubeRotateUp", "&Up", &clsCube::RotateUp},
    {"mnuCubeRotateDown", "&Down", &clsCube::RotateDown},
}};

QString Name(const char* text) {
    return QString::fromLatin1(text);
}

// As in the entries' names, e.g. "mnuSideShowTop".
QString Name(std::int16_t side) {
    const std::string_view name = SideName(side);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString Caption(std::int16_t side) {
    return Name(SideCaptions.at(static_cast<std::size_t>(side)));
}

template <typename Parent>
QMenu* AddMenu(Parent* parent, const QString& caption, const QString& name) {
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QAction* AddEntry(QMenu* menu, const QString& caption, const QString& name) {
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(name);
    return entry;
}

void AddSeparator(QMenu* menu, const QString& name) {
    menu->addSeparator()->setObjectName(name);
}

// The toolbar's buttons are named by their place on it, separators
// included, as "ToolbarButton1" and on. The menus keep their text only.
void AddToolbarButton(QToolBar& toolbar, QAction* action, const QIcon& picture,
                      const QString& tooltip) {
    action->setIcon(picture);
    action->setIconVisibleInMenu(false);
    action->setToolTip(tooltip);
    toolbar.addAction(action);
    toolbar.widgetForAction(action)->setObjectName(
        QStringLiteral("ToolbarButton%1").arg(toolbar.actions().size()));
}

void AddToolbarSeparator(QToolBar& toolbar) {
    QAction* separator = toolbar.addSeparator();
    toolbar.widgetForAction(separator)->setObjectName(
        QStringLiteral("ToolbarButton%1").arg(toolbar.actions().size()));
}

} // namespace

MainActions::MainActions(QMainWindow& window, QAction* undo, QAction* redo) {
    CreateFileMenu(window);
    CreateEditMenu(window, undo, redo);
    CreateCubeMenu(window);
    CreateSideMenu(window);
    mnuView = AddMenu(window.menuBar(), QStringLiteral("&View"), QStringLiteral("mnuView"));
    CreateHelpMenu(window);
    CreateToolbar(window);
}

void MainActions::CreateFileMenu(QMainWindow& window) {
    mnuFile = AddMenu(window.menuBar(), QStringLiteral("&File"), QStringLiteral("mnuFile"));
    mnuFileNewConfiguration = AddEntry(mnuFile, QStringLiteral("&New Configuration"),
                                       QStringLiteral("mnuFileNewConfiguration"));
    mnuFileOpenConfiguration = AddEntry(mnuFile, QStringLiteral("&Open Configuration"),
                                        QStringLiteral("mnuFileOpenConfiguration"));
    mnuFileSaveConfiguration = AddEntry(mnuFile, QStringLiteral("&Save Configuration"),
                                        QStringLiteral("mnuFileSaveConfiguration"));
    AddSeparator(mnuFile, QStringLiteral("mnuFileSeparatorBar1"));
    mnuFileExit = AddEntry(mnuFile, QStringLiteral("E&xit"), QStringLiteral("mnuFileExit"));

    mnuFileNewConfiguration->setShortcut(QKeySequence::New);
    mnuFileOpenConfiguration->setShortcut(QKeySequence::Open);
    mnuFileSaveConfiguration->setShortcut(QKeySequence::Save);
    // Not every desktop names a Quit key; Ctrl+Q is the one users expect.
    mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

// Undo and redo follow the history: "Undo Paint", "Redo Turn Top Side
// Clockwise", or disabled when there is nothing to undo or redo.
void MainActions::CreateEditMenu(QMainWindow& window, QAction* undo, QAction* redo) {
    mnuEdit = AddMenu(window.menuBar(), QStringLiteral("&Edit"), QStringLiteral("mnuEdit"));
    mnuEdit->addActions({undo, redo});
    AddSeparator(mnuEdit, QStringLiteral("mnuEditSeparatorBar1"));
    mnuEditCopyFacelets =
        AddEntry(mnuEdit, QStringLiteral("&Copy Facelets"), QStringLiteral("mnuEditCopyFacelets"));
    mnuEditPasteFacelets = AddEntry(mnuEdit, QStringLiteral("&Paste Facelets"),
                                    QStringLiteral("mnuEditPasteFacelets"));
    mnuEditApplyTurns =
        AddEntry(mnuEdit, QStringLiteral("Apply &Turns…"), QStringLiteral("mnuEditApplyTurns"));
    mnuEditCopyFacelets->setShortcuts(QKeySequence::Copy);
    mnuEditPasteFacelets->setShortcuts(QKeySequence::Paste);
}

void MainActions::CreateCubeMenu(QMainWindow& window) {
    mnuCube = AddMenu(window.menuBar(), QStringLiteral("&Cube"), QStringLiteral("mnuCube"));
    mnuCubeSolve = AddEntry(mnuCube, QStringLiteral("&Solve"), QStringLiteral("mnuCubeSolve"));
    mnuCubeSolveInFewestTurns = AddEntry(mnuCube, QStringLiteral("Solve in &Fewest Turns"),
                                         QStringLiteral("mnuCubeSolveInFewestTurns"));
    mnuCubeSolveOptimally = AddEntry(mnuCube, QStringLiteral("Solve &Optimally"),
                                     QStringLiteral("mnuCubeSolveOptimally"));
    mnuCubeStepBack =
        AddEntry(mnuCube, QStringLiteral("Step &Back"), QStringLiteral("mnuCubeStepBack"));
    mnuCubeStepBack->setShortcut(Qt::Key_Backspace);
    mnuCubeClearSteps =
        AddEntry(mnuCube, QStringLiteral("&Clear Steps"), QStringLiteral("mnuCubeClearSteps"));
    mnuCubeRotate = AddMenu(mnuCube, QStringLiteral("&Rotate"), QStringLiteral("mnuCubeRotate"));
    mnuCubeDefine =
        AddEntry(mnuCube, QStringLiteral("&Define Colors"), QStringLiteral("mnuCubeDefine"));
    for (std::size_t i = 0; i < RotateKinds.size(); ++i) {
        const RotateKind& kind = RotateKinds.at(i);
        mnuCubeRotateEntries.at(i) = {AddEntry(mnuCubeRotate, Name(kind.caption), Name(kind.name)),
                                      kind.rotation};
    }
}

// "mnuSideTurnTop" holds "mnuSideTurnTopClockwise" and so on; each entry
// turns its fixed side, whatever side is shown.
void MainActions::CreateSideMenu(QMainWindow& window) {
    mnuSide = AddMenu(window.menuBar(), QStringLiteral("&Side"), QStringLiteral("mnuSide"));
    mnuSideShow = AddMenu(mnuSide, QStringLiteral("&Show"), QStringLiteral("mnuSideShow"));
    mnuSideTurn = AddMenu(mnuSide, QStringLiteral("&Turn"), QStringLiteral("mnuSideTurn"));
    std::size_t turnIndex = 0;
    for (std::int16_t s = 0; s < side::Count; ++s) {
        mnuSideShowEntries.at(static_cast<std::size_t>(s)) =
            AddEntry(mnuSideShow, Caption(s), "mnuSideShow" + Name(s));
        const QString sideName = "mnuSideTurn" + Name(s);
        QMenu* sideMenu = AddMenu(mnuSideTurn, Caption(s), sideName);
        for (const TurnKind& kind : TurnKinds) {
            QAction* action = AddEntry(sideMenu, Name(kind.caption), sideName + Name(kind.name));
            if (kind.keys != nullptr) {
                // The face letter turns the side clockwise.
                action->setShortcut(
                    QKeySequence(Name(kind.keys) + QChar::fromLatin1(*FaceLetter(s))));
            }
            mnuSideTurnEntries.at(turnIndex++) = {action, s, kind.turn};
        }
    }
}

void MainActions::CreateHelpMenu(QMainWindow& window) {
    mnuHelp = AddMenu(window.menuBar(), QStringLiteral("&Help"), QStringLiteral("mnuHelp"));
    mnuHelpInstructions =
        AddEntry(mnuHelp, QStringLiteral("&Instructions"), QStringLiteral("mnuHelpInstructions"));
    // Stays off until the instructions document is found.
    mnuHelpInstructions->setEnabled(false);
    mnuHelpInstructions->setShortcut(QKeySequence::HelpContents);
    AddSeparator(mnuHelp, QStringLiteral("mnuHelpSeparatorBar1"));
    mnuHelpAbout =
        AddEntry(mnuHelp, QStringLiteral("&About Turnix"), QStringLiteral("mnuHelpAbout"));
}

void MainActions::CreateToolbar(QMainWindow& window) {
    Toolbar = window.addToolBar(QStringLiteral("Toolbar"));
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setMovable(false);
    Toolbar->setFloatable(false);
    Toolbar->setIconSize(QSize(24, 24));

    AddToolbarButton(*Toolbar, mnuFileOpenConfiguration, OpenConfigurationPicture(),
                     QStringLiteral("Open Configuration"));
    AddToolbarButton(*Toolbar, mnuFileSaveConfiguration, SaveConfigurationPicture(),
                     QStringLiteral("Save Configuration"));
    AddToolbarSeparator(*Toolbar);
    for (std::int16_t s = 0; s < side::Count; ++s) {
        AddToolbarButton(*Toolbar, mnuSideShowEntries.at(static_cast<std::size_t>(s)), QIcon(),
                         QStringLiteral("Show %1 Side").arg(Name(s)));
    }
    AddToolbarSeparator(*Toolbar);
    AddToolbarButton(*Toolbar, mnuCubeSolve, QIcon(), QStringLiteral("Solve"));
    AddToolbarButton(*Toolbar, mnuCubeStepBack, StepBackPicture(), QStringLiteral("Step Back"));
}

void MainActions::DrawSchemePictures(QMainWindow& window, const ColorScheme& colors) const {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        mnuSideShowEntries.at(static_cast<std::size_t>(s))->setIcon(ShowSidePicture(s, colors));
    }
    mnuCubeSolve->setIcon(SolvePicture(colors));
    window.setWindowIcon(TurnixWindowPicture(colors));
}

void MainActions::SetEditCommandsEnabled(bool editing, bool solvable) const {
    mnuCubeSolve->setEnabled(solvable);
    mnuCubeSolveInFewestTurns->setEnabled(solvable);
    mnuEditApplyTurns->setEnabled(editing);
    mnuCubeSolveOptimally->setEnabled(solvable);
    // The entries too, not only their menus, so that their keys do nothing.
    for (QMenu* menu : {mnuCubeRotate, mnuSideTurn}) {
        menu->setEnabled(editing);
        for (QAction* entry : menu->findChildren<QAction*>()) {
            entry->setEnabled(editing);
        }
    }
}

} // namespace turnix
