#pragma once

// The platform services a window uses. Windows reach them only through these
// interfaces, so tests can drive every window with fakes and never block on
// a real dialog, printer or settings file.

#include "printing/IPrintSurface.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QDialog;
class QObject;
class QWidget;

namespace turnix {

class CaptureSource;

struct FileDialogOptions {
    QString strTitle;
    QString strFileName;      // proposed name; may be empty
    QString strFilter;        // Qt form, e.g. "Cube File (*.cub)"
    QString strDefaultSuffix; // without the dot, e.g. "cub"
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The chosen file, which exists; nothing when the user cancels.
    virtual std::optional<QString> OpenFileName(QWidget* parent,
                                                const FileDialogOptions& options) = 0;
    // The chosen files, which exist; none when the user cancels.
    virtual QStringList OpenFileNames(QWidget* parent, const FileDialogOptions& options) = 0;
    // The chosen file, after the user agreed to replace an existing one;
    // nothing when the user cancels.
    virtual std::optional<QString> SaveFileName(QWidget* parent,
                                                const FileDialogOptions& options) = 0;
};

enum class MessageIcon { None, Exclamation };

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    // A message with a single OK button; returns when the user closes it.
    virtual void ShowMessage(QWidget* parent, const QString& strTitle, const QString& strText,
                             MessageIcon icon) = 0;
};

class IColorChooser {
public:
    virtual ~IColorChooser() = default;
    // The chosen colour; nothing when the user cancels or the chooser fails.
    virtual std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) = 0;
};

// Per-user text values addressed by section and key, under the application
// name "Turnix".
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    [[nodiscard]] virtual std::optional<QString> Value(const QString& strSection,
                                                       const QString& strKey) const = 0;
    virtual void SetValue(const QString& strSection, const QString& strKey,
                          const QString& strValue) = 0;
    virtual void Remove(const QString& strSection, const QString& strKey) = 0;
};

class ISystemServices {
public:
    virtual ~ISystemServices() = default;
    // The folder that holds the program file, without a trailing separator;
    // empty when it cannot be found.
    [[nodiscard]] virtual QString InstallFolder() const = 0;
    // Full path of an executable found on the PATH; empty when there is none.
    [[nodiscard]] virtual QString FindProgram(const QString& strName) const = 0;
    // Starts a program on its own; false when it could not be started.
    virtual bool StartProgram(const QString& strPath) = 0;
    // The per-user folder for where the user left off; empty keeps nothing.
    [[nodiscard]] virtual QString StateFolder() const = 0;
};

// Shows a dialog modally and returns its QDialog::DialogCode.
class IModalRunner {
public:
    virtual ~IModalRunner() = default;
    virtual int Exec(QDialog& dialog) = 0;
};

class IPrinting {
public:
    enum class Status { Ready, Cancelled, Unavailable };
    struct Job {
        Status status{Status::Cancelled};
        std::unique_ptr<IPrintSurface> surface; // set when status is Ready
        QString strReason;                      // why, when Unavailable
    };

    virtual ~IPrinting() = default;
    // Lets the user choose a printer or a PDF file for one document, in a
    // dialog that starts from start's settings. The surface measures in
    // start's scale units, on the paper and orientation the user chose.
    virtual Job BeginDocument(QWidget* parent, const QString& strDocumentName,
                              const PageSetup& start) = 0;
};

// The system clipboard, as plain text.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    [[nodiscard]] virtual QString Text() const = 0;
    virtual void SetText(const QString& strText) = 0;
};

class ICameras {
public:
    virtual ~ICameras() = default;
    // A source of frames from the camera, owned by parent; it says why when
    // it cannot start.
    virtual CaptureSource* OpenCamera(QObject* parent) = 0;
};

// Everything above, handed to each window. The services outlive the windows.
struct Platform {
    IFileDialogs& fileDialogs;
    IMessageBoxes& messageBoxes;
    IColorChooser& colorChooser;
    ISettingsStore& settings;
    ISystemServices& system;
    IModalRunner& modalRunner;
    IPrinting& printing;
    IClipboard& clipboard;
    ICameras& cameras;
};

} // namespace turnix
