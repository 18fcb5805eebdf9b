// Every file the program reads, tried with what a disk can really hold:
// empty, truncated, oversized, binary and oddly named files, pipes, folders,
// a settings file full of junk and an installation folder that cannot be
// written. Nothing may crash, hang, or lose what was there.

#include "WindowTestSupport.h"
#include "dialogs/frmInstructions.h"
#include "platform/QtPlatform.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QSettings>
#include <QTextBrowser>
#include <QtTest>
#include <sys/stat.h>

using namespace turnix;
using namespace turnix::test;

namespace {

QByteArray RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes;
    for (std::size_t k = 0; k < count; ++k) {
        bytes.append(static_cast<char>(random() & 0xFFU));
    }
    return bytes;
}

} // namespace

class TestRobustness : public QObject {
    Q_OBJECT

private slots:
    // What a file holds is loaded silently, as far as it goes (short, long
    // and odd values included); a pipe or a folder is left alone; the cube can
    // be solved or refused and saved back whole.
    void cubeFilesOfAnyShapeOpenWithoutHarm_data() {
        QTest::addColumn<QByteArray>("content");
        const QByteArray guide = ReadBytes(QStringLiteral(TURNIX_SOURCE_INSTRUCTIONS));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("one byte") << QByteArray(1, '\x05');
        QTest::newRow("107 bytes") << QByteArray(107, '\x01');
        QTest::newRow("truncated guide") << guide.left(guide.size() / 2);
        QTest::newRow("oversized") << QByteArray(qsizetype{3} * 1024 * 1024, '{');
        QTest::newRow("binary") << RandomBytes(std::size_t{64} * 1024, 7);
        QTest::newRow("pipe") << QByteArray();
        QTest::newRow("folder") << QByteArray();
    }

    void cubeFilesOfAnyShapeOpenWithoutHarm() {
        QFETCH(QByteArray, content);
        const QString kind = QTest::currentDataTag();
        Session s;
        const frmTurnix& window = s.Start();
        const QString path = s.folder.filePath("Würfel ✓ " + kind + ".cub");
        if (kind == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(path));
        } else {
            WriteBytes(path, content);
        }
        s.Load(Scrambled(1)); // the squares a short file leaves keep these
        clsCube expected;
        window.Cube().Copy(expected);
        DecodeConfiguration(std::span(reinterpret_cast<const std::uint8_t*>(content.data()),
                                      static_cast<std::size_t>(content.size())),
                            expected);
        s.Open(path); // a pipe without a writer would block
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(expected));
        QCOMPARE(ShownSquares(window), s.Expected());
        QVERIFY(s.fake.messageBoxes.shown.empty());
        Trigger(window, "mnuCubeSolve");
        s.fake.fileDialogs.saveAnswers = {s.folder.filePath("saved ✓.cub")};
        Trigger(window, "mnuFileSaveConfiguration");
        QCOMPARE(ReadBytes(s.folder.filePath("saved ✓.cub")),
                 Encoded(EncodeConfiguration(window.Cube())));
        QCOMPARE(QFileInfo(path).isDir(), kind == "folder");
    }

    // "/proc" cannot be written, not even by root; an unknown folder must not
    // become the working folder; a pipe in the way is neither written nor
    // waited for. None of them is worth a message before every solve.
    void solvingNeedsNoWritableInstallationFolder() {
        QTemporaryDir piped;
        QCOMPARE(::mkfifo(QFile::encodeName(piped.filePath("SaveLast.cub")).constData(), 0600), 0);
        for (const QString& installFolder : {QString("/proc"), QString(), piped.path()}) {
            Session s;
            s.fake.system.installFolder = installFolder;
            const frmTurnix& window = s.Start();
            s.Load(Scrambled(11));
            const QString current = QDir::currentPath();
            QVERIFY(QDir::setCurrent(s.folder.path()));
            Trigger(window, "mnuCubeSolve");
            QVERIFY(QDir::setCurrent(current));
            QVERIFY(window.SolutionMode());
            QVERIFY(s.fake.messageBoxes.shown.empty());
            QVERIFY(!QFile::exists("/proc/SaveLast.cub"));
            QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files), QStringList{"cube1.cub"});
        }
        QCOMPARE(
            QDir(piped.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden),
            QStringList{"SaveLast.cub"});
        QVERIFY(!QFileInfo(piped.filePath("SaveLast.cub")).isFile());
    }

    // A guide taller than Qt can lay out, as it stands, shown and reloaded;
    // the whole of it can be laid out, as scrolling to its end would. The
    // reader's own tests throw every other hostile file at it.
    void anInstructionFileTooTallToLayOutShowsWithoutHarm() {
        QTemporaryDir folder;
        const QString path = folder.filePath("Instructions.rtf");
        WriteBytes(path, "{\\rtf1 " + QByteArray("\\sb28800 x\\par ").repeated(5000) + "}");
        QCOMPARE(ProbeInstructionsFile(folder.path()), std::optional(path));
        QPointer<frmInstructions> shown;
        QWidget owner;
        ShowInstructions(shown, &owner, path);
        ShowInstructions(shown, &owner, path); // reloads into the same window
        const auto& view = Child<QTextBrowser>(*shown, "rtxInstructions");
        QVERIFY(!view.toPlainText().trimmed().isEmpty());
        QVERIFY(view.document()->documentLayout()->documentSize().height() > 0);
        delete shown.data();
    }

    void aPipeOrAFolderIsNotOfferedAsInstructions() {
        QTemporaryDir folder;
        const QString path = folder.filePath("Instructions.rtf");
        QVERIFY(QDir(folder.path()).mkdir("Instructions.rtf"));
        QCOMPARE(ProbeInstructionsFile(folder.path()), std::nullopt);
        QVERIFY(QDir(folder.path()).rmdir("Instructions.rtf"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QCOMPARE(ProbeInstructionsFile(folder.path()), std::nullopt);
    }

    // The real settings store: good values are read, junk gives defaults, and
    // closing writes six good values back.
    void junkInTheSettingsFileGivesDefaultsAndIsReplacedOnClose() {
        QTemporaryDir folder;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        const QString settingsFile = folder.filePath("Turnix/Turnix.conf");
        QVERIFY(QDir(folder.path()).mkpath("Turnix"));
        const std::vector<QByteArray> junk{
            RandomBytes(4096, 11),
            QByteArray("[Colors]\nColorValue1=0x123\nColorValue2=-5\nColorValue3="
                       "99999999999999999999\n"
                       "ColorValue4=\xc3\xa9\nColorValue5=\nColor1=1\nColor3="
                       "3\nColorValue6=123\n"),
            QByteArray("[Colors\nColorValue1=255\n") + QByteArray(100000, '='),
        };
        for (const QByteArray& content : junk) {
            WriteBytes(settingsFile, content);
            QtPlatform platform;
            {
                frmTurnix window(platform.Services());
                QCOMPARE(window.Colors().back() == 123, content.contains("ColorValue6=123"));
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
        // And the installation folder is the one that holds the program.
        QCOMPARE(QtPlatform().Services().system.InstallFolder(),
                 QCoreApplication::applicationDirPath());
    }
};

QTEST_MAIN(TestRobustness)
#include "test_Robustness.moc"
