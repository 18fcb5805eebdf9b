#include "Announcement.h"

#include <QLabel>
#include <utility>

namespace turnix {

namespace {

AnnouncementHandler announcementHandler = nullptr;

} // namespace

// A label without a name of its own tells screen readers of its new text
// itself; a second event would have the line read twice.
void ShowAnnounced(QLabel& line, const QString& text) {
    if (text == line.text()) {
        return;
    }
    line.setText(text);
    if (announcementHandler != nullptr) {
        QAccessibleEvent changed(&line, QAccessible::NameChanged);
        announcementHandler(&changed);
    }
}

AnnouncementHandler InstallAnnouncementHandler(AnnouncementHandler handler) {
    return std::exchange(announcementHandler, handler);
}

} // namespace turnix
