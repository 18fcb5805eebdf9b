#pragma once

#include "SessionState.h"

#include <QString>
#include <optional>

namespace turnix {

// The per-user file that keeps where the user left off. An empty folder
// keeps nothing: loads find nothing and saves do nothing.
class StateFile {
public:
    explicit StateFile(QString folder);

    [[nodiscard]] QString Path() const;
    // Where a file that could not be read is kept for the user to look at.
    [[nodiscard]] QString AsidePath() const;

    // The kept state, if there is one to read. A file that is no good is
    // named in one line on standard error and moved aside; if it cannot be
    // moved, nothing is saved this run, so that it is never overwritten.
    [[nodiscard]] std::optional<SessionState> Load();
    // Replaces the file as a whole; false when it could not.
    bool Save(const SessionState& state);

private:
    void SetAside(const QString& problem);

    QString folder;
    bool saving{true};
};

} // namespace turnix
