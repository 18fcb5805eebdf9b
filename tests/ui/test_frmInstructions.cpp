#include "DialogScripts.h"
#include "frmInstructions.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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

class TestFrmInstructions : public QObject {
    Q_OBJECT

private slots:
    // Only "Instructions.rtf" itself, in a known folder.
    void theProbeFindsTheFileInTheInstallationFolderOnly() {
        QTemporaryDir folder;
        QCOMPARE(ProbeInstructionsFile(folder.path()), std::nullopt);
        QFile lower(folder.filePath("instructions.rtf"));
        QVERIFY(lower.open(QIODevice::WriteOnly));
        QCOMPARE(ProbeInstructionsFile(folder.path()), std::nullopt);
        QVERIFY(lower.rename(folder.filePath("Instructions.rtf")));
        QCOMPARE(ProbeInstructionsFile(folder.path()), std::optional(lower.fileName()));
        QCOMPARE(ProbeInstructionsFile(QString()), std::nullopt);
    }

    void theWindowIsAModelessReadOnlyViewerWithACloseButton() {
        frmInstructions window;
        QCOMPARE(Captions(window, {"cmdClose"}), QString("Instructions|Close"));
        QVERIFY(!window.isModal());
        QVERIFY(View(window).isReadOnly());
        QVERIFY(IsCentred(window));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), &View(window));
        QVERIFY(Child<QPushButton>(window, "cmdClose").isDefault());
    }

    void theShippedFileRendersWithBoldHeadingsAndParagraphs() {
        const QString built = QStringLiteral(TURNIX_BUILT_INSTRUCTIONS);
        QCOMPARE(ReadFile(built), ReadFile(QStringLiteral(TURNIX_SOURCE_INSTRUCTIONS)));
        frmInstructions window;
        QVERIFY(window.LoadFile(built));
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

    void aMissingOrOversizedFileSaysSoInTheView() {
        QTemporaryDir folder;
        frmInstructions window;
        QVERIFY(!window.LoadFile(folder.filePath("missing.rtf")));
        QVERIFY(View(window).toPlainText().contains("cannot be opened"));
        QFile large(folder.filePath("large.rtf"));
        QVERIFY(large.open(QIODevice::WriteOnly));
        QVERIFY(large.resize(frmInstructions::MaxFileSize + 1));
        QVERIFY(!window.LoadFile(large.fileName()));
        QVERIFY(View(window).toPlainText().contains("too large"));
    }

    // The main window's tests cover reloading into the open window.
    void closeAndEscapeEndTheWindow() {
        QTemporaryDir folder;
        const QString path = folder.filePath("Instructions.rtf");
        QPointer<frmInstructions> window;
        for (const bool escape : {false, true}) {
            ShowInstructions(window, nullptr, path);
            QVERIFY(window != nullptr && window->isVisible());
            if (escape) {
                QTest::keyClick(window.data(), Qt::Key_Escape);
            } else {
                Click(Child<QPushButton>(*window, "cmdClose"));
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(window == nullptr);
        }
    }
};

QTEST_MAIN(TestFrmInstructions)
#include "test_frmInstructions.moc"
