#pragma once

// Scripted stand-ins for every platform service, so window tests never open
// a real dialog, printer or settings file.

#include "platform/Platform.h"
#include "reading/CaptureSource.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace turnix::test {

// The next prepared answer; with none left, an empty one (a cancel).
template <typename T>
T TakeFront(std::deque<T>& answers) {
    T answer{};
    if (!answers.empty()) {
        std::swap(answer, answers.front());
        answers.pop_front();
    }
    return answer;
}

class FakeFileDialogs final : public IFileDialogs {
public:
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<QStringList> manyAnswers;
    std::vector<FileDialogOptions> openRequests;
    std::vector<FileDialogOptions> saveRequests;

    std::optional<QString> OpenFileName(QWidget*, const FileDialogOptions& options) override {
        openRequests.push_back(options);
        return TakeFront(openAnswers);
    }
    QStringList OpenFileNames(QWidget*, const FileDialogOptions& options) override {
        openRequests.push_back(options);
        return TakeFront(manyAnswers);
    }
    std::optional<QString> SaveFileName(QWidget*, const FileDialogOptions& options) override {
        saveRequests.push_back(options);
        return TakeFront(saveAnswers);
    }
};

class FakeMessageBoxes final : public IMessageBoxes {
public:
    struct Message {
        QString strTitle;
        QString strText;
        MessageIcon icon;
    };
    std::vector<Message> shown;

    void ShowMessage(QWidget*, const QString& strTitle, const QString& strText,
                     MessageIcon icon) override {
        shown.push_back({strTitle, strText, icon});
    }
};

class FakeColorChooser final : public IColorChooser {
public:
    std::deque<std::optional<QColor>> answers;
    std::vector<QColor> initialColors;

    std::optional<QColor> ChooseColor(QWidget*, const QColor& initial) override {
        initialColors.push_back(initial);
        return TakeFront(answers);
    }
};

class FakeSettingsStore final : public ISettingsStore {
public:
    std::map<std::pair<QString, QString>, QString> values;

    [[nodiscard]] std::optional<QString> Value(const QString& strSection,
                                               const QString& strKey) const override {
        const auto found = values.find({strSection, strKey});
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void SetValue(const QString& strSection, const QString& strKey,
                  const QString& strValue) override {
        values[{strSection, strKey}] = strValue;
    }
    void Remove(const QString& strSection, const QString& strKey) override {
        values.erase({strSection, strKey});
    }
};

class FakeSystemServices final : public ISystemServices {
public:
    QString installFolder;
    std::map<QString, QString> programs; // name -> full path
    bool startSucceeds{true};
    QStringList started;
    QString stateFolder; // empty: the window keeps no state

    [[nodiscard]] QString InstallFolder() const override { return installFolder; }
    [[nodiscard]] QString FindProgram(const QString& strName) const override {
        const auto found = programs.find(strName);
        return found == programs.end() ? QString() : found->second;
    }
    bool StartProgram(const QString& strPath) override {
        started << strPath;
        return startSucceeds;
    }
    [[nodiscard]] QString StateFolder() const override { return stateFolder; }
};

// Runs each modal dialog through the next script, which plays the user's part
// (clicking swatches, OK, Cancel ...). With no script left the dialog is
// closed from its frame, as a user would.
class FakeModalRunner final : public IModalRunner {
public:
    using Script = std::function<void(QDialog&)>;
    std::deque<Script> scripts;
    QStringList titles;

    int Exec(QDialog& dialog) override {
        titles << dialog.windowTitle();
        dialog.setResult(QDialog::Rejected);
        if (const Script script = TakeFront(scripts)) {
            script(dialog);
        } else {
            dialog.close();
        }
        return dialog.result();
    }
};

// Plays the print dialog: a job that is ready gets the starting settings on
// its surface, then the orientation the user picks, if any.
class FakePrinting final : public IPrinting {
public:
    // Each call hands out the next prepared job; none left: cancelled.
    std::deque<Job> jobs;
    // The orientation picked in each dialog; nothing or none left: none
    // picked.
    std::deque<std::optional<PrintOrientation>> pickedOrientations;
    QStringList documentNames;
    std::vector<PageSetup> startingSetups;

    Job BeginDocument(QWidget*, const QString& strDocumentName, const PageSetup& start) override {
        documentNames << strDocumentName;
        startingSetups.push_back(start);
        Job job = TakeFront(jobs);
        if (job.surface) {
            job.surface->SetScaleMode(start.scale);
            job.surface->SetOrientation(start.orientation);
            if (const auto picked = TakeFront(pickedOrientations)) {
                job.surface->SetOrientation(*picked);
            }
        }
        return job;
    }
};

class FakeClipboard final : public IClipboard {
public:
    QString text;

    [[nodiscard]] QString Text() const override { return text; }
    void SetText(const QString& strText) override { text = strText; }
};

// Plays prepared frames, one each time the dialog has looked at the one
// before (PlayNext), so that no frame is dropped; each is shown again until
// it has been held for hold, as a hand holds a side still. With none
// prepared it is a system without a camera.
class FakeCaptureSource final : public CaptureSource {
public:
    FakeCaptureSource(std::vector<QImage> toPlay, std::chrono::milliseconds held, QObject* parent)
        : CaptureSource(parent), frames(std::move(toPlay)), hold(held) {}

    bool Start() override {
        if (frames.empty()) {
            return false;
        }
        PlayNext();
        return true;
    }
    void Stop() override { stopped = true; }
    [[nodiscard]] QString Problem() const override {
        return QStringLiteral("No camera was found.");
    }

    void PlayNext() {
        if (stopped) {
            return;
        }
        if (next > 0 && shown.elapsed() < hold.count()) {
            QTimer::singleShot(10, this, [this] {
                if (!stopped) {
                    emit frameArrived(frames[next - 1]);
                }
            });
        } else if (next < frames.size()) {
            shown.start();
            emit frameArrived(frames[next++]);
        }
    }

private:
    std::vector<QImage> frames;
    std::chrono::milliseconds hold;
    QElapsedTimer shown;
    std::size_t next{0};
    bool stopped{false};
};

class FakeCameras final : public ICameras {
public:
    std::vector<QImage> frames;
    std::chrono::milliseconds hold{0};
    FakeCaptureSource* opened{};

    CaptureSource* OpenCamera(QObject* parent) override {
        opened = new FakeCaptureSource(frames, hold, parent);
        return opened;
    }
};

struct FakePlatform {
    FakeFileDialogs fileDialogs;
    FakeMessageBoxes messageBoxes;
    FakeColorChooser colorChooser;
    FakeSettingsStore settings;
    FakeSystemServices system;
    FakeModalRunner modalRunner;
    FakePrinting printing;
    FakeClipboard clipboard;
    FakeCameras cameras;

    [[nodiscard]] Platform Services() {
        return {fileDialogs, messageBoxes, colorChooser, settings, system,
                modalRunner, printing,     clipboard,    cameras};
    }
};

} // namespace turnix::test
