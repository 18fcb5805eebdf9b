#include "platform/RecentFiles.h"

#include <QFileInfo>

namespace turnix {

namespace {

QString RecentSection() {
    return QStringLiteral("RecentFiles");
}

QString RecentKey(int number) {
    return QStringLiteral("File%1").arg(number);
}

} // namespace

RecentFiles::RecentFiles(ISettingsStore& settings) : store(settings) {}

QStringList RecentFiles::Files() const {
    QStringList files;
    for (int number = 1; number <= MostFiles; ++number) {
        const QString file = store.Value(RecentSection(), RecentKey(number)).value_or(QString());
        if (!file.isEmpty() && !files.contains(file)) {
            files << file;
        }
    }
    return files;
}

void RecentFiles::Add(const QString& path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList files = Files();
    files.removeAll(file);
    files.prepend(file);
    Store(files);
}

QStringList RecentFiles::DropMissing(const Exists& exists) {
    QStringList files = Files();
    files.removeIf([&](const QString& file) { return !exists(file); });
    Store(files);
    return files;
}

QStringList RecentFiles::DropMissing() {
    return DropMissing([](const QString& file) { return QFileInfo(file).isFile(); });
}

void RecentFiles::Clear() {
    Store({});
}

// Only what changed is written: the menu drops missing files each time it
// opens.
void RecentFiles::Store(const QStringList& files) {
    for (int number = 1; number <= MostFiles; ++number) {
        const std::optional<QString> stored = store.Value(RecentSection(), RecentKey(number));
        if (number <= files.size()) {
            const QString& file = files.at(number - 1);
            if (stored != file) {
                store.SetValue(RecentSection(), RecentKey(number), file);
            }
        } else if (stored) {
            store.Remove(RecentSection(), RecentKey(number));
        }
    }
}

} // namespace turnix
