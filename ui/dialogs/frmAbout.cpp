#include "frmAbout.h"

#include "TurnixVersion.h"
#include "appearance/CubePicture.h"
#include "platform/ApplicationTitle.h"
#include "platform/WindowPlacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace turnix {

namespace {

// Tools that show what the machine is and runs, best first: hardinfo reports
// hardware and software much as the Windows tool does; then the system monitors
// of the GNOME, KDE (new and old), MATE, Xfce and LXDE desktops.
constexpr std::array SystemInfoTools{
    QLatin1String("hardinfo"),
    QLatin1String("gnome-system-monitor"),
    QLatin1String("plasma-systemmonitor"),
    QLatin1String("ksysguard"),
    QLatin1String("mate-system-monitor"),
    QLatin1String("xfce4-taskmanager"),
    QLatin1String("lxtask"),
};

constexpr int PictureSize = 64;

QString VersionText() {
    return frmAbout::tr("Version %1.%2.%3")
        .arg(version::Major)
        .arg(version::Minor)
        .arg(version::Patch);
}

QLabel* AddLabel(QWidget& owner, const QString& text, const QString& name) {
    auto* label = new QLabel(text, &owner);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QFrame* AddSeparator(QWidget& owner, const QString& name) {
    auto* line = new QFrame(&owner);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

frmAbout::frmAbout(Platform services, const ColorScheme& colors, QWidget* parent)
    : QDialog(parent), platform(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setWindowTitle(tr("About %1").arg(ApplicationTitle()));

    auto* picture = AddLabel(*this, QString(), QStringLiteral("picIcon"));
    picture->setPixmap(DrawCubePicture(PictureSize, colors));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = AddLabel(*this, ApplicationTitle(), QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = AddLabel(*this, VersionText(), QStringLiteral("lblVersion"));
    lblDescription = AddLabel(*this,
                              tr("Finds the turns that solve your scrambled 3×3×3 cube "
                                 "and shows them one step at a time."),
                              QStringLiteral("lblDescription"));
    lblDisclaimer = AddLabel(*this,
                             tr("This program is provided as is, without warranty of "
                                "any kind. If you pass it on, please pass on the "
                                "whole program together with its instructions."),
                             QStringLiteral("lblDisclaimer"));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(lblDescription);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(AddSeparator(*this, QStringLiteral("separator1")));
    layout->addWidget(lblDisclaimer);
    layout->addWidget(AddSeparator(*this, QStringLiteral("separator2")));
    layout->addLayout(buttons);

    setFixedWidth(420);
    adjustSize();
    setFixedHeight(height());
    CenterOnScreen(*this);
    cmdOK->setFocus();
}

void frmAbout::StartSysInfo() {
    for (const QLatin1String tool : SystemInfoTools) {
        const QString path = platform.system.FindProgram(tool);
        if (!path.isEmpty() && platform.system.StartProgram(path)) {
            return;
        }
    }
    platform.messageBoxes.ShowMessage(this, ApplicationTitle(),
                                      tr("System Information Is Unavailable At This Time"),
                                      MessageIcon::None);
}

} // namespace turnix
