#include "frmInstructions.h"

#include "platform/WindowPlacement.h"
#include "rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace turnix {

namespace {

// Narrower than this the guide is too cramped to read; it then rather
// covers part of the main window.
constexpr int NarrowestBeside = 380;

} // namespace

frmInstructions::frmInstructions(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInstructions"));
    setWindowTitle(tr("Instructions"));
    setModal(false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);

    rtxInstructions = new QTextBrowser(this);
    rtxInstructions->setObjectName(QStringLiteral("rtxInstructions"));
    rtxInstructions->setOpenLinks(false);

    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rtxInstructions, 1);
    layout->addLayout(buttons);

    resize(620, 560);
    CenterOnScreen(*this);
}

bool frmInstructions::LoadFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        ShowProblem(tr("The instructions file \"%1\" cannot be opened.").arg(path));
        return false;
    }
    if (file.size() > MaxFileSize) {
        ShowProblem(tr("The instructions file \"%1\" is too large to show.").arg(path));
        return false;
    }
    const QByteArray content = file.read(MaxFileSize);
    // A fresh document: in the shown one the view's cursor would end up
    // behind the new text, and showing the start would then lay out all of it
    // at once. Set up as the view set up its own, the fresh one is laid out a
    // screen at a time. The view deletes only a document it made itself.
    QTextDocument* shown = rtxInstructions->document();
    auto* document = new QTextDocument(rtxInstructions);
    document->setDefaultFont(shown->defaultFont());
    document->setPageSize(shown->pageSize());
    document->documentLayout()->setPaintDevice(rtxInstructions->viewport());
    RtfReader::Read(content, *document);
    const bool shownIsOurs = shown->parent() == rtxInstructions;
    rtxInstructions->setDocument(document);
    if (shownIsOurs) {
        delete shown;
    }
    rtxInstructions->moveCursor(QTextCursor::Start);
    return true;
}

void frmInstructions::ShowProblem(const QString& text) {
    rtxInstructions->setPlainText(text);
}

void frmInstructions::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        rtxInstructions->setFocus();
        cmdClose->setDefault(true);
    }
}

std::optional<QString> ProbeInstructionsFile(const QString& installFolder) {
    if (installFolder.isEmpty()) {
        return std::nullopt;
    }
    const QString path = installFolder + QStringLiteral("/Instructions.rtf");
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return path;
}

void ShowInstructions(QPointer<frmInstructions>& window, const QWidget* beside,
                      const QString& path) {
    if (window == nullptr) {
        window = new frmInstructions;
        window->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(window.data(), &QDialog::finished, window.data(), &QObject::deleteLater);
        // Placed once: where the user moves it afterwards, it stays.
        if (beside != nullptr) {
            PlaceBeside(*window, *beside, NarrowestBeside);
        }
    }
    window->LoadFile(path);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace turnix
