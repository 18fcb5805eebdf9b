#pragma once

#include <QAccessible>
#include <QString>

class QLabel;

namespace turnix {

// Shows text on line and, when it differs from what the line said, has
// screen readers read it out, once. The line must have no accessible name
// of its own: its text is its name.
void ShowAnnounced(QLabel& line, const QString& text);

// Qt hands accessibility events on only while a screen reader listens; a
// handler installed here sees every announcement even when none does, as
// QAccessible's own update handler would. Returns the one it replaces.
using AnnouncementHandler = void (*)(QAccessibleEvent* event);
AnnouncementHandler InstallAnnouncementHandler(AnnouncementHandler handler);

} // namespace turnix
