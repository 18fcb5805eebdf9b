#include "DialogScripts.h"
#include "FakePlatform.h"
#include "FakePrintSurface.h"
#include "frmSolutionSteps.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

class TestSolutionSteps : public QObject {
    Q_OBJECT

private slots:
    void init() {
        fake.emplace();
        form.emplace(fake->Services());
        form->SetSteps("Turn front side clockwise\r\nTurn left side twice");
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(&*form));
    }

    void cleanup() {
        form.reset();
        fake.reset();
    }

    // One step a line, read-only; Tab goes from the list to Close, Save and
    // Print; Enter in the list closes.
    void showsTheStepsOnePerLineAndCloses() {
        QCOMPARE(Captions(*form, {"cmdClose", "cmdSave", "cmdPrint"}),
                 QString("Solution Steps|Close|Save|Print"));
        QCOMPARE(List().toPlainText(), QString("Turn front side clockwise\nTurn left side twice"));
        QVERIFY(List().isReadOnly() && List().verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn);
        QVERIFY(IsCentred(frmSolutionSteps(fake->Services())));
        QVERIFY(Child<QPushButton>(*form, "cmdClose").isDefault());
        for (const char* next : {"cmdClose", "cmdSave", "cmdPrint", "txtSteps"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(next));
        }
        QTest::keyClick(&List(), Qt::Key_Return);
        QVERIFY(!form->isVisible() && form->result() == QDialog::Accepted);
    }

    // Cancelled, failed (silently, leaving nothing) and done: every line ends
    // with "\r\n" and the old file is replaced whole; an empty list gives an
    // empty file. Afterwards Enter closes the list again.
    void saveWritesEveryLineEndedByCarriageReturnLineFeed() {
        QTemporaryDir folder;
        const QString path = folder.filePath("Solution.txt");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(500, 'x')) == 500);
        old.close();
        fake->fileDialogs.saveAnswers = {std::nullopt, folder.filePath("no/Solution.txt"), path};
        for (int i = 0; i < 3; ++i) {
            Click(Child(*form, "cmdSave"));
            QCOMPARE(QApplication::focusWidget(), &List());
            QVERIFY(Child<QPushButton>(*form, "cmdClose").isDefault());
        }
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(),
                 QByteArray("Turn front side clockwise\r\nTurn left side twice\r\n"));
        const FileDialogOptions& asked = fake->fileDialogs.saveRequests.front();
        QCOMPARE(asked.strTitle + "|" + asked.strFileName + "|" + asked.strFilter + "|" +
                     asked.strDefaultSuffix,
                 QString("Save Completion Steps|Solution.txt|Text File (*.txt)|txt"));
        form->SetSteps(QString());
        fake->fileDialogs.saveAnswers = {path};
        Click(Child(*form, "cmdSave"));
        QCOMPARE(QFileInfo(path).size(), 0);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"Solution.txt"});
        QVERIFY(fake->messageBoxes.shown.empty());
    }

    // Under the window's caption; a cancel says nothing, a printer that
    // cannot be used or fails at the end says so.
    void printLaysOutTheStepsAndReportsFailures() {
        auto surface = std::make_unique<FakePrintSurface>(9000, 4500);
        const auto printed = surface->record;
        auto failing = std::make_unique<FakePrintSurface>(9000, 4500);
        failing->endDocSucceeds = false;
        fake->printing.jobs.push_back({IPrinting::Status::Ready, std::move(surface), {}});
        fake->printing.jobs.push_back({IPrinting::Status::Cancelled, nullptr, {}});
        fake->printing.jobs.push_back({IPrinting::Status::Unavailable, nullptr, "No printer."});
        fake->printing.jobs.push_back({IPrinting::Status::Ready, std::move(failing), {}});
        form->setWindowTitle("Previous Steps");
        for (int i = 0; i < 4; ++i) {
            Click(Child(*form, "cmdPrint"));
        }
        QStringList texts;
        for (const auto& text : printed->texts) {
            texts << text.text;
        }
        QCOMPARE(texts, (QStringList{"Page 1", "Previous Steps", "1. Turn front side clockwise",
                                     "2. Turn left side twice"}));
        QCOMPARE(fake->printing.documentNames, QStringList(4, "Previous Steps"));
        QCOMPARE(Messages(fake->messageBoxes),
                 (QStringList{"!Turnix|The steps could not be printed.\n\nNo printer.",
                              "!Turnix|The steps could not be printed.\n\nThe printer or the "
                              "output file could not be written."}));
    }

private:
    QPlainTextEdit& List() { return Child<QPlainTextEdit>(*form, "txtSteps"); }

    std::optional<FakePlatform> fake;
    std::optional<frmSolutionSteps> form;
};

QTEST_MAIN(TestSolutionSteps)
#include "test_frmSolutionSteps.moc"
