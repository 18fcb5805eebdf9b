#include "MainActions.h"

#include "appearance/TurnixPictures.h"
#include "language/CoreTexts.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace turnix {

namespace {

// The captions of the sides in the "&Show" and "&Turn" submenus, which list
// the sides in index order.
constexpr std::array<const char*, side::Count> SideCaptions{
    QT_TRANSLATE_NOOP("turnix::MainActions", "&Top"),
    QT_TRANSLATE_NOOP("turnix::MainActions", "&Bottom"),
    QT_TRANSLATE_NOOP("turnix::MainActions", "&Front"),
    QT_TRANSLATE_NOOP("turnix::MainActions", "B&ack"),
    QT_TRANSLATE_NOOP("turnix::MainActions", "&Left"),
    QT_TRANSLATE_NOOP("turnix::MainActions", "&Right")};

struct TurnKind {
    const char* name;
    const char* caption;
    MainActions::SideTurn turn;
    const char* keys; // before the side's letter
};

constexpr std::array<TurnKind, 3> TurnKinds{{
    {"Clockwise", QT_TRANSLATE_NOOP("turnix::MainActions", "&Clockwise"), &clsSide::RotateClockwise,
     ""},
    {"Counterclockwise", QT_TRANSLATE_NOOP("turnix::MainActions", "Co&unterclockwise"),
     &clsSide::RotateCounterclockwise, "Shift+"},
    {"Twice", QT_TRANSLATE_NOOP("turnix::MainActions", "&Twice"), &clsSide::RotateDouble, nullptr},
}};

struct RotateKind {
    const char* name;
    const char* caption;
    MainActions::CubeRotation rotation;
};

constexpr std::array<RotateKind, 4> RotateKinds{{
    {"mnuCubeRotateLeft", QT_TRANSLATE_NOOP("turnix::MainActions", "&Left"), &clsCube::RotateLeft},
    {"mnuCubeRotateRight", QT_TRANSLATE_NOOP("turnix::MainActions", "&Right"),
     &clsCube::RotateRight},
    {"mnuCubeRotateUp", QT_TRANSLATE_NOOP("turnix::MainActions", "&Up"), &clsCube::RotateUp},
    {"mnuCubeRotateDown", QT_TRANSLATE_NOOP("turnix::MainActions", "&Down"), &clsCube::RotateDown},
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
    return MainActions::tr(SideCaptions.at(static_cast<std::size_t>(side)));
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
    mnuView = AddMenu(window.menuBar(), tr("&View"), QStringLiteral("mnuView"));
    CreateHelpMenu(window);
    CreateToolbar(window);
}

void MainActions::CreateFileMenu(QMainWindow& window) {
    mnuFile = AddMenu(window.menuBar(), tr("&File"), QStringLiteral("mnuFile"));
    mnuFileNewConfiguration =
        AddEntry(mnuFile, tr("&New Configuration"), QStringLiteral("mnuFileNewConfiguration"));
    mnuFileOpenConfiguration =
        AddEntry(mnuFile, tr("&Open Configuration"), QStringLiteral("mnuFileOpenConfiguration"));
    mnuFileSaveConfiguration =
        AddEntry(mnuFile, tr("&Save Configuration"), QStringLiteral("mnuFileSaveConfiguration"));
    AddSeparator(mnuFile, QStringLiteral("mnuFileSeparatorBar1"));
    mnuFileExit = AddEntry(mnuFile, tr("E&xit"), QStringLiteral("mnuFileExit"));

    mnuFileNewConfiguration->setShortcut(QKeySequence::New);
    mnuFileOpenConfiguration->setShortcut(QKeySequence::Open);
    mnuFileSaveConfiguration->setShortcut(QKeySequence::Save);
    // Not every desktop names a Quit key; Ctrl+Q is the one users expect.
    mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

// Undo and redo follow the history: "Undo Paint", "Redo Turn Top Side
// Clockwise", or disabled when there is nothing to undo or redo.
void MainActions::CreateEditMenu(QMainWindow& window, QAction* undo, QAction* redo) {
    mnuEdit = AddMenu(window.menuBar(), tr("&Edit"), QStringLiteral("mnuEdit"));
    mnuEdit->addActions({undo, redo});
    AddSeparator(mnuEdit, QStringLiteral("mnuEditSeparatorBar1"));
    mnuEditCopyFacelets =
        AddEntry(mnuEdit, tr("&Copy Facelets"), QStringLiteral("mnuEditCopyFacelets"));
    mnuEditPasteFacelets =
        AddEntry(mnuEdit, tr("&Paste Facelets"), QStringLiteral("mnuEditPasteFacelets"));
    mnuEditApplyTurns = AddEntry(mnuEdit, tr("Apply &Turns…"), QStringLiteral("mnuEditApplyTurns"));
    mnuEditCopyFacelets->setShortcuts(QKeySequence::Copy);
    mnuEditPasteFacelets->setShortcuts(QKeySequence::Paste);
}

void MainActions::CreateCubeMenu(QMainWindow& window) {
    mnuCube = AddMenu(window.menuBar(), tr("&Cube"), QStringLiteral("mnuCube"));
    mnuCubeSolve = AddEntry(mnuCube, tr("&Solve"), QStringLiteral("mnuCubeSolve"));
    mnuCubeSolveInFewestTurns = AddEntry(mnuCube, tr("Solve in &Fewest Turns"),
                                         QStringLiteral("mnuCubeSolveInFewestTurns"));
    mnuCubeSolveOptimally =
        AddEntry(mnuCube, tr("Solve &Optimally"), QStringLiteral("mnuCubeSolveOptimally"));
    mnuCubeStepBack = AddEntry(mnuCube, tr("Step &Back"), QStringLiteral("mnuCubeStepBack"));
    mnuCubeStepBack->setShortcut(Qt::Key_Backspace);
    mnuCubeClearSteps = AddEntry(mnuCube, tr("&Clear Steps"), QStringLiteral("mnuCubeClearSteps"));
    mnuCubeRotate = AddMenu(mnuCube, tr("&Rotate"), QStringLiteral("mnuCubeRotate"));
    mnuCubeDefine = AddEntry(mnuCube, tr("&Define Colors"), QStringLiteral("mnuCubeDefine"));
    for (std::size_t i = 0; i < RotateKinds.size(); ++i) {
        const RotateKind& kind = RotateKinds.at(i);
        mnuCubeRotateEntries.at(i) = {
            AddEntry(mnuCubeRotate, MainActions::tr(kind.caption), Name(kind.name)), kind.rotation};
    }
}

// "mnuSideTurnTop" holds "mnuSideTurnTopClockwise" and so on; each entry
// turns its fixed side, whatever side is shown.
void MainActions::CreateSideMenu(QMainWindow& window) {
    mnuSide = AddMenu(window.menuBar(), tr("&Side"), QStringLiteral("mnuSide"));
    mnuSideShow = AddMenu(mnuSide, tr("&Show"), QStringLiteral("mnuSideShow"));
    mnuSideTurn = AddMenu(mnuSide, tr("&Turn"), QStringLiteral("mnuSideTurn"));
    std::size_t turnIndex = 0;
    for (std::int16_t s = 0; s < side::Count; ++s) {
        mnuSideShowEntries.at(static_cast<std::size_t>(s)) =
            AddEntry(mnuSideShow, Caption(s), "mnuSideShow" + Name(s));
        const QString sideName = "mnuSideTurn" + Name(s);
        QMenu* sideMenu = AddMenu(mnuSideTurn, Caption(s), sideName);
        for (const TurnKind& kind : TurnKinds) {
            QAction* action =
                AddEntry(sideMenu, MainActions::tr(kind.caption), sideName + Name(kind.name));
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
    mnuHelp = AddMenu(window.menuBar(), tr("&Help"), QStringLiteral("mnuHelp"));
    mnuHelpInstructions =
        AddEntry(mnuHelp, tr("&Instructions"), QStringLiteral("mnuHelpInstructions"));
    // Stays off until the instructions document is found.
    mnuHelpInstructions->setEnabled(false);
    mnuHelpInstructions->setShortcut(QKeySequence::HelpContents);
    AddSeparator(mnuHelp, QStringLiteral("mnuHelpSeparatorBar1"));
    mnuHelpAbout = AddEntry(mnuHelp, tr("&About Turnix"), QStringLiteral("mnuHelpAbout"));
}

void MainActions::CreateToolbar(QMainWindow& window) {
    Toolbar = window.addToolBar(tr("Toolbar"));
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setMovable(false);
    Toolbar->setFloatable(false);
    Toolbar->setIconSize(QSize(24, 24));

    AddToolbarButton(*Toolbar, mnuFileOpenConfiguration, OpenConfigurationPicture(),
                     tr("Open Configuration"));
    AddToolbarButton(*Toolbar, mnuFileSaveConfiguration, SaveConfigurationPicture(),
                     tr("Save Configuration"));
    AddToolbarSeparator(*Toolbar);
    for (std::int16_t s = 0; s < side::Count; ++s) {
        AddToolbarButton(*Toolbar, mnuSideShowEntries.at(static_cast<std::size_t>(s)), QIcon(),
                         MainActions::tr("Show %1 Side").arg(SideWord(s)));
    }
    AddToolbarSeparator(*Toolbar);
    AddToolbarButton(*Toolbar, mnuCubeSolve, QIcon(), tr("Solve"));
    AddToolbarButton(*Toolbar, mnuCubeStepBack, StepBackPicture(), tr("Step Back"));
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
