// "About Turnix" and the instructions window. The main window's tests cover
// the Help menu, reloading the open instructions and closing them with it.

#include "DialogScripts.h"
#include "FakePlatform.h"
#include "TurnixVersion.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmInstructions.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

QTextBrowser& View(const QWidget& window) {
    return Child<QTextBrowser>(window, "rtxInstructions");
}

bool HasBoldRun(const QTextDocument& document, const QString& text) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text() == text &&
                it.fragment().charFormat().fontWeight() >= QFont::Bold) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TestHelpWindows : public QObject {
    Q_OBJECT

private slots:
    void aboutShowsCaptionTitleVersionAndPictureAndOkCloses() {
        FakePlatform fake;
        frmAbout about(fake.Services(), DefaultScreenColors);
        QCOMPARE(Captions(about, {"lblTitle", "lblVersion", "cmdOK", "cmdSysInfo"}),
                 QString("About Turnix|Turnix|Version %1|OK|&System Info...")
                     .arg(QLatin1String(version::Text.data(), version::Text.size())));
        QVERIFY(!Child<QLabel>(about, "picIcon").pixmap().isNull() && IsCentred(about));
        about.show();
        Click(Child(about, "cmdOK"));
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    // The first tool found that starts, in the order of preference; without
    // one, a message.
    void systemInfoStartsTheFirstToolThatWorksOrSaysItIsUnavailable() {
        for (const bool startSucceeds : {true, false}) {
            FakePlatform fake;
            fake.system.programs = {{"lxtask", "/bin/lxtask"}, {"ksysguard", "/bin/ksysguard"}};
            fake.system.startSucceeds = startSucceeds;
            frmAbout about(fake.Services(), DefaultScreenColors);
            Click(Child(about, "cmdSysInfo"));
            QCOMPARE(fake.system.started.join(' '),
                     QString(startSucceeds ? "/bin/ksysguard" : "/bin/ksysguard /bin/lxtask"));
            QCOMPARE(Messages(fake.messageBoxes),
                     QStringList(startSucceeds ? 0 : 1,
                                 "Turnix|System Information Is Unavailable At This Time"));
        }
    }

    // A modeless, read-only viewer; Close or Escape ends it.
    void theInstructionsWindowShowsAMissingOrOversizedFileAndCloses() {
        QTemporaryDir folder;
        QFile large(folder.filePath("large.rtf"));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(frmInstructions::MaxFileSize + 1));
        QPointer<frmInstructions> window;
        for (const bool escape : {false, true}) {
            ShowInstructions(window, nullptr, folder.filePath("missing.rtf"));
            QVERIFY(QTest::qWaitForWindowActive(window));
            QCOMPARE(Captions(*window, {"cmdClose"}), QString("Instructions|Close"));
            QVERIFY(!window->isModal() && View(*window).isReadOnly() && IsCentred(*window));
            QCOMPARE(QApplication::focusWidget(), &View(*window));
            QVERIFY(View(*window).toPlainText().contains("cannot be opened"));
            QVERIFY(!window->LoadFile(large.fileName()));
            QVERIFY(View(*window).toPlainText().contains("too large"));
            if (escape) {
                QTest::keyClick(window.data(), Qt::Key_Escape);
            } else {
                Click(Child(*window, "cmdClose"));
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(window == nullptr);
        }
    }

    void theShippedFileRendersWithBoldHeadingsAndParagraphs() {
        QFile built(QStringLiteral(TURNIX_BUILT_INSTRUCTIONS));
        QFile source(QStringLiteral(TURNIX_SOURCE_INSTRUCTIONS));
        QVERIFY(built.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
        QCOMPARE(built.readAll(), source.readAll());
        frmInstructions window;
        QVERIFY(window.LoadFile(built.fileName()));
        const QTextDocument& document = *View(window).document();
        QVERIFY(document.blockCount() > 40);
        QCOMPARE(document.begin().text(), QString("Turnix"));
        QCOMPARE(document.begin().blockFormat().alignment(), Qt::AlignHCenter);
        for (const char* heading : {"Turnix", "Solving and stepping", "One Step"}) {
            QVERIFY2(HasBoldRun(document, heading), heading);
        }
        // It names the program's own texts, and no RTF shows through.
        const QString text = document.toPlainText();
        for (const char* phrase : {"Pick a Color", "Current Color:", "Invalid Cube Configuration",
                                   "Cube is already complete", "Error: All colors must be unique",
                                   "Clear  Steps", "SaveLast.cub", "Current.cub", "Solution.txt",
                                   "Cube \u25b8 Define Colors", "3\u00d73\u00d73", "cube\u2019s"}) {
            QVERIFY2(text.contains(QString::fromUtf8(phrase)), phrase);
        }
        QVERIFY(!text.contains('\\') && !text.contains('{') && !text.contains('?'));
    }
};

QTEST_MAIN(TestHelpWindows)
#include "test_HelpWindows.moc"
