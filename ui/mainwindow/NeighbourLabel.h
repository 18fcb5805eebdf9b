#pragma once

#include <QLabel>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

namespace turnix {

// The name of a neighbouring side, drawn like a link: a click on it, or
// Enter or Space while it has the keyboard focus, brings that side into
// view. Only the keyboard gives it the focus, which a mark around the name
// shows.
class NeighbourLabel : public QLabel {
    Q_OBJECT

public:
    explicit NeighbourLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace turnix
