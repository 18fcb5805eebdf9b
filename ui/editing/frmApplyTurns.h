#pragma once

#include "TurnNotation.h"

#include <QDialog>
#include <vector>

class QLabel;
class QLineEdit;

namespace turnix {

// "Apply Turns": a line of turns in standard notation, such as a written
// scramble. OK keeps the dialog open on a bad token, names it and selects
// it, so nothing is applied until the whole line reads.
class frmApplyTurns final : public QDialog {
    Q_OBJECT

public:
    explicit frmApplyTurns(QWidget* parent = nullptr);

    // The turns of the accepted line, in order.
    [[nodiscard]] const std::vector<NotationMove>& Moves() const noexcept { return moves; }

    void accept() override;

private:
    void ShowProblem(const NotationError& error);

    QLineEdit* txtTurns{};
    QLabel* lblProblem{};
    std::vector<NotationMove> moves;
};

} // namespace turnix
