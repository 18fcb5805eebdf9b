#include "DialogScripts.h"
#include "FakePlatform.h"
#include "FakePrintSurface.h"
#include "frmSolutionSteps.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

const QString ThreeSteps = QStringLiteral(
    "Turn front side clockwise\r\nTurn top side counterclockwise\r\nTurn left side twice");

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        fake.emplace();
        form.emplace(fake->Services());
        form->SetSteps(ThreeSteps);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(&*form));
    }

    void cleanup() {
        form.reset();
        fake.reset();
    }

    // The list first, then Close, Save and Print from left to right.
    void showsTheStepsOnePerLineReadOnlyWithCloseAsDefault() {
        QCOMPARE(Captions(*form, {"cmdClose", "cmdSave", "cmdPrint"}),
                 QString("Solution Steps|Close|Save|Print"));
        QCOMPARE(List().toPlainText(), QString(ThreeSteps).replace("\r\n", "\n"));
        QCOMPARE(form->Steps(), ThreeSteps);
        QVERIFY(List().isReadOnly());
        QCOMPARE(List().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(Button("cmdClose").isDefault());
        QCOMPARE(form->size(), QSize(369, 400));
        QVERIFY(IsCentred(frmSolutionSteps(fake->Services())));
        QCOMPARE(form->focusWidget(), &List());
        QCOMPARE(NextTabStop(&List()), &Button("cmdClose"));
        QCOMPARE(NextTabStop(&Button("cmdClose")), &Button("cmdSave"));
        QCOMPARE(NextTabStop(&Button("cmdSave")), &Button("cmdPrint"));
        QVERIFY(Button("cmdClose").x() < Button("cmdSave").x());
        QVERIFY(Button("cmdSave").x() < Button("cmdPrint").x());
    }

    void enterInTheListAndCloseEndTheModalRun() {
        QTest::keyClick(&List(), Qt::Key_Return);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Accepted));
        form->show();
        form->setResult(QDialog::Rejected);
        Click(Button("cmdClose"));
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Accepted));
    }

    // Every line ends with "\r\n"; the file is replaced whole or not at all,
    // and nothing is said either way. Afterwards Enter closes again.
    void saveWritesEveryLineEndedByCarriageReturnLineFeed() {
        QTemporaryDir folder;
        const QString path = folder.filePath("Solution.txt");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(500, 'x')) == 500);
        old.close();
        fake->fileDialogs.saveAnswers = {std::nullopt, folder.filePath("missing/Solution.txt"),
                                         path};
        for (int i = 0; i < 3; ++i) {
            Button("cmdSave").setFocus();
            Click(Button("cmdSave"));
            QCOMPARE(form->focusWidget(), &List());
            QVERIFY(Button("cmdClose").isDefault() && !Button("cmdSave").isDefault());
        }
        QCOMPARE(ReadAll(path), QByteArray("Turn front side clockwise\r\n"
                                           "Turn top side counterclockwise\r\n"
                                           "Turn left side twice\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"Solution.txt"});
        const FileDialogOptions& asked = fake->fileDialogs.saveRequests.front();
        QCOMPARE(
            QStringList(
                {asked.strTitle, asked.strFileName, asked.strFilter, asked.strDefaultSuffix}),
            (QStringList{"Save Completion Steps", "Solution.txt", "Text File (*.txt)", "txt"}));

        const QString empty = folder.filePath("Empty.txt");
        fake->fileDialogs.saveAnswers = {empty};
        form->SetSteps(QString());
        Click(Button("cmdSave"));
        QVERIFY(QFile::exists(empty) && ReadAll(empty).isEmpty());
        QVERIFY(fake->messageBoxes.shown.empty());
    }

    // Printed under the window's caption; a cancel says nothing, a printer
    // that cannot be used or fails at the end says so.
    void printLaysOutTheStepsAndReportsFailures() {
        auto surface = std::make_unique<FakePrintSurface>(9000, 4500);
        const auto printed = surface->record;
        fake->printing.jobs.push_back({IPrinting::Status::Ready, std::move(surface), {}});
        form->setWindowTitle("Previous Steps");
        Click(Button("cmdPrint"));
        QStringList texts;
        for (const auto& text : printed->texts) {
            texts << text.text;
        }
        QCOMPARE(texts,
                 (QStringList{"Page 1", "Previous Steps", "1. Turn front side clockwise",
                              "2. Turn top side counterclockwise", "3. Turn left side twice"}));
        QCOMPARE(printed->endDocCalls, 1);

        Click(Button("cmdPrint")); // no job left: cancelled
        QVERIFY(fake->messageBoxes.shown.empty());
        fake->printing.jobs.push_back(
            {IPrinting::Status::Unavailable, nullptr, "No printer is installed."});
        auto failing = std::make_unique<FakePrintSurface>(9000, 4500);
        failing->endDocSucceeds = false;
        fake->printing.jobs.push_back({IPrinting::Status::Ready, std::move(failing), {}});
        Click(Button("cmdPrint"));
        Click(Button("cmdPrint"));
        QCOMPARE(fake->printing.documentNames, QStringList(4, "Previous Steps"));
        QCOMPARE(fake->messageBoxes.shown.size(), std::size_t{2});
        for (const auto& message : fake->messageBoxes.shown) {
            QCOMPARE(message.strTitle, QString("Turnix"));
            QCOMPARE(message.icon, MessageIcon::Exclamation);
            QVERIFY(message.strText.startsWith("The steps could not be printed."));
        }
        QVERIFY(fake->messageBoxes.shown.front().strText.contains("No printer is installed."));
        QCOMPARE(form->focusWidget(), &List());
        QVERIFY(Button("cmdClose").isDefault());
    }

private:
    QPlainTextEdit& List() { return Child<QPlainTextEdit>(*form, "txtSteps"); }
    QPushButton& Button(const char* name) { return Child<QPushButton>(*form, name); }

    std::optional<FakePlatform> fake;
    std::optional<frmSolutionSteps> form;
};

QTEST_MAIN(TestSolutionSteps)
#include "test_frmSolutionSteps.moc"
