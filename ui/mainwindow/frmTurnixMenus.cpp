#include "appearance/TurnixPictures.h"
#include "frmTurnix.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace turnix {

namespace {

struct SideEntry {
    std::int16_t intSide;
    const char* name; // as in the entries' names, e.g. "mnuSideShowTop"
    const char* caption;
    const char* notation; // the letter that turns the side clockwise
};

// The sides in the order of the "&Show" and "&Turn" submenus.
constexpr std::array<SideEntry, side::Count> SideEntries{{
    {side::Top, "Top", QT_TRANSLATE_NOOP("turnix::frmTurnix", "&Top"), "U"},
    {side::Bottom, "Bottom", QT_TRANSLATE_NOOP("turnix::frmTurnix", "&Bottom"), "D"},
    {side::Front, "Front", QT_TRANSLATE_NOOP("turnix::frmTurnix", "&Front"), "F"},
    {side::Back, "Back", QT_TRANSLATE_NOOP("turnix::frmTurnix", "B&ack"), "B"},
    {side::Left, "Left", QT_TRANSLATE_NOOP("turnix::frmTurnix", "&Left"), "L"},
    {side::Right, "Right", QT_TRANSLATE_NOOP("turnix::frmTurnix", "&Right"), "R"},
}};

struct ToolbarSideEntry {
    std::int16_t intSide;
    const char* tooltip;
};

// Toolbar buttons 4 to 9.
constexpr std::array<ToolbarSideEntry, side::Count> ToolbarSideEntries{{
    {side::Top, QT_TRANSLATE_NOOP("turnix::frmTurnix", "Show Top Side")},
    {side::Bottom, QT_TRANSLATE_NOOP("turnix::frmTurnix", "Show Bottom Side")},
    {side::Front, QT_TRANSLATE_NOOP("turnix::frmTurnix", "Show Front Side")},
    {side::Back, QT_TRANSLATE_NOOP("turnix::frmTurnix", "Show Back Side")},
    {side::Left, QT_TRANSLATE_NOOP("turnix::frmTurnix", "Show Left Side")},
    {side::Right, QT_TRANSLATE_NOOP("turnix::frmTurnix", "Show Right Side")},
}};

QString Name(const char* text) {
    return QString::fromLatin1(text);
}

QMenu* AddMenu(QMenuBar* bar, const QString& caption, const QString& name) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QMenu* AddMenu(QMenu* parent, const QString& caption, const QString& name) {
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

QAction* AddToolbarButton(QToolBar* toolbar, const QIcon& picture, const QString& tooltip) {
    QAction* button = toolbar->addAction(picture, tooltip);
    button->setToolTip(tooltip);
    button->setObjectName(QStringLiteral("ToolbarButton%1").arg(toolbar->actions().size()));
    return button;
}

void AddToolbarSeparator(QToolBar* toolbar) {
    toolbar->addSeparator()->setObjectName(
        QStringLiteral("ToolbarButton%1").arg(toolbar->actions().size()));
}

} // namespace

void frmTurnix::CreateMenus() {
    CreateFileMenu();
    CreateEditMenu();
    CreateCubeMenu();
    CreateSideMenu();
    CreateViewMenu();
    CreateHelpMenu();
}

void frmTurnix::CreateFileMenu() {
    mnuFile = AddMenu(menuBar(), tr("&File"), QStringLiteral("mnuFile"));
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

    connect(mnuFileNewConfiguration, &QAction::triggered, this, &frmTurnix::NewConfiguration);
    connect(mnuFileOpenConfiguration, &QAction::triggered, this, &frmTurnix::OpenConfiguration);
    connect(mnuFileSaveConfiguration, &QAction::triggered, this,
            [this] { SaveConfiguration(QStringLiteral("Current.cub")); });
    connect(mnuFileExit, &QAction::triggered, this, &frmTurnix::close);
}

void frmTurnix::CreateCubeMenu() {
    mnuCube = AddMenu(menuBar(), tr("&Cube"), QStringLiteral("mnuCube"));
    mnuCubeSolve = AddEntry(mnuCube, tr("&Solve"), QStringLiteral("mnuCubeSolve"));
    mnuCubeSolveInFewestTurns = AddEntry(mnuCube, tr("Solve in &Fewest Turns"),
                                         QStringLiteral("mnuCubeSolveInFewestTurns"));
    mnuCubeStepBack = AddEntry(mnuCube, tr("Step &Back"), QStringLiteral("mnuCubeStepBack"));
    mnuCubeStepBack->setShortcut(Qt::Key_Backspace);
    mnuCubeRotate = AddMenu(mnuCube, tr("&Rotate"), QStringLiteral("mnuCubeRotate"));
    mnuCubeDefine = AddEntry(mnuCube, tr("&Define Colors"), QStringLiteral("mnuCubeDefine"));
    connect(mnuCubeSolve, &QAction::triggered, this, &frmTurnix::SolveCube);
    connect(mnuCubeSolveInFewestTurns, &QAction::triggered, this, &frmTurnix::SolveInFewestTurns);
    connect(mnuCubeStepBack, &QAction::triggered, this, &frmTurnix::StepBack);
    connect(mnuCubeDefine, &QAction::triggered, this, &frmTurnix::DefineColorScheme);

    struct RotateEntry {
        const char* name;
        const char* caption;
        CubeRotation rotation;
    };
    constexpr std::array<RotateEntry, 4> RotateEntries{{
        {"mnuCubeRotateLeft", QT_TRANSLATE_NOOP("turnix::frmTurnix", "&Left"),
         &clsCube::RotateLeft},
        {"mnuCubeRotateRight", QT_TRANSLATE_NOOP("turnix::frmTurnix", "&Right"),
         &clsCube::RotateRight},
        {"mnuCubeRotateUp", QT_TRANSLATE_NOOP("turnix::frmTurnix", "&Up"), &clsCube::RotateUp},
        {"mnuCubeRotateDown", QT_TRANSLATE_NOOP("turnix::frmTurnix", "&Down"),
         &clsCube::RotateDown},
    }};
    for (const RotateEntry& entry : RotateEntries) {
        QAction* action = AddEntry(mnuCubeRotate, tr(entry.caption), Name(entry.name));
        connect(action, &QAction::triggered, this,
                [this, rotation = entry.rotation] { RotateCube(rotation); });
    }
}

void frmTurnix::CreateSideMenu() {
    mnuSide = AddMenu(menuBar(), tr("&Side"), QStringLiteral("mnuSide"));
    mnuSideShow = AddMenu(mnuSide, tr("&Show"), QStringLiteral("mnuSideShow"));
    mnuSideTurn = AddMenu(mnuSide, tr("&Turn"), QStringLiteral("mnuSideTurn"));

    for (const SideEntry& entry : SideEntries) {
        QAction* show = AddEntry(mnuSideShow, tr(entry.caption),
                                 QStringLiteral("mnuSideShow") + Name(entry.name));
        connect(show, &QAction::triggered, this,
                [this, intSide = entry.intSide] { ShowSide(intSide); });
    }

    struct TurnEntry {
        const char* name;
        const char* caption;
        SideTurn turn;
        const char* keys; // before the side's letter
    };
    constexpr std::array<TurnEntry, 3> TurnEntries{{
        {"Clockwise", QT_TRANSLATE_NOOP("turnix::frmTurnix", "&Clockwise"),
         &clsSide::RotateClockwise, ""},
        {"Counterclockwise", QT_TRANSLATE_NOOP("turnix::frmTurnix", "Co&unterclockwise"),
         &clsSide::RotateCounterclockwise, "Shift+"},
        {"Twice", QT_TRANSLATE_NOOP("turnix::frmTurnix", "&Twice"), &clsSide::RotateDouble,
         nullptr},
    }};
    // "mnuSideTurnTop" holds "mnuSideTurnTopClockwise" and so on; each entry
    // turns its fixed side, whatever side is shown.
    for (const SideEntry& sideEntry : SideEntries) {
        const QString sideName = QStringLiteral("mnuSideTurn") + Name(sideEntry.name);
        QMenu* sideMenu = AddMenu(mnuSideTurn, tr(sideEntry.caption), sideName);
        for (const TurnEntry& turnEntry : TurnEntries) {
            QAction* action =
                AddEntry(sideMenu, tr(turnEntry.caption), sideName + Name(turnEntry.name));
            if (turnEntry.keys != nullptr) {
                action->setShortcut(QKeySequence(Name(turnEntry.keys) + Name(sideEntry.notation)));
            }
            connect(action, &QAction::triggered, this,
                    [this, intSide = sideEntry.intSide, turn = turnEntry.turn] {
                        TurnSide(intSide, turn);
                    });
        }
    }
}

void frmTurnix::CreateHelpMenu() {
    mnuHelp = AddMenu(menuBar(), tr("&Help"), QStringLiteral("mnuHelp"));
    mnuHelpInstructions =
        AddEntry(mnuHelp, tr("&Instructions"), QStringLiteral("mnuHelpInstructions"));
    // Stays off until the instructions document is found.
    mnuHelpInstructions->setEnabled(false);
    mnuHelpInstructions->setShortcut(QKeySequence::HelpContents);
    AddSeparator(mnuHelp, QStringLiteral("mnuHelpSeparatorBar1"));
    mnuHelpAbout = AddEntry(mnuHelp, tr("&About Turnix"), QStringLiteral("mnuHelpAbout"));
    connect(mnuHelpInstructions, &QAction::triggered, this, &frmTurnix::ShowInstructionsWindow);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmTurnix::ShowAbout);
}

void frmTurnix::CreateToolbar() {
    Toolbar = addToolBar(tr("Toolbar"));
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setMovable(false);
    Toolbar->setFloatable(false);
    Toolbar->setIconSize(QSize(24, 24));

    AddToolbarButton(Toolbar, OpenConfigurationPicture(), tr("Open Configuration"));
    AddToolbarButton(Toolbar, SaveConfigurationPicture(), tr("Save Configuration"));
    AddToolbarSeparator(Toolbar);
    // The cube pictures follow the colour scheme (DrawSchemePictures).
    for (const ToolbarSideEntry& entry : ToolbarSideEntries) {
        toolbarShowSide.at(static_cast<std::size_t>(entry.intSide)) =
            AddToolbarButton(Toolbar, QIcon(), tr(entry.tooltip));
    }
    AddToolbarSeparator(Toolbar);
    toolbarSolve = AddToolbarButton(Toolbar, QIcon(), tr("Solve"));
    toolbarStepBack = AddToolbarButton(Toolbar, StepBackPicture(), tr("Step Back"));

    const QList<QAction*> buttons = Toolbar->actions();
    for (int index = 1; index <= buttons.size(); ++index) {
        connect(buttons.at(index - 1), &QAction::triggered, this,
                [this, index] { ToolbarButtonClick(index); });
    }
}

// Drawn in the screen colours, so that each side's button shows the colour
// of that side's squares on a solved cube.
void frmTurnix::DrawSchemePictures() {
    for (std::int16_t s = 0; s < side::Count; ++s) {
        toolbarShowSide.at(static_cast<std::size_t>(s))->setIcon(ShowSidePicture(s, lngColors));
    }
    toolbarSolve->setIcon(SolvePicture(lngColors));
    setWindowIcon(TurnixWindowPicture(lngColors));
}

// Dispatches on the button's 1-based index; the separators (3 and 10) and
// any other index do nothing.
void frmTurnix::ToolbarButtonClick(int index) {
    switch (index) {
    case 1:
        OpenConfiguration();
        break;
    case 2:
        SaveConfiguration(QStringLiteral("Current.cub"));
        break;
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
        ShowSide(ToolbarSideEntries.at(static_cast<std::size_t>(index - 4)).intSide);
        break;
    case 11:
        SolveCube();
        break;
    case 12:
        StepBack();
        break;
    default:
        break;
    }
}

} // namespace turnix
