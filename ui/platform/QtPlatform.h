#pragma once

#include "Platform.h"
#include "printing/QtPrinting.h"

namespace turnix {

class QtFileDialogs final : public IFileDialogs {
public:
    std::optional<QString> OpenFileName(QWidget* parent, const FileDialogOptions& options) override;
    QStringList OpenFileNames(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QString> SaveFileName(QWidget* parent, const FileDialogOptions& options) override;
};

class QtMessageBoxes final : public IMessageBoxes {
public:
    void ShowMessage(QWidget* parent, const QString& strTitle, const QString& strText,
                     MessageIcon icon) override;
};

class QtColorChooser final : public IColorChooser {
public:
    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override;
};

// QSettings under organisation and application "Turnix".
class QtSettingsStore final : public ISettingsStore {
public:
    [[nodiscard]] std::optional<QString> Value(const QString& strSection,
                                               const QString& strKey) const override;
    void SetValue(const QString& strSection, const QString& strKey,
                  const QString& strValue) override;
    void Remove(const QString& strSection, const QString& strKey) override;
};

class QtSystemServices final : public ISystemServices {
public:
    [[nodiscard]] QString InstallFolder() const override;
    [[nodiscard]] QString FindProgram(const QString& strName) const override;
    bool StartProgram(const QString& strPath) override;
    [[nodiscard]] QString StateFolder() const override;
};

class QtModalRunner final : public IModalRunner {
public:
    int Exec(QDialog& dialog) override;
};

class QtClipboard final : public IClipboard {
public:
    [[nodiscard]] QString Text() const override;
    void SetText(const QString& strText) override;
};

class QtCameras final : public ICameras {
public:
    CaptureSource* OpenCamera(QObject* parent) override;
};

// The real services, owned together for the life of the program.
class QtPlatform {
public:
    [[nodiscard]] Platform Services() {
        return {fileDialogs, messageBoxes, colorChooser, settings, system,
                modalRunner, printing,     clipboard,    cameras};
    }

private:
    QtFileDialogs fileDialogs;
    QtMessageBoxes messageBoxes;
    QtColorChooser colorChooser;
    QtSettingsStore settings;
    QtSystemServices system;
    QtModalRunner modalRunner;
    QtPrinting printing;
    QtClipboard clipboard;
    QtCameras cameras;
};

} // namespace turnix
