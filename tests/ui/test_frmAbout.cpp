#include "CubePicture.h"
#include "DialogScripts.h"
#include "FakePlatform.h"
#include "WindowPlacement.h"
#include "frmAbout.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

QString LabelText(const QWidget& window, const char* name) {
    return Child<QLabel>(window, QString::fromLatin1(name)).text();
}

} // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT

private slots:
    void showsCaptionTitleVersionAndTexts() {
        FakePlatform fake;
        const frmAbout about(fake.Services());
        QCOMPARE(about.windowTitle(), QString("About Turnix"));
        QVERIFY(about.isModal());
        QCOMPARE(LabelText(about, "lblTitle"), QString("Turnix"));
        QCOMPARE(LabelText(about, "lblVersion"), QString("Version 3.4.2"));
        QVERIFY(!LabelText(about, "lblDescription").isEmpty());
        QVERIFY(!LabelText(about, "lblDisclaimer").isEmpty());
        QVERIFY(!Child<QLabel>(about, "picIcon").pixmap().isNull());
        QCOMPARE(Child<QFrame>(about, "separator1").frameShape(), QFrame::HLine);
        QCOMPARE(Child<QFrame>(about, "separator2").frameShape(), QFrame::HLine);
        QCOMPARE(Child<QPushButton>(about, "cmdOK").text(), QString("OK"));
        QCOMPARE(Child<QPushButton>(about, "cmdSysInfo").text(), QString("&System Info..."));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(about.pos(), CenteredIn(about.size(), screen));
    }

    void okEndsTheModalRun() {
        FakePlatform fake;
        frmAbout about(fake.Services());
        fake.modalRunner.scripts.push_back([](QDialog& dialog) {
            dialog.show();
            Click(Child<QPushButton>(dialog, "cmdOK"));
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(fake.Services().modalRunner.Exec(about), int(QDialog::Accepted));
        QCOMPARE(fake.modalRunner.titles, QStringList{"About Turnix"});
    }

    void systemInfoWithoutAToolSaysItIsUnavailable() {
        FakePlatform fake;
        frmAbout about(fake.Services());
        Click(Child<QPushButton>(about, "cmdSysInfo"));
        QVERIFY(fake.system.started.isEmpty());
        QCOMPARE(fake.messageBoxes.shown.size(), std::size_t{1});
        const auto& message = fake.messageBoxes.shown.front();
        QCOMPARE(message.strTitle, QString("Turnix"));
        QCOMPARE(message.strText, QString("System Information Is Unavailable At This Time"));
        QCOMPARE(message.icon, MessageIcon::None);
    }

    void systemInfoStartsTheFirstToolFound() {
        FakePlatform fake;
        fake.system.programs = {{"lxtask", "/usr/bin/lxtask"},
                                {"gnome-system-monitor", "/usr/bin/gnome-system-monitor"}};
        frmAbout about(fake.Services());
        Click(Child<QPushButton>(about, "cmdSysInfo"));
        QCOMPARE(fake.system.started, QStringList{"/usr/bin/gnome-system-monitor"});
        QVERIFY(fake.messageBoxes.shown.empty());

        fake.system.programs = {{"hardinfo", "/opt/bin/hardinfo"}};
        about.StartSysInfo();
        QCOMPARE(fake.system.started.last(), QString("/opt/bin/hardinfo"));
    }

    void aToolThatFailsToStartGivesWayToTheNextThenToTheMessage() {
        FakePlatform fake;
        fake.system.programs = {{"ksysguard", "/usr/bin/ksysguard"},
                                {"xfce4-taskmanager", "/usr/bin/xfce4-taskmanager"}};
        fake.system.startSucceeds = false;
        frmAbout about(fake.Services());
        about.StartSysInfo();
        QCOMPARE(fake.system.started,
                 (QStringList{"/usr/bin/ksysguard", "/usr/bin/xfce4-taskmanager"}));
        QCOMPARE(fake.messageBoxes.shown.size(), std::size_t{1});
        QCOMPARE(fake.messageBoxes.shown.front().strText,
                 QString("System Information Is Unavailable At This Time"));
    }

    void thePictureShowsTopFrontAndRightInTheirColors() {
        const std::array<ScreenColor, 6> colors{0x0000FF, 0, 0x00FF00, 0, 0, 0xFF0000};
        const QImage picture = DrawCubePicture(64, colors).toImage();
        // The middle square of each visible side.
        QCOMPARE(picture.pixelColor(32, 18), ToQColor(colors.at(0)));
        QCOMPARE(picture.pixelColor(20, 39), ToQColor(colors.at(2)));
        QCOMPARE(picture.pixelColor(44, 39), ToQColor(colors.at(5)));
        QCOMPARE(picture.pixelColor(1, 1).alpha(), 0);
    }
};

QTEST_MAIN(TestFrmAbout)
#include "test_frmAbout.moc"
