#pragma once

#include "platform/RecentFiles.h"

#include <QMenu>

namespace turnix {

// "Open Recent": the recent files, numbered, then "Clear Menu". The list is
// read afresh each time the menu opens, without the files that have gone.
class RecentFilesMenu final : public QMenu {
    Q_OBJECT

public:
    RecentFilesMenu(RecentFiles& files, QWidget* parent);

    // Builds the entries; the menu does so itself before it shows.
    void Fill();

signals:
    void fileChosen(const QString& path);

private:
    RecentFiles& recent;
};

} // namespace turnix
