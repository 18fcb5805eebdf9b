#include "mainwindow/RecentFilesMenu.h"

#include <QAction>
#include <QDir>

namespace turnix {

namespace {

// An ampersand in a file name is shown, not taken for a mnemonic.
QString EntryCaption(int number, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(number).arg(shown);
}

} // namespace

RecentFilesMenu::RecentFilesMenu(RecentFiles& files, QWidget* parent)
    : QMenu(tr("Open &Recent"), parent), recent(files) {
    setObjectName(QStringLiteral("mnuFileOpenRecent"));
    connect(this, &QMenu::aboutToShow, this, &RecentFilesMenu::Fill);
    Fill();
}

void RecentFilesMenu::Fill() {
    clear();
    const QStringList files = recent.DropMissing();
    for (int k = 0; k < files.size(); ++k) {
        const QString path = files.at(k);
        QAction* entry = addAction(EntryCaption(k + 1, path));
        entry->setObjectName(QStringLiteral("mnuFileOpenRecent%1").arg(k + 1));
        connect(entry, &QAction::triggered, this, [this, path] { emit fileChosen(path); });
    }
    addSeparator();
    QAction* clearMenu = addAction(tr("Clear Menu"));
    clearMenu->setObjectName(QStringLiteral("mnuFileOpenRecentClear"));
    clearMenu->setEnabled(!files.isEmpty());
    // The entries go when the menu next opens, not under the click.
    connect(clearMenu, &QAction::triggered, this, [this] { recent.Clear(); });
}

} // namespace turnix
