// The state file that keeps where the user left off: what it holds comes
// back whole, and nothing else is ever taken for it.

#include "WindowTestSupport.h"
#include "session/StateFile.h"

#include <QDir>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

CubeColorValues Numbered(int from) {
    CubeColorValues cube{};
    for (auto& squares : cube) {
        for (std::int16_t& value : squares) {
            value = static_cast<std::int16_t>(from++ % 6);
        }
    }
    return cube;
}

// Every part filled, with values at the edges of what each may hold.
SessionState Full() {
    SessionState state;
    state.cube = Numbered(1);
    state.cube[3][7] = -32768; // an opened file may hold anything
    state.cube[0][0] = 32767;
    state.side = 5;
    state.history = {{"Paint", Numbered(0), Numbered(1)},
                     {"Turn Top Side Clockwise", Numbered(1), Numbered(2)},
                     {QString::fromUtf8("Paste «ü» facelets "), Numbered(2), Numbered(3)},
                     {"", Numbered(3), Numbered(4)}};
    state.historyIndex = 2;
    state.solution = SessionSolution{true, {0, 17, 5, 12}, 2, false, true};
    state.window = SessionWindow{QRect(-1280, -20, 640, 480), true};
    return state;
}

QByteArray WithChecksum(QByteArray body) {
    return body + "checksum " + QByteArray::number(qChecksum(body), 16) + '\n';
}

} // namespace

class TestSessionState : public QObject {
    Q_OBJECT

private slots:
    void whatIsSavedComesBackWhole_data() {
        QTest::addColumn<SessionState>("state");
        QTest::newRow("a first start's") << SessionState{};
        QTest::newRow("every part") << Full();
        SessionState finished = Full();
        finished.solution = SessionSolution{false, {3, 4}, 2, true, false};
        finished.history.clear();
        finished.historyIndex = 0;
        finished.window = SessionWindow{QRect(0, 0, 1, 1), false};
        QTest::newRow("a finished list, no history") << finished;
    }

    void whatIsSavedComesBackWhole() {
        QFETCH(SessionState, state);
        const DecodedSessionState decoded = DecodeSessionState(EncodeSessionState(state));
        QVERIFY2(decoded.state, qPrintable(decoded.problem));
        QVERIFY(*decoded.state == state);

        QTemporaryDir folder;
        StateFile file(folder.filePath("deeper/turnix"));
        QVERIFY(!file.Load());
        QVERIFY(file.Save(state));
        QVERIFY(file.Load() == state);
    }

    // Any one bit changed anywhere, and the file cut off at any length.
    void noDamagedCopyIsTakenForTheState() {
        const QByteArray good = EncodeSessionState(Full());
        for (qsizetype at = 0; at < good.size(); ++at) {
            for (const char bit : {'\x01', '\x20', '\x80'}) {
                QByteArray damaged = good;
                damaged[at] = static_cast<char>(damaged[at] ^ bit);
                QVERIFY2(!DecodeSessionState(damaged).state, qPrintable(QString::number(at)));
            }
            QVERIFY2(!DecodeSessionState(good.first(at)).state, qPrintable(QString::number(at)));
        }
    }

    // Each is moved aside as it was, for the user to look at, and the next
    // save is read back; the empty folder keeps nothing at all.
    void aBadFileIsSetAsideAndTheNextSaveCounts_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = EncodeSessionState(Full());
        const QByteArray head = "Turnix state\nversion 1\n";
        const QByteArray cube = EncodeSessionState({}).split('\n').at(2) + '\n';

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut short") << good.first(good.size() - 5);
        QTest::newRow("another program's") << QByteArray(300, '\0');
        QTest::newRow("a later version") << WithChecksum("Turnix state\nversion 2\n" + cube);
        QTest::newRow("no cube") << WithChecksum(head + "side 1\n");
        QTest::newRow("a side that is not there") << WithChecksum(head + cube + "side 6\n");
        QTest::newRow("a step code that is not there")
            << WithChecksum(head + cube + "solution layers 1 1 0 3 22\n");
        QTest::newRow("more steps than a list holds")
            << WithChecksum(head + cube + "solution fewest 1 1 0" +
                            QByteArray(32768 * 2, ' ').replace("  ", " 1") + '\n');
        QTest::newRow("more steps made than listed")
            << WithChecksum(head + cube + "solution fewest 1 1 3 3 4\n");
        QTest::newRow("a history step that is not there")
            << WithChecksum(head + cube + "history 1\n");
        QTest::newRow("an unknown line") << WithChecksum(head + cube + "colour 3\n");
        QTest::newRow("huge") << good + QByteArray(MaxSessionStateBytes, ' ');
        QTest::newRow("a folder in its place") << QByteArray("folder");
    }

    void aBadFileIsSetAsideAndTheNextSaveCounts() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        StateFile file(folder.path());
        const bool isFolder = bytes == "folder";
        if (isFolder) {
            QVERIFY(QDir(folder.path()).mkpath("state/inside"));
        } else {
            WriteBytes(file.Path(), bytes);
        }

        QVERIFY(!file.Load());
        QVERIFY(!QFileInfo::exists(file.Path()));
        if (isFolder) {
            QVERIFY(QFileInfo(file.AsidePath() + "/inside").isDir());
        } else {
            QCOMPARE(ReadBytes(file.AsidePath()), bytes);
        }

        QVERIFY(file.Save(Full()));
        QVERIFY(StateFile(folder.path()).Load() == Full());
        QVERIFY(QFileInfo::exists(file.AsidePath()));
        QVERIFY(!StateFile({}).Save(Full()));
        QVERIFY(!StateFile({}).Load());
    }

    // When the bad file cannot be moved aside it is left alone: this run
    // keeps no state rather than write over it.
    void aBadFileThatCannotBeMovedIsNeverOverwritten() {
        QTemporaryDir folder;
        StateFile file(folder.path());
        QVERIFY(QDir(folder.path()).mkpath("state.bad/in the way"));
        WriteBytes(file.Path(), "damaged");
        QVERIFY(!file.Load());
        QVERIFY(!file.Save(Full()));
        QCOMPARE(ReadBytes(file.Path()), QByteArray("damaged"));
    }
};

QTEST_APPLESS_MAIN(TestSessionState)
#include "test_SessionState.moc"
