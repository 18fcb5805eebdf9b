#include "SessionState.h"

#include <QList>
#include <algorithm>
#include <limits>

namespace turnix {

namespace {

const QByteArray Magic = QByteArrayLiteral("Turnix state");
constexpr int Version = 1;
const QByteArray ChecksumKey = QByteArrayLiteral("checksum ");
constexpr int MaxStepCode = 21;
constexpr std::size_t ValuesPerCube = 54;

using Words = QList<QByteArray>;

QByteArray Checksum(QByteArrayView bytes) {
    return QByteArray::number(qChecksum(bytes), 16);
}

void AppendCube(QByteArray& line, const CubeColorValues& cube) {
    for (const auto& squares : cube) {
        for (const std::int16_t value : squares) {
            line += ' ' + QByteArray::number(value);
        }
    }
}

QByteArray Line(const QByteArray& key, std::initializer_list<qint64> values) {
    QByteArray line = key;
    for (const qint64 value : values) {
        line += ' ' + QByteArray::number(value);
    }
    return line + '\n';
}

// A reason the file is refused; thrown inside the decoder only.
struct Refused {
    QString problem;
};

[[noreturn]] void Refuse(const QString& problem) {
    throw Refused{problem};
}

qint64 Number(const QByteArray& word, qint64 lowest, qint64 highest) {
    bool ok = false;
    const qint64 value = word.toLongLong(&ok);
    if (!ok || value < lowest || value > highest) {
        Refuse(QStringLiteral("a value out of range"));
    }
    return value;
}

std::int16_t ShortNumber(const QByteArray& word) {
    return static_cast<std::int16_t>(Number(word, std::numeric_limits<std::int16_t>::min(),
                                            std::numeric_limits<std::int16_t>::max()));
}

void ExpectCount(const Words& words, qsizetype count) {
    if (words.size() != count) {
        Refuse(QStringLiteral("a line of the wrong length"));
    }
}

// The cube whose 54 values start at words[from].
CubeColorValues ReadCube(const Words& words, qsizetype from) {
    CubeColorValues cube{};
    qsizetype at = from;
    for (auto& squares : cube) {
        for (std::int16_t& value : squares) {
            value = ShortNumber(words.at(at++));
        }
    }
    return cube;
}

SessionWindow ReadWindow(const Words& words) {
    ExpectCount(words, 6);
    constexpr qint64 Far = 1'000'000;
    const auto x = static_cast<int>(Number(words.at(1), -Far, Far));
    const auto y = static_cast<int>(Number(words.at(2), -Far, Far));
    const auto width = static_cast<int>(Number(words.at(3), 1, Far));
    const auto height = static_cast<int>(Number(words.at(4), 1, Far));
    return {QRect(x, y, width, height), Number(words.at(5), 0, 1) == 1};
}

SessionSolution ReadSolution(const Words& words) {
    if (words.size() < 5 || (words.at(1) != "layers" && words.at(1) != "fewest")) {
        Refuse(QStringLiteral("a solution it cannot read"));
    }
    SessionSolution solution;
    solution.fewestTurns = words.at(1) == "fewest";
    solution.presented = Number(words.at(2), 0, 1) == 1;
    solution.followsCube = Number(words.at(3), 0, 1) == 1;
    // The step list holds no more.
    if (words.size() - 5 > std::numeric_limits<std::int16_t>::max()) {
        Refuse(QStringLiteral("a solution too long"));
    }
    for (qsizetype i = 5; i < words.size(); ++i) {
        solution.codes.push_back(static_cast<std::int16_t>(Number(words.at(i), 0, MaxStepCode)));
    }
    solution.done = static_cast<std::size_t>(
        Number(words.at(4), 0, static_cast<qint64>(solution.codes.size())));
    return solution;
}

SessionEdit ReadEdit(const QByteArray& line) {
    const Words words = line.split(' ');
    const auto values = static_cast<qsizetype>(2 * ValuesPerCube);
    if (words.size() < values + 1) {
        Refuse(QStringLiteral("a line of the wrong length"));
    }
    // The text is the rest of the line, spaces and all.
    qsizetype textStart = 0;
    for (qsizetype i = 0; i <= values; ++i) {
        textStart += words.at(i).size() + 1;
    }
    return {QString::fromUtf8(line.mid(textStart)), ReadCube(words, 1),
            ReadCube(words, 1 + static_cast<qsizetype>(ValuesPerCube))};
}

// Everything between the version line and the checksum line.
SessionState ReadBody(const QList<QByteArray>& lines) {
    SessionState state;
    bool hasCube = false;
    std::optional<std::size_t> historyIndex;
    for (const QByteArray& line : lines) {
        const Words words = line.split(' ');
        const QByteArray& key = words.first();
        if (key == "cube") {
            ExpectCount(words, 1 + static_cast<qsizetype>(ValuesPerCube));
            state.cube = ReadCube(words, 1);
            hasCube = true;
        } else if (key == "side") {
            ExpectCount(words, 2);
            state.side = static_cast<std::int16_t>(Number(words.at(1), 0, side::Count - 1));
        } else if (key == "window") {
            state.window = ReadWindow(words);
        } else if (key == "solution") {
            state.solution = ReadSolution(words);
        } else if (key == "history") {
            ExpectCount(words, 2);
            historyIndex = static_cast<std::size_t>(Number(words.at(1), 0, MaxSessionStateBytes));
        } else if (key == "edit") {
            state.history.push_back(ReadEdit(line));
        } else {
            Refuse(QStringLiteral("a line it does not know"));
        }
    }
    if (!hasCube) {
        Refuse(QStringLiteral("no cube"));
    }
    state.historyIndex = historyIndex.value_or(state.history.size());
    if (state.historyIndex > state.history.size()) {
        Refuse(QStringLiteral("a history step that is not there"));
    }
    return state;
}

// The lines under the magic and version lines, once the checksum is right.
QList<QByteArray> CheckedBody(const QByteArray& bytes) {
    if (bytes.size() > MaxSessionStateBytes) {
        Refuse(QStringLiteral("far too big"));
    }
    if (!bytes.startsWith(Magic + '\n')) {
        Refuse(QStringLiteral("not a Turnix state file"));
    }
    const qsizetype checksumAt = bytes.lastIndexOf('\n' + ChecksumKey);
    if (checksumAt < 0 || !bytes.endsWith('\n')) {
        Refuse(QStringLiteral("cut short"));
    }
    const QByteArray stored = bytes.mid(checksumAt + 1 + ChecksumKey.size()).chopped(1);
    if (stored != Checksum(QByteArrayView(bytes).first(checksumAt + 1))) {
        Refuse(QStringLiteral("damaged"));
    }
    QList<QByteArray> lines = bytes.first(checksumAt).split('\n');
    if (lines.size() < 2 || lines.at(1) != "version " + QByteArray::number(Version)) {
        Refuse(QStringLiteral("written by another version"));
    }
    lines.remove(0, 2);
    return lines;
}

} // namespace

QByteArray EncodeSessionState(const SessionState& state) {
    QByteArray bytes = Magic + '\n' + Line("version", {Version});
    QByteArray cube = "cube";
    AppendCube(cube, state.cube);
    bytes += cube + '\n';
    bytes += Line("side", {state.side});
    if (const auto& window = state.window) {
        const QRect& r = window->normal;
        bytes += Line("window", {r.x(), r.y(), r.width(), r.height(), window->maximised ? 1 : 0});
    }
    if (const auto& solution = state.solution) {
        QByteArray line = solution->fewestTurns ? "solution fewest" : "solution layers";
        line += ' ' + QByteArray::number(solution->presented ? 1 : 0) + ' ' +
                QByteArray::number(solution->followsCube ? 1 : 0) + ' ' +
                QByteArray::number(static_cast<qulonglong>(solution->done));
        for (const std::int16_t code : solution->codes) {
            line += ' ' + QByteArray::number(code);
        }
        bytes += line + '\n';
    }
    bytes += Line("history", {static_cast<qint64>(state.historyIndex)});
    for (const SessionEdit& edit : state.history) {
        QByteArray line = "edit";
        AppendCube(line, edit.before);
        AppendCube(line, edit.after);
        QString text = edit.text;
        text.replace(QLatin1Char('\n'), QLatin1Char(' '))
            .replace(QLatin1Char('\r'), QLatin1Char(' '));
        bytes += line + ' ' + text.toUtf8() + '\n';
    }
    return bytes + ChecksumKey + Checksum(bytes) + '\n';
}

DecodedSessionState DecodeSessionState(const QByteArray& bytes) {
    try {
        return {ReadBody(CheckedBody(bytes)), {}};
    } catch (const Refused& refused) {
        return {std::nullopt, refused.problem};
    }
}

} // namespace turnix
