#include "FakePlatform.h"
#include "FakePrintSurface.h"
#include "frmSolutionSteps.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace turnix;

namespace {

const QString ThreeSteps = QStringLiteral(
    "Turn front side clockwise\r\nTurn top side counterclockwise\r\nTurn left side twice");

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QWidget* NextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && (next->focusPolicy() & Qt::TabFocus) == 0) {
        next = next->nextInFocusChain();
    }
    return next;
}

} // namespace

class TestSolutionSteps : public QObject {
    Q_OBJECT

private slots:
    void init() {
        fake = std::make_unique<test::FakePlatform>();
        form = std::make_unique<frmSolutionSteps>(fake->Services());
        txtSteps = form->findChild<QPlainTextEdit*>(QStringLiteral("txtSteps"));
        cmdClose = form->findChild<QPushButton*>(QStringLiteral("cmdClose"));
        cmdSave = form->findChild<QPushButton*>(QStringLiteral("cmdSave"));
        cmdPrint = form->findChild<QPushButton*>(QStringLiteral("cmdPrint"));
        QVERIFY(txtSteps && cmdClose && cmdSave && cmdPrint);
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
    }

    void cleanup() {
        form.reset();
        fake.reset();
        folder.reset();
    }

    void opensAsAnEmptyReadOnlyListWithCloseAsDefault() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Solution Steps"));
        QCOMPARE(cmdClose->text(), QStringLiteral("Close"));
        QCOMPARE(cmdSave->text(), QStringLiteral("Save"));
        QCOMPARE(cmdPrint->text(), QStringLiteral("Print"));
        QVERIFY(cmdClose->isDefault());
        QVERIFY(txtSteps->isReadOnly());
        QCOMPARE(txtSteps->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(form->Steps().isEmpty());
        QCOMPARE(form->size(), QSize(369, 400));
    }

    void theListComesFirstThenTheButtonsLeftToRight() {
        QCOMPARE(form->focusWidget(), txtSteps);
        QCOMPARE(NextTabStop(txtSteps), cmdClose);
        QCOMPARE(NextTabStop(cmdClose), cmdSave);
        QCOMPARE(NextTabStop(cmdSave), cmdPrint);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(cmdClose->x() < cmdSave->x());
        QVERIFY(cmdSave->x() < cmdPrint->x());
        QVERIFY(txtSteps->geometry().bottom() < cmdClose->y());
    }

    void isCentredOnTheScreen() {
        const QRect screen = form->screen()->availableGeometry();
        const QPoint offset = form->geometry().center() - screen.center();
        QVERIFY2(offset.manhattanLength() <= 2, "not centred");
    }

    void stepsAreShownOnePerLineAndReadBackUnchanged() {
        form->SetSteps(ThreeSteps);
        QCOMPARE(form->Steps(), ThreeSteps);
        QCOMPARE(txtSteps->blockCount(), 3);
        QCOMPARE(txtSteps->toPlainText(), QString(ThreeSteps).replace("\r\n", "\n"));
        form->SetSteps(QStringLiteral("Turn back side twice"));
        QCOMPARE(txtSteps->toPlainText(), QStringLiteral("Turn back side twice"));
    }

    void closeEndsTheModalRun() {
        form->SetSteps(ThreeSteps);
        QTimer::singleShot(0, cmdClose, &QPushButton::click);
        QTimer::singleShot(5000, form.get(), &QDialog::reject); // a safety net only
        QCOMPARE(form->exec(), int(QDialog::Accepted));
        QVERIFY(!form->isVisible());
    }

    void enterInTheListCloses() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTest::keyClick(txtSteps, Qt::Key_Return);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Accepted));
    }

    void saveWritesEveryLineEndedByCarriageReturnLineFeed() {
        const QString path = folder->filePath(QStringLiteral("Solution.txt"));
        fake->fileDialogs.saveAnswers.push_back(path);
        form->SetSteps(ThreeSteps);
        cmdSave->click();

        QCOMPARE(fake->fileDialogs.saveRequests.size(), std::size_t{1});
        const FileDialogOptions& asked = fake->fileDialogs.saveRequests.front();
        QCOMPARE(asked.strTitle, QStringLiteral("Save Completion Steps"));
        QCOMPARE(asked.strFileName, QStringLiteral("Solution.txt"));
        QCOMPARE(asked.strFilter, QStringLiteral("Text File (*.txt)"));
        QCOMPARE(asked.strDefaultSuffix, QStringLiteral("txt"));
        QCOMPARE(ReadAll(path), QByteArray("Turn front side clockwise\r\n"
                                           "Turn top side counterclockwise\r\n"
                                           "Turn left side twice\r\n"));
        QVERIFY(fake->messageBoxes.shown.empty());
    }

    void saveReplacesAnExistingFileWhole() {
        const QString path = folder->filePath(QStringLiteral("Solution.txt"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(500, 'x'));
        old.close();

        fake->fileDialogs.saveAnswers.push_back(path);
        form->SetSteps(QStringLiteral("Turn right side twice"));
        cmdSave->click();
        QCOMPARE(ReadAll(path), QByteArray("Turn right side twice\r\n"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{"Solution.txt"});
    }

    void anEmptyListSavesAnEmptyFile() {
        const QString path = folder->filePath(QStringLiteral("Empty.txt"));
        fake->fileDialogs.saveAnswers.push_back(path);
        cmdSave->click();
        QVERIFY(QFile::exists(path));
        QCOMPARE(ReadAll(path), QByteArray());
    }

    void cancelledSaveWritesNothing() {
        fake->fileDialogs.saveAnswers.push_back(std::nullopt);
        form->SetSteps(ThreeSteps);
        cmdSave->click();
        QCOMPARE(fake->fileDialogs.saveRequests.size(), std::size_t{1});
        QVERIFY(QDir(folder->path()).isEmpty());
        QVERIFY(fake->messageBoxes.shown.empty());
    }

    void failedSaveIsSilentAndLeavesNoFile() {
        const QString path = folder->filePath(QStringLiteral("missing/Solution.txt"));
        fake->fileDialogs.saveAnswers.push_back(path);
        form->SetSteps(ThreeSteps);
        cmdSave->click();
        QVERIFY(!QFile::exists(path));
        QVERIFY(QDir(folder->path()).isEmpty());
        QVERIFY(fake->messageBoxes.shown.empty());
    }

    void afterSaveTheListHasTheFocusAndCloseIsDefaultAgain() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        fake->fileDialogs.saveAnswers.push_back(std::nullopt);
        cmdSave->setFocus();
        QVERIFY(cmdSave->isDefault()); // a focused button takes Enter for itself
        cmdSave->click();
        QCOMPARE(form->focusWidget(), txtSteps);
        QVERIFY(cmdClose->isDefault());
        QVERIFY(!cmdSave->isDefault());
    }

    void printLaysOutTheStepsUnderTheCaptionInTwipsOnAPortraitPage() {
        auto surface = std::make_unique<test::FakePrintSurface>(9000, 4500);
        const auto printed = surface->record;
        fake->printing.jobs.push_back({IPrinting::Status::Ready, std::move(surface), {}});
        form->setWindowTitle(QStringLiteral("Previous Steps"));
        form->SetSteps(ThreeSteps);
        cmdPrint->click();

        QCOMPARE(fake->printing.documentNames, QStringList{"Previous Steps"});
        QCOMPARE(printed->scaleModes, std::vector<int>{1});
        QCOMPARE(printed->orientations, std::vector<int>{1});
        const auto texts = printed->Texts();
        QCOMPARE(texts.size(), std::size_t{5});
        QCOMPARE(texts[1].text, QStringLiteral("Previous Steps"));
        QCOMPARE(texts[2].text, QStringLiteral("1. Turn front side clockwise"));
        QCOMPARE(texts[4].text, QStringLiteral("3. Turn left side twice"));
        QCOMPARE(printed->endDocCalls, 1);
        QVERIFY(fake->messageBoxes.shown.empty());
        QCOMPARE(form->focusWidget(), txtSteps);
        QVERIFY(cmdClose->isDefault());
    }

    void cancelledPrintDoesNothing() {
        cmdPrint->click(); // no job prepared: the fake cancels
        QCOMPARE(fake->printing.documentNames.size(), 1);
        QVERIFY(fake->messageBoxes.shown.empty());
    }

    void unavailablePrintingShowsWhy() {
        IPrinting::Job job;
        job.status = IPrinting::Status::Unavailable;
        job.strReason = QStringLiteral("No printer is installed.");
        fake->printing.jobs.push_back(std::move(job));
        cmdPrint->click();

        QCOMPARE(fake->messageBoxes.shown.size(), std::size_t{1});
        const auto& message = fake->messageBoxes.shown.front();
        QCOMPARE(message.strTitle, QStringLiteral("Turnix"));
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        QVERIFY(message.strText.contains(QStringLiteral("could not be printed")));
        QVERIFY(message.strText.contains(QStringLiteral("No printer is installed.")));
    }

    void aPrintThatFailsAtTheEndShowsAMessage() {
        auto surface = std::make_unique<test::FakePrintSurface>(9000, 4500);
        surface->endDocSucceeds = false;
        fake->printing.jobs.push_back({IPrinting::Status::Ready, std::move(surface), {}});
        form->SetSteps(ThreeSteps);
        cmdPrint->click();

        QCOMPARE(fake->messageBoxes.shown.size(), std::size_t{1});
        QCOMPARE(fake->messageBoxes.shown.front().strTitle, QStringLiteral("Turnix"));
        QVERIFY(fake->messageBoxes.shown.front().strText.contains(
            QStringLiteral("could not be printed")));
    }

private:
    std::unique_ptr<test::FakePlatform> fake;
    std::unique_ptr<frmSolutionSteps> form;
    QPlainTextEdit* txtSteps{nullptr};
    QPushButton* cmdClose{nullptr};
    QPushButton* cmdSave{nullptr};
    QPushButton* cmdPrint{nullptr};
    std::unique_ptr<QTemporaryDir> folder;
};

QTEST_MAIN(TestSolutionSteps)
#include "test_frmSolutionSteps.moc"
