// Every file the program reads, tried with what a disk can really hold:
// empty, truncated, oversized, binary and oddly named files, pipes, folders,
// a settings file full of junk and an installation folder that cannot be
// written. Nothing may crash, hang, or lose what was there.

#include "QtPlatform.h"
#include "WindowTestSupport.h"
#include "frmInstructions.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <random>
#include <sys/stat.h>

using namespace turnix;
using namespace turnix::test;

namespace {

QByteArray RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(count));
    for (std::size_t k = 0; k < count; ++k) {
        bytes.append(static_cast<char>(random() & 0xFFU));
    }
    return bytes;
}

QByteArray ShippedInstructions() {
    return ReadBytes(QStringLiteral(TURNIX_SOURCE_INSTRUCTIONS));
}

// The same inputs serve every reader: each is a name and its content.
std::vector<std::pair<QString, QByteArray>> HostileContents() {
    const QByteArray guide = ShippedInstructions();
    return {
        {"empty", QByteArray()},
        {"one byte", QByteArray(1, '\x05')},
        {"107 bytes", QByteArray(107, '\x01')},
        {"truncated guide", guide.left(guide.size() / 2)},
        {"oversized", QByteArray(3 * 1024 * 1024, '{')},
        {"binary", RandomBytes(64 * 1024, 7)},
        {"nested", QByteArray(200000, '{') + "\\b deep" + QByteArray(3, '}')},
        {"non-ASCII text", QString("{\\rtf1 Würfel ✓ \\u-10179?\\'e9}").toUtf8()},
    };
}

} // namespace

class TestRobustness : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder.emplace();
        QVERIFY(folder->isValid());
    }

    void cubeFilesOfAnyShapeOpenWithoutHarm() {
        FakePlatform fake;
        frmTurnix window(fake.Services());
        for (const auto& [name, content] : HostileContents()) {
            const QString path = folder->filePath("Würfel ✓ " + name + ".cub");
            WriteBytes(path, content);
            clsCube expected;
            window.Cube().Copy(expected);
            DecodeConfiguration(std::span(reinterpret_cast<const std::uint8_t*>(content.data()),
                                          static_cast<std::size_t>(content.size())),
                                expected);
            fake.fileDialogs.openAnswers.push_back(path);
            Trigger(window, "mnuFileOpenConfiguration");
            QVERIFY2(ColorsOf(window.Cube()) == ColorsOf(expected), qPrintable(name));
            QCOMPARE(ShownTags(window), TagsOf(expected, window.CurrentSide()));
            // Whatever came in can be solved or refused, and saved back whole.
            Trigger(window, "mnuCubeSolve");
            const QString saved = folder->filePath("saved ✓.cub");
            fake.fileDialogs.saveAnswers.push_back(saved);
            Trigger(window, "mnuFileSaveConfiguration");
            const ConfigurationBytes bytes = EncodeConfiguration(window.Cube());
            QCOMPARE(ReadBytes(saved), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                  static_cast<qsizetype>(bytes.size())));
            Trigger(window, "mnuFileNewConfiguration");
            if (window.SolutionMode()) {
                QTest::mouseClick(&Child<QPushButton>(window, "cmdClear"), Qt::LeftButton);
            }
        }
        QVERIFY(fake.messageBoxes.shown.size() <= HostileContents().size());
    }

    void pipesAndFoldersChosenAsCubeFilesChangeNothing() {
        FakePlatform fake;
        frmTurnix window(fake.Services());
        const QString pipe = folder->filePath("pipe.cub");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString subfolder = folder->filePath("folder.cub");
        QVERIFY(QDir(folder->path()).mkdir("folder.cub"));
        for (const QString& path : {pipe, subfolder, folder->filePath("absent.cub")}) {
            fake.fileDialogs.openAnswers.push_back(path);
            Trigger(window, "mnuFileOpenConfiguration"); // a pipe without a writer would block
            QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
        }
        // Saving over a folder fails silently and leaves the folder and no stray file.
        fake.fileDialogs.saveAnswers.push_back(subfolder);
        Trigger(window, "mnuFileSaveConfiguration");
        QVERIFY(QFileInfo(subfolder).isDir());
        QCOMPARE(
            QDir(folder->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
            QStringList({"folder.cub", "pipe.cub"}));
        QVERIFY(fake.messageBoxes.shown.empty());
    }

    void anInstallationFolderThatCannotBeWrittenStillSolves() {
        FakePlatform fake;
        fake.system.installFolder = "/proc"; // not writable, not even for root
        frmTurnix window(fake.Services());
        clsCube scrambled;
        Scramble(scrambled);
        LoadCube(window, fake, scrambled, folder->filePath("scrambled.cub"));
        Trigger(window, "mnuCubeSolve");
        QVERIFY(fake.messageBoxes.shown.empty());
        QVERIFY(window.SolutionMode());
        QVERIFY(!QFile::exists("/proc/SaveLast.cub"));
        QVERIFY(!Child<QAction>(window, "mnuHelpInstructions").isEnabled());
    }

    void instructionFilesOfAnyShapeShowWithoutHarm() {
        for (const auto& [name, content] : HostileContents()) {
            WriteBytes(folder->filePath("Instructions.rtf"), content);
            const std::optional<QString> path = ProbeInstructionsFile(folder->path());
            QVERIFY2(path.has_value(), qPrintable(name));
            QPointer<frmInstructions> shown;
            QWidget owner;
            ShowInstructions(shown, &owner, *path);
            QVERIFY(shown != nullptr);
            ShowInstructions(shown, &owner, *path); // reloads into the same window
            const QString text = Child<QTextBrowser>(*shown, "rtxInstructions").toPlainText();
            if (name == "truncated guide" || name == "non-ASCII text") {
                QVERIFY2(!text.trimmed().isEmpty(), qPrintable(name));
            }
            delete shown.data();
        }
    }

    void anInstructionsPipeOrFolderIsNotOffered() {
        QVERIFY(QDir(folder->path()).mkdir("Instructions.rtf"));
        QCOMPARE(ProbeInstructionsFile(folder->path()), std::nullopt);
        QVERIFY(QDir(folder->path()).rmdir("Instructions.rtf"));
        const QString pipe = folder->filePath("Instructions.rtf");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QCOMPARE(ProbeInstructionsFile(folder->path()), std::nullopt);
    }

    void junkInTheSettingsFileGivesDefaultsAndIsReplacedOnClose() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder->path());
        const QString settingsFile = folder->filePath("Turnix/Turnix.conf");
        QVERIFY(QDir(folder->path()).mkpath("Turnix"));
        const std::vector<QByteArray> junk{
            RandomBytes(4096, 11),
            QByteArray(
                "[Colors]\nColorValue1=0x123\nColorValue2=-5\nColorValue3=99999999999999999999\n"
                "ColorValue4=\xc3\xa9\nColorValue5=\nColor1=1\nColor3=3\nColorValue6=65535 \n"),
            QByteArray("[Colors\nColorValue1=255\n") + QByteArray(100000, '='),
        };
        for (const QByteArray& content : junk) {
            WriteBytes(settingsFile, content);
            QtPlatform platform;
            {
                frmTurnix window(platform.Services());
                for (std::size_t k = 0; k < 6; ++k) {
                    const ScreenColor color = window.Colors().at(k);
                    QVERIFY(color >= 0 && color <= 0xFFFFFF);
                }
                window.close();
            }
            const QSettings stored(settingsFile, QSettings::IniFormat);
            for (int k = 1; k <= 6; ++k) {
                const QString value =
                    stored.value(QString("Colors/ColorValue%1").arg(k)).toString();
                QVERIFY2(ParseColorValue(value).has_value(), qPrintable(value));
            }
            QVERIFY(!stored.contains("Colors/Color1"));
        }
    }

private:
    std::optional<QTemporaryDir> folder;
};

QTEST_MAIN(TestRobustness)
#include "test_Robustness.moc"
