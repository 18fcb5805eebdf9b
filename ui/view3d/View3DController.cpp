#include "View3DController.h"

#include "CubeView3D.h"
#include "View3DPanel.h"
#include "appearance/TurnixPictures.h"
#include "clsCube.h"
#include "diagnosis/Diagnosis.h"
#include "platform/Platform.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <array>

namespace turnix {

namespace {

const QString SettingsSection = QStringLiteral("Cube View");
const QString SpeedKey = QStringLiteral("TurnSpeed");

// After each turn, time to look before the next one starts; without
// animation, a turn's time is added.
constexpr int PlayPause = 400;
constexpr int StillTurn = 400;

struct SpeedMenuEntry {
    TurnSpeed speed;
    const char* caption;
    const char* name;
};

constexpr std::array<SpeedMenuEntry, 4> SpeedMenuEntries{{
    {TurnSpeed::Slow, QT_TRANSLATE_NOOP("turnix::View3DController", "&Slow"),
     "mnuViewTurnSpeedSlow"},
    {TurnSpeed::Normal, QT_TRANSLATE_NOOP("turnix::View3DController", "&Normal"),
     "mnuViewTurnSpeedNormal"},
    {TurnSpeed::Fast, QT_TRANSLATE_NOOP("turnix::View3DController", "&Fast"),
     "mnuViewTurnSpeedFast"},
    {TurnSpeed::NoAnimation, QT_TRANSLATE_NOOP("turnix::View3DController", "No &Animation"),
     "mnuViewTurnSpeedNoAnimation"},
}};

// Qt 6.4 cannot ask the desktop; GTK's own setting, which desktops on Linux
// write when animations are turned off, is the nearest answer.
bool SystemWantsReducedMotion() {
    const QSettings gtk(QDir::home().filePath(QStringLiteral(".config/gtk-3.0/settings.ini")),
                        QSettings::IniFormat);
    const QString animations =
        gtk.value(QStringLiteral("Settings/gtk-enable-animations")).toString().toLower();
    return animations == QLatin1String("false") || animations == QLatin1String("0");
}

} // namespace

View3DController::View3DController(QMainWindow& window, ISettingsStore& store, QMenu& viewMenu,
                                   QMenu& cubeMenu, QToolBar& toolbar, QWidget& restingPlace,
                                   std::function<void()> step)
    : QObject(&window), settings(store), oneStep(std::move(step)), playTimer(new QTimer(this)),
      playPause(PlayPause) {
    panel = new View3DPanel(&window);
    panel->setObjectName(QStringLiteral("View3D"));
    dock = new QDockWidget(tr("3-D Cube"), &window);
    dock->setObjectName(QStringLiteral("dckView3D"));
    dock->setWidget(panel);
    window.addDockWidget(Qt::LeftDockWidgetArea, dock);

    QAction* toggle = dock->toggleViewAction();
    toggle->setText(tr("&3-D Cube"));
    toggle->setObjectName(QStringLiteral("mnuView3DCube"));
    viewMenu.addAction(toggle);
    CreateSpeedMenu(viewMenu);
    CreatePlayEntry(cubeMenu, toolbar, restingPlace);

    CubeView3D& view = panel->View();
    view.SetReducedMotion(SystemWantsReducedMotion());
    connect(&view, &CubeView3D::sideChosen, this, &View3DController::sideChosen);
    connect(&view, &CubeView3D::strokeStarted, this, &View3DController::strokeStarted);
    connect(&view, &CubeView3D::squarePainted, this, &View3DController::squarePainted);
    playTimer->setSingleShot(true);
    connect(playTimer, &QTimer::timeout, this, &View3DController::PlayNext);
}

View3DController::~View3DController() {
    playTimer->stop();
}

// A stored word this program does not know leaves the speed Normal.
void View3DController::CreateSpeedMenu(QMenu& viewMenu) {
    QMenu* menu = viewMenu.addMenu(tr("Turn &Speed"));
    menu->setObjectName(QStringLiteral("mnuViewTurnSpeed"));
    speeds = new QActionGroup(menu);
    const TurnSpeed stored =
        SpeedFromWord(settings.Value(SettingsSection, SpeedKey).value_or(QString()))
            .value_or(TurnSpeed::Normal);
    for (const SpeedMenuEntry& entry : SpeedMenuEntries) {
        QAction* action = menu->addAction(tr(entry.caption));
        action->setObjectName(QLatin1String(entry.name));
        action->setCheckable(true);
        action->setChecked(entry.speed == stored);
        speeds->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, speed = entry.speed] { ChooseSpeed(speed); });
    }
    panel->View().SetSpeed(stored);
}

void View3DController::CreatePlayEntry(QMenu& cubeMenu, QToolBar& toolbar, QWidget& restingPlace) {
    play = new QAction(tr("&Play"), this);
    play->setObjectName(QStringLiteral("mnuCubePlay"));
    play->setCheckable(true);
    play->setShortcut(Qt::Key_Space);
    play->setShortcutContext(Qt::WidgetShortcut);
    restingPlace.addAction(play);
    panel->View().addAction(play);
    play->setIcon(PlayPicture());
    play->setToolTip(tr("Play the steps (Space)"));
    play->setEnabled(false);
    // Beside Step Back, where the other stepping entry is.
    const QList<QAction*> entries = cubeMenu.actions();
    const auto stepBack = std::find_if(entries.cbegin(), entries.cend(), [](const QAction* entry) {
        return entry->objectName() == QLatin1String("mnuCubeStepBack");
    });
    cubeMenu.insertAction(
        stepBack == entries.cend() || stepBack + 1 == entries.cend() ? nullptr : *(stepBack + 1),
        play);
    // One action for the entry and the button, named by its place as the
    // toolbar's others are.
    play->setIconVisibleInMenu(false);
    toolbar.addAction(play);
    toolbar.widgetForAction(play)->setObjectName(
        QStringLiteral("ToolbarButton%1").arg(toolbar.actions().size()));
    connect(play, &QAction::toggled, this, &View3DController::PlayToggled);
}

void View3DController::ChooseSpeed(TurnSpeed speed) {
    panel->View().SetSpeed(speed);
    settings.SetValue(SettingsSection, SpeedKey, SpeedWord(speed));
}

void View3DController::ShowCube(const clsCube& cube, std::int16_t shownSide,
                                const ColorScheme& scheme) {
    panel->ShowCube(ColorValuesOf(cube), shownSide, scheme);
}

// Play ends with the last step, and with solution mode.
void View3DController::ShowNextTurn(std::optional<std::int16_t> code) {
    nextTurn = code;
    panel->SetNextTurn(code);
    play->setEnabled(code.has_value());
    if (!code && play->isChecked()) {
        play->setChecked(false);
    }
}

void View3DController::SetPaintable(bool paintable) {
    panel->View().SetPaintable(paintable);
}

void View3DController::SetLetters(SquareLetters letters) {
    panel->View().SetLetters(letters);
}

bool View3DController::Playing() const noexcept {
    return play->isChecked();
}

void View3DController::PlayToggled(bool on) {
    if (on) {
        PlayNext();
    } else {
        playTimer->stop();
    }
}

// Waits for the turn it starts, then pauses.
void View3DController::PlayNext() {
    if (!play->isChecked() || !nextTurn) {
        return;
    }
    const std::int16_t code = *nextTurn;
    oneStep();
    const bool half = code < 18 && code % 3 == 2;
    const int turn = TurnMilliseconds(panel->View().Speed(), half ? 2 : 1);
    if (play->isChecked()) {
        playTimer->start(playPause + (turn > 0 || playPause == 0 ? turn : StillTurn));
    }
}

} // namespace turnix
