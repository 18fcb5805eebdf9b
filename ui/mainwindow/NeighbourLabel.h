#pragma once

#include <QLabel>

class QMouseEvent;

namespace turnix {

// The name of a neighbouring side, drawn like a link: a click on it brings
// that side into view.
class NeighbourLabel : public QLabel {
    Q_OBJECT

public:
    explicit NeighbourLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace turnix
