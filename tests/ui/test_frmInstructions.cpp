#include "DialogScripts.h"
#include "WindowPlacement.h"
#include "frmInstructions.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

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
    void init() {
        folder.emplace();
        QVERIFY(folder->isValid());
    }

    void theProbeFindsAReadableFileInTheInstallationFolder() {
        const QString path = folder->filePath("Instructions.rtf");
        WriteFile(path, "{\\rtf1 x}");
        QCOMPARE(ProbeInstructionsFile(folder->path()), std::optional(path));
    }

    void theProbeFailsWithoutTheFileOrWithoutAFolder() {
        QCOMPARE(ProbeInstructionsFile(folder->path()), std::nullopt);
        QCOMPARE(ProbeInstructionsFile(QString()), std::nullopt);
        QVERIFY(QDir(folder->path()).mkdir("Instructions.rtf"));
        QCOMPARE(ProbeInstructionsFile(folder->path()), std::nullopt);
        WriteFile(folder->filePath("instructions.rtf"), "{\\rtf1 x}");
        QCOMPARE(ProbeInstructionsFile(folder->filePath("elsewhere")), std::nullopt);
    }

    void theWindowIsAModelessReadOnlyViewerWithACloseButton() {
        frmInstructions window;
        QCOMPARE(window.windowTitle(), QString("Instructions"));
        QVERIFY(!window.isModal());
        QVERIFY(View(window).isReadOnly());
        const auto& close = Child<QPushButton>(window, "cmdClose");
        QCOMPARE(close.text(), QString("Close"));
        QVERIFY(close.isDefault());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(window.pos(), CenteredIn(window.size(), screen));
    }

    void activatingTheWindowPutsTheFocusInTheView() {
        frmInstructions window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), &View(window));
        QVERIFY(Child<QPushButton>(window, "cmdClose").isDefault());
    }

    void theShippedFileRendersWithBoldHeadingsAndParagraphs() {
        const QString built = QStringLiteral(TURNIX_BUILT_INSTRUCTIONS);
        QCOMPARE(ReadFile(built), ReadFile(QStringLiteral(TURNIX_SOURCE_INSTRUCTIONS)));
        QCOMPARE(ProbeInstructionsFile(QFileInfo(built).path()), std::optional(built));

        frmInstructions window;
        QVERIFY(window.LoadFile(built));
        const QTextDocument& document = *View(window).document();
        QVERIFY(document.blockCount() > 40);
        QCOMPARE(document.begin().text(), QString("Turnix"));
        QVERIFY(HasBoldRun(document, "Turnix"));
        QCOMPARE(document.begin().blockFormat().alignment(), Qt::AlignHCenter);
        QVERIFY(HasBoldRun(document, "Solving and stepping"));
        QVERIFY(HasBoldRun(document, "One Step"));
        const QString text = document.toPlainText();
        for (const char* phrase :
             {"Pick a Color", "Current Color:", "Invalid Cube Configuration",
              "Cube is already complete", "Error: All colors must be unique", "Clear  Steps",
              "SaveLast.cub", "Current.cub", "Solution.txt", "Cube \u25b8 Define Colors",
              "Side \u25b8 Turn", "3\u00d73\u00d73", "cube\u2019s"}) {
            QVERIFY2(text.contains(QString::fromUtf8(phrase)), phrase);
        }
        QVERIFY(!text.contains('\\') && !text.contains('{') && !text.contains('?'));
    }

    void aMissingOrOversizedFileSaysSoInTheView() {
        frmInstructions window;
        QVERIFY(!window.LoadFile(folder->filePath("missing.rtf")));
        QVERIFY(View(window).toPlainText().contains("cannot be opened"));

        const QString large = folder->filePath("large.rtf");
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(frmInstructions::MaxFileSize + 1));
        file.close();
        QVERIFY(!window.LoadFile(large));
        QVERIFY(View(window).toPlainText().contains("too large"));
    }

    void theMenuEntryReloadsTheOpenWindowAndCloseDestroysIt() {
        const QString first = folder->filePath("first.rtf");
        const QString second = folder->filePath("second.rtf");
        WriteFile(first, "{\\rtf1 First}");
        WriteFile(second, "{\\rtf1 Second}");

        QPointer<frmInstructions> window;
        ShowInstructions(window, nullptr, first);
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(View(*window).toPlainText(), QString("First"));
        const frmInstructions* opened = window.data();

        ShowInstructions(window, nullptr, second);
        QCOMPARE(window.data(), opened);
        QCOMPARE(View(*window).toPlainText(), QString("Second"));

        Click(Child<QPushButton>(*window, "cmdClose"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window == nullptr);

        ShowInstructions(window, nullptr, first);
        QVERIFY(window != nullptr);
        QVERIFY(window.data() != opened || window->isVisible());
        QTest::keyClick(window.data(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window == nullptr);
    }

private:
    std::optional<QTemporaryDir> folder;
};

QTEST_MAIN(TestFrmInstructions)
#include "test_frmInstructions.moc"
