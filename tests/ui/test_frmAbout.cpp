#include "CubePicture.h"
#include "DialogScripts.h"
#include "FakePlatform.h"
#include "frmAbout.h"

#include <QImage>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

class TestFrmAbout : public QObject {
    Q_OBJECT

private slots:
    void showsCaptionTitleVersionAndPictureAndOkCloses() {
        FakePlatform fake;
        frmAbout about(fake.Services());
        QCOMPARE(Captions(about, {"lblTitle", "lblVersion", "cmdOK", "cmdSysInfo"}),
                 QString("About Turnix|Turnix|Version 3.4.2|OK|&System Info..."));
        QVERIFY(!Child<QLabel>(about, "picIcon").pixmap().isNull());
        QVERIFY(IsCentred(about));
        about.show();
        Click(Child<QWidget>(about, "cmdOK"));
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    // The first tool found that starts, in the order of preference; without
    // one, a message.
    void systemInfoStartsTheFirstToolThatWorksOrSaysItIsUnavailable() {
        struct Case {
            std::map<QString, QString> programs;
            bool startSucceeds;
            QStringList started;
        };
        const std::array<Case, 3> cases{{
            {{{"lxtask", "/bin/lxtask"}, {"gnome-system-monitor", "/bin/gsm"}}, true, {"/bin/gsm"}},
            {{{"ksysguard", "/bin/ksysguard"}, {"xfce4-taskmanager", "/bin/xfce4"}},
             false,
             {"/bin/ksysguard", "/bin/xfce4"}},
            {{}, true, {}},
        }};
        for (const Case& c : cases) {
            FakePlatform fake;
            fake.system.programs = c.programs;
            fake.system.startSucceeds = c.startSucceeds;
            frmAbout about(fake.Services());
            Click(Child<QWidget>(about, "cmdSysInfo"));
            QCOMPARE(fake.system.started, c.started);
            QStringList messages;
            for (const auto& message : fake.messageBoxes.shown) {
                messages << message.strTitle + "|" + message.strText;
                QCOMPARE(message.icon, MessageIcon::None);
            }
            QCOMPARE(messages,
                     c.startSucceeds && !c.started.isEmpty()
                         ? QStringList()
                         : QStringList{"Turnix|System Information Is Unavailable At This Time"});
        }
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
