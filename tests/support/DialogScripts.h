#pragma once

// What a user does and sees in a window, or in a dialog that FakeModalRunner
// runs: find a control by its object name, read captions and messages, click,
// double-click.

#include "FakePlatform.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <functional>

namespace turnix::test {

template <typename T = QWidget>
T& Child(const QWidget& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) {
        qFatal("No child named %s", qPrintable(name));
    }
    return *child;
}

// The window's caption and the texts of the named labels and buttons, joined
// by "|".
inline QString Captions(const QWidget& window, const QStringList& names) {
    QStringList texts{window.windowTitle()};
    for (const QString& name : names) {
        QWidget& control = Child(window, name);
        const auto* label = qobject_cast<QLabel*>(&control);
        texts << (label != nullptr ? label->text()
                                   : qobject_cast<QAbstractButton*>(&control)->text());
    }
    return texts.join('|');
}

// Centred on the screen, give or take the few pixels of a frame.
inline bool IsCentred(const QWidget& window) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    return (window.frameGeometry().center() - screen.center()).manhattanLength() <= 4;
}

inline void Click(QWidget& widget) {
    QTest::mouseClick(&widget, Qt::LeftButton);
}

// The events of a real double click: press, release, double click, release.
inline void DoubleClick(QWidget& widget) {
    QTest::mouseClick(&widget, Qt::LeftButton);
    QTest::mouseDClick(&widget, Qt::LeftButton);
    QTest::mouseRelease(&widget, Qt::LeftButton);
}

// Each message shown as "title|text", marked "!" for an exclamation.
inline QStringList Messages(const FakeMessageBoxes& boxes) {
    QStringList messages;
    for (const auto& m : boxes.shown) {
        messages << (m.icon == MessageIcon::Exclamation ? "!" : "") + m.strTitle + "|" + m.strText;
    }
    return messages;
}

// The message of a save that failed, as Messages() shows it.
inline QString SaveFailure(const QString& path, const QString& reason) {
    return "!Turnix|The file could not be saved.\n\n" + path + ": " + reason;
}

// A script for FakeModalRunner: shows the dialog and clicks the named
// controls in turn.
inline std::function<void(QDialog&)> Clicks(const QStringList& names) {
    return [names](QDialog& dialog) {
        dialog.show();
        for (const QString& name : names) {
            Click(Child(dialog, name));
        }
    };
}

} // namespace turnix::test
