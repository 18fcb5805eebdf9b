#pragma once

#include "diagnosis/Diagnosis.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace turnix {

// One step of the edit history, as the history keeps it.
struct SessionEdit {
    QString text;
    CubeColorValues before{};
    CubeColorValues after{};

    friend bool operator==(const SessionEdit&, const SessionEdit&) = default;
};

// A listed solution: its active steps, how many are made, and whether it is
// still being presented or waits, finished, to be viewed.
struct SessionSolution {
    bool fewestTurns{false};
    std::vector<std::int16_t> codes;
    std::size_t done{0};
    bool presented{true};
    // Whether the cube is still where the steps took it, so that they can
    // be taken back.
    bool followsCube{true};

    friend bool operator==(const SessionSolution&, const SessionSolution&) = default;
};

// The window's place when it is not maximised, and whether it is.
struct SessionWindow {
    QRect normal;
    bool maximised{false};

    friend bool operator==(const SessionWindow&, const SessionWindow&) = default;
};

// Where the user left off, everything the next start brings back.
struct SessionState {
    CubeColorValues cube{};
    std::int16_t side{2};
    std::vector<SessionEdit> history;
    // How many of the history's steps are made; the rest can be redone.
    std::size_t historyIndex{0};
    std::optional<SessionSolution> solution;
    std::optional<SessionWindow> window;

    friend bool operator==(const SessionState&, const SessionState&) = default;
};

// A state file bigger than this is no state of ours.
inline constexpr qsizetype MaxSessionStateBytes = 4 * 1024 * 1024;

// Text lines under a magic line and a version, closed by a checksum of all
// that comes before it.
[[nodiscard]] QByteArray EncodeSessionState(const SessionState& state);

struct DecodedSessionState {
    std::optional<SessionState> state;
    QString problem; // why there is no state, in a few words
};

// Refuses anything the encoder did not write whole: another file, another
// version, a damaged or cut one, or values out of range.
[[nodiscard]] DecodedSessionState DecodeSessionState(const QByteArray& bytes);

} // namespace turnix
