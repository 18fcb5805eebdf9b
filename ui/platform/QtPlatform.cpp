#include "QtPlatform.h"

#include "reading/CameraSource.h"

#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace turnix {

namespace {

QStringList RunFileDialog(QFileDialog& dialog, const FileDialogOptions& options) {
    dialog.setWindowTitle(options.strTitle);
    dialog.setNameFilter(options.strFilter);
    dialog.setDefaultSuffix(options.strDefaultSuffix);
    if (!options.strFileName.isEmpty()) {
        dialog.selectFile(options.strFileName);
    }
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

std::optional<QString> FirstOf(const QStringList& files) {
    return files.isEmpty() ? std::nullopt : std::optional(files.constFirst());
}

QString SettingsKey(const QString& strSection, const QString& strKey) {
    return strSection + QLatin1Char('/') + strKey;
}

QSettings TurnixSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Turnix"),
                     QStringLiteral("Turnix"));
}

} // namespace

std::optional<QString> QtFileDialogs::OpenFileName(QWidget* parent,
                                                   const FileDialogOptions& options) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return FirstOf(RunFileDialog(dialog, options));
}

QStringList QtFileDialogs::OpenFileNames(QWidget* parent, const FileDialogOptions& options) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return RunFileDialog(dialog, options);
}

std::optional<QString> QtFileDialogs::SaveFileName(QWidget* parent,
                                                   const FileDialogOptions& options) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return FirstOf(RunFileDialog(dialog, options));
}

void QtMessageBoxes::ShowMessage(QWidget* parent, const QString& strTitle, const QString& strText,
                                 MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    strTitle, strText, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QColor> QtColorChooser::ChooseColor(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

std::optional<QString> QtSettingsStore::Value(const QString& strSection,
                                              const QString& strKey) const {
    const QSettings settings = TurnixSettings();
    const QVariant value = settings.value(SettingsKey(strSection, strKey));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value.toString();
}

void QtSettingsStore::SetValue(const QString& strSection, const QString& strKey,
                               const QString& strValue) {
    QSettings settings = TurnixSettings();
    settings.setValue(SettingsKey(strSection, strKey), strValue);
}

void QtSettingsStore::Remove(const QString& strSection, const QString& strKey) {
    QSettings settings = TurnixSettings();
    settings.remove(SettingsKey(strSection, strKey));
}

QString QtSystemServices::InstallFolder() const {
    if (QCoreApplication::instance() == nullptr) {
        return {};
    }
    return QCoreApplication::applicationDirPath();
}

QString QtSystemServices::FindProgram(const QString& strName) const {
    return QStandardPaths::findExecutable(strName);
}

bool QtSystemServices::StartProgram(const QString& strPath) {
    return QProcess::startDetached(strPath, {});
}

// The XDG base directories' place for state that outlives a run but is no
// document or setting.
QString QtSystemServices::StateFolder() const {
    const QString configured = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = QDir::isAbsolutePath(configured)
                             ? configured
                             : QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(base).filePath(QStringLiteral("turnix"));
}

int QtModalRunner::Exec(QDialog& dialog) {
    return dialog.exec();
}

QString QtClipboard::Text() const {
    return QGuiApplication::clipboard()->text();
}

void QtClipboard::SetText(const QString& strText) {
    QGuiApplication::clipboard()->setText(strText);
}

CaptureSource* QtCameras::OpenCamera(QObject* parent) {
    return new CameraSource(parent);
}

} // namespace turnix
