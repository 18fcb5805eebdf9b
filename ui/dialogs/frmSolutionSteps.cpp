#include "frmSolutionSteps.h"

#include "platform/ApplicationTitle.h"
#include "platform/FileSaving.h"
#include "platform/WindowPlacement.h"
#include "printing/StepLines.h"
#include "printing/StepsPrinter.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace turnix {

namespace {

// The window's client area, 5535 x 6000 twips at 15 twips a pixel.
constexpr QSize DefaultSize(369, 400);

// Every line ends with "\r\n"; an empty list gives an empty file. The file is
// replaced as a whole or not at all.
WriteResult WriteStepsFile(const QString& path, const QString& steps) {
    const QByteArray text = steps.isEmpty() ? QByteArray() : (steps + StepLineEnd).toUtf8();
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.constData()),
                                 static_cast<std::size_t>(text.size()));
    return WriteFileAtomically(LocalPath(path), bytes);
}

} // namespace

frmSolutionSteps::frmSolutionSteps(Platform services, QWidget* parent)
    : QDialog(parent), platform(services) {
    setWindowTitle(tr("Solution Steps"));
    BuildControls();
    resize(DefaultSize);
    // Centred on the screen rather than over the main window, where a modal
    // dialog would go by default.
    CenterOnScreen(*this);
}

void frmSolutionSteps::SetSteps(const QString& vNewValue) {
    vSteps = vNewValue;
    txtSteps->setPlainText(vSteps);
}

void frmSolutionSteps::BuildControls() {
    txtSteps = new QPlainTextEdit(this);
    txtSteps->setObjectName(QStringLiteral("txtSteps"));
    txtSteps->setReadOnly(true);
    txtSteps->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtSteps->setTabChangesFocus(true);
    txtSteps->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    cmdSave = new QPushButton(tr("Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdPrint = new QPushButton(tr("Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdClose);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addStretch();
    buttons->addWidget(cmdPrint);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtSteps, 1);
    layout->addLayout(buttons);

    setTabOrder(txtSteps, cmdClose);
    setTabOrder(cmdClose, cmdSave);
    setTabOrder(cmdSave, cmdPrint);
    txtSteps->setFocus();

    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSave, &QPushButton::clicked, this, &frmSolutionSteps::SaveSteps);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSolutionSteps::PrintStepList);
}

void frmSolutionSteps::SaveSteps() {
    const FileDialogOptions options{
        .strTitle = tr("Save Completion Steps"),
        .strFileName = QStringLiteral("Solution.txt"),
        .strFilter = tr("Text File (*.txt)"),
        .strDefaultSuffix = QStringLiteral("txt"),
    };
    // A cancel ends the save silently; a failed write is reported.
    if (const auto path = platform.fileDialogs.SaveFileName(this, options)) {
        ReportSaveFailure(platform.messageBoxes, this, *path,
                          WriteStepsFile(*path, fileSteps.isNull() ? vSteps : fileSteps));
    }
    ReturnToList();
}

void frmSolutionSteps::PrintStepList() {
    const QString title = windowTitle();
    IPrinting::Job job = platform.printing.BeginDocument(this, title, StepsPageSetup);
    if (job.status == IPrinting::Status::Unavailable ||
        (job.status == IPrinting::Status::Ready && !job.surface)) {
        ShowPrintFailure(job.strReason);
    } else if (job.status == IPrinting::Status::Ready && !PrintSteps(*job.surface, title, vSteps)) {
        ShowPrintFailure(tr("The printer or the output file could not be written."));
    }
    ReturnToList();
}

void frmSolutionSteps::ShowPrintFailure(const QString& reason) {
    QString text = tr("The steps could not be printed.");
    if (!reason.isEmpty()) {
        text += QStringLiteral("\n\n") + reason;
    }
    platform.messageBoxes.ShowMessage(this, ApplicationTitle(), text, MessageIcon::Exclamation);
}

// Enter closes the list again, whichever button was used last.
void frmSolutionSteps::ReturnToList() {
    txtSteps->setFocus();
    cmdClose->setDefault(true);
}

} // namespace turnix
