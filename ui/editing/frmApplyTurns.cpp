#include "editing/frmApplyTurns.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace turnix {

frmApplyTurns::frmApplyTurns(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Apply Turns"));
    setObjectName(QStringLiteral("frmApplyTurns"));

    auto* prompt = new QLabel(tr("&Turns, such as a written scramble: U D F B L R, "
                                 "each alone, with ' or with 2; x y z turn the "
                                 "whole cube."),
                              this);
    prompt->setObjectName(QStringLiteral("lblTurns"));
    prompt->setWordWrap(true);
    txtTurns = new QLineEdit(this);
    txtTurns->setObjectName(QStringLiteral("txtTurns"));
    txtTurns->setPlaceholderText(tr("R U2 F' …"));
    txtTurns->setMinimumWidth(txtTurns->fontMetrics().averageCharWidth() * 48);
    prompt->setBuddy(txtTurns);
    lblProblem = new QLabel(this);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setWordWrap(true);
    lblProblem->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &frmApplyTurns::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmApplyTurns::reject);
    // A new try hides the last complaint.
    connect(txtTurns, &QLineEdit::textEdited, lblProblem, &QLabel::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(txtTurns);
    layout->addWidget(lblProblem);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmApplyTurns::accept() {
    auto parsed = ParseNotation(txtTurns->text().toStdString());
    if (const auto* error = std::get_if<NotationError>(&parsed)) {
        ShowProblem(*error);
        return;
    }
    moves = std::get<std::vector<NotationMove>>(std::move(parsed));
    QDialog::accept();
}

void frmApplyTurns::ShowProblem(const NotationError& error) {
    const QString token = QString::fromStdString(error.token);
    lblProblem->setText(tr("“%1” at position %2 is not a turn. Nothing was applied.")
                            .arg(token)
                            .arg(error.position));
    lblProblem->show();
    const auto start = static_cast<int>(error.position) - 1;
    txtTurns->setSelection(start, static_cast<int>(token.size()));
    txtTurns->setFocus();
}

} // namespace turnix
