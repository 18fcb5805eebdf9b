#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace turnix {

// The cube files last opened or saved, newest first, kept in the settings
// store under "RecentFiles" as "File1" to "File8". Whatever the store holds
// is read with care: empty names and repeats are skipped, and no more than
// eight are taken.
class RecentFiles {
public:
    static constexpr int MostFiles = 8;
    using Exists = std::function<bool(const QString&)>;

    explicit RecentFiles(ISettingsStore& settings);

    [[nodiscard]] QStringList Files() const;
    // Puts the file first, as an absolute path, and forgets the ninth.
    void Add(const QString& path);
    // Forgets the files that no longer exist and returns the others.
    QStringList DropMissing(const Exists& exists);
    QStringList DropMissing();
    void Clear();

private:
    void Store(const QStringList& files);

    ISettingsStore& store;
};

} // namespace turnix
