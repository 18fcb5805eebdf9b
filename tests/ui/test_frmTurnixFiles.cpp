#include "WindowTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace turnix;
using namespace turnix::test;

namespace {

// The format written out by hand: 54 values, little-endian, side by side.
QByteArray Encoded(const CubeColors& colors) {
    QByteArray bytes;
    for (const auto& squares : colors) {
        for (const std::int16_t value : squares) {
            const auto raw = static_cast<std::uint16_t>(value);
            bytes.append(static_cast<char>(raw & 0xFF)).append(static_cast<char>(raw >> 8));
        }
    }
    return bytes;
}

} // namespace

class TestFrmTurnixFiles : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
    }

    void dialogsOfferCubeFilesUnderTheirTitles() {
        FakePlatform fake;
        frmTurnix window(fake.Services());
        for (const char* command : {"mnuFileOpenConfiguration", "ToolbarButton1",
                                    "mnuFileSaveConfiguration", "ToolbarButton2"}) {
            Trigger(window, command);
        }
        const auto& requests = fake.fileDialogs;
        QCOMPARE(requests.openRequests.size() + requests.saveRequests.size(), std::size_t{4});
        for (const FileDialogOptions& open : requests.openRequests) {
            QCOMPARE(open.strTitle + "|" + open.strFileName, QString("Open Configuration|"));
        }
        for (const FileDialogOptions& save : requests.saveRequests) {
            QCOMPARE(save.strTitle + "|" + save.strFileName,
                     QString("Save Configuration|Current.cub"));
        }
        for (const auto& options : {requests.openRequests.at(1), requests.saveRequests.at(1)}) {
            QCOMPARE(options.strFilter, QString("Cube File (*.cub)"));
            QCOMPARE(options.strDefaultSuffix, QString("cub"));
        }
        QVERIFY(QDir(folder->path()).isEmpty());
    }

    void savedBytesAreExactlyTheFormatAndReplaceTheOldFileWhole() {
        FakePlatform fake;
        frmTurnix window(fake.Services());
        const QString path = folder->filePath("Current.cub");
        WriteBytes(path, QByteArray(500, '\x7F'));
        fake.fileDialogs.saveAnswers.push_back(path);
        Trigger(window, "mnuFileSaveConfiguration");

        QByteArray solved;
        for (char s = 0; s < 6; ++s) {
            for (int q = 0; q < 9; ++q) {
                solved.append(s).append('\0');
            }
        }
        QCOMPARE(ReadBytes(path), solved);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{"Current.cub"});
    }

    // Values outside 0..5 included: they are loaded, shown neutral and
    // written back as they are.
    void saveThenOpenRestoresAnyCube() {
        clsCube marked;
        MarkEverySquare(marked);
        marked.Side(side::Front).Square(0)->SetColorIndex(7);
        marked.Side(side::Right).Square(8)->SetColorIndex(-1);
        FakePlatform fake;
        frmTurnix window(fake.Services());
        LoadCube(window, fake, marked, folder->filePath("start.cub"));
        QCOMPARE(ShownColors(window).at(0), NeutralSquareColor);
        const QString path = folder->filePath("saved.cub");
        fake.fileDialogs.saveAnswers.push_back(path);
        Trigger(window, "ToolbarButton2");
        QCOMPARE(ReadBytes(path), Encoded(ColorsOf(marked)));

        Trigger(window, "mnuFileNewConfiguration");
        Trigger(window, "mnuCubeRotateUp");
        fake.fileDialogs.openAnswers.push_back(path);
        Trigger(window, "ToolbarButton1");
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(marked));
        QCOMPARE(ShownTags(window), TagsOf(marked, side::Front));
        QVERIFY(fake.messageBoxes.shown.empty());
    }

    // A short file sets only the values it holds; a long one its first 54.
    void aFileOfAnyLengthSetsTheValuesItHolds() {
        clsCube marked;
        MarkEverySquare(marked);
        const QByteArray solved = Encoded(ColorsOf(clsCube()));
        for (const QByteArray& bytes :
             {QByteArray(), solved.left(11), solved.left(107), solved + QByteArray(300, '\x03')}) {
            FakePlatform fake;
            frmTurnix window(fake.Services());
            LoadCube(window, fake, marked, folder->filePath("marked.cub"));
            WriteBytes(folder->filePath("file.cub"), bytes);
            fake.fileDialogs.openAnswers.push_back(folder->filePath("file.cub"));
            Trigger(window, "mnuFileOpenConfiguration");

            const CubeColors colors = ColorsOf(window.Cube());
            for (int k = 0; k < 54; ++k) {
                const int expected = k < bytes.size() / 2 ? k / 9 : Marker(k / 9, k % 9);
                QCOMPARE(colors.at(k / 9).at(k % 9), expected);
            }
            QCOMPARE(ShownTags(window), TagsOf(window.Cube(), side::Front));
            QVERIFY(fake.messageBoxes.shown.empty());
        }
    }

    void aMissingFileOrACancelChangesNothingAndSaysNothing() {
        clsCube scrambled;
        Scramble(scrambled);
        FakePlatform fake;
        frmTurnix window(fake.Services());
        LoadCube(window, fake, scrambled, folder->filePath("start.cub"));
        Trigger(window, "mnuSideShowRight");

        auto& dialogs = fake.fileDialogs;
        dialogs.openAnswers = {folder->filePath("missing.cub"), folder->path(), std::nullopt};
        dialogs.saveAnswers = {std::nullopt, folder->filePath("no/such/folder/x.cub")};
        for (int i = 0; i < 3; ++i) {
            Trigger(window, "mnuFileOpenConfiguration");
        }
        for (int i = 0; i < 2; ++i) {
            Trigger(window, "mnuFileSaveConfiguration");
        }
        QVERIFY(dialogs.openAnswers.empty() && dialogs.saveAnswers.empty());
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(scrambled));
        QCOMPARE(ShownTags(window), TagsOf(scrambled, side::Right));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{"start.cub"});
        QVERIFY(fake.messageBoxes.shown.empty());
    }

    void newConfigurationSolvesTheCubeAndKeepsTheShownSide() {
        clsCube scrambled;
        Scramble(scrambled);
        FakePlatform fake;
        frmTurnix window(fake.Services());
        LoadCube(window, fake, scrambled, folder->filePath("start.cub"));
        Trigger(window, "mnuSideShowLeft");

        Trigger(window, "mnuFileNewConfiguration");
        QCOMPARE(ColorsOf(window.Cube()), ColorsOf(clsCube()));
        QCOMPARE(window.CurrentSide(), side::Left);
        QCOMPARE(ShownColors(window), QList<QColor>(9, QColor(0x00, 0xC0, 0x00)));
    }

private:
    std::unique_ptr<QTemporaryDir> folder;
};

QTEST_MAIN(TestFrmTurnixFiles)
#include "test_frmTurnixFiles.moc"
