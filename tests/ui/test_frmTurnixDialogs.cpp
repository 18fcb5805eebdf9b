#include "WindowTestSupport.h"
#include "frmInstructions.h"

#include <QApplication>
#include <QTextBrowser>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

FakeModalRunner::Script ClickInOrder(const QStringList& names) {
    return [names](QDialog& dialog) {
        dialog.show();
        for (const QString& name : names) {
            Click(Child<QWidget>(dialog, name));
        }
    };
}

// The one instructions window, a window of its own.
frmInstructions* OpenInstructions() {
    QList<frmInstructions*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* instructions = qobject_cast<frmInstructions*>(widget)) {
            found << instructions;
        }
    }
    return found.size() == 1 ? found.front() : nullptr;
}

} // namespace

class TestFrmTurnixDialogs : public QObject {
    Q_OBJECT

private slots:
    // On a square of colour 1, with any mouse button or the keyboard.
    void pickingAColorSetsTheSquareOnlyWhenAnotherIsConfirmed() {
        Session s;
        const frmTurnix& window = s.Start();
        Trigger(window, "mnuSideShowBottom");
        auto& square = Child<QPushButton>(window, "cmdColor3");
        for (const auto& script : {
                 ClickInOrder({"picColor3", "cmdCancel"}),
                 ClickInOrder({"cmdOK"}),
                 FakeModalRunner::Script(
                     [](QDialog& dialog) { DoubleClick(Child<QWidget>(dialog, "picColor1")); }),
             }) {
            s.fake.modalRunner.scripts.push_back(script);
            QTest::mousePress(&square, Qt::RightButton);
        }
        QTest::mousePress(&square, Qt::MiddleButton); // no script: closed from its frame
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));

        s.fake.modalRunner.scripts.push_back(ClickInOrder({"picColor3", "cmdOK"}));
        QTest::mousePress(&square, Qt::LeftButton);
        s.fake.modalRunner.scripts.push_back(ClickInOrder({"picColor5", "cmdOK"}));
        auto& corner = Child<QPushButton>(window, "cmdColor8");
        corner.setFocus();
        QTest::keyClick(&corner, Qt::Key_Space);

        clsCube expected;
        expected.Side(side::Bottom).Square(3)->SetColorIndex(3);
        expected.Side(side::Bottom).Square(8)->SetColorIndex(5);
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(expected));
        QCOMPARE(ShownSquares(window), ExpectedSquares(expected, side::Bottom));
        QCOMPARE(s.fake.modalRunner.titles, QStringList(6, "Pick a Color"));
    }

    void aboutIsShownModally() {
        Session s;
        Trigger(s.Start(), "mnuHelpAbout");
        QCOMPARE(s.fake.modalRunner.titles, QStringList{"About Turnix"});
    }

    void instructionsAreOffWithoutTheirFile() {
        for (const bool knownFolder : {false, true}) {
            Session s;
            s.fake.system.installFolder = knownFolder ? s.folder.path() : QString();
            QVERIFY(!Child<QAction>(s.Start(), "mnuHelpInstructions").isEnabled());
        }
    }

    // Shown beside the main window, reloaded on each use, closed with it.
    void instructionsAreShownReloadedAndClosedWithTheWindow() {
        Session s;
        const QString path = s.folder.filePath("Instructions.rtf");
        WriteBytes(path, "{\\rtf1 First}");
        s.fake.system.installFolder = s.folder.path();
        const frmTurnix& window = s.Start();

        Trigger(window, "mnuHelpInstructions");
        const QPointer<frmInstructions> instructions = OpenInstructions();
        QVERIFY(instructions != nullptr && instructions->isVisible());
        const auto& view = Child<QTextBrowser>(*instructions, "rtxInstructions");
        QCOMPARE(view.toPlainText(), QString("First"));

        WriteBytes(path, "{\\rtf1 Second}");
        Trigger(window, "mnuHelpInstructions");
        QCOMPARE(OpenInstructions(), instructions);
        QCOMPARE(view.toPlainText(), QString("Second"));

        Trigger(window, "mnuFileExit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(instructions == nullptr);
        QVERIFY(s.fake.modalRunner.titles.isEmpty());
    }
};

QTEST_MAIN(TestFrmTurnixDialogs)
#include "test_frmTurnixDialogs.moc"
