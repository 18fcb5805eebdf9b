#include "StateFile.h"

#include "AtomicFile.h"
#include "platform/FileSaving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <span>
#include <utility>

namespace turnix {

namespace {

void Warn(const QString& text) {
    std::fprintf(stderr, "turnix: %s\n", text.toLocal8Bit().constData());
}

} // namespace

StateFile::StateFile(QString stateFolder) : folder(std::move(stateFolder)) {}

QString StateFile::Path() const {
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("state"));
}

QString StateFile::AsidePath() const {
    return Path() + QStringLiteral(".bad");
}

std::optional<SessionState> StateFile::Load() {
    const QFileInfo info(Path());
    if (folder.isEmpty() || (!info.exists() && !info.isSymLink())) {
        return std::nullopt;
    }
    if (!info.isFile()) {
        SetAside(QStringLiteral("it is not a file"));
        return std::nullopt;
    }
    // Checked before reading, so that a huge file is never read whole.
    if (info.size() > MaxSessionStateBytes) {
        SetAside(QStringLiteral("far too big"));
        return std::nullopt;
    }
    QFile file(Path());
    if (!file.open(QIODevice::ReadOnly)) {
        Warn(
            QStringLiteral("the state in %1 was not restored: %2").arg(Path(), file.errorString()));
        saving = false;
        return std::nullopt;
    }
    DecodedSessionState decoded = DecodeSessionState(file.read(MaxSessionStateBytes + 1));
    if (!decoded.state) {
        SetAside(decoded.problem);
    }
    return std::move(decoded.state);
}

// Only the latest bad file is kept; an older one in the way goes.
void StateFile::SetAside(const QString& problem) {
    const QString aside = AsidePath();
    if (QFileInfo(aside).isFile() || QFileInfo(aside).isSymLink()) {
        QFile::remove(aside);
    }
    const bool moved = QDir().rename(Path(), aside);
    saving = moved;
    Warn(moved ? QStringLiteral("the state in %1 was not restored (%2); it was moved to %3")
                     .arg(Path(), problem, aside)
               : QStringLiteral("the state in %1 was not restored (%2); it is left as it is "
                                "and no state is kept this time")
                     .arg(Path(), problem));
}

bool StateFile::Save(const SessionState& state) {
    if (folder.isEmpty() || !saving || !QDir().mkpath(folder)) {
        return false;
    }
    const QByteArray bytes = EncodeSessionState(state);
    const std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             static_cast<std::size_t>(bytes.size()));
    return static_cast<bool>(WriteFileAtomically(LocalPath(Path()), data));
}

} // namespace turnix
