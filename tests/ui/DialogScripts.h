#pragma once

// What a user does in a window, or inside a dialog that FakeModalRunner runs:
// find a control by its object name, click it, double-click it.

#include <QTest>
#include <QWidget>

namespace turnix::test {

template <typename T = QWidget>
T& Child(const QWidget& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) {
        qFatal("No child named %s", qPrintable(name));
    }
    return *child;
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

} // namespace turnix::test
